// Places the worksheet's controls at the profile's reference positions,
// scaled up evenly when the desktop's fonts need more room than those
// positions give, so that no caption is cut.
#pragma once

class TfrmTemplate;

inline constexpr int WorksheetClientWidth = 792;
inline constexpr int WorksheetClientHeight = 573;

// The factor (1 or more) that makes every caption and box fit.
double WorksheetScale(const TfrmTemplate& form);
void ArrangeWorksheet(TfrmTemplate& form);
