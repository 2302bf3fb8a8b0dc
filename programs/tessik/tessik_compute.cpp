#include "programs/tessik/tessik_compute.h"

#include "programs/tessik/tessik_profile.h"
#include "shell/compute_frame.h"
#include "shell/template.h"

namespace tessik {

void cmdComputeClick(TfrmTemplate& worksheet)
{
    std::optional<WorksheetInputs> inputs = AcceptWorksheet(worksheet);
    if (!inputs)
        return;
    BusyCursor busy;
    TakeOptions(worksheet, *inputs);
    TfrmTemplate::FocusInputBox(worksheet.txtInput1);
    busy.release();
    PresentReport(worksheet, ReportSkeleton(worksheet.profile(), SnapshotWorksheet(worksheet), *inputs,
                                            OptionLines(*inputs), ResultsHoldLines(worksheet)));
}

}  // namespace tessik
