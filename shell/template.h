// The worksheet window: description, notes, options, the eight input rows
// and the three buttons. One class serves the three programs; the profile
// and the Compute handler make the difference.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "shell/program_profile.h"
#include "shell/saved_worksheet.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TfrmTemplateResults;

class TfrmTemplate : public QWidget {
    Q_OBJECT
public:
    using ComputeHandler = std::function<void(TfrmTemplate&)>;

    static constexpr int NotesMaxLength = 250;
    static constexpr int NotesShortHeight = 25;
    static constexpr int NotesTallHeight = 70;
    static constexpr int DescriptionScrollLength = 551;

    TfrmTemplate(const ProgramProfile& profile, ComputeHandler computeHandler,
                 const WorksheetFolders& folders = DefaultWorksheetFolders(), QWidget* parent = nullptr);

    const ProgramProfile& profile() const { return profile_; }
    QString worksheetFilePath() const;
    void setResultsWindow(TfrmTemplateResults* results) { results_ = results; }
    TfrmTemplateResults* resultsWindow() const { return results_; }

    std::array<QLineEdit*, InputCount> inputBoxes() const;
    std::array<QLabel*, InputCount> inputLabels() const;
    // Gives `box` the focus with its whole text selected.
    static void FocusInputBox(QLineEdit* box);
    // The option choices as the radio controls hold them now.
    int methodChoice() const;
    int tailsChoice() const;
    int limitsChoice() const;

    QPlainTextEdit* DescripFld;
    QFrame* Panel3;
    QLabel* lblComments;
    QPlainTextEdit* memoComments;
    QFrame* Panel1;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QGroupBox* GroupBox2 = nullptr;  // the tails group, where the profile has one
    QRadioButton* radio_two_tail = nullptr;
    QRadioButton* radio_one_tail = nullptr;
    QGroupBox* RadioGroup1 = nullptr;  // the limits group, where the profile has one
    QButtonGroup* RadioGroup1Items = nullptr;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLineEdit *txtInput1, *txtInput2, *txtInput3, *txtInput4, *txtInput5, *txtInput6, *txtInput7, *txtinput8;
    QPushButton* cmdCompute;
    QPushButton* btnclearData;
    QPushButton* ExitBtn;

    // Key handlers of the eight boxes; true when the key is dropped.
    bool txtInput1KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput1, event); }
    bool txtInput2KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput2, event); }
    bool txtInput3KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput3, event); }
    bool txtInput4KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput4, event); }
    bool txtInput5KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput5, event); }
    bool txtInput6KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput6, event); }
    bool txtInput7KeyPress(QKeyEvent* event) { return InputKeyPress(txtInput7, event); }
    bool txtinput8KeyPress(QKeyEvent* event) { return InputKeyPress(txtinput8, event); }
    void txtInput1KeyUp() { InputKeyUp(txtInput1); }
    void txtInput2KeyUp() { InputKeyUp(txtInput2); }
    void txtInput3KeyUp() { InputKeyUp(txtInput3); }
    void txtInput4KeyUp() { InputKeyUp(txtInput4); }
    void txtInput5KeyUp() { InputKeyUp(txtInput5); }
    void txtInput6KeyUp() { InputKeyUp(txtInput6); }
    void txtInput7KeyUp() { InputKeyUp(txtInput7); }
    void txtinput8KeyUp() { InputKeyUp(txtinput8); }

public slots:
    void FormCreate();
    void FormShow();
    void DescripFldChange();
    void memoCommentsEnter();
    void memoCommentsKeyUp(int key);
    void memoCommentsExit();
    void ExitBtnClick();
    void btnclearDataClick();
    void cmdComputeClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void ChainTabOrder();
    bool InputKeyPress(QLineEdit* box, QKeyEvent* event);
    void InputKeyUp(QLineEdit* box);
    void LimitNotesLength();
    void SetNotesHeight(int height);
    int BoxIndex(const QObject* watched) const;

    ProgramProfile profile_;
    ComputeHandler computeHandler_;
    WorksheetFolders folders_;
    TfrmTemplateResults* results_ = nullptr;
};
