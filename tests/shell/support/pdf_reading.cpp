#include "support/pdf_reading.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QString PdfLayoutText(const QString& pdfFile, int first, int last)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (first > 0)
        arguments << QStringLiteral("-f") << QString::number(first);
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    arguments << pdfFile << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

int PdfPageCount(const QString& pdfFile)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdfFile});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}
