// A worksheet window and its results window on the offscreen platform, with
// the recording desk and throw-away folders for the saved worksheet.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/compute_frame.h"
#include "shell/family_texts.h"
#include "shell/template.h"
#include "shell/template_results.h"
#include "support/recording_desk.h"

inline const QString SampleOptionLine = QStringLiteral(" Option selected: sample analysis");

// A profile shaped like those of the programs: with the tails group, or
// with the limits group instead.
inline ProgramProfile SampleProfile(bool limitsGroup = false)
{
    ProgramProfile profile;
    profile.programName = QStringLiteral("Sample");
    profile.title = QStringLiteral("Sample.EXE: a worksheet for tests");
    profile.worksheetFileName = QStringLiteral("sample.txt");
    profile.description = QString(600, u'd');
    profile.inputLabels = TaskInputLabels(QStringLiteral("Case"));
    profile.methodGroupCaption = QStringLiteral("Apply...");
    profile.methodCaptions = {QStringLiteral("First method"), QStringLiteral("Second method")};
    if (limitsGroup) {
        profile.hasLimitsGroup = true;
        profile.layout.groupBox1 = {8, 16, 745, 57};
        profile.layout.firstRowTop = 92;
        profile.layout.panel1Height = 346;
    } else {
        profile.tailsGroupCaption = QStringLiteral("Use a... ");
    }
    profile.report.firstReference = EffectSizeReference();
    profile.report.secondReference = {QStringLiteral(" Quessel, P. H. (2004). A second source.")};
    profile.report.zScoreXCaption = QStringLiteral(" z on X = ");
    profile.report.zScoreYCaption = QStringLiteral(" z on Y = ");
    return profile;
}

// The frame of a Compute handler without an analysis: what the programs'
// handlers do before their sections.
inline void SampleCompute(TfrmTemplate& worksheet)
{
    ComputeReportSkeleton(worksheet, [](const WorksheetInputs&) { return QStringList{SampleOptionLine}; });
}

inline const QStringList GoodWorksheet{"100", "15", "50", "10", "0.6", "25", "70", "45"};

class WorksheetHarness {
public:
    explicit WorksheetHarness(ProgramProfile sampleProfile = SampleProfile(),
                              TfrmTemplate::ComputeHandler handler = SampleCompute)
        : profile(std::move(sampleProfile)), handler_(std::move(handler))
    {
    }

    RecordingDesk desk;
    QTemporaryDir programFolder;
    QTemporaryDir appDataRoot;
    ProgramProfile profile;
    std::unique_ptr<TfrmTemplateResults> results;
    std::unique_ptr<TfrmTemplate> sheet;

    WorksheetFolders folders() const { return {programFolder.path(), appDataRoot.path() + "/Sample"}; }
    QString savedPath() const { return programFolder.path() + "/" + profile.worksheetFileName; }

    void writeSaved(const QByteArray& bytes) const
    {
        QFile file(savedPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readSaved() const
    {
        QFile file(savedPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Creates both windows as the program entry does; the worksheet hidden.
    void create(const WorksheetFolders& where)
    {
        sheet.reset();
        results.reset();
        sheet = std::make_unique<TfrmTemplate>(profile, handler_, where);
        results = std::make_unique<TfrmTemplateResults>();
        results->setWorksheet(sheet.get());
        sheet->setResultsWindow(results.get());
    }
    void create() { create(folders()); }
    // Creates and shows the worksheet, waiting until it is the active window.
    void start()
    {
        create();
        show();
    }
    void show()
    {
        sheet->show();
        QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
    }

    void fill(const QStringList& texts) const
    {
        const auto boxes = sheet->inputBoxes();
        for (int i = 0; i < InputCount; ++i)
            boxes[i]->setText(texts.value(i));
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const QLineEdit* box : sheet->inputBoxes())
            texts << box->text();
        return texts;
    }
    QWidget* focused() const { return sheet->focusWidget(); }

private:
    TfrmTemplate::ComputeHandler handler_;
};
