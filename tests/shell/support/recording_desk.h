// A desk that records what the program asked of the person and answers
// from a script, for tests on the offscreen platform.
#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "shell/desk.h"

class RecordingDesk : public Desk {
public:
    RecordingDesk();   // installs itself as the desk
    ~RecordingDesk();  // puts the real desk back

    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    void beep() override;
    QString saveFileName(QWidget* parent, const QString& proposedName) override;
    std::unique_ptr<QPrinter> defaultPrinter(QString& why) override;
    void setBusyCursor(bool busy) override;

    // What happened, in order.
    QStringList warnings;
    QStringList errors;
    QStringList questions;
    QStringList proposedNames;
    int beeps = 0;
    QList<bool> busyChanges;

    // Scripted answers.
    std::deque<bool> answers;        // for question(); No when empty
    std::deque<QString> fileNames;   // for saveFileName(); cancel when empty
    // The printer handed out; a PDF printer writing to this file when set,
    // otherwise no printer at all (with `noPrinterReason`).
    QString pdfOutputFile;
    QString noPrinterReason = QStringLiteral("No printers are installed.");
    // Called inside a modal call, as a person would act while it is open.
    std::function<void()> duringWarning;

    void clear();
};
