#include "programs/orvane/orvane_profile.h"

#include "shell/family_texts.h"

namespace orvane {

namespace {

QString Description()
{
    return QString::fromUtf8(
        "This program accompanies the paper by Dravik, Quessel and Ombrell (2007) on Bayesian criteria for "
        "dissociations in single-case studies, and it is an upgraded version of an earlier program of the same "
        "family. It compares one case with a control or normative sample that is known only through its summary "
        "statistics, and it applies Bayesian criteria for deciding whether the case shows a dissociation between "
        "two tasks, X and Y. Two kinds of dissociation are tested for: a strong dissociation, and a dissociation "
        "that is putatively classical. The program works in three stages. In the first stage it tests whether "
        "the case has a deficit on Task X and whether the case has a deficit on Task Y, using a test that treats "
        "the control statistics as sample statistics rather than as population parameters. The output for each "
        "task is complete: a significance test, a point estimate of the effect size for the difference between "
        "the case and the controls (Z-CC) together with its 95% confidence interval, and a point estimate and an "
        "interval estimate of the abnormality of the case's score, that is of the percentage of the control "
        "population that would obtain a lower score than the case. In the second stage the program applies the "
        "Bayesian Standardized Difference Test (BSDT) to the difference between the case's standardized scores "
        "on the two tasks. The output of this stage gives the case's scores on X and Y expressed as z scores, a "
        "p value for the test, a point estimate of the effect size for the difference between the case and the "
        "controls on the standardized difference (Z-DCC) with its interval estimate, and a point estimate and an "
        "interval estimate of the percentage of the control population that would show a larger difference "
        "between the two tasks than the case does. In the third stage the program applies the criteria for a "
        "dissociation to these results, and the results on which the criteria rest are marked in the output so "
        "that they are easy to find. Under the Bayesian criteria the p value of the BSDT must be below 0.05 and "
        "the p value of at least one of the two deficit tests must also be below 0.05. If the case has a deficit "
        "on both tasks, and the difference between the tasks is significant, the pattern is classified as a "
        "strong dissociation; if the case has a deficit on one task only, and the difference is significant, the "
        "pattern is classified as a dissociation, putatively classical. The program also offers combined "
        "Bayesian / frequentist criteria. These demand everything that the Bayesian criteria demand and, in "
        "addition, a significant result on the frequentist Revised Standardized Difference Test (RSDT) applied to "
        "the same difference. Whatever the user's statistical orientation, the Bayesian test is recommended, and "
        "the Bayesian criteria are selected when the program starts; the combined criteria can be chosen with "
        "the radio buttons of the upper group. The test on the difference between the tasks can be two-tailed, "
        "which is the default, or one-tailed; use a one-tailed test only when the direction of the difference "
        "was predicted before the case was tested. The Bayesian results come from a Monte Carlo run of one "
        "million iterations that draws from the posterior distribution of the control population's means and "
        "covariance matrix, so a delay of a few seconds after Compute is pressed is normal; the same worksheet "
        "always gives the same results. To use the program, enter the means and standard deviations of the "
        "control sample on the two tasks, the correlation between the tasks in the control sample, the size of "
        "the control sample and the case's scores on the two tasks, choose the options, type any notes that "
        "should appear in the report, and press Compute. The data of the control sample are saved to a file when "
        "Compute is pressed and are read back in when the program is run again, so that further cases can be "
        "tested against the same controls by typing only their two scores; click \"Clear Data\" to empty the "
        "worksheet and enter data for a new control sample. The results are shown in a results window, where "
        "they can be viewed on screen, printed, or saved to a text file; the reports of several cases collect "
        "in that window until it is cleared. This version of the program was built on " __DATE__ ".");
}

}  // namespace

ProgramProfile Profile()
{
    ProgramProfile profile;
    profile.programName = QStringLiteral("Orvane");
    profile.title = QStringLiteral("Orvane.EXE: Bayesian criteria for dissociations in single-case studies");
    profile.worksheetFileName = QStringLiteral("orvane.txt");
    profile.description = Description();
    profile.inputLabels = TaskInputLabels(QStringLiteral("Case"));
    profile.methodGroupCaption = QStringLiteral("Apply...");
    profile.methodCaptions = {QStringLiteral("Bayesian criteria for dissociations"),
                              QStringLiteral("Combined Bayesian / frequentist criteria for dissociations")};
    profile.tailsGroupCaption = QStringLiteral(
        "When testing for a difference between the case's standardized scores on Tasks X and Y use a... ");
    profile.report.ruleLength = 106;
    profile.report.firstReference = EffectSizeReference();
    profile.report.secondReference = {
        QStringLiteral(" Quessel, P. H. & Ombrell, T. K. (2004). Bayesian tests for a deficit and for a dissociation in"),
        QStringLiteral(" the single case. Bulletin of Case Comparison Studies, 16, 33-52.")};
    profile.report.emptyLinesAfterSources = 3;
    profile.report.zScoreXCaption = QStringLiteral(" Case's score on Task X expressed as z score = ");
    profile.report.zScoreYCaption = QStringLiteral(" Case's score on Task Y expressed as z score = ");
    return profile;
}

QStringList OptionLines(const WorksheetInputs& inputs)
{
    return {inputs.method == 1
                ? QStringLiteral(" Option selected: Apply combined Bayesian / frequentist criteria for dissociations")
                : QStringLiteral(" Option selected: Apply Bayesian criteria for dissociations"),
            inputs.tails == 1
                ? QStringLiteral(" Option selected: Use a ONE-tailed test when testing for a difference between standardized scores")
                : QStringLiteral(" Option selected: Use a TWO-tailed test when testing for a difference between standardized scores")};
}

}  // namespace orvane
