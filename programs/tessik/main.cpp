// Tessik: classical (frequentist) tests for dissociations in single-case studies.
#include "programs/tessik/tessik_compute.h"
#include "programs/tessik/tessik_profile.h"
#include "shell/program_entry.h"

int main(int argc, char** argv) { return RunProgram(argc, argv, tessik::Profile(), tessik::cmdComputeClick); }
