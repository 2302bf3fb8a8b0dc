#include "shell/handler_guard.h"

#include <QString>
#include <exception>

#include "shell/desk.h"

void RunGuarded(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        desk().error(parent, QString::fromStdString(error.what()));
    }
}
