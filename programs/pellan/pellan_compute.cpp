#include "programs/pellan/pellan_compute.h"

#include "programs/pellan/pellan_profile.h"
#include "shell/compute_frame.h"

namespace pellan {

void cmdComputeClick(TfrmTemplate& worksheet)
{
    ComputeReportSkeleton(worksheet, OptionLines);
}

}  // namespace pellan
