#include "shell/worksheet_layout.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "shell/centre_on_screen.h"
#include "shell/template.h"

namespace {

constexpr int LabelWidth = 441;
constexpr int RowPitch = 32;
constexpr int RowHeight = 24;
constexpr int EditWidth = 56;
constexpr int ComputeWidth = 165;
constexpr int ButtonWidth = 161;
constexpr QRect DescriptionRect{12, 7, 768, 94};
constexpr QRect NotesPanelRect{12, 106, 768, 33};
constexpr QPoint NotesCaptionAt{6, 8};
constexpr int NotesLeft = 112;
constexpr int NotesWidth = 666;
constexpr QPoint OptionsPanelAt{12, 143};
constexpr int OptionsPanelWidth = 768;
// Room a box needs around its text: frame, margins and the caret.
constexpr int EditTextPadding = 14;
constexpr int TextHeightPadding = 6;

QRect Scaled(const QRect& r, double s)
{
    return QRect(qRound(r.x() * s), qRound(r.y() * s), qRound(r.width() * s), qRound(r.height() * s));
}

int Scaled(int v, double s) { return qRound(v * s); }

double Need(double needed, double available) { return needed / available; }

}  // namespace

double WorksheetScale(const TfrmTemplate& form)
{
    const WorksheetLayout& layout = form.profile().layout;
    double scale = 1.0;
    auto require = [&scale](double factor) { scale = std::max(scale, factor); };

    // Measured from the profile: the labels get their captions only later,
    // in FormCreate.
    const QFontMetrics labelMetrics(form.Label1->font());
    for (const QString& caption : form.profile().inputLabels)
        require(Need(labelMetrics.size(Qt::TextSingleLine, caption).width(), LabelWidth));
    const QFontMetrics boxMetrics(form.txtInput1->font());
    require(Need(boxMetrics.horizontalAdvance(QStringLiteral("-0.000")) + EditTextPadding, EditWidth));
    require(Need(boxMetrics.height() + TextHeightPadding, RowHeight));

    require(Need(form.GroupBox1->minimumSizeHint().width(), layout.groupBox1.width()));
    require(Need(form.GroupBox1->minimumSizeHint().height(), layout.groupBox1.height()));
    if (form.GroupBox2) {
        require(Need(form.GroupBox2->minimumSizeHint().width(), layout.groupBox2.width()));
        require(Need(form.GroupBox2->minimumSizeHint().height(), layout.groupBox2.height()));
    }
    if (form.RadioGroup1) {
        require(Need(form.RadioGroup1->minimumSizeHint().width(), layout.radioGroup1.width()));
        require(Need(form.RadioGroup1->minimumSizeHint().height(), layout.radioGroup1.height()));
    }
    for (const QPushButton* button : {form.cmdCompute, form.btnclearData, form.ExitBtn}) {
        const QFontMetrics metrics(button->font());
        require(Need(metrics.horizontalAdvance(button->text()) + 2 * EditTextPadding, ButtonWidth));
        require(Need(metrics.height() + TextHeightPadding, layout.buttonHeight));
    }
    // The notes caption ends before the notes memo begins.
    require(Need(form.lblComments->sizeHint().width() + TextHeightPadding,
                 NotesLeft - NotesPanelRect.x() - NotesCaptionAt.x()));
    return std::ceil(scale * 100.0) / 100.0;
}

void ArrangeWorksheet(TfrmTemplate& form)
{
    const WorksheetLayout& layout = form.profile().layout;
    const double s = WorksheetScale(form);

    form.setFixedSize(Scaled(WorksheetClientWidth, s), Scaled(WorksheetClientHeight, s));
    form.DescripFld->setGeometry(Scaled(DescriptionRect, s));

    const QRect notesPanel = Scaled(NotesPanelRect, s);
    form.Panel3->setGeometry(notesPanel);
    const QSize captionSize = form.lblComments->sizeHint();
    form.lblComments->setGeometry(Scaled(NotesCaptionAt.x(), s), (notesPanel.height() - captionSize.height()) / 2,
                                  captionSize.width(), captionSize.height());
    // The notes keep their own heights whatever the scale.
    form.memoComments->setGeometry(Scaled(NotesLeft, s),
                                   notesPanel.y() + (notesPanel.height() - TfrmTemplate::NotesShortHeight) / 2,
                                   Scaled(NotesWidth, s), TfrmTemplate::NotesShortHeight);

    form.Panel1->setGeometry(Scaled(QRect(OptionsPanelAt, QSize(OptionsPanelWidth, layout.panel1Height)), s));
    form.GroupBox1->setGeometry(Scaled(layout.groupBox1, s));
    if (form.GroupBox2)
        form.GroupBox2->setGeometry(Scaled(layout.groupBox2, s));
    if (form.RadioGroup1)
        form.RadioGroup1->setGeometry(Scaled(layout.radioGroup1.translated(-OptionsPanelAt), s));

    const auto labels = form.inputLabels();
    const auto boxes = form.inputBoxes();
    for (int i = 0; i < InputCount; ++i) {
        const int top = layout.firstRowTop + i * RowPitch;
        labels[i]->setGeometry(Scaled(QRect(layout.labelLeft, top, LabelWidth, RowHeight), s));
        labels[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        boxes[i]->setGeometry(Scaled(QRect(layout.editLeft, top, EditWidth, RowHeight), s));
    }

    form.cmdCompute->setGeometry(
        Scaled(QRect(layout.computeLeft, layout.buttonTop, ComputeWidth, layout.buttonHeight), s));
    form.btnclearData->setGeometry(
        Scaled(QRect(layout.clearDataLeft, layout.buttonTop, ButtonWidth, layout.buttonHeight), s));
    form.ExitBtn->setGeometry(Scaled(QRect(layout.exitLeft, layout.buttonTop, ButtonWidth, layout.buttonHeight), s));

    CentreOnScreen(form);
}
