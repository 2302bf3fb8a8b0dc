// Pellan's profile, worksheet and report skeleton.
#include "program_checks.h"
#include "programs/pellan/pellan_compute.h"
#include "programs/pellan/pellan_profile.h"

namespace {

ProgramUnderTest Pellan()
{
    return {pellan::Profile(),
            pellan::cmdComputeClick,
            3,
            2,
            2,
            96,
            1850,
            {"Mean of the control or normative sample on Test X:",
             "Standard deviation for the normative sample on Test X:",
             "Mean of the control or normative sample on Test Y:",
             "Standard deviation for the normative sample on Test Y:",
             "Correlation between Tests X and Y in normative sample:", "Sample size of the normative sample:",
             "Case's test score on Test X:", "Case's test score on Test Y:"},
            {" Option selected: Analysis is to be performed on the patient's STANDARDIZED difference"},
            // The choice of limits is not echoed.
            {" Option selected: Analysis is to be performed on the patient's UNSTANDARDIZED difference"},
            {" Individual's score on Test X expressed as a z score =   -2.000",
             " Individual's score on Test Y expressed as a z score =   -0.500"}};
}

}  // namespace

class PellanReportTest : public ProgramReportTest {
    Q_OBJECT

public:
    PellanReportTest() : ProgramReportTest(Pellan) {}

private slots:
    void profileTexts()
    {
        const ProgramProfile profile = pellan::Profile();
        QCOMPARE(profile.title, QStringLiteral("Pellan.EXE: Bayesian inferential methods for the difference between "
                                               "a case's scores on two tasks"));
        QCOMPARE(profile.worksheetFileName, QStringLiteral("quorra.txt"));
        QCOMPARE(profile.methodGroupCaption, QStringLiteral("Apply..."));
        QCOMPARE(profile.methodCaptions, (std::array<QString, 2>{"Bayesian STANDARDIZED difference test",
                                                                 "Bayesian UNSTANDARDIZED difference test"}));
        QVERIFY(!profile.tailsGroupCaption);
        QVERIFY(profile.hasLimitsGroup);
    }
};

QTEST_MAIN(PellanReportTest)
#include "pellan_report_test.moc"
