#include "shell/saved_worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "shell/file_error.h"
#include "shell/template.h"
#include "shell/whole_file.h"

namespace {

constexpr qsizetype MaxNumberLength = 64;

// Whether a new file can be created in `folder`: tried rather than read from
// the permission bits, which say nothing about read-only mounts.
bool CanCreateFilesIn(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.worksheet-probe-XXXXXX"));
    return probe.open();
}

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= 32; }

bool IsDecimalNumber(const QByteArray& token)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    return pattern.match(QString::fromLatin1(token)).hasMatch();
}

}  // namespace

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

WorksheetFolders DefaultWorksheetFolders()
{
    return {ProgramFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

QString WorksheetFilePath(const QString& fileName, const WorksheetFolders& folders)
{
    const bool besideProgram = folders.appDataFolder.isEmpty() || CanCreateFilesIn(folders.programFolder);
    const QString& folder = besideProgram ? folders.programFolder : folders.appDataFolder;
    return folder + QDir::separator() + fileName;
}

QByteArray WorksheetFileBytes(const std::array<QString, InputCount>& boxTexts)
{
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    QByteArray bytes;
    for (const QString& text : boxTexts) {
        bytes += QString(text).remove(blanks).toLatin1();
        bytes += ' ';
    }
    return bytes;
}

void WriteWorksheetFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString why;
    if (!WriteWholeFile(path, bytes, why))
        throw FileError(why);
}

RestoredWorksheet ReadWorksheetValues(const QByteArray& contents, int count)
{
    RestoredWorksheet restored;
    qsizetype at = 0;
    for (int k = 0; k < count; ++k) {
        while (at < contents.size() && IsSeparator(contents.at(at)))
            ++at;
        const qsizetype start = at;
        while (at < contents.size() && !IsSeparator(contents.at(at)) && at - start < MaxNumberLength)
            ++at;
        const QByteArray token = contents.mid(start, at - start);
        if (token.isEmpty()) {  // the end of the file reads as 0
            restored.boxTexts << FormatGeneral6(0.0);
            continue;
        }
        bool converted = false;
        const double value = token.toDouble(&converted);
        if (!IsDecimalNumber(token) || !converted) {
            restored.invalidValue = true;
            break;
        }
        restored.boxTexts << FormatGeneral6(value);
    }
    return restored;
}

QString FormatGeneral6(double value)
{
    QString text = QString::asprintf("%.6g", value);
    const qsizetype e = text.indexOf(u'e');
    if (e < 0)
        return text;
    const int exponent = text.mid(e + 1).toInt();
    return text.left(e) + u'E' + QString::number(exponent);
}

void SaveCurrentData(TfrmTemplate& worksheet)
{
    std::array<QString, InputCount> texts;
    const auto boxes = worksheet.inputBoxes();
    for (int i = 0; i < InputCount; ++i)
        texts[i] = boxes[i]->text();
    WriteWorksheetFile(worksheet.worksheetFilePath(), WorksheetFileBytes(texts));
}

void LoadPreviousData(TfrmTemplate& worksheet)
{
    QFile file(worksheet.worksheetFilePath());
    if (!QFileInfo(file).isFile())
        return;
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(file.errorString());
    const RestoredWorksheet restored = ReadWorksheetValues(file.readAll(), RestoredInputCount);
    const auto boxes = worksheet.inputBoxes();
    for (qsizetype i = 0; i < restored.boxTexts.size(); ++i)
        boxes[i]->setText(restored.boxTexts.at(i));
    if (restored.invalidValue)
        throw FileError(InvalidNumericInput);
}

void DeleteSavedWorksheet(const TfrmTemplate& worksheet)
{
    QFile::remove(worksheet.worksheetFilePath());
}
