#include "shell/centre_on_screen.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}
