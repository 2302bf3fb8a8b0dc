// The constant texts and metrics that make one program of the family.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

inline constexpr int InputCount = 8;
inline constexpr int RestoredInputCount = 6;

// Where the worksheet's controls sit, in reference pixels; the window scales
// them up when the desktop's font needs more room.
struct WorksheetLayout {
    int panel1Height = 378;
    QRect groupBox1{8, 0, 745, 57};
    QRect groupBox2{8, 64, 745, 49};  // used only with the tails group
    int labelLeft = 184;
    int editLeft = 632;
    int firstRowTop = 124;
    QRect radioGroup1{24, 232, 153, 105};  // on the window; used only with the limits group
    int buttonTop = 536;
    int buttonHeight = 23;
    int computeLeft = 20;
    int clearDataLeft = 212;
    int exitLeft = 595;
};

// The program's own parts of the report frame.
struct ReportTexts {
    int ruleLength = 106;                // underscores between two reports
    QStringList firstReference;          // lines, each beginning with one blank
    QStringList secondReference;
    int emptyLinesAfterSources = 1;
    QString zScoreXCaption;              // the z score follows in "%8.3f"
    QString zScoreYCaption;
};

struct ProgramProfile {
    QString programName;  // the application's name on the desktop
    QString title;
    QString worksheetFileName;
    QString description;
    std::array<QString, InputCount> inputLabels;
    QString methodGroupCaption;
    std::array<QString, 2> methodCaptions;
    std::optional<QString> tailsGroupCaption;  // the tails group exists only with it
    bool hasLimitsGroup = false;
    WorksheetLayout layout;
    ReportTexts report;
};
