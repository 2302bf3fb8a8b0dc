// Both windows open in the middle of the desktop.
#pragma once

class QWidget;

// Moves `window` to the middle of the available area of its screen.
void CentreOnScreen(QWidget& window);
