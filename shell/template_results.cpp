#include "shell/template_results.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>

#include "shell/centre_on_screen.h"
#include "shell/desk.h"
#include "shell/fixed_pitch_font.h"
#include "shell/plain_text_printing.h"
#include "shell/program_exit.h"
#include "shell/whole_file.h"
#include "shell/viewer_lines.h"

namespace {

constexpr int ClientWidth = 792;
constexpr int ClientHeight = 554;
constexpr int PrintPointSize = 8;

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption, int x, int y)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    QFont font = button->font();
    font.setPointSize(10);
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(x, y, 161, 37);
    return button;
}

}  // namespace

TfrmTemplateResults::TfrmTemplateResults(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmTemplateResults"));
    // A title bar without close, minimize or maximize box: the buttons are
    // the only ways out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();
    setFixedSize(ClientWidth, ClientHeight + MainMenu1->sizeHint().height());
    CentreOnScreen(*this);
    FormCreate();
}

void TfrmTemplateResults::buildControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 2, 777, 468);

    memoResults = new QPlainTextEdit(Panel1);
    memoResults->setObjectName(QStringLiteral("memoResults"));
    memoResults->setGeometry(0, 8, 769, 452);
    memoResults->setFont(FixedPitchFont(9));
    memoResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoResults->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoResults->setTabChangesFocus(true);
    QPalette palette = memoResults->palette();
    palette.setColor(QPalette::Text, Qt::black);
    // The selection looks the same with or without the focus, so what is
    // about to be printed stays in view while the menu is used.
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    memoResults->setPalette(palette);

    Panel2 = new QFrame(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setGeometry(12, 482, 765, 49);

    cmdSaveOutput = makeButton(client, "cmdSaveOutput", QStringLiteral("Save Output"), 28, 488);
    cmdClearResults = makeButton(client, "cmdClearResults", QStringLiteral("Clear Results"), 220, 488);
    cmdReturn = makeButton(client, "cmdReturn", QStringLiteral("Return to Worksheet"), 411, 488);
    cmdExit = makeButton(client, "cmdExit", QStringLiteral("Exit"), 603, 488);
    setTabOrder(memoResults, cmdSaveOutput);
    setTabOrder(cmdSaveOutput, cmdClearResults);
    setTabOrder(cmdClearResults, cmdReturn);
    setTabOrder(cmdReturn, cmdExit);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    File1 = MainMenu1->addMenu(QStringLiteral("Printer options..."));
    File1->setObjectName(QStringLiteral("File1"));
    mnuPrint = File1->addAction(QStringLiteral("Print All"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrintSelection = File1->addAction(QStringLiteral("Print Selection"));
    mnuPrintSelection->setObjectName(QStringLiteral("mnuPrintSelection"));
    setMenuBar(MainMenu1);

    connect(cmdSaveOutput, &QPushButton::clicked, this, &TfrmTemplateResults::cmdSaveOutputClick);
    connect(cmdClearResults, &QPushButton::clicked, this, &TfrmTemplateResults::cmdClearResultsClick);
    connect(cmdReturn, &QPushButton::clicked, this, &TfrmTemplateResults::cmdReturnClick);
    connect(cmdExit, &QPushButton::clicked, this, &TfrmTemplateResults::cmdExitClick);
    connect(mnuPrint, &QAction::triggered, this, &TfrmTemplateResults::mnuPrintClick);
    connect(mnuPrintSelection, &QAction::triggered, this, &TfrmTemplateResults::mnuPrintSelectionClick);
}

void TfrmTemplateResults::FormCreate() { memoResults->clear(); }

void TfrmTemplateResults::FormShow()
{
    raise();
    activateWindow();
    cmdReturn->setFocus();
}

void TfrmTemplateResults::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTemplateResults::closeEvent(QCloseEvent* event)
{
    // The frame offers no close box; should the desktop close the window
    // anyway, refuse. Closing on the program's own way out is allowed.
    if (event->spontaneous())
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

void TfrmTemplateResults::setWorksheet(QWidget* worksheet) { worksheet_ = worksheet; }

int TfrmTemplateResults::lineCount() const { return int(ViewerLines(text()).size()); }

void TfrmTemplateResults::appendLine(const QString& line)
{
    // The caret follows the new line, so the end of the latest report is
    // what the viewer shows.
    QTextCursor cursor = memoResults->textCursor();
    cursor.movePosition(QTextCursor::End);
    // A last line that lost its line end through an edit gets it back first.
    if (!cursor.atBlockStart())
        cursor.insertBlock();
    cursor.insertText(line);
    cursor.insertBlock();
    memoResults->setTextCursor(cursor);
}

void TfrmTemplateResults::showResults(const QString& title)
{
    show();
    if (worksheet_)
        worksheet_->hide();
    setWindowTitle(QStringLiteral("Results viewer: ") + title);
}

QString TfrmTemplateResults::text() const { return ViewerPlainText(memoResults->document()->toRawText()); }

void TfrmTemplateResults::cmdReturnClick()
{
    hide();
    if (worksheet_)
        worksheet_->show();
}

void TfrmTemplateResults::cmdClearResultsClick() { memoResults->clear(); }

void TfrmTemplateResults::cmdSaveOutputClick()
{
    const QString fileName = desk().saveFileName(this, QStringLiteral("results.txt"));
    if (fileName.isEmpty())
        return;
    QString why;
    if (!WriteWholeFile(fileName, ResultsFileBytes(text()), why))
        desk().error(this, why);
}

void TfrmTemplateResults::mnuPrintClick() { printText(text()); }

void TfrmTemplateResults::mnuPrintSelectionClick()
{
    const QTextCursor selection = memoResults->textCursor();
    if (!selection.hasSelection()) {
        desk().warning(this, QStringLiteral("You have not selected any text."));
        return;
    }
    printText(ViewerPlainText(selection.selectedText()));
}

void TfrmTemplateResults::printText(const QString& printed)
{
    QString why;
    const std::unique_ptr<QPrinter> printer = desk().defaultPrinter(why);
    if (!printer) {
        desk().error(this, why);
        return;
    }
    printer->setDocName(windowTitle());
    QFont font = memoResults->font();
    font.setPointSize(PrintPointSize);
    if (!PrintPlainText(*printer, printed, font, why))
        desk().error(this, why);
}

void TfrmTemplateResults::cmdExitClick() { ExitProgramOnConfirmation(this); }
