// Texts that several programs of the family share word for word.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "shell/program_profile.h"

// The source of the effect-size methods, the first reference of every report.
QStringList EffectSizeReference();
// The row captions of the programs that speak of tasks, with the case named
// as given in the last two rows.
std::array<QString, InputCount> TaskInputLabels(const QString& caseNoun);
