// The constant texts that make one program of the family.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

inline constexpr int InputCount = 8;
inline constexpr int RestoredInputCount = 6;

struct ProgramProfile {
    QString title;
    QString worksheetFileName;
    QString description;
    std::array<QString, InputCount> inputLabels;
    QString methodGroupCaption;
    std::array<QString, 2> methodCaptions;
    std::optional<QString> tailsGroupCaption;  // the tails group exists only with it
    bool hasLimitsGroup = false;
};
