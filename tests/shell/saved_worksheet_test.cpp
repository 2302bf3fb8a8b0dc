// The saved worksheet: what Compute writes, what the next start restores,
// Clear Data, the application-data fallback and failed writes.
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/saved_worksheet.h"
#include "support/file_size_limit.h"
#include "support/worksheet_harness.h"

namespace {

const QByteArray GoodBytes = "100 15 50 10 0.6 25 70 45 ";

}  // namespace

class SavedWorksheetTest : public QObject {
    Q_OBJECT

private slots:
    void computeWritesTheBoxTexts()
    {
        WorksheetHarness h;
        h.start();
        h.fill(GoodWorksheet);
        h.sheet->cmdCompute->click();
        QCOMPARE(h.readSaved(), GoodBytes);
        QVERIFY(h.desk.errors.isEmpty());
    }

    // Texts go as typed; blanks that only a paste can bring are left out so
    // the file reads back value by value.
    void textsWrittenAsTypedWithoutBlanks()
    {
        WorksheetHarness h;
        h.start();
        h.fill({"007", "15.50", "-.5", "10", ".12", " 2 5", "7.", "-3"});
        h.sheet->cmdCompute->click();
        QCOMPARE(h.readSaved(), QByteArray("007 15.50 -.5 10 .12 25 7. -3 "));
        QCOMPARE(WorksheetFileBytes({"1", "2", "3", "4", "5", "6", "7", "8"}), QByteArray("1 2 3 4 5 6 7 8 "));
    }

    void laterComputeReplacesTheFile()
    {
        WorksheetHarness h;
        h.writeSaved("1 2 3 4 0.5 30 7 8 extra text that is longer than the new content");
        h.start();
        h.fill(GoodWorksheet);
        h.sheet->cmdCompute->click();
        QCOMPARE(h.readSaved(), GoodBytes);
        QCOMPARE(QDir(h.programFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sample.txt"});
    }

    void restoredInGeneralFormat_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("typed forms") << QByteArray("15.50 007 .5 -0.60 0.0001 -.5 70 45 ")
                                     << QStringList{"15.5", "7", "0.5", "-0.6", "0.0001", "-0.5"};
        QTest::newRow("seven digits come back") << QByteArray(".12345 1 2 3 4 5") << QStringList{"0.12345", "1", "2", "3", "4", "5"};
        QTest::newRow("exponent form") << QByteArray(".00001 .00009 1234567 1e3 -2.5E+2 +4")
                                       << QStringList{"1E-5", "9E-5", "1.23457E6", "1000", "-250", "4"};
        QTest::newRow("lines and tabs") << QByteArray("100 15\r\n50\t10\n0.6 25\n")
                                        << QStringList{"100", "15", "50", "10", "0.6", "25"};
        QTest::newRow("three values") << QByteArray("100 15 50") << QStringList{"100", "15", "50", "0", "0", "0"};
        QTest::newRow("empty file") << QByteArray() << QStringList{"0", "0", "0", "0", "0", "0"};
    }
    void restoredInGeneralFormat()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, boxes);
        const RestoredWorksheet restored = ReadWorksheetValues(contents, RestoredInputCount);
        QVERIFY(!restored.invalidValue);
        QCOMPARE(restored.boxTexts, boxes);
    }

    void restoreThroughTheWindow()
    {
        WorksheetHarness h;
        h.writeSaved("15.50 007 .5 -0.60 0.0001 25 70 45 ");
        h.start();
        QCOMPARE(h.boxTexts(), (QStringList{"15.5", "7", "0.5", "-0.6", "0.0001", "25", "", ""}));
        QVERIFY(h.desk.errors.isEmpty());
        QCOMPARE(h.focused(), h.sheet->txtInput7);
    }

    void badValueStopsTheRestore_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("letters") << QByteArray("100 abc 50") << QStringList{"100", "", "", "", "", "", "", ""};
        QTest::newRow("lone minus") << QByteArray("- 15 50 10 0.6 25") << QStringList{"", "", "", "", "", "", "", ""};
        QTest::newRow("comma") << QByteArray("100 15 2,5 10") << QStringList{"100", "15", "", "", "", "", "", ""};
    }
    void badValueStopsTheRestore()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, boxes);
        WorksheetHarness h;
        h.writeSaved(contents);
        h.start();
        QCOMPARE(h.desk.errors, QStringList{"Invalid numeric input."});
        QCOMPARE(h.boxTexts(), boxes);
        QCOMPARE(h.focused(), boxes.first().isEmpty() ? h.sheet->txtInput1 : h.sheet->txtInput7);
        QCOMPARE(h.sheet->windowTitle(), h.profile.title);
    }

    void clearDataDeletesTheFile()
    {
        WorksheetHarness h;
        h.writeSaved(GoodBytes);
        h.start();
        h.fill(GoodWorksheet);
        h.sheet->memoComments->setPlainText("notes");
        h.sheet->RadioButton2->setChecked(true);
        h.sheet->btnclearData->click();
        QCOMPARE(h.boxTexts(), QStringList(InputCount, QString()));
        QVERIFY(h.sheet->memoComments->toPlainText().isEmpty());
        QVERIFY(!QFile::exists(h.savedPath()));
        QCOMPARE(h.focused(), h.sheet->txtInput1);
        QVERIFY(h.sheet->RadioButton2->isChecked());
        QVERIFY(h.desk.errors.isEmpty() && h.desk.questions.isEmpty());
    }

    void clearDataWithoutFile()
    {
        WorksheetHarness h;
        h.start();
        h.fill({"1", "2"});
        h.sheet->btnclearData->click();
        QCOMPARE(h.boxTexts(), QStringList(InputCount, QString()));
        QVERIFY(h.desk.errors.isEmpty());
    }

    // Where the program's folder cannot take files, the worksheet lives in
    // the application-data folder, created on the first save.
    void unwritableProgramFolderFallsBack()
    {
        WorksheetHarness h;
        const WorksheetFolders folders{h.programFolder.path() + "/missing/bin", h.folders().appDataFolder};
        h.create(folders);
        h.show();
        h.fill(GoodWorksheet);
        h.sheet->cmdCompute->click();
        QVERIFY(h.desk.errors.isEmpty());
        QFile saved(folders.appDataFolder + "/sample.txt");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), GoodBytes);
        h.create(folders);
        QCOMPARE(h.boxTexts(), (QStringList{"100", "15", "50", "10", "0.6", "25", "", ""}));
        h.sheet->btnclearData->click();
        QVERIFY(!saved.exists());
    }

    void writableProgramFolderKeepsPriority()
    {
        WorksheetHarness h;
        QDir().mkpath(h.folders().appDataFolder);
        QFile other(h.folders().appDataFolder + "/sample.txt");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("9 9 9 9 0.9 9 ");
        other.close();
        h.writeSaved(GoodBytes);
        h.create();
        QCOMPARE(h.sheet->worksheetFilePath(), h.savedPath());
        QCOMPARE(h.sheet->txtInput1->text(), QStringLiteral("100"));
    }

    // Without a data folder the program's folder is the only place, and a
    // failed save there is reported rather than written elsewhere.
    void noAppDataFolder()
    {
        const WorksheetFolders folders{"/proc/no-such-folder", QString()};
        QCOMPARE(WorksheetFilePath("sample.txt", folders), QStringLiteral("/proc/no-such-folder/sample.txt"));
    }

    void failedWrite_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("target is a folder") << 0;
        QTest::newRow("no folder can be written") << 1;
        QTest::newRow("disk full part way") << 2;
    }
    // The error box, the old file untouched, and that Compute ends there.
    void failedWrite()
    {
        QFETCH(int, kind);
        WorksheetHarness h;
        WorksheetFolders folders = h.folders();
        if (kind == 0)
            QVERIFY(QDir().mkpath(h.savedPath()));
        if (kind == 1)
            folders = {"/proc/no-such-folder", "/proc/no-such-folder/Sample"};
        const QByteArray old = "1 2 3 4 0.5 30 7 8 ";
        if (kind == 2)
            h.writeSaved(old);
        h.create(folders);
        h.show();
        h.fill(GoodWorksheet);
        {
            std::optional<FileSizeLimit> limit;
            if (kind == 2)
                limit.emplace(old.size() + 1);
            h.sheet->cmdCompute->click();
        }
        QCOMPARE(h.desk.errors.size(), 1);
        QVERIFY(!h.desk.errors.first().isEmpty());
        QVERIFY(h.desk.errors.first() != QStringLiteral("Unknown error"));
        QVERIFY(h.sheet->isVisible());
        QVERIFY(!h.results->isVisible());
        QCOMPARE(h.results->lineCount(), 0);
        QVERIFY(h.desk.busyChanges.isEmpty());
        if (kind == 0)
            QVERIFY(QFileInfo(h.savedPath()).isDir());
        if (kind == 2) {
            QCOMPARE(h.readSaved(), old);
            QCOMPARE(QDir(h.programFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sample.txt"});
        }
    }

    void generalFormatPattern_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0.0 << "0";
        QTest::newRow("123456") << 123456.0 << "123456";
        QTest::newRow("999999.5") << 999999.5 << "1E6";
        QTest::newRow("-0.000123456") << -0.000123456 << "-0.000123456";
        QTest::newRow("1.5e-7") << 1.5e-7 << "1.5E-7";
        QTest::newRow("2/3") << 2.0 / 3.0 << "0.666667";
    }
    void generalFormatPattern()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatGeneral6(value), text);
    }
};

QTEST_MAIN(SavedWorksheetTest)
#include "saved_worksheet_test.moc"
