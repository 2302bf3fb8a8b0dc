// What one press of Compute takes from the worksheet.
#pragma once

#include <QStringList>

struct WorksheetInputs {
    double controlMeanX = 0.0;
    double controlSdX = 0.0;
    double controlMeanY = 0.0;
    double controlSdY = 0.0;
    double correlation = 0.0;
    int sampleSize = 0;
    double caseScoreX = 0.0;
    double caseScoreY = 0.0;
    int method = 0;  // 0: RadioButton1, 1: RadioButton2
    int tails = 0;   // 0: two-tailed, 1: one-tailed (programs with the tails group)
    int limits = 0;  // 0: two-sided, 1: one-sided lower, 2: one-sided upper (limits group)
    QStringList notes;
};
