#include "shell/fixed_pitch_font.h"

#include <QStringList>

QFont FixedPitchFont(int pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    return font;
}
