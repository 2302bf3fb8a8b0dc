#include "shell/family_texts.h"

QStringList EffectSizeReference()
{
    return {QStringLiteral(" Dravik, J. R. & Quessel, P. H. (2002). Point and interval estimates of effect sizes for the"),
            QStringLiteral(" comparison of a single case with a modest control sample on one or two tasks. Bulletin of"),
            QStringLiteral(" Case Comparison Studies, 14, 201-219.")};
}

std::array<QString, InputCount> TaskInputLabels(const QString& caseNoun)
{
    return {QStringLiteral("Mean of the control or normative sample on Task X:"),
            QStringLiteral("Standard deviation for the normative sample on Task X:"),
            QStringLiteral("Mean of the control or normative sample on Task Y:"),
            QStringLiteral("Standard deviation for the normative sample on Task Y:"),
            QStringLiteral("Correlation between Tasks X and Y in normative sample:"),
            QStringLiteral("Sample size of the normative sample:"),
            caseNoun + QStringLiteral("'s test score on Task X:"),
            caseNoun + QStringLiteral("'s test score on Task Y:")};
}
