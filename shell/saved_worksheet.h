// The last accepted worksheet, kept as one line of text between runs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

#include "shell/program_profile.h"

class TfrmTemplate;

// The folders the saved worksheet may live in: beside the program where that
// folder can be written, else in the user's application-data folder.
struct WorksheetFolders {
    QString programFolder;
    QString appDataFolder;
};

// The folder of the running program file, without a trailing separator.
QString ProgramFolder();
WorksheetFolders DefaultWorksheetFolders();
QString WorksheetFilePath(const QString& fileName, const WorksheetFolders& folders);

// The file's content: each box text (without blanks) followed by one blank.
QByteArray WorksheetFileBytes(const std::array<QString, InputCount>& boxTexts);
// Replaces the file at `path` in one step; throws FileError on failure.
void WriteWorksheetFile(const QString& path, const QByteArray& bytes);

struct RestoredWorksheet {
    QStringList boxTexts;  // the values read, in "%1.6g"
    bool invalidValue = false;  // reading stopped at a value that does not convert
};
RestoredWorksheet ReadWorksheetValues(const QByteArray& contents, int count);

// "%1.6g", with "E" and no padding in the exponent form.
QString FormatGeneral6(double value);

inline const QString InvalidNumericInput = QStringLiteral("Invalid numeric input.");

void SaveCurrentData(TfrmTemplate& worksheet);
void LoadPreviousData(TfrmTemplate& worksheet);
void DeleteSavedWorksheet(const TfrmTemplate& worksheet);
