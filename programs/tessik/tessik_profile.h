// What makes Tessik of the worksheet family.
#pragma once

#include <QStringList>

#include "shell/program_profile.h"
#include "shell/worksheet_inputs.h"

namespace tessik {

ProgramProfile Profile();
// The report's lines echoing the chosen options.
QStringList OptionLines(const WorksheetInputs& inputs);

}  // namespace tessik
