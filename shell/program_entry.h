// The start of every program of the family: its profile, the application,
// the worksheet and the hidden results window, then the event loop.
#pragma once

#include "shell/program_profile.h"
#include "shell/template.h"

int RunProgram(int argc, char** argv, const ProgramProfile& profile, TfrmTemplate::ComputeHandler computeHandler);
