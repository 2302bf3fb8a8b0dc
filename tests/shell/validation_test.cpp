// The keyboard filter, the six-character limit, the reading of a box's text
// and the three range checks, with their exact messages.
#include <QTest>

#include "shell/metrics_papers.h"
#include "support/german_numbers.h"
#include "support/recording_desk.h"

namespace {
const QString Field = QStringLiteral("Mean of the control or normative sample on Task X:");
const QString NumericOnly = QStringLiteral("INPUT ERROR\r\rEnter numeric data only.");
}  // namespace

class ValidationTest : public QObject {
    Q_OBJECT

private slots:
    void filterPassesNumericCharacters_data()
    {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("reaches");
        for (char c : QByteArray("0123456789-."))
            QTest::newRow(QByteArray(1, c).constData()) << QChar(c) << QChar(c);
        QTest::newRow("comma") << QChar(u',') << QChar(u'.');
        QTest::newRow("backspace") << QChar(8) << QChar(8);
        QTest::newRow("tab") << QChar(9) << QChar(9);
        QTest::newRow("enter") << QChar(13) << QChar(13);
    }
    void filterPassesNumericCharacters()
    {
        QFETCH(QChar, typed);
        QFETCH(QChar, reaches);
        RecordingDesk desk;
        QCOMPARE(FilterNumericKey(typed), std::optional<QChar>(reaches));
        QCOMPARE(desk.beeps, 0);
        QVERIFY(desk.warnings.isEmpty());
    }

    void filterRefusesEverythingElse_data()
    {
        QTest::addColumn<QChar>("typed");
        QTest::newRow("letter") << QChar(u'a');
        QTest::newRow("blank") << QChar(u' ');
        QTest::newRow("plus") << QChar(u'+');
        QTest::newRow("exponent") << QChar(u'e');
        QTest::newRow("copy (Ctrl+C)") << QChar(3);
        QTest::newRow("paste (Ctrl+V)") << QChar(0x16);
        QTest::newRow("escape") << QChar(27);
        QTest::newRow("arabic-indic digit") << QChar(0x0663);
    }
    void filterRefusesEverythingElse()
    {
        QFETCH(QChar, typed);
        RecordingDesk desk;
        QCOMPARE(FilterNumericKey(typed), std::nullopt);
        QCOMPARE(desk.beeps, 1);
        QCOMPARE(desk.warnings, QStringList{NumericOnly});
    }

    void limitKeepsSixCharacters()
    {
        RecordingDesk desk;
        QCOMPARE(LimitInputLength(QStringLiteral("1234567")), QStringLiteral("123456"));
        QCOMPARE(desk.beeps, 1);
        QCOMPARE(desk.warnings, QStringList{QStringLiteral("Maximum length of input is 6 characters.")});
    }

    void parseReadsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("12.5") << "12.5" << 12.5;
        QTest::newRow("-3") << "-3" << -3.0;
        QTest::newRow(".5") << ".5" << 0.5;
        QTest::newRow("-.25") << "-.25" << -0.25;
        QTest::newRow("7.") << "7." << 7.0;
        QTest::newRow("007") << "007" << 7.0;
        QTest::newRow("only minus") << "-" << 0.0;
        QTest::newRow("only point") << "." << 0.0;
        QTest::newRow("blanks skipped") << " 1 2 " << 12.0;
        QTest::newRow("0.999") << "0.999" << 0.999;
        QTest::newRow("digit by digit") << "0.1234" << (((0.0 + 1.0 / 10) + 2.0 / 100) + 3.0 / 1000) + 4.0 / 10000;
    }
    void parseReadsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        RecordingDesk desk;
        InputErrorFlag = true;
        QCOMPARE(ParseInputField(text, Field), value);
        QVERIFY(!InputErrorFlag);
        QVERIFY(desk.warnings.isEmpty());
    }

    void parseRefusesOtherTexts_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"1-2", "--1", "1.2.3", "+5", "1e3", "1,5", "abc"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void parseRefusesOtherTexts()
    {
        QFETCH(QString, text);
        RecordingDesk desk;
        InputErrorFlag = false;
        ParseInputField(text, Field);
        QVERIFY(InputErrorFlag);
        QCOMPARE(desk.warnings, QStringList{"INPUT ERROR\r(  " + Field + "  " + text + "  )\r\rEnter numeric data only."});
        QCOMPARE(desk.beeps, 0);
    }

    void parseRefusesEmptyText()
    {
        RecordingDesk desk;
        InputErrorFlag = false;
        ParseInputField(QString(), QStringLiteral("Sample size of the normative sample:"));
        QVERIFY(InputErrorFlag);
        QCOMPARE(desk.warnings, QStringList{QStringLiteral(
                     "INPUT ERROR\r\r(  Sample size of the normative sample:  )\r\rData have not been entered in this field.")});
    }

    void checks_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("message");  // empty when the value passes
        const QString sd = QStringLiteral("Standard deviation for the normative sample on Task X:");
        const QString r = QStringLiteral("Correlation between Tasks X and Y in normative sample:");
        const QString n = QStringLiteral("Sample size of the normative sample:");
        const auto refused = [](const QString& field, const char* value, const char* sentence) {
            return "INPUT ERROR\r(  " + field + "  " + value + "  )\r" + sentence;
        };
        const char* sdSentence = "Standard deviations must have a positive value.";
        const char* rSentence = "The correlation must lie between  -1.0 and 1.0. ";
        const char* nSentence = "The value for sample size must be an integer greater than 2.";
        QTest::newRow("sd 0") << 0 << 0.0 << refused(sd, "0.000", sdSentence);
        QTest::newRow("sd -2") << 0 << -2.0 << refused(sd, "-2.000", sdSentence);
        QTest::newRow("sd 0.001") << 0 << 0.001 << QString();
        QTest::newRow("r 1") << 1 << 1.0 << refused(r, "1.000", rSentence);
        QTest::newRow("r -1") << 1 << -1.0 << refused(r, "-1.000", rSentence);
        QTest::newRow("r 0.999") << 1 << 0.999 << QString();
        QTest::newRow("r -.999") << 1 << -0.999 << QString();
        QTest::newRow("n 2") << 2 << 2.0 << refused(n, "2.000", nSentence);
        QTest::newRow("n 2.5") << 2 << 2.5 << refused(n, "2.500", nSentence);
        QTest::newRow("n 3") << 2 << 3.0 << QString();
        QTest::newRow("n 120") << 2 << 120.0 << QString();
    }
    void checks()
    {
        QFETCH(int, check);
        QFETCH(double, value);
        QFETCH(QString, message);
        using Check = bool (*)(const QString&, double);
        const Check checks[] = {CheckStandardDeviation, CheckCorrelation, CheckSampleSize};
        const QString fields[] = {QStringLiteral("Standard deviation for the normative sample on Task X:"),
                                  QStringLiteral("Correlation between Tasks X and Y in normative sample:"),
                                  QStringLiteral("Sample size of the normative sample:")};
        RecordingDesk desk;
        QCOMPARE(checks[check](fields[check], value), message.isEmpty());
        QCOMPARE(desk.warnings, message.isEmpty() ? QStringList() : QStringList{message});
    }

    // The point stays the separator in messages and readings under a
    // locale that writes a comma.
    void pointWhateverTheLocale()
    {
        GermanNumbers german;
        QVERIFY(german.cLocaleActive());
        RecordingDesk desk;
        QCOMPARE(ParseInputField(QStringLiteral("2.5"), Field), 2.5);
        QVERIFY(!InputErrorFlag);
        ParseInputField(QStringLiteral("2,5"), Field);
        QVERIFY(InputErrorFlag);
        CheckSampleSize(QStringLiteral("n:"), 2.5);
        QCOMPARE(desk.warnings.last(),
                 QStringLiteral("INPUT ERROR\r(  n:  2.500  )\rThe value for sample size must be an integer greater than 2."));
    }
};

QTEST_MAIN(ValidationTest)
#include "validation_test.moc"
