// Orvane's profile, worksheet and report skeleton.
#include "program_checks.h"
#include "programs/orvane/orvane_compute.h"
#include "programs/orvane/orvane_profile.h"

namespace {

ProgramUnderTest Orvane()
{
    return {orvane::Profile(),
            orvane::cmdComputeClick,
            3,
            2,
            3,
            106,
            4300,
            {"Mean of the control or normative sample on Task X:",
             "Standard deviation for the normative sample on Task X:",
             "Mean of the control or normative sample on Task Y:",
             "Standard deviation for the normative sample on Task Y:",
             "Correlation between Tasks X and Y in normative sample:", "Sample size of the normative sample:",
             "Case's test score on Task X:", "Case's test score on Task Y:"},
            {" Option selected: Apply Bayesian criteria for dissociations",
             " Option selected: Use a TWO-tailed test when testing for a difference between standardized scores"},
            {" Option selected: Apply combined Bayesian / frequentist criteria for dissociations",
             " Option selected: Use a ONE-tailed test when testing for a difference between standardized scores"},
            {" Case's score on Task X expressed as z score =   -2.000",
             " Case's score on Task Y expressed as z score =   -0.500"}};
}

}  // namespace

class OrvaneReportTest : public ProgramReportTest {
    Q_OBJECT

public:
    OrvaneReportTest() : ProgramReportTest(Orvane) {}

private slots:
    void profileTexts()
    {
        const ProgramProfile profile = orvane::Profile();
        QCOMPARE(profile.title, QStringLiteral("Orvane.EXE: Bayesian criteria for dissociations in single-case studies"));
        QCOMPARE(profile.worksheetFileName, QStringLiteral("orvane.txt"));
        QCOMPARE(profile.methodCaptions[1], QStringLiteral("Combined Bayesian / frequentist criteria for dissociations"));
        QCOMPARE(*profile.tailsGroupCaption,
                 QStringLiteral("When testing for a difference between the case's standardized scores on Tasks X and Y use a... "));
        QVERIFY(!profile.hasLimitsGroup);
    }
};

QTEST_MAIN(OrvaneReportTest)
#include "orvane_report_test.moc"
