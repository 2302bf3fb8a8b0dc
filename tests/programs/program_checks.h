// Checks every program's tests run against its own profile and handler:
// the profile's texts, the report skeleton line by line, the rule line
// between reports, the option lines and the worksheet's fit.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QButtonGroup>
#include <QObject>

#include <array>

#include "support/captions_fit.h"
#include "support/german_numbers.h"
#include "support/worksheet_harness.h"

struct ProgramUnderTest {
    ProgramProfile profile;
    TfrmTemplate::ComputeHandler compute;
    int firstReferenceLines;
    int secondReferenceLines;
    int emptyLinesAfterSources;
    int ruleLength;
    int roughDescriptionLength;
    // The captions of the eight input boxes.
    std::array<QString, InputCount> captions;
    // The option lines with the first choice of every group.
    QStringList optionLines;
    // The option lines with the second choice of every group.
    QStringList otherOptionLines;
    // The two z-score lines of the reference worksheet.
    QStringList zScoreLines;
};

inline const QStringList ReferenceSheet{"100", "15", "50", "10", "0.6", "25", "70", "45"};

// The report of the reference worksheet below the notes: options, the
// inputs echoed under their captions, and the head of OUTPUTS.
inline QStringList InputsAndOutputs(const ProgramUnderTest& program)
{
    const auto echo = [&](int box) { return " " + program.captions[box].chopped(1) + "= " + ReferenceSheet[box]; };
    QStringList lines{" INPUTS:"};
    lines << program.optionLines << "";
    for (int box = 0; box < 6; ++box)
        lines << echo(box);
    lines << "" << echo(6) << echo(7) << "" << "" << " OUTPUTS:";
    return lines << program.zScoreLines;
}
inline const QString ReferenceNotes = QStringLiteral("Patient AB, 54 years\n\ntested in May");
inline const QStringList ReferenceNotesBlock{" User's Notes: Patient AB, 54 years", QString(15, u' '),
                                             QString(15, u' ') + "tested in May", " "};

inline QStringList ViewerLines(const TfrmTemplateResults& results)
{
    QStringList lines = results.text().split(u'\n');
    lines.removeLast();  // after the last line end
    return lines;
}

// The heading of a report: title and sources block, as the profile gives them.
inline QStringList Heading(const ProgramUnderTest& program)
{
    const ReportTexts& texts = program.profile.report;
    QStringList lines{"", program.profile.title, "",
                      " THIS PROGRAM IMPLEMENTS STATISTICAL METHODS DEVELOPED IN THE FOLLOWING PAPERS:", ""};
    lines << texts.firstReference << "" << texts.secondReference;
    for (int i = 0; i < program.emptyLinesAfterSources; ++i)
        lines << "";
    return lines;
}

inline void CheckReferences(const ProgramUnderTest& program)
{
    const ReportTexts& texts = program.profile.report;
    QCOMPARE(texts.firstReference.size(), program.firstReferenceLines);
    QCOMPARE(texts.secondReference.size(), program.secondReferenceLines);
    QCOMPARE(texts.firstReference, EffectSizeReference());
    for (const QString& line : texts.firstReference + texts.secondReference) {
        QVERIFY2(line.size() <= 102, qPrintable(line));
        QVERIFY2(line.startsWith(u' ') && !line.startsWith(QStringLiteral("  ")), qPrintable(line));
    }
    QCOMPARE(program.profile.report.ruleLength, program.ruleLength);
}

inline void CheckDescription(const ProgramUnderTest& program)
{
    const QString& description = program.profile.description;
    const int roughLength = program.roughDescriptionLength;
    QVERIFY(!description.contains(u'\n') && !description.contains(u'\r'));
    QVERIFY(description.endsWith(QStringLiteral("built on " __DATE__ ".")));
    QVERIFY(description.contains(QStringLiteral("Clear Data")));
    QVERIFY(qAbs(description.size() - roughLength) < roughLength / 10);
}

inline void CheckFirstReport(const ProgramUnderTest& program)
{
    WorksheetHarness h(program.profile, program.compute);
    h.start();
    h.fill(ReferenceSheet);
    h.sheet->memoComments->setPlainText(ReferenceNotes);
    h.sheet->cmdCompute->click();
    QVERIFY(h.desk.warnings.isEmpty() && h.desk.errors.isEmpty());
    QCOMPARE(ViewerLines(*h.results), Heading(program) + ReferenceNotesBlock + InputsAndOutputs(program));
    QCOMPARE(h.results->windowTitle(), "Results viewer: " + program.profile.title);
    QCOMPARE(h.readSaved(), QByteArray("100 15 50 10 0.6 25 70 45 "));
}

// Empty notes: straight from the sources to INPUTS. A second Compute
// follows the rule line.
inline void CheckSecondReport(const ProgramUnderTest& program)
{
    WorksheetHarness h(program.profile, program.compute);
    h.start();
    h.fill(ReferenceSheet);
    h.sheet->cmdCompute->click();
    const QStringList first = Heading(program) + InputsAndOutputs(program);
    QCOMPARE(ViewerLines(*h.results), first);
    h.results->findChild<QPushButton*>("cmdReturn")->click();
    QCOMPARE(h.focused(), h.sheet->txtInput7);
    h.sheet->cmdCompute->click();
    QCOMPARE(ViewerLines(*h.results), first + QStringList{QString(program.ruleLength, u'_')} + first);
}

// "007" is echoed as typed and read as 7; under a German locale the
// numbers keep the point.
inline void CheckRawTextsAndLocale(const ProgramUnderTest& program)
{
    GermanNumbers german;
    QVERIFY(german.cLocaleActive());
    WorksheetHarness h(program.profile, program.compute);
    h.start();
    QStringList sheet = ReferenceSheet;
    sheet[6] = "007";
    sheet[7] = "47.5";
    h.fill(sheet);
    h.sheet->cmdCompute->click();
    const QStringList lines = ViewerLines(*h.results);
    QCOMPARE(lines.at(lines.size() - 7), " " + program.profile.inputLabels[6].chopped(1) + "= 007");
    QCOMPARE(lines.at(lines.size() - 6), " " + program.profile.inputLabels[7].chopped(1) + "= 47.5");
    QCOMPARE(lines.at(lines.size() - 2), program.profile.report.zScoreXCaption + "  -6.200");
    QCOMPARE(lines.last(), program.profile.report.zScoreYCaption + "  -0.250");
}

inline void CheckOtherOptions(const ProgramUnderTest& program)
{
    WorksheetHarness h(program.profile, program.compute);
    h.start();
    h.sheet->RadioButton2->setChecked(true);
    if (h.sheet->radio_one_tail)
        h.sheet->radio_one_tail->setChecked(true);
    if (h.sheet->RadioGroup1Items)
        h.sheet->RadioGroup1Items->button(2)->setChecked(true);
    h.fill(ReferenceSheet);
    h.sheet->cmdCompute->click();
    const QStringList lines = ViewerLines(*h.results);
    const qsizetype inputs = lines.indexOf(" INPUTS:");
    QCOMPARE(lines.mid(inputs + 1, program.otherOptionLines.size()), program.otherOptionLines);
    QCOMPARE(lines.at(inputs + 1 + program.otherOptionLines.size()), QString());
}

// Every caption fits and no two controls of a panel overlap.
inline void CheckWorksheetFits(const ProgramUnderTest& program)
{
    WorksheetHarness h(program.profile, program.compute);
    h.create();
    QWidget* window = h.sheet.get();
    for (QWidget* panel : {window, static_cast<QWidget*>(h.sheet->Panel1)}) {
        QList<QWidget*> children;
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden() && !child->isWindow() && child != h.sheet->memoComments)
                children << child;
        for (QWidget* child : children) {
            QVERIFY2(panel->rect().contains(child->geometry()), qPrintable(child->objectName()));
            for (QWidget* other : children)
                if (other != child)
                    QVERIFY2(!child->geometry().intersects(other->geometry()),
                             qPrintable(child->objectName() + " / " + other->objectName()));
        }
    }
    CheckCaptionsFit(*h.sheet);
}

inline void CheckProfileCaptions(const ProgramUnderTest& program)
{
    const std::array<QString, InputCount>& labels = program.captions;
    WorksheetHarness h(program.profile, program.compute);
    h.create();
    QCOMPARE(h.sheet->windowTitle(), program.profile.title);
    const auto shown = h.sheet->inputLabels();
    for (int i = 0; i < InputCount; ++i)
        QCOMPARE(shown[i]->text(), labels[i]);
    QCOMPARE(h.sheet->GroupBox1->title(), program.profile.methodGroupCaption);
    QCOMPARE(h.sheet->RadioButton1->text(), program.profile.methodCaptions[0]);
    QCOMPARE(h.sheet->RadioButton2->text(), program.profile.methodCaptions[1]);
    QVERIFY(h.sheet->RadioButton1->isChecked());
}

// The checks every program's test runs; each program's test adds its own
// profile texts.
class ProgramReportTest : public QObject {
    Q_OBJECT

public:
    explicit ProgramReportTest(ProgramUnderTest (*program)()) : program_(program) {}

private slots:
    void description() { CheckDescription(program_()); }
    void references() { CheckReferences(program_()); }
    void captions() { CheckProfileCaptions(program_()); }
    void firstReport() { CheckFirstReport(program_()); }
    void secondReport() { CheckSecondReport(program_()); }
    void rawTextsAndLocale() { CheckRawTextsAndLocale(program_()); }
    void otherOptions() { CheckOtherOptions(program_()); }
    void worksheetFits() { CheckWorksheetFits(program_()); }

private:
    ProgramUnderTest (*program_)();
};
