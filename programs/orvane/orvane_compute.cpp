#include "programs/orvane/orvane_compute.h"

#include "programs/orvane/orvane_profile.h"
#include "shell/compute_frame.h"

namespace orvane {

void cmdComputeClick(TfrmTemplate& worksheet)
{
    ComputeReportSkeleton(worksheet, OptionLines);
}

}  // namespace orvane
