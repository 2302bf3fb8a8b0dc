#include "programs/pellan/pellan_profile.h"

#include "shell/family_texts.h"

namespace pellan {

namespace {

QString Description()
{
    return QString::fromUtf8(
        "This program accompanies the paper by Quessel and Ombrell (2005) on Bayesian inference for the "
        "difference between a case's scores on two tasks, and it is an upgraded version of an earlier program of "
        "the same family. It tests whether the difference between a case's scores on two tasks differs "
        "significantly from the differences observed in a control sample that is known only through its summary "
        "statistics. The output gives a point estimate of the effect size for the difference between the case "
        "and the controls (Z-DCC) with its 95% credible interval, and a point estimate and an interval estimate "
        "of the percentage of the control population that would obtain a larger difference than the case. "
        "Because the means and standard deviations of two tasks usually differ in the controls, the case's "
        "scores should almost always be standardized before they are compared, that is the Bayesian "
        "Standardized Difference Test should be used; the method is chosen with the radio buttons, and the "
        "standardized test is the default. The limits on Z-DCC and on the percentage can be two-sided 95% "
        "limits, which is the default, or a one-sided lower or upper 95% limit, chosen in the group of radio "
        "buttons at the left of the worksheet. The Bayesian results come from a Monte Carlo run of one million "
        "iterations, so a delay of a few seconds after Compute is pressed is normal, and the same worksheet "
        "always gives the same results. The data of the control sample are saved to a file when Compute is "
        "pressed and are read back in when the program is run again, so that further cases can be tested "
        "against the same controls; click \"Clear Data\" to enter data for a new control sample. The results "
        "can be viewed on screen, printed, or saved to a text file. This version of the program was built on "
        __DATE__ ".");
}

}  // namespace

ProgramProfile Profile()
{
    ProgramProfile profile;
    profile.programName = QStringLiteral("Pellan");
    profile.title = QStringLiteral(
        "Pellan.EXE: Bayesian inferential methods for the difference between a case's scores on two tasks");
    profile.worksheetFileName = QStringLiteral("quorra.txt");
    profile.description = Description();
    profile.inputLabels = {QStringLiteral("Mean of the control or normative sample on Test X:"),
                           QStringLiteral("Standard deviation for the normative sample on Test X:"),
                           QStringLiteral("Mean of the control or normative sample on Test Y:"),
                           QStringLiteral("Standard deviation for the normative sample on Test Y:"),
                           QStringLiteral("Correlation between Tests X and Y in normative sample:"),
                           QStringLiteral("Sample size of the normative sample:"),
                           QStringLiteral("Case's test score on Test X:"),
                           QStringLiteral("Case's test score on Test Y:")};
    profile.methodGroupCaption = QStringLiteral("Apply...");
    profile.methodCaptions = {QStringLiteral("Bayesian STANDARDIZED difference test"),
                              QStringLiteral("Bayesian UNSTANDARDIZED difference test")};
    profile.hasLimitsGroup = true;
    profile.layout.panel1Height = 346;
    profile.layout.groupBox1 = {8, 16, 745, 57};
    profile.layout.labelLeft = 192;
    profile.layout.editLeft = 640;
    profile.layout.firstRowTop = 92;
    profile.layout.buttonTop = 506;
    profile.layout.buttonHeight = 37;
    profile.layout.computeLeft = 28;
    profile.layout.clearDataLeft = 220;
    profile.layout.exitLeft = 603;
    profile.report.ruleLength = 96;
    profile.report.firstReference = EffectSizeReference();
    profile.report.secondReference = {
        QStringLiteral(" Quessel, P. H. & Ombrell, T. K. (2005). Bayesian inference on the difference between a single"),
        QStringLiteral(" case's scores on two tasks. Bulletin of Case Comparison Studies, 17, 121-140.")};
    profile.report.emptyLinesAfterSources = 2;
    profile.report.zScoreXCaption = QStringLiteral(" Individual's score on Test X expressed as a z score = ");
    profile.report.zScoreYCaption = QStringLiteral(" Individual's score on Test Y expressed as a z score = ");
    return profile;
}

QStringList OptionLines(const WorksheetInputs& inputs)
{
    return {inputs.method == 1
                ? QStringLiteral(" Option selected: Analysis is to be performed on the patient's UNSTANDARDIZED difference")
                : QStringLiteral(" Option selected: Analysis is to be performed on the patient's STANDARDIZED difference")};
}

}  // namespace pellan
