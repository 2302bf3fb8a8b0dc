// Every caption of a worksheet fits its control: the input labels, the
// group boxes and the three buttons.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/template.h"

inline void CheckCaptionsFit(const TfrmTemplate& sheet)
{
    for (QLabel* label : sheet.inputLabels())
        QVERIFY(label->width() >= label->sizeHint().width());
    for (QPushButton* button : {sheet.cmdCompute, sheet.btnclearData, sheet.ExitBtn})
        QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(button->text()));
    for (QGroupBox* group : sheet.findChildren<QGroupBox*>()) {
        QVERIFY(group->width() >= group->minimumSizeHint().width());
        QVERIFY(group->height() >= group->minimumSizeHint().height());
    }
}
