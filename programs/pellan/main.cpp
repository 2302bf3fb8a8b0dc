// Pellan: Bayesian inference on the difference between a case's scores on two tasks.
#include "programs/pellan/pellan_compute.h"
#include "programs/pellan/pellan_profile.h"
#include "shell/program_entry.h"

int main(int argc, char** argv) { return RunProgram(argc, argv, pellan::Profile(), pellan::cmdComputeClick); }
