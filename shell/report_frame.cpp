#include "shell/report_frame.h"

#include "shell/viewer_lines.h"

namespace {

constexpr int NotesIndent = 15;

void AddRows(QStringList& lines, const std::array<InputRow, InputCount>& rows, int from, int to)
{
    for (int i = from; i < to; ++i)
        if (rows[i].visible)
            lines << FormatInputLine(rows[i].caption, rows[i].text);
}

}  // namespace

QString FormatInputLine(const QString& caption, const QString& text)
{
    const QString trimmed = caption.trimmed();
    const qsizetype colon = trimmed.lastIndexOf(u':');
    if (colon < 0)
        return " Unnamed input X = " + caption + text;
    return " " + trimmed.left(colon) + "= " + text;
}

QStringList NotesLines(const QString& memoText) { return ViewerLines(memoText); }

QString ZScoreLine(const QString& caption, double z) { return caption + QString::asprintf("%8.3f", z); }

double ZScore(double score, double mean, double sd) { return (score - mean) / sd; }

QStringList ReportHeading(const ProgramProfile& profile, bool followsEarlierReport)
{
    const ReportTexts& texts = profile.report;
    QStringList lines;
    if (followsEarlierReport)
        lines << QString(texts.ruleLength, u'_');
    lines << QString() << profile.title << QString();
    lines << QStringLiteral(" THIS PROGRAM IMPLEMENTS STATISTICAL METHODS DEVELOPED IN THE FOLLOWING PAPERS:");
    lines << QString() << texts.firstReference << QString() << texts.secondReference;
    for (int i = 0; i < texts.emptyLinesAfterSources; ++i)
        lines << QString();
    return lines;
}

QStringList NotesBlock(const QString& notesCaption, const QStringList& notes)
{
    if (notes.isEmpty())
        return {};
    QStringList lines{" " + notesCaption + " " + notes.first()};
    for (qsizetype i = 1; i < notes.size(); ++i)
        lines << QString(NotesIndent, u' ') + notes.at(i);
    lines << QStringLiteral(" ");
    return lines;
}

QStringList InputsBlock(const QStringList& optionLines, const std::array<InputRow, InputCount>& rows)
{
    QStringList lines{QStringLiteral(" INPUTS:")};
    lines << optionLines << QString();
    AddRows(lines, rows, 0, RestoredInputCount);
    lines << QString();
    AddRows(lines, rows, RestoredInputCount, InputCount);
    lines << QString() << QString();
    return lines;
}

QStringList OutputsHead(const ReportTexts& texts, const WorksheetInputs& inputs)
{
    return {QStringLiteral(" OUTPUTS:"),
            ZScoreLine(texts.zScoreXCaption, ZScore(inputs.caseScoreX, inputs.controlMeanX, inputs.controlSdX)),
            ZScoreLine(texts.zScoreYCaption, ZScore(inputs.caseScoreY, inputs.controlMeanY, inputs.controlSdY))};
}

QStringList ReportSkeleton(const ProgramProfile& profile, const WorksheetSnapshot& sheet,
                           const WorksheetInputs& inputs, const QStringList& optionLines,
                           bool followsEarlierReport)
{
    return ReportHeading(profile, followsEarlierReport) + NotesBlock(sheet.notesCaption, inputs.notes)
         + InputsBlock(optionLines, sheet.rows) + OutputsHead(profile.report, inputs);
}
