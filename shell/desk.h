// Everything that waits on a person or on the desk goes through this one
// interface, so that tests can put a recording double in its place.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

class Desk {
public:
    virtual ~Desk() = default;

    // Modal warning box with one OK button.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // The error box for failures that end a handler (file, printer, engine):
    // titled with the program's name, one OK button.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Modal question with Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    virtual void beep() = 0;
    // Save-file dialog proposing `proposedName`, filter "*.txt", asking before
    // overwriting; an empty result means the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& proposedName) = 0;
    // The default printer, set up for a job without a dialog; nullptr with
    // `why` filled when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter(QString& why) = 0;
    virtual void setBusyCursor(bool busy) = 0;
};

// The desk in use; the real one unless a test installed another.
Desk& desk();
// Installs `replacement` (not owned) or, with nullptr, the real desk again.
void setDesk(Desk* replacement);
