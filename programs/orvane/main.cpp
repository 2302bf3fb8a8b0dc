// Orvane: Bayesian criteria for dissociations in single-case studies.
#include "programs/orvane/orvane_compute.h"
#include "programs/orvane/orvane_profile.h"
#include "shell/program_entry.h"

int main(int argc, char** argv) { return RunProgram(argc, argv, orvane::Profile(), orvane::cmdComputeClick); }
