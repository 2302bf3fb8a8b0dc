// The report frame as plain functions: input lines, notes, headings and the
// head of OUTPUTS.
#include <QTest>

#include "shell/report_frame.h"
#include "support/german_numbers.h"
#include "support/worksheet_harness.h"

class ReportFrameTest : public QObject {
    Q_OBJECT

private slots:
    void inputLine_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("sample size") << "Sample size of the normative sample:" << "20"
                                     << " Sample size of the normative sample= 20";
        QTest::newRow("raw text") << "Case's test score on Task X:" << "007" << " Case's test score on Task X= 007";
        QTest::newRow("blanks trimmed from caption") << "  Mean:  " << "1" << " Mean= 1";
        QTest::newRow("last colon") << "Ratio a:b of c:" << " 5 " << " Ratio a:b of c=  5 ";
        QTest::newRow("no colon") << " Odd caption " << "3" << " Unnamed input X =  Odd caption 3";
    }
    void inputLine()
    {
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, line);
        QCOMPARE(FormatInputLine(caption, text), line);
    }

    void notesLines_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one") << "one" << QStringList{"one"};
        QTest::newRow("final line break") << "one\n" << QStringList{"one"};
        QTest::newRow("empty line inside") << "a\n\nb" << QStringList{"a", "", "b"};
        QTest::newRow("empty last line") << "a\n\n" << QStringList{"a", ""};
    }
    void notesLines()
    {
        QFETCH(QString, memo);
        QFETCH(QStringList, lines);
        QCOMPARE(NotesLines(memo), lines);
    }

    void notesBlock()
    {
        QCOMPARE(NotesBlock("User's Notes:", {}), QStringList());
        QCOMPARE(NotesBlock("User's Notes:", {"first", "", "third"}),
                 (QStringList{" User's Notes: first", QString(15, u' '), QString(15, u' ') + "third", " "}));
    }

    void heading()
    {
        const ProgramProfile profile = SampleProfile();
        QStringList expected{"", profile.title, "",
                             " THIS PROGRAM IMPLEMENTS STATISTICAL METHODS DEVELOPED IN THE FOLLOWING PAPERS:", ""};
        expected << profile.report.firstReference << "" << profile.report.secondReference << "";
        QCOMPARE(ReportHeading(profile, false), expected);
        QCOMPARE(ReportHeading(profile, true), QStringList{QString(106, u'_')} + expected);
    }

    void inputsBlock()
    {
        std::array<InputRow, InputCount> rows;
        for (int i = 0; i < InputCount; ++i)
            rows[i] = {QStringLiteral("Row %1:").arg(i + 1), QString::number(i + 1)};
        rows[2].visible = false;
        QCOMPARE(InputsBlock({" Option selected: a", " Option selected: b"}, rows),
                 (QStringList{" INPUTS:", " Option selected: a", " Option selected: b", "", " Row 1= 1",
                              " Row 2= 2", " Row 4= 4", " Row 5= 5", " Row 6= 6", "", " Row 7= 7", " Row 8= 8",
                              "", ""}));
    }

    void outputsHead_data()
    {
        QTest::addColumn<bool>("german");
        QTest::newRow("C locale") << false;
        QTest::newRow("German locale") << true;
    }
    void outputsHead()
    {
        QFETCH(bool, german);
        std::optional<GermanNumbers> locale;
        if (german) {
            locale.emplace();
            QVERIFY(locale->cLocaleActive());
        }
        WorksheetInputs inputs;
        inputs.controlMeanX = 100;
        inputs.controlSdX = 15;
        inputs.caseScoreX = 70;
        inputs.controlMeanY = 50;
        inputs.controlSdY = 10;
        inputs.caseScoreY = 45;
        ReportTexts texts;
        texts.zScoreXCaption = " z X = ";
        texts.zScoreYCaption = " z Y = ";
        QCOMPARE(OutputsHead(texts, inputs), (QStringList{" OUTPUTS:", " z X =   -2.000", " z Y =   -0.500"}));
        QCOMPARE(ZScoreLine(" z = ", 12345.6789), QStringLiteral(" z = 12345.679"));
    }
};

QTEST_MAIN(ReportFrameTest)
#include "report_frame_test.moc"
