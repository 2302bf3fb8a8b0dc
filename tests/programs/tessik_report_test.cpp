// Tessik's profile, worksheet and report skeleton.
#include "program_checks.h"
#include "programs/tessik/tessik_compute.h"
#include "programs/tessik/tessik_profile.h"

namespace {

ProgramUnderTest Tessik()
{
    return {tessik::Profile(),
            tessik::cmdComputeClick,
            3,
            3,
            1,
            106,
            3700,
            {"Mean of the control or normative sample on Task X:",
             "Standard deviation for the normative sample on Task X:",
             "Mean of the control or normative sample on Task Y:",
             "Standard deviation for the normative sample on Task Y:",
             "Correlation between Tasks X and Y in normative sample:", "Sample size of the normative sample:",
             "Individual's test score on Task X:", "Individual's test score on Task Y:"},
            {" Option selected: Use the RSDT to test for a difference between case's X and Y scores",
             " Option selected: Use a two-tailed test when testing for a difference between case's X and Y scores"},
            {" Option selected: Use the USDT to test for a difference between case's X and Y scores",
             " Option selected: Use a one-tailed test when testing for a difference between case's X and Y scores"},
            {" Individual's score on Task X expressed as z score =   -2.000",
             " Individual's score on Task Y expressed as z score =   -0.500"}};
}

}  // namespace

class TessikReportTest : public ProgramReportTest {
    Q_OBJECT

public:
    TessikReportTest() : ProgramReportTest(Tessik) {}

private slots:
    void profileTexts()
    {
        const ProgramProfile profile = tessik::Profile();
        QCOMPARE(profile.title, QStringLiteral("Tessik.EXE: Classical (frequentist) statistical methods for testing "
                                               "for dissociations in single-case studies"));
        QCOMPARE(profile.worksheetFileName, QStringLiteral("tessik.txt"));
        QCOMPARE(profile.methodGroupCaption,
                 QStringLiteral("When testing for a difference between a case's scores on Task X and Y apply the ..."));
        QCOMPARE(profile.methodCaptions, (std::array<QString, 2>{"Revised STANDARDIZED difference test (RSDT)",
                                                                 "UNSTANDARDIZED difference test (USDT)"}));
        QCOMPARE(*profile.tailsGroupCaption,
                 QStringLiteral("When testing for a difference between a case's scores on Task X and Y use a ..."));
        QVERIFY(!profile.hasLimitsGroup);
    }
};

QTEST_MAIN(TessikReportTest)
#include "tessik_report_test.moc"
