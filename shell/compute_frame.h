// The steps every Compute handler shares around its analysis: validation,
// the saved worksheet, the busy cursor and the switch to the results window.
#pragma once

#include <QStringList>
#include <optional>

#include "shell/report_frame.h"
#include "shell/worksheet_inputs.h"

class TfrmTemplate;

// Reads and checks the eight boxes in worksheet order. At the first bad one
// that box gets the focus with its text selected, and nothing is returned.
std::optional<WorksheetInputs> ValidateWorksheet(TfrmTemplate& worksheet);
// Validation, then SaveCurrentData; nothing when a box was refused. A failed
// save throws FileError and so ends the handler.
std::optional<WorksheetInputs> AcceptWorksheet(TfrmTemplate& worksheet);
// The option choices and the notes, as the controls hold them now.
void TakeOptions(const TfrmTemplate& worksheet, WorksheetInputs& inputs);
WorksheetSnapshot SnapshotWorksheet(const TfrmTemplate& worksheet);
// Whether the results window already holds an earlier report.
bool ResultsHoldLines(const TfrmTemplate& worksheet);
// Shows the results window in place of the worksheet, with its caption, and
// appends `report` line by line.
void PresentReport(TfrmTemplate& worksheet, const QStringList& report);

using OptionLinesOf = QStringList (*)(const WorksheetInputs& inputs);
// A whole Compute whose report ends after the case's z scores: validation,
// save, busy cursor, options, focus on box 1, then the report skeleton with
// the program's option lines.
void ComputeReportSkeleton(TfrmTemplate& worksheet, OptionLinesOf optionLines);

// The busy cursor for as long as it lives, or until release().
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    void release();

private:
    bool busy_ = true;
};
