#include "shell/compute_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "shell/desk.h"
#include "shell/metrics_papers.h"
#include "shell/saved_worksheet.h"
#include "shell/template.h"
#include "shell/template_results.h"

namespace {

using RangeCheck = bool (*)(const QString& fieldName, double value);

// The check after a good reading, per row; none for means and scores.
constexpr std::array<RangeCheck, InputCount> RowChecks{
    nullptr, CheckStandardDeviation, nullptr, CheckStandardDeviation,
    CheckCorrelation, CheckSampleSize, nullptr, nullptr};

}  // namespace

std::optional<WorksheetInputs> ValidateWorksheet(TfrmTemplate& worksheet)
{
    const auto boxes = worksheet.inputBoxes();
    const auto labels = worksheet.inputLabels();
    std::array<double, InputCount> values{};
    for (int i = 0; i < InputCount; ++i) {
        const QString caption = labels[i]->text();
        values[i] = ParseInputField(boxes[i]->text(), caption);
        if (InputErrorFlag || (RowChecks[i] && !RowChecks[i](caption, values[i]))) {
            TfrmTemplate::FocusInputBox(boxes[i]);
            return std::nullopt;
        }
    }
    WorksheetInputs inputs;
    inputs.controlMeanX = values[0];
    inputs.controlSdX = values[1];
    inputs.controlMeanY = values[2];
    inputs.controlSdY = values[3];
    inputs.correlation = values[4];
    inputs.sampleSize = static_cast<int>(values[5]);
    inputs.caseScoreX = values[6];
    inputs.caseScoreY = values[7];
    return inputs;
}

std::optional<WorksheetInputs> AcceptWorksheet(TfrmTemplate& worksheet)
{
    std::optional<WorksheetInputs> inputs = ValidateWorksheet(worksheet);
    if (inputs)
        SaveCurrentData(worksheet);
    return inputs;
}

void TakeOptions(const TfrmTemplate& worksheet, WorksheetInputs& inputs)
{
    inputs.method = worksheet.methodChoice();
    inputs.tails = worksheet.tailsChoice();
    inputs.limits = worksheet.limitsChoice();
    inputs.notes = NotesLines(worksheet.memoComments->toPlainText());
}

WorksheetSnapshot SnapshotWorksheet(const TfrmTemplate& worksheet)
{
    WorksheetSnapshot sheet;
    sheet.notesCaption = worksheet.lblComments->text();
    const auto boxes = worksheet.inputBoxes();
    const auto labels = worksheet.inputLabels();
    for (int i = 0; i < InputCount; ++i)
        sheet.rows[i] = {labels[i]->text(), boxes[i]->text(), !boxes[i]->isHidden()};
    return sheet;
}

bool ResultsHoldLines(const TfrmTemplate& worksheet) { return worksheet.resultsWindow()->lineCount() > 0; }

void PresentReport(TfrmTemplate& worksheet, const QStringList& report)
{
    TfrmTemplateResults* results = worksheet.resultsWindow();
    results->showResults(worksheet.profile().title);
    for (const QString& line : report)
        results->appendLine(line);
}

BusyCursor::BusyCursor() { desk().setBusyCursor(true); }

BusyCursor::~BusyCursor() { release(); }

void BusyCursor::release()
{
    if (busy_)
        desk().setBusyCursor(false);
    busy_ = false;
}

void ComputeReportSkeleton(TfrmTemplate& worksheet, OptionLinesOf optionLines)
{
    std::optional<WorksheetInputs> inputs = AcceptWorksheet(worksheet);
    if (!inputs)
        return;
    BusyCursor busy;
    TakeOptions(worksheet, *inputs);
    TfrmTemplate::FocusInputBox(worksheet.txtInput1);
    busy.release();
    PresentReport(worksheet, ReportSkeleton(worksheet.profile(), SnapshotWorksheet(worksheet), *inputs,
                                            optionLines(*inputs), ResultsHoldLines(worksheet)));
}
