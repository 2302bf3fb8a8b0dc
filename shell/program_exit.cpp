#include "shell/program_exit.h"

#include <QCoreApplication>
#include <QString>

#include "shell/desk.h"

void ExitProgramOnConfirmation(QWidget* parent)
{
    if (desk().question(parent, QStringLiteral("Exit from program?")))
        QCoreApplication::quit();
}
