// The fixed-pitch font of the memos and of printing: Courier New, or its
// metric-compatible stand-in where Courier New is not installed.
#pragma once

#include <QFont>

QFont FixedPitchFont(int pointSize);
