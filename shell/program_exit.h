// The user's way out of the program, the same in both windows.
#pragma once

class QWidget;

// Asks "Exit from program?"; on Yes the program ends, on No nothing changes.
void ExitProgramOnConfirmation(QWidget* parent);
