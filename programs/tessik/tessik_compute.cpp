#include "programs/tessik/tessik_compute.h"

#include "programs/tessik/tessik_profile.h"
#include "shell/compute_frame.h"

namespace tessik {

void cmdComputeClick(TfrmTemplate& worksheet)
{
    ComputeReportSkeleton(worksheet, OptionLines);
}

}  // namespace tessik
