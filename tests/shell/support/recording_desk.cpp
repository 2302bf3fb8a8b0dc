#include "support/recording_desk.h"

RecordingDesk::RecordingDesk() { setDesk(this); }

RecordingDesk::~RecordingDesk() { setDesk(nullptr); }

void RecordingDesk::warning(QWidget*, const QString& text)
{
    warnings << text;
    if (duringWarning)
        duringWarning();
}

void RecordingDesk::error(QWidget*, const QString& text) { errors << text; }

bool RecordingDesk::question(QWidget*, const QString& text)
{
    questions << text;
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingDesk::beep() { ++beeps; }

QString RecordingDesk::saveFileName(QWidget*, const QString& proposedName)
{
    proposedNames << proposedName;
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

std::unique_ptr<QPrinter> RecordingDesk::defaultPrinter(QString& why)
{
    if (pdfOutputFile.isEmpty()) {
        why = noPrinterReason;
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfOutputFile);
    return printer;
}

void RecordingDesk::setBusyCursor(bool busy) { busyChanges << busy; }

void RecordingDesk::clear()
{
    warnings.clear();
    errors.clear();
    questions.clear();
    proposedNames.clear();
    beeps = 0;
    busyChanges.clear();
}
