#include "programs/tessik/tessik_profile.h"

#include "shell/family_texts.h"

namespace tessik {

namespace {

QString Description()
{
    return QString::fromUtf8(
        "This program accompanies the paper by Ombrell, Dravik and Quessel (2006) on classical methods for "
        "testing for dissociations in single-case studies, and it is an upgraded version of an earlier program "
        "of the same family. It compares one individual with a control or normative sample that is known only "
        "through its summary statistics, and it tests whether the individual shows a strong dissociation or a "
        "dissociation that is putatively classical between two tasks, X and Y, using classical (frequentist) "
        "statistical methods. First the program tests whether the individual has a deficit on Task X and whether "
        "the individual has a deficit on Task Y, with a test that treats the control statistics as sample "
        "statistics rather than as population parameters. For each task the output gives a significance test, "
        "a point estimate of the effect size for the difference between the case and the controls (Z-CC) with "
        "its 95% confidence interval, and a point estimate and an interval estimate of the abnormality of the "
        "individual's score. Next the program tests the difference between the individual's scores on the two "
        "tasks, with either the Revised Standardized Difference Test (RSDT) or the Unstandardized Difference "
        "Test (USDT). The output of this test gives the individual's scores expressed as z scores, a one- or "
        "two-tailed p value, a point estimate of the effect size for the difference between the case and the "
        "controls on the difference between the tasks (Z-DCC) with its interval estimate, and a point estimate "
        "of the abnormality of the difference, that is of the percentage of the control population that would "
        "show a larger difference; the interval estimates of the effect size are obtained with Bayesian methods. "
        "Finally the program applies the criteria for a dissociation, which are those of its Bayesian companion "
        "program with the chosen difference test taking the place of the Bayesian test: the difference between "
        "the tasks must be significant, and at least one of the deficit tests must be significant. A deficit on "
        "both tasks together with a significant difference is classified as a strong dissociation, and a "
        "deficit on one task only together with a significant difference as a dissociation, putatively "
        "classical. The difference test is two-tailed by default and can be made one-tailed with the radio "
        "buttons of the lower group; use a one-tailed test only when the direction of the difference was "
        "predicted in advance. The RSDT is the default and is strongly recommended over the USDT, because the "
        "individual's scores should normally be standardized before they are compared: the two tasks seldom "
        "share the same mean and standard deviation in the controls. The interval estimates come from a Monte "
        "Carlo run of one million Bayesian iterations, so a short delay after Compute is pressed is normal; the "
        "same worksheet always gives the same results. To use the program, enter the means and standard "
        "deviations of the control sample on the two tasks, the correlation between the tasks in the control "
        "sample, the size of the control sample and the individual's scores on the two tasks, choose the "
        "options, type any notes that should appear in the report, and press Compute. The "
        "data of the control sample are saved to a file when Compute is pressed and are read back in when the "
        "program is run again, so that further cases can be tested against the same controls; click \"Clear "
        "Data\" to empty the worksheet and enter data for a new control sample. The results appear in a results "
        "window, where they can be viewed on screen, printed, or saved to a text file. This version of the "
        "program was built on " __DATE__ ".");
}

}  // namespace

ProgramProfile Profile()
{
    ProgramProfile profile;
    profile.programName = QStringLiteral("Tessik");
    profile.title = QStringLiteral(
        "Tessik.EXE: Classical (frequentist) statistical methods for testing for dissociations in single-case studies");
    profile.worksheetFileName = QStringLiteral("tessik.txt");
    profile.description = Description();
    profile.inputLabels = TaskInputLabels(QStringLiteral("Individual"));
    profile.methodGroupCaption = QStringLiteral(
        "When testing for a difference between a case's scores on Task X and Y apply the ...");
    profile.methodCaptions = {QStringLiteral("Revised STANDARDIZED difference test (RSDT)"),
                              QStringLiteral("UNSTANDARDIZED difference test (USDT)")};
    profile.tailsGroupCaption =
        QStringLiteral("When testing for a difference between a case's scores on Task X and Y use a ...");
    profile.layout.panel1Height = 370;
    profile.layout.groupBox1 = {8, 0, 745, 48};  // ends where the tails group begins
    profile.layout.groupBox2 = {8, 48, 745, 57};
    profile.layout.firstRowTop = 116;
    profile.layout.buttonTop = 528;
    profile.layout.computeLeft = 28;
    profile.layout.clearDataLeft = 220;
    profile.layout.exitLeft = 603;
    profile.report.ruleLength = 106;
    profile.report.firstReference = EffectSizeReference();
    profile.report.secondReference = {
        QStringLiteral(" Ombrell, T. K., Dravik, J. R. & Quessel, P. H. (2003). Revised and unstandardized tests for a"),
        QStringLiteral(" difference between a single case's scores on two tasks, with an evaluation of their error"),
        QStringLiteral(" rates. Bulletin of Case Comparison Studies, 15, 77-96.")};
    profile.report.emptyLinesAfterSources = 1;
    profile.report.zScoreXCaption = QStringLiteral(" Individual's score on Task X expressed as z score = ");
    profile.report.zScoreYCaption = QStringLiteral(" Individual's score on Task Y expressed as z score = ");
    return profile;
}

QStringList OptionLines(const WorksheetInputs& inputs)
{
    return {inputs.method == 1
                ? QStringLiteral(" Option selected: Use the USDT to test for a difference between case's X and Y scores")
                : QStringLiteral(" Option selected: Use the RSDT to test for a difference between case's X and Y scores"),
            inputs.tails == 1
                ? QStringLiteral(" Option selected: Use a one-tailed test when testing for a difference between case's X and Y scores")
                : QStringLiteral(" Option selected: Use a two-tailed test when testing for a difference between case's X and Y scores")};
}

}  // namespace tessik
