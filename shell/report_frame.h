// The lines every report begins with: rule, title, sources, notes, INPUTS
// and the head of OUTPUTS. Plain functions, so reports can be checked line
// by line without windows.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "shell/program_profile.h"
#include "shell/worksheet_inputs.h"

// One worksheet row as the report echoes it: the label's caption and the
// box's raw text.
struct InputRow {
    QString caption;
    QString text;
    bool visible = true;
};

// What the report takes from the worksheet window besides the parsed values.
struct WorksheetSnapshot {
    QString notesCaption;  // the caption of lblComments
    std::array<InputRow, InputCount> rows;
};

QString FormatInputLine(const QString& caption, const QString& text);
// The lines of the notes memo, divided as the viewer's text is: a final line
// break opens no further line.
QStringList NotesLines(const QString& memoText);
QString ZScoreLine(const QString& caption, double z);
double ZScore(double score, double mean, double sd);

QStringList ReportHeading(const ProgramProfile& profile, bool followsEarlierReport);
QStringList NotesBlock(const QString& notesCaption, const QStringList& notes);
QStringList InputsBlock(const QStringList& optionLines, const std::array<InputRow, InputCount>& rows);
QStringList OutputsHead(const ReportTexts& texts, const WorksheetInputs& inputs);

// All of the above in report order.
QStringList ReportSkeleton(const ProgramProfile& profile, const WorksheetSnapshot& sheet,
                           const WorksheetInputs& inputs, const QStringList& optionLines,
                           bool followsEarlierReport);
