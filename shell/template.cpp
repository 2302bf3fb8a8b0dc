#include "shell/template.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "shell/fixed_pitch_font.h"
#include "shell/handler_guard.h"
#include "shell/metrics_papers.h"
#include "shell/program_exit.h"
#include "shell/report_frame.h"
#include "shell/worksheet_layout.h"

namespace {

const QString LimitsCaptions[] = {QStringLiteral("two-sided"), QStringLiteral("one-sided lower"),
                                  QStringLiteral("one-sided upper")};

QFont BoldFont(QFont font)
{
    font.setBold(true);
    return font;
}

template <typename W, typename... Args>
W* Named(QWidget* parent, const char* name, Args&&... args)
{
    W* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QRadioButton* AddRadio(QGroupBox* group, QBoxLayout* layout, const char* name, const QString& caption)
{
    QRadioButton* radio = Named<QRadioButton>(group, name, caption);
    layout->addWidget(radio);
    return radio;
}

// Two radio buttons side by side under the group's caption; the first selected.
QGroupBox* PairGroup(QWidget* parent, const char* name, const QString& caption,
                     QRadioButton*& first, const char* firstName, const QString& firstCaption,
                     QRadioButton*& second, const char* secondName, const QString& secondCaption)
{
    QGroupBox* group = Named<QGroupBox>(parent, name, caption);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(12, 0, 12, 2);
    row->setSpacing(24);
    first = AddRadio(group, row, firstName, firstCaption);
    row->addStretch(1);
    second = AddRadio(group, row, secondName, secondCaption);
    row->addStretch(1);
    first->setChecked(true);
    return group;
}

}  // namespace

TfrmTemplate::TfrmTemplate(const ProgramProfile& profile, ComputeHandler computeHandler,
                           const WorksheetFolders& folders, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      profile_(profile), computeHandler_(std::move(computeHandler)), folders_(folders)
{
    setObjectName(QStringLiteral("frmTemplate"));
    BuildControls();
    ChainTabOrder();
    ArrangeWorksheet(*this);
    FormCreate();
}

QString TfrmTemplate::worksheetFilePath() const
{
    return WorksheetFilePath(profile_.worksheetFileName, folders_);
}

std::array<QLineEdit*, InputCount> TfrmTemplate::inputBoxes() const
{
    return {txtInput1, txtInput2, txtInput3, txtInput4, txtInput5, txtInput6, txtInput7, txtinput8};
}

std::array<QLabel*, InputCount> TfrmTemplate::inputLabels() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8};
}

void TfrmTemplate::FocusInputBox(QLineEdit* box)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

int TfrmTemplate::methodChoice() const { return RadioButton2->isChecked() ? 1 : 0; }

int TfrmTemplate::tailsChoice() const { return radio_one_tail && radio_one_tail->isChecked() ? 1 : 0; }

int TfrmTemplate::limitsChoice() const { return RadioGroup1Items ? RadioGroup1Items->checkedId() : 0; }

void TfrmTemplate::BuildControls()
{
    const QFont bold = BoldFont(font());

    DescripFld = Named<QPlainTextEdit>(this, "DescripFld");
    DescripFld->setReadOnly(true);
    DescripFld->setFocusPolicy(Qt::ClickFocus);
    QPalette descriptionPalette = DescripFld->palette();
    descriptionPalette.setColor(QPalette::Base, descriptionPalette.color(QPalette::Window));
    DescripFld->setPalette(descriptionPalette);
    connect(DescripFld, &QPlainTextEdit::textChanged, this, &TfrmTemplate::DescripFldChange);

    Panel3 = Named<QFrame>(this, "Panel3");
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblComments = Named<QLabel>(Panel3, "lblComments", QStringLiteral("User's Notes:"));
    lblComments->setFont(bold);

    Panel1 = Named<QFrame>(this, "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    GroupBox1 = PairGroup(Panel1, "GroupBox1", profile_.methodGroupCaption, RadioButton1, "RadioButton1",
                          profile_.methodCaptions[0], RadioButton2, "RadioButton2", profile_.methodCaptions[1]);
    if (profile_.tailsGroupCaption)
        GroupBox2 = PairGroup(Panel1, "GroupBox2", *profile_.tailsGroupCaption, radio_two_tail, "radio_two_tail",
                              QStringLiteral("Two-tailed test"), radio_one_tail, "radio_one_tail",
                              QStringLiteral("One-tailed test"));
    if (profile_.hasLimitsGroup) {
        RadioGroup1 = Named<QGroupBox>(Panel1, "RadioGroup1", QStringLiteral("Required 95% limits..."));
        RadioGroup1Items = new QButtonGroup(RadioGroup1);
        auto* column = new QVBoxLayout(RadioGroup1);
        for (int item = 0; item < 3; ++item) {
            auto* radio = new QRadioButton(LimitsCaptions[item], RadioGroup1);
            radio->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(item));
            column->addWidget(radio);
            RadioGroup1Items->addButton(radio, item);
        }
        RadioGroup1Items->button(0)->setChecked(true);
    }

    const char* labelNames[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"};
    const char* boxNames[] = {"txtInput1", "txtInput2", "txtInput3", "txtInput4",
                              "txtInput5", "txtInput6", "txtInput7", "txtinput8"};
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    QLineEdit** boxes[] = {&txtInput1, &txtInput2, &txtInput3, &txtInput4,
                           &txtInput5, &txtInput6, &txtInput7, &txtinput8};
    for (int i = 0; i < InputCount; ++i) {
        *labels[i] = Named<QLabel>(Panel1, labelNames[i]);
        *boxes[i] = Named<QLineEdit>(Panel1, boxNames[i]);
        (*boxes[i])->setFont(bold);
        (*labels[i])->setBuddy(*boxes[i]);
        (*boxes[i])->installEventFilter(this);
    }

    // Created after the panels so that, grown, it lies above them.
    memoComments = Named<QPlainTextEdit>(this, "memoComments");
    memoComments->setFont(FixedPitchFont(9));
    memoComments->setTabChangesFocus(true);
    memoComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoComments->document()->setDocumentMargin(2);
    memoComments->setAccessibleName(lblComments->text());
    memoComments->installEventFilter(this);
    connect(memoComments, &QPlainTextEdit::textChanged, this, &TfrmTemplate::LimitNotesLength);

    cmdCompute = Named<QPushButton>(this, "cmdCompute", QStringLiteral("Compute"));
    btnclearData = Named<QPushButton>(this, "btnclearData", QStringLiteral("Clear Data "));
    ExitBtn = Named<QPushButton>(this, "ExitBtn", QStringLiteral("Exit"));
    for (QPushButton* button : {cmdCompute, btnclearData, ExitBtn}) {
        button->setFont(bold);
        button->setAutoDefault(false);
    }
    connect(cmdCompute, &QPushButton::clicked, this, &TfrmTemplate::cmdComputeClick);
    connect(btnclearData, &QPushButton::clicked, this, &TfrmTemplate::btnclearDataClick);
    connect(ExitBtn, &QPushButton::clicked, this, &TfrmTemplate::ExitBtnClick);
}

void TfrmTemplate::ChainTabOrder()
{
    QList<QWidget*> chain;
    for (QLineEdit* box : inputBoxes())
        chain << box;
    chain << RadioButton1 << RadioButton2;
    if (GroupBox2)
        chain << radio_two_tail << radio_one_tail;
    chain << memoComments << cmdCompute << btnclearData << ExitBtn;
    if (RadioGroup1Items)
        for (QAbstractButton* item : RadioGroup1Items->buttons())
            chain << item;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TfrmTemplate::FormCreate()
{
    memoComments->clear();
    for (QLineEdit* box : inputBoxes())
        box->clear();
    setWindowTitle(profile_.title);
    DescripFld->setPlainText(profile_.description);
    const auto labels = inputLabels();
    const auto boxes = inputBoxes();
    for (int i = 0; i < InputCount; ++i) {
        labels[i]->setText(profile_.inputLabels[i]);
        boxes[i]->setAccessibleName(profile_.inputLabels[i]);
    }
    RunGuarded(this, [this] { LoadPreviousData(*this); });
}

void TfrmTemplate::FormShow()
{
    if (txtInput1->text().isEmpty()) {
        FocusInputBox(txtInput1);
        return;
    }
    raise();
    activateWindow();
    FocusInputBox(inputBoxes()[RestoredInputCount]);
}

void TfrmTemplate::DescripFldChange()
{
    const bool longText = DescripFld->toPlainText().size() >= DescriptionScrollLength;
    DescripFld->setVerticalScrollBarPolicy(longText ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    DescripFld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TfrmTemplate::memoCommentsEnter()
{
    if (NotesLines(memoComments->toPlainText()).size() > 1)
        SetNotesHeight(NotesTallHeight);
}

void TfrmTemplate::memoCommentsKeyUp(int key)
{
    if (NotesLines(memoComments->toPlainText()).size() > 1 || key == Qt::Key_Return || key == Qt::Key_Enter)
        SetNotesHeight(NotesTallHeight);
}

void TfrmTemplate::memoCommentsExit() { SetNotesHeight(NotesShortHeight); }

void TfrmTemplate::ExitBtnClick() { ExitProgramOnConfirmation(this); }

void TfrmTemplate::btnclearDataClick()
{
    for (QLineEdit* box : inputBoxes())
        box->clear();
    memoComments->clear();
    DeleteSavedWorksheet(*this);
    FocusInputBox(txtInput1);
}

void TfrmTemplate::cmdComputeClick()
{
    RunGuarded(this, [this] { computeHandler_(*this); });
}

bool TfrmTemplate::eventFilter(QObject* watched, QEvent* event)
{
    using KeyPress = bool (TfrmTemplate::*)(QKeyEvent*);
    using KeyUp = void (TfrmTemplate::*)();
    static constexpr KeyPress keyPressHandlers[] = {
        &TfrmTemplate::txtInput1KeyPress, &TfrmTemplate::txtInput2KeyPress, &TfrmTemplate::txtInput3KeyPress,
        &TfrmTemplate::txtInput4KeyPress, &TfrmTemplate::txtInput5KeyPress, &TfrmTemplate::txtInput6KeyPress,
        &TfrmTemplate::txtInput7KeyPress, &TfrmTemplate::txtinput8KeyPress};
    static constexpr KeyUp keyUpHandlers[] = {
        &TfrmTemplate::txtInput1KeyUp, &TfrmTemplate::txtInput2KeyUp, &TfrmTemplate::txtInput3KeyUp,
        &TfrmTemplate::txtInput4KeyUp, &TfrmTemplate::txtInput5KeyUp, &TfrmTemplate::txtInput6KeyUp,
        &TfrmTemplate::txtInput7KeyUp, &TfrmTemplate::txtinput8KeyUp};

    if (watched == memoComments) {
        if (event->type() == QEvent::FocusIn)
            memoCommentsEnter();
        else if (event->type() == QEvent::FocusOut)
            memoCommentsExit();
        else if (event->type() == QEvent::KeyRelease && memoComments->hasFocus())
            memoCommentsKeyUp(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
    const int box = BoxIndex(watched);
    if (box >= 0 && event->type() == QEvent::KeyPress)
        return (this->*keyPressHandlers[box])(static_cast<QKeyEvent*>(event));
    if (box >= 0 && event->type() == QEvent::KeyRelease)
        (this->*keyUpHandlers[box])();
    return QWidget::eventFilter(watched, event);
}

int TfrmTemplate::BoxIndex(const QObject* watched) const
{
    const auto boxes = inputBoxes();
    for (int i = 0; i < InputCount; ++i)
        if (boxes[i] == watched)
            return i;
    return -1;
}

bool TfrmTemplate::InputKeyPress(QLineEdit* box, QKeyEvent* event)
{
    // Keys that type nothing (arrows, Home, End, Delete, modifiers) pass
    // untouched; the filter sees typed characters only.
    const QString typed = event->text();
    if (typed.isEmpty() || event->key() == Qt::Key_Delete)
        return false;
    const std::optional<QChar> accepted = FilterNumericKey(typed.front());
    if (!accepted)
        return true;
    if (*accepted == typed.front())
        return false;
    box->insert(QString(*accepted));
    return true;
}

void TfrmTemplate::InputKeyUp(QLineEdit* box)
{
    if (box->text().size() <= MaxInputLength)
        return;
    box->setText(LimitInputLength(box->text()));
    box->selectAll();
}

void TfrmTemplate::LimitNotesLength()
{
    const qsizetype excess = memoComments->toPlainText().size() - NotesMaxLength;
    if (excess <= 0)
        return;
    // Drop what was just typed or pasted beyond the limit, before the cursor.
    QTextCursor cursor = memoComments->textCursor();
    const int end = cursor.position();
    const int start = std::max(0, end - static_cast<int>(excess));
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(excess), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TfrmTemplate::SetNotesHeight(int height)
{
    memoComments->resize(memoComments->width(), height);
    memoComments->raise();
}

void TfrmTemplate::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTemplate::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::exit(0);
}
