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
            {" INPUTS:",
             " Option selected: Use the RSDT to test for a difference between case's X and Y scores",
             " Option selected: Use a two-tailed test when testing for a difference between case's X and Y scores",
             "",
             " Mean of the control or normative sample on Task X= 100",
             " Standard deviation for the normative sample on Task X= 15",
             " Mean of the control or normative sample on Task Y= 50",
             " Standard deviation for the normative sample on Task Y= 10",
             " Correlation between Tasks X and Y in normative sample= 0.6",
             " Sample size of the normative sample= 25",
             "",
             " Individual's test score on Task X= 70",
             " Individual's test score on Task Y= 45",
             "",
             "",
             " OUTPUTS:",
             " Individual's score on Task X expressed as z score =   -2.000",
             " Individual's score on Task Y expressed as z score =   -0.500"},
            {" Option selected: Use the USDT to test for a difference between case's X and Y scores",
             " Option selected: Use a one-tailed test when testing for a difference between case's X and Y scores"}};
}

}  // namespace

class TessikReportTest : public QObject {
    Q_OBJECT

private slots:
    void profileTexts()
    {
        const ProgramProfile profile = tessik::Profile();
        QCOMPARE(profile.title, QStringLiteral("Tessik.EXE: Classical (frequentist) statistical methods for testing "
                                               "for dissociations in single-case studies"));
        QCOMPARE(profile.worksheetFileName, QStringLiteral("tessik.txt"));
        QCOMPARE(*profile.tailsGroupCaption,
                 QStringLiteral("When testing for a difference between a case's scores on Task X and Y use a ..."));
        QVERIFY(!profile.hasLimitsGroup);
        CheckDescription(Tessik(), 3700);
        CheckReferences(Tessik());
    }
    void captions()
    {
        CheckProfileCaptions(Tessik(), {"Mean of the control or normative sample on Task X:",
                                        "Standard deviation for the normative sample on Task X:",
                                        "Mean of the control or normative sample on Task Y:",
                                        "Standard deviation for the normative sample on Task Y:",
                                        "Correlation between Tasks X and Y in normative sample:",
                                        "Sample size of the normative sample:", "Individual's test score on Task X:",
                                        "Individual's test score on Task Y:"});
        QCOMPARE(tessik::Profile().methodGroupCaption,
                 QStringLiteral("When testing for a difference between a case's scores on Task X and Y apply the ..."));
        QCOMPARE(tessik::Profile().methodCaptions,
                 (std::array<QString, 2>{"Revised STANDARDIZED difference test (RSDT)",
                                         "UNSTANDARDIZED difference test (USDT)"}));
    }
    void firstReport() { CheckFirstReport(Tessik()); }
    void secondReport() { CheckSecondReport(Tessik()); }
    void rawTextsAndLocale() { CheckRawTextsAndLocale(Tessik()); }
    void otherOptions() { CheckOtherOptions(Tessik()); }
    void worksheetFits() { CheckWorksheetFits(Tessik()); }
};

QTEST_MAIN(TessikReportTest)
#include "tessik_report_test.moc"
