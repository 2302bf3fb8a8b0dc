// The results viewer: the reports of one run pile up in `memoResults` until
// the user clears them; from here they are saved, printed, or left behind
// by returning to the worksheet.
//
// Like a line-list memo, every appended line ends with a line end, so the
// caret waits on an empty last row: after appendLine("a") and appendLine("b")
// text() is "a\nb\n" and lineCount() is 2. The empty row after the last line
// end is not a line of its own (see viewer_lines.h).
#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QCloseEvent;
class QFrame;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

class TfrmTemplateResults : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmTemplateResults(QWidget* parent = nullptr);  // hidden; FormCreate empties memoResults

    void setWorksheet(QWidget* worksheet);   // the window cmdReturn shows again
    int lineCount() const;                   // lines in memoResults, 0 when empty
    void appendLine(const QString& line);    // one line at the end
    void showResults(const QString& title);  // show itself, hide the worksheet, caption "Results viewer: " + title
    QString text() const;                    // the whole text of memoResults

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdReturnClick();
    void cmdClearResultsClick();
    void cmdSaveOutputClick();
    void mnuPrintClick();
    void mnuPrintSelectionClick();
    void cmdExitClick();

private:
    void buildControls();
    void FormCreate();
    void FormShow();
    void printText(const QString& text);

    QWidget* worksheet_ = nullptr;

    QFrame* Panel1 = nullptr;
    QPlainTextEdit* memoResults = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* cmdSaveOutput = nullptr;
    QPushButton* cmdClearResults = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdExit = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintSelection = nullptr;
};
