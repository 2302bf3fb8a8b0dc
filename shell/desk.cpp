#include "shell/desk.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString programName() { return QGuiApplication::applicationDisplayName(); }

// Messages mark line breaks with carriage returns, each one a break of its
// own, so "\r\r" leaves an empty line in the box.
QString shown(const QString& text)
{
    QString lines = text;
    return lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The desk of a person at the screen: the toolkit's own boxes and dialogs.
class ToolkitDesk final : public Desk {
public:
    void warning(QWidget* parent, const QString& text) override
    {
        QMessageBox::warning(parent, programName(), shown(text), QMessageBox::Ok);
    }

    void error(QWidget* parent, const QString& text) override
    {
        QMessageBox::critical(parent, programName(), shown(text), QMessageBox::Ok);
    }

    bool question(QWidget* parent, const QString& text) override
    {
        return QMessageBox::question(parent, programName(), shown(text),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    }

    void beep() override { QApplication::beep(); }

    QString saveFileName(QWidget* parent, const QString& proposedName) override
    {
        // Qt asks before overwriting unless told otherwise, adds no suffix
        // of its own and has no read-only box.
        return QFileDialog::getSaveFileName(parent, QString(), proposedName,
                                            QStringLiteral("*.txt"));
    }

    std::unique_ptr<QPrinter> defaultPrinter(QString& why) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            why = QStringLiteral("No printer is installed.");
            return nullptr;
        }
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }

    void setBusyCursor(bool busy) override
    {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }
};

Desk* replacementDesk = nullptr;

}  // namespace

Desk& desk()
{
    static ToolkitDesk toolkitDesk;
    return replacementDesk ? *replacementDesk : toolkitDesk;
}

void setDesk(Desk* replacement) { replacementDesk = replacement; }
