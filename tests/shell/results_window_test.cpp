// The results viewer on the offscreen platform, with a recording desk in
// place of the person at the screen.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QTextCursor>
#include <QTimer>
#include <QWindow>

#include "shell/template_results.h"
#include "support/file_size_limit.h"
#include "support/pdf_reading.h"
#include "support/recording_desk.h"

namespace {

const QString Rule(106, QLatin1Char('_'));

// Appends one report as the analysis handlers do: a rule line first when the
// viewer already holds lines.
void appendReport(TfrmTemplateResults& window, const QStringList& lines)
{
    if (window.lineCount() > 0)
        window.appendLine(Rule);
    for (const QString& line : lines)
        window.appendLine(line);
}

const QStringList FirstReport{QString(), QStringLiteral("Orvane.EXE: first"), QString(),
                              QStringLiteral(" INPUTS:"), QStringLiteral(" Sample size of the normative sample= 20")};
const QStringList SecondReport{QString(), QStringLiteral("Orvane.EXE: second"), QStringLiteral(" "),
                               QStringLiteral(" OUTPUTS:")};

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray readFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private:
    RecordingDesk* desk_ = nullptr;
    TfrmTemplateResults* window_ = nullptr;
    QWidget* worksheet_ = nullptr;
    QTemporaryDir folder_;

    template <typename T>
    T* control(const char* name) const
    {
        T* found = window_->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("control %s missing", name);
        return found;
    }
    QPlainTextEdit* memo() const { return control<QPlainTextEdit>("memoResults"); }
    void click(const char* button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QString path(const QString& name) const { return folder_.filePath(name); }
    void showActive()
    {
        window_->showResults(QStringLiteral("Orvane.EXE: test"));
        // The platform may still count the window active from its last
        // showing; wait for the application to see it so.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(window_));
    }
    void select(int from, int to) const
    {
        QTextCursor cursor = memo()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        memo()->setTextCursor(cursor);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        // The dialog's default folder; nothing may land here unasked.
        QVERIFY(QDir::setCurrent(folder_.path()));
    }

    void init()
    {
        desk_ = new RecordingDesk;
        worksheet_ = new QWidget;
        worksheet_->show();
        window_ = new TfrmTemplateResults;
        window_->setWorksheet(worksheet_);
    }

    void cleanup()
    {
        delete window_;
        delete worksheet_;
        delete desk_;
    }

    void startsHiddenAndEmpty()
    {
        QCOMPARE(window_->objectName(), QStringLiteral("frmTemplateResults"));
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->lineCount(), 0);
        QCOMPARE(window_->text(), QString());
    }

    void controlsAndCaptions()
    {
        QCOMPARE(control<QPushButton>("cmdSaveOutput")->text(), QStringLiteral("Save Output"));
        QCOMPARE(control<QPushButton>("cmdClearResults")->text(), QStringLiteral("Clear Results"));
        QCOMPARE(control<QPushButton>("cmdReturn")->text(), QStringLiteral("Return to Worksheet"));
        QCOMPARE(control<QPushButton>("cmdExit")->text(), QStringLiteral("Exit"));
        QVERIFY(control<QPushButton>("cmdExit")->font().bold());
        QCOMPARE(memo()->parentWidget(), control<QWidget>("Panel1"));
        control<QWidget>("Panel2");
        QVERIFY(window_->menuBar() == control<QMenuBar>("MainMenu1"));
        QCOMPARE(control<QMenu>("File1")->title(), QStringLiteral("Printer options..."));
        QCOMPARE(control<QAction>("mnuPrint")->text(), QStringLiteral("Print All"));
        QCOMPARE(control<QAction>("mnuPrintSelection")->text(), QStringLiteral("Print Selection"));
        QCOMPARE(control<QMenu>("File1")->actions(),
                 (QList<QAction*>{control<QAction>("mnuPrint"), control<QAction>("mnuPrintSelection")}));
    }

    void memoSettings()
    {
        QPlainTextEdit* results = memo();
        const QString family = QFontInfo(results->font()).family();
        QVERIFY2(family == QLatin1String("Courier New") || family == QLatin1String("Liberation Mono"),
                 qPrintable(family));
        QCOMPARE(results->font().pointSize(), 9);
        QCOMPARE(results->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(results->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(results->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!results->isReadOnly());
        QVERIFY(results->tabChangesFocus());
        for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
            QCOMPARE(results->palette().color(QPalette::Inactive, role),
                     results->palette().color(QPalette::Active, role));
    }

    void frameOffersNoWayOut()
    {
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        showActive();
        // The close request of the desktop's frame.
        QCloseEvent frameClose;
        QSpontaneKeyEvent::setSpontaneous(&frameClose);
        QApplication::sendEvent(window_->windowHandle(), &frameClose);
        QVERIFY(!frameClose.isAccepted());
        QVERIFY(window_->isVisible());
    }

    void showResultsSwapsWindowsAndSetsCaption()
    {
        window_->showResults(QStringLiteral("Pellan.EXE: Bayesian inferential methods"));
        QVERIFY(window_->isVisible());
        QVERIFY(!worksheet_->isVisible());
        QCOMPARE(window_->windowTitle(), QStringLiteral("Results viewer: Pellan.EXE: Bayesian inferential methods"));
    }

    void returnToWorksheetKeepsTheText()
    {
        appendReport(*window_, FirstReport);
        window_->showResults(QStringLiteral("t"));
        click("cmdReturn");
        QVERIFY(!window_->isVisible());
        QVERIFY(worksheet_->isVisible());
        QCOMPARE(window_->lineCount(), FirstReport.size());
    }

    void returnHasTheFocusOnEveryShowing()
    {
        showActive();
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("cmdReturn"));
        memo()->setFocus();
        click("cmdReturn");
        worksheet_->hide();
        showActive();
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("cmdReturn"));
    }

    void tabOrderFollowsTheLayout()
    {
        showActive();
        memo()->setFocus();
        const char* order[] = {"cmdSaveOutput", "cmdClearResults", "cmdReturn", "cmdExit", "memoResults"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
        QCOMPARE(window_->text(), QString());  // Tab moved on, it typed nothing
    }

    void twoReportsStandOneBelowTheOther()
    {
        appendReport(*window_, FirstReport);
        appendReport(*window_, SecondReport);
        const QStringList all = FirstReport + QStringList{Rule} + SecondReport;
        QCOMPARE(window_->lineCount(), all.size());
        QCOMPARE(window_->text(), all.join(QLatin1Char('\n')) + QLatin1Char('\n'));

        desk_->fileNames.push_back(path(QStringLiteral("both.txt")));
        click("cmdSaveOutput");
        QVERIFY(desk_->errors.isEmpty());
        QCOMPARE(readFile(path(QStringLiteral("both.txt"))), crlfLines(all));
    }

    void clearResultsEmptiesTheViewer()
    {
        appendReport(*window_, FirstReport);
        const QString kept = path(QStringLiteral("kept.txt"));
        writeFile(kept, "earlier");
        click("cmdClearResults");
        QCOMPARE(window_->lineCount(), 0);
        QVERIFY(desk_->questions.isEmpty());
        QCOMPARE(readFile(kept), QByteArray("earlier"));

        // The next report starts at the top, its leading empty line kept.
        appendReport(*window_, SecondReport);
        QCOMPARE(window_->text(), SecondReport.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }

    void savedBytesFollowTheViewerText_data()
    {
        QTest::addColumn<QString>("viewerText");
        QTest::addColumn<QByteArray>("fileBytes");
        QTest::newRow("empty viewer") << QString() << QByteArray();
        QTest::newRow("lines ended") << QStringLiteral("a\n\nb\n") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("last line end removed") << QStringLiteral("a\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty lines at the end") << QStringLiteral("a\n\n\n") << QByteArray("a\r\n\r\n\r\n");
        QTest::newRow("only a line end") << QStringLiteral("\n") << QByteArray("\r\n");
        QTest::newRow("blanks kept") << QStringLiteral(" \n  x  \n") << QByteArray(" \r\n  x  \r\n");
        QTest::newRow("single-byte text") << QStringLiteral("caf\u00e9 \u00b1\u00a0\n") << QByteArray("caf\xe9 \xb1\xa0\r\n");
    }

    void savedBytesFollowTheViewerText()
    {
        QFETCH(QString, viewerText);
        QFETCH(QByteArray, fileBytes);
        memo()->setPlainText(viewerText);
        const QString target = path(QStringLiteral("results.txt"));
        writeFile(target, "an older and longer content that is replaced entirely");
        desk_->fileNames.push_back(target);
        click("cmdSaveOutput");
        QCOMPARE(desk_->proposedNames, QStringList{QStringLiteral("results.txt")});
        QVERIFY(desk_->errors.isEmpty());
        QCOMPARE(readFile(target), fileBytes);
        QCOMPARE(window_->lineCount(), ViewerLineCount(fileBytes));
    }

    void anEditIsSavedAsEdited()
    {
        appendReport(*window_, {QStringLiteral(" first line"), QStringLiteral(" second line")});
        showActive();
        memo()->setFocus();
        QTextCursor cursor = memo()->textCursor();
        cursor.setPosition(QStringLiteral(" first").size());
        memo()->setTextCursor(cursor);
        QTest::keyClicks(memo(), QStringLiteral(" edited"));
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("new"));

        desk_->fileNames.push_back(path(QStringLiteral("edited.txt")));
        click("cmdSaveOutput");
        QCOMPARE(readFile(path(QStringLiteral("edited.txt"))),
                 QByteArray(" first edited\r\nnew line\r\n second line\r\n"));
        // Lines appended after an edit go below it as usual.
        window_->appendLine(QStringLiteral(" third"));
        QCOMPARE(window_->lineCount(), 4);
    }

    void theLatestLinesAreInView()
    {
        window_->showResults(QStringLiteral("t"));
        for (int i = 0; i < 200; ++i)
            window_->appendLine(QStringLiteral(" line %1").arg(i));
        QCoreApplication::processEvents();
        QVERIFY(memo()->verticalScrollBar()->value() > 0);
        QCOMPARE(memo()->textCursor().position(), window_->text().size());
        QVERIFY(memo()->viewport()->rect().contains(memo()->cursorRect()));
    }

    void cancelledSaveDoesNothing()
    {
        QTemporaryDir empty(path(QStringLiteral("cancel-XXXXXX")));
        QVERIFY(QDir::setCurrent(empty.path()));
        appendReport(*window_, FirstReport);
        click("cmdSaveOutput");  // the desk answers with an empty name
        QVERIFY(QDir::setCurrent(folder_.path()));
        QCOMPARE(desk_->proposedNames, QStringList{QStringLiteral("results.txt")});
        QVERIFY(desk_->errors.isEmpty());
        QVERIFY(QDir(empty.path()).isEmpty());
        QCOMPARE(window_->lineCount(), FirstReport.size());
    }

    void failedSaveReportsAndHarmsNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("target is a folder") << QStringLiteral("<folder>");
        QTest::newRow("folder missing") << QStringLiteral("<folder>/missing/results.txt");
        QTest::newRow("system area") << QStringLiteral("/proc/results.txt");
    }

    void failedSaveReportsAndHarmsNothing()
    {
        QFETCH(QString, target);
        target.replace(QStringLiteral("<folder>"), folder_.path());
        appendReport(*window_, FirstReport);
        const QString before = window_->text();
        desk_->fileNames.push_back(target);
        click("cmdSaveOutput");
        QCOMPARE(desk_->errors.size(), 1);
        QVERIFY(!desk_->errors.first().isEmpty());
        QCOMPARE(window_->text(), before);
        QVERIFY(!QFileInfo(target).isFile());
    }

    void writeFailingPartWayKeepsTheOldFile()
    {
        QTemporaryDir aside(path(QStringLiteral("aside-XXXXXX")));
        QVERIFY(aside.isValid());
        const QString target = aside.filePath(QStringLiteral("old.txt"));
        const QByteArray old = "the previous results\r\n";
        writeFile(target, old);
        for (int i = 0; i < 2000; ++i)
            window_->appendLine(QStringLiteral(" a report line long enough to fill the file quickly %1").arg(i));
        const QString before = window_->text();
        desk_->fileNames.push_back(target);
        {
            FileSizeLimit limit(4096);
            click("cmdSaveOutput");
        }
        QCOMPARE(desk_->errors.size(), 1);
        QVERIFY(!desk_->errors.first().isEmpty());
        QCOMPARE(readFile(target), old);
        QCOMPARE(window_->text(), before);
        QCOMPARE(QDir(aside.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    }

    void printAllPrintsTheShownText()
    {
        appendReport(*window_, FirstReport);
        appendReport(*window_, SecondReport);
        QTextCursor cursor(memo()->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral(" typed by the user"));
        desk_->pdfOutputFile = path(QStringLiteral("all.pdf"));
        control<QAction>("mnuPrint")->trigger();
        QVERIFY(desk_->errors.isEmpty());
        const QString printed = PdfLayoutText(desk_->pdfOutputFile);
        for (const QString& line : {QStringLiteral("Orvane.EXE: first"), QStringLiteral("Sample size of the normative sample= 20"),
                                    Rule, QStringLiteral("Orvane.EXE: second"), QStringLiteral("typed by the user")})
            QVERIFY2(printed.contains(line), qPrintable(line));
        QVERIFY(printed.indexOf(QStringLiteral("first")) < printed.indexOf(QStringLiteral("second")));
        QCOMPARE(PdfPageCount(desk_->pdfOutputFile), 1);
    }

    void printSelectionPrintsOnlyTheSelection_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("printedLines");
        QTest::newRow("part of one line") << QStringLiteral("beta gam") << QStringList{QStringLiteral("beta gam")};
        QTest::newRow("across lines") << QStringLiteral("gamma\n second\n thi")
                                      << QStringList{QStringLiteral("gamma"), QStringLiteral("second"), QStringLiteral("thi")};
    }

    void printSelectionPrintsOnlyTheSelection()
    {
        QFETCH(QString, selected);
        QFETCH(QStringList, printedLines);
        appendReport(*window_, {QStringLiteral(" alpha beta gamma"), QStringLiteral(" second"), QStringLiteral(" third")});
        const int from = window_->text().indexOf(selected);
        QVERIFY(from >= 0);
        select(from, from + selected.size());
        desk_->pdfOutputFile = path(QStringLiteral("selection.pdf"));
        control<QAction>("mnuPrintSelection")->trigger();
        QVERIFY(desk_->warnings.isEmpty());
        QVERIFY(desk_->errors.isEmpty());
        QStringList printed = PdfLayoutText(desk_->pdfOutputFile).split(QLatin1Char('\n'));
        for (QString& line : printed)
            line = line.trimmed();
        printed.removeAll(QString());
        QCOMPARE(printed, printedLines);
    }

    void printSelectionWithoutSelectionWarns()
    {
        appendReport(*window_, FirstReport);
        desk_->pdfOutputFile = path(QStringLiteral("nothing.pdf"));
        control<QAction>("mnuPrintSelection")->trigger();
        QCOMPARE(desk_->warnings, QStringList{QStringLiteral("You have not selected any text.")});
        QVERIFY(!QFile::exists(desk_->pdfOutputFile));
    }

    void noPrinterIsReported_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::newRow("Print All") << QStringLiteral("mnuPrint");
        QTest::newRow("Print Selection") << QStringLiteral("mnuPrintSelection");
    }

    void noPrinterIsReported()
    {
        QFETCH(QString, menuItem);
        appendReport(*window_, FirstReport);
        select(0, 5);
        const QString before = window_->text();
        control<QAction>(menuItem.toLatin1().constData())->trigger();
        QCOMPARE(desk_->errors, QStringList{desk_->noPrinterReason});
        QCOMPARE(window_->text(), before);
    }

    void exitAsksBeforeEnding_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("eventLoopResult");
        QTest::newRow("Yes ends the program") << true << 0;
        QTest::newRow("No changes nothing") << false << LoopLeftByTheTest;
    }

    void exitAsksBeforeEnding()
    {
        QFETCH(bool, answer);
        QFETCH(int, eventLoopResult);
        appendReport(*window_, FirstReport);
        window_->showResults(QStringLiteral("t"));
        desk_->answers.push_back(answer);
        // Inside the running event loop: press Exit, then, should the loop
        // still run, leave it with a code of the test's own. That request
        // dies with `leaveLater` if the loop has already ended.
        QObject leaveLater;
        QTimer::singleShot(0, this, [this, &leaveLater] {
            click("cmdExit");
            QMetaObject::invokeMethod(
                &leaveLater, [] { QCoreApplication::exit(LoopLeftByTheTest); }, Qt::QueuedConnection);
        });
        QCOMPARE(QApplication::exec(), eventLoopResult);
        QCOMPARE(desk_->questions, QStringList{QStringLiteral("Exit from program?")});
        QCOMPARE(window_->lineCount(), FirstReport.size());
        QCOMPARE(window_->isVisible(), !answer);
    }

private:
    static constexpr int LoopLeftByTheTest = 3;
    static int ViewerLineCount(const QByteArray& fileBytes) { return int(fileBytes.count("\r\n")); }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
