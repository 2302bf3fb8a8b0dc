#include "shell/metrics_papers.h"

#include <QApplication>
#include <cmath>

#include "shell/desk.h"

bool InputErrorFlag = false;

namespace {

void Warn(const QString& text) { desk().warning(QApplication::activeWindow(), text); }

// "%3.3f" with the point as separator whatever the locale.
QString FieldValueText(double value) { return QString::asprintf("%3.3f", value); }

// The common message of the three checks.
bool Check(bool passes, const QString& fieldName, double value, const QString& sentence)
{
    if (!passes)
        Warn("INPUT ERROR\r(  " + fieldName + "  " + FieldValueText(value) + "  )\r" + sentence);
    return passes;
}

}  // namespace

std::optional<QChar> FilterNumericKey(QChar typed)
{
    if (typed == u',')
        return QChar(u'.');
    const char16_t c = typed.unicode();
    if (c == 8 || c == 9 || c == 13 || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9'))
        return typed;
    desk().beep();
    Warn(QStringLiteral("INPUT ERROR\r\rEnter numeric data only."));
    return std::nullopt;
}

QString LimitInputLength(const QString& text)
{
    desk().beep();
    Warn(QStringLiteral("Maximum length of input is 6 characters."));
    return text.left(MaxInputLength);
}

double ParseInputField(const QString& text, const QString& fieldName)
{
    if (text.isEmpty()) {
        InputErrorFlag = true;
        Warn("INPUT ERROR\r\r(  " + fieldName + "  " + text + ")\r\rData have not been entered in this field.");
        return 0.0;
    }
    InputErrorFlag = false;
    double value = 0.0;
    bool afterPoint = false;
    double place = 0.0;
    bool negative = false;
    bool ok = true;
    for (qsizetype i = 0; i < text.size() && ok; ++i) {
        const QChar c = text.at(i);
        if (c == u' ') {
            continue;
        } else if (c == u'-') {
            if (i == 0) {
                negative = true;
            } else {
                ok = false;
                value = 0.0;
            }
        } else if (c == u'.') {
            if (afterPoint) {
                ok = false;
            } else {
                afterPoint = true;
                place = 1.0;
            }
        } else if (c >= u'0' && c <= u'9') {
            const double d = c.unicode() - u'0';
            if (!afterPoint) {
                value = value * 10.0 + d;
            } else {
                value = value + d / std::pow(10.0, place);
                place = place + 1.0;
            }
        } else {
            ok = false;
            value = 0.0;
        }
    }
    if (!ok) {
        InputErrorFlag = true;
        Warn("INPUT ERROR\r(  " + fieldName + "  " + text + "  )\r\rEnter numeric data only.");
    }
    return negative ? -value : value;
}

bool CheckStandardDeviation(const QString& fieldName, double value)
{
    return Check(value > 0.0, fieldName, value, QStringLiteral("Standard deviations must have a positive value."));
}

bool CheckCorrelation(const QString& fieldName, double value)
{
    return Check(value > -1.0 && value < 1.0, fieldName, value,
                 QStringLiteral("The correlation must lie between  -1.0 and 1.0. "));
}

bool CheckSampleSize(const QString& fieldName, double value)
{
    const double whole = std::trunc(value);
    return Check(value == whole && whole > 2.0, fieldName, value,
                 QStringLiteral("The value for sample size must be an integer greater than 2."));
}
