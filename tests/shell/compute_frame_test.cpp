// The Compute frame: the validation sequence with its messages and focus,
// the save before the analysis, the busy cursor, the switch of windows and
// the report appended below earlier ones.
#include <QPlainTextEdit>
#include <QPushButton>
#include <stdexcept>

#include "support/worksheet_harness.h"

namespace {

const QString MeanX = QStringLiteral("Mean of the control or normative sample on Task X:");
const QString SdX = QStringLiteral("Standard deviation for the normative sample on Task X:");
const QString SdY = QStringLiteral("Standard deviation for the normative sample on Task Y:");
const QString R = QStringLiteral("Correlation between Tasks X and Y in normative sample:");
const QString N = QStringLiteral("Sample size of the normative sample:");
const QString ScoreY = QStringLiteral("Case's test score on Task Y:");

QStringList With(int box, const QString& text, QStringList sheet = GoodWorksheet)
{
    sheet[box] = text;
    return sheet;
}

QString NotNumeric(const QString& field, const QString& text)
{
    return "INPUT ERROR\r(  " + field + "  " + text + "  )\r\rEnter numeric data only.";
}

QString Empty(const QString& field)
{
    return "INPUT ERROR\r\r(  " + field + "  )\r\rData have not been entered in this field.";
}

QString OutOfRange(const QString& field, const char* value, const char* sentence)
{
    return "INPUT ERROR\r(  " + field + "  " + value + "  )\r" + sentence;
}

}  // namespace

class ComputeFrameTest : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<QStringList>("sheet");
        QTest::addColumn<int>("badBox");
        QTest::addColumn<QString>("message");
        const char* sd = "Standard deviations must have a positive value.";
        const char* r = "The correlation must lie between  -1.0 and 1.0. ";
        const char* n = "The value for sample size must be an integer greater than 2.";
        QTest::newRow("1-2 as mean X") << With(0, "1-2") << 0 << NotNumeric(MeanX, "1-2");
        QTest::newRow("empty mean X") << With(0, "") << 0 << Empty(MeanX);
        QTest::newRow("sd X 0") << With(1, "0") << 1 << OutOfRange(SdX, "0.000", sd);
        QTest::newRow("sd X only minus") << With(1, "-") << 1 << OutOfRange(SdX, "0.000", sd);
        QTest::newRow("sd Y -2") << With(3, "-2") << 3 << OutOfRange(SdY, "-2.000", sd);
        QTest::newRow("sd Y bad") << With(3, "1.2.3") << 3 << NotNumeric(SdY, "1.2.3");
        QTest::newRow("r 1") << With(4, "1") << 4 << OutOfRange(R, "1.000", r);
        QTest::newRow("r -1") << With(4, "-1") << 4 << OutOfRange(R, "-1.000", r);
        QTest::newRow("n 2.5") << With(5, "2.5") << 5 << OutOfRange(N, "2.500", n);
        QTest::newRow("n 2") << With(5, "2") << 5 << OutOfRange(N, "2.000", n);
        QTest::newRow("n empty") << With(5, "") << 5 << Empty(N);
        QTest::newRow("score Y empty") << With(7, "") << 7 << Empty(ScoreY);
        QTest::newRow("first of several") << With(4, "5", With(1, "0", With(7, "x"))) << 1
                                          << OutOfRange(SdX, "0.000", sd);
    }
    void refusals()
    {
        QFETCH(QStringList, sheet);
        QFETCH(int, badBox);
        QFETCH(QString, message);
        WorksheetHarness h;
        const QByteArray old = "1 2 3 4 0.5 30 7 8 ";
        h.writeSaved(old);
        h.start();
        h.results->appendLine("earlier report");
        h.fill(sheet);
        h.sheet->cmdCompute->click();
        QCOMPARE(h.desk.warnings, QStringList{message});
        QLineEdit* box = h.sheet->inputBoxes()[badBox];
        QCOMPARE(h.focused(), box);
        QCOMPARE(box->selectedText(), box->text());
        QCOMPARE(h.readSaved(), old);
        QCOMPARE(h.results->text(), QStringLiteral("earlier report\n"));
        QVERIFY(h.sheet->isVisible());
        QVERIFY(!h.results->isVisible());
        QVERIFY(h.desk.busyChanges.isEmpty());
        QCOMPARE(h.boxTexts(), sheet);
    }

    void acceptedSheetGivesTheReport()
    {
        WorksheetHarness h;
        h.start();
        h.fill({"100", "15", "50", "10", "0.6", "3.0", "007", "45"});
        h.sheet->memoComments->setPlainText("first\nsecond");
        h.sheet->txtInput5->setFocus();
        h.sheet->cmdCompute->click();
        QVERIFY(h.desk.warnings.isEmpty() && h.desk.errors.isEmpty());
        QCOMPARE(h.desk.busyChanges, (QList<bool>{true, false}));
        QVERIFY(!h.sheet->isVisible());
        QVERIFY(h.results->isVisible());
        QCOMPARE(h.results->windowTitle(), "Results viewer: " + h.profile.title);
        QCOMPARE(h.focused(), h.sheet->txtInput1);
        const QStringList lines = h.results->text().split(u'\n');
        QCOMPARE(lines.first(), QString());
        QCOMPARE(lines.at(1), h.profile.title);
        QVERIFY(lines.contains(" User's Notes: first"));
        QVERIFY(lines.contains(QString(15, u' ') + "second"));
        QVERIFY(lines.contains(SampleOptionLine));
        QVERIFY(lines.contains(" Sample size of the normative sample= 3.0"));
        QVERIFY(lines.contains(" Case's test score on Task X= 007"));
        QVERIFY(lines.contains(" z on X =   -6.200"));  // 007 read as 7
        QVERIFY(!lines.contains(QString(106, u'_')));
    }

    // Return to Worksheet puts the focus on the case's score on X, and the
    // next report follows the rule line.
    void secondComputeFollowsTheRule()
    {
        WorksheetHarness h;
        h.start();
        h.fill(GoodWorksheet);
        h.sheet->cmdCompute->click();
        const int firstReport = h.results->lineCount();
        QPushButton* back = h.results->findChild<QPushButton*>("cmdReturn");
        QVERIFY(back);
        back->click();
        QVERIFY(h.sheet->isVisible() && !h.results->isVisible());
        QCOMPARE(h.focused(), h.sheet->txtInput7);
        h.sheet->cmdCompute->click();
        const QStringList lines = h.results->text().split(u'\n');
        QCOMPARE(lines.at(firstReport), QString(106, u'_'));
        QCOMPARE(lines.at(firstReport + 1), QString());
        QCOMPARE(lines.at(firstReport + 2), h.profile.title);
        QCOMPARE(h.results->lineCount(), 2 * firstReport + 1);
    }

    // An error escaping the analysis ends the handler with the error box;
    // the sheet was saved first and the cursor comes back.
    void analysisErrorEndsTheHandler()
    {
        WorksheetHarness h(SampleProfile(), [](TfrmTemplate& worksheet) {
            if (!AcceptWorksheet(worksheet))
                return;
            BusyCursor busy;
            throw std::domain_error("Argument error 3 in the sample analysis");
        });
        h.start();
        h.fill(GoodWorksheet);
        h.sheet->cmdCompute->click();
        QCOMPARE(h.desk.errors, QStringList{"Argument error 3 in the sample analysis"});
        QCOMPARE(h.desk.busyChanges, (QList<bool>{true, false}));
        QCOMPARE(h.readSaved(), QByteArray("100 15 50 10 0.6 25 70 45 "));
        QVERIFY(h.sheet->isVisible());
        QCOMPARE(h.results->lineCount(), 0);
    }
};

QTEST_MAIN(ComputeFrameTest)
#include "compute_frame_test.moc"
