#include "shell/viewer_lines.h"

QString ViewerPlainText(const QString& editorText)
{
    QString text = editorText;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QStringList ViewerLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray ResultsFileBytes(const QString& text)
{
    QByteArray bytes;
    for (const QString& line : ViewerLines(text)) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}
