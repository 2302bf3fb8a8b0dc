// Runs one event handler so that an error escaping it ends that handler
// only: the error box shows its message and the program keeps running.
#pragma once

#include <functional>

class QWidget;

void RunGuarded(QWidget* parent, const std::function<void()>& handler);
