// The toolkit desk: its boxes and dialogs are answered here as a person
// would answer them, from inside their modal loops.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/desk.h"
#include "support/recording_desk.h"

namespace {

const QString ProgramName = QStringLiteral("Orvane");

// Runs `act` on the modal window as soon as one is open.
void whenModalOpens(const std::function<void(QWidget*)>& act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(10);
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Records the message box that opens next and presses `press` in it.
void answerMessageBox(SeenBox& seen, QMessageBox::StandardButton press)
{
    whenModalOpens([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            qFatal("the modal window is not a message box");
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(press)->click();
    });
}

}  // namespace

class DeskTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(ProgramName); }

    void replacementIsInstalledAndRemoved()
    {
        Desk* const toolkit = &desk();
        {
            RecordingDesk recording;
            QCOMPARE(&desk(), static_cast<Desk*>(&recording));
        }
        QCOMPARE(&desk(), toolkit);
    }

    void messageBoxes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("answer");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("warning") << "warning" << int(QMessageBox::Ok) << int(QMessageBox::Warning) << int(QMessageBox::Ok) << false;
        QTest::newRow("error") << "error" << int(QMessageBox::Ok) << int(QMessageBox::Critical) << int(QMessageBox::Ok) << false;
        QTest::newRow("question, Yes") << "question" << int(QMessageBox::Yes) << int(QMessageBox::Question) << yesNo << true;
        QTest::newRow("question, No") << "question" << int(QMessageBox::No) << int(QMessageBox::Question) << yesNo << false;
    }

    void messageBoxes()
    {
        QFETCH(QString, kind);
        QFETCH(int, press);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(bool, answer);
        const QString text = QStringLiteral("Exit from program?");
        SeenBox seen;
        answerMessageBox(seen, QMessageBox::StandardButton(press));
        bool answered = false;
        if (kind == QLatin1String("warning"))
            desk().warning(nullptr, text);
        else if (kind == QLatin1String("error"))
            desk().error(nullptr, text);
        else
            answered = desk().question(nullptr, text);
        QCOMPARE(seen.title, ProgramName);
        QCOMPARE(seen.text, text);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(int(seen.buttons), buttons);
        QCOMPARE(answered, answer);
    }

    void carriageReturnsBreakLinesInTheBox()
    {
        SeenBox seen;
        answerMessageBox(seen, QMessageBox::Ok);
        desk().warning(nullptr, QStringLiteral("INPUT ERROR\r\rEnter numeric data only."));
        QCOMPARE(seen.text, QStringLiteral("INPUT ERROR\n\nEnter numeric data only."));
    }

    void saveDialogProposesTheNameAndConfirmsOverwriting()
    {
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QStringLiteral("mine.txt"));
        struct {
            QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
            bool confirmsOverwrite = false;
            QStringList filters;
            QString suffix = QStringLiteral("unset");
            QString proposed;
        } seen;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                qFatal("the modal window is not a file dialog");
            seen = {dialog->acceptMode(), !dialog->testOption(QFileDialog::DontConfirmOverwrite),
                    dialog->nameFilters(), dialog->defaultSuffix(),
                    QFileInfo(dialog->selectedFiles().value(0)).fileName()};
            // The dialog ignores selectFile while its name box has the focus,
            // which the window manager may give it at any moment: take the
            // focus first, then choose, so the answer does not race it.
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            dialog->selectFile(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(desk().saveFileName(nullptr, QStringLiteral("results.txt")), chosen);
        QCOMPARE(seen.mode, QFileDialog::AcceptSave);
        QVERIFY(seen.confirmsOverwrite);
        QCOMPARE(seen.filters, QStringList{QStringLiteral("*.txt")});
        QCOMPARE(seen.suffix, QString());
        QCOMPARE(seen.proposed, QStringLiteral("results.txt"));
    }

    void cancelledSaveDialogGivesNoName()
    {
        whenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(desk().saveFileName(nullptr, QStringLiteral("results.txt")), QString());
    }

    void busyCursorComesAndGoes()
    {
        desk().setBusyCursor(true);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        desk().setBusyCursor(false);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void defaultPrinterOrTheReasonWhyNot()
    {
        const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
        QString why;
        const std::unique_ptr<QPrinter> printer = desk().defaultPrinter(why);
        if (installed.isNull()) {
            QVERIFY(!printer);
            QCOMPARE(why, QStringLiteral("No printer is installed."));
        } else {
            QVERIFY(printer);
            QCOMPARE(printer->printerName(), installed.printerName());
        }
    }
};

QTEST_MAIN(DeskTest)
#include "desk_test.moc"
