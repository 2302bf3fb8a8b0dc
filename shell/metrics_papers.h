// Reading and checking what the user typed into the eight worksheet boxes.
// Every refusal is a warning box through desk(); none of these throw.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

inline constexpr int MaxInputLength = 6;

// Set by ParseInputField on an empty or non-numeric text, cleared by it on a
// good one; the validation looks at it right after each reading.
extern bool InputErrorFlag;

// The character that reaches the box for a typed character, or nothing when
// the key press is refused (after a beep and a message).
std::optional<QChar> FilterNumericKey(QChar typed);

// The first six characters of an over-long box text, after a beep and a message.
QString LimitInputLength(const QString& text);

// The number written in `text` (digits, one point, a leading minus, blanks),
// with `fieldName` naming the row in the message on failure.
double ParseInputField(const QString& text, const QString& fieldName);

bool CheckStandardDeviation(const QString& fieldName, double value);
bool CheckCorrelation(const QString& fieldName, double value);
bool CheckSampleSize(const QString& fieldName, double value);
