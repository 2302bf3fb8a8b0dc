// Typing into the eight boxes: the keyboard filter sees typed characters
// only, and a key released over six characters cuts the box back.
#include <QClipboard>
#include <QKeyEvent>

#include "support/german_numbers.h"
#include "support/worksheet_harness.h"

namespace {

const QString NumericOnly = QStringLiteral("INPUT ERROR\r\rEnter numeric data only.");
const QString SixAtMost = QStringLiteral("Maximum length of input is 6 characters.");

// A key press and release as the desktop delivers them, with their text.
void Press(QWidget* box, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(box, &release);
}

}  // namespace

class WorksheetKeysTest : public QObject {
    Q_OBJECT

private slots:
    void numbersAreTyped()
    {
        WorksheetHarness h;
        h.start();
        QTest::keyClicks(h.sheet->txtInput1, "-12.5");
        QCOMPARE(h.sheet->txtInput1->text(), QStringLiteral("-12.5"));
        QCOMPARE(h.desk.beeps, 0);
        QVERIFY(h.desk.warnings.isEmpty());
    }

    // Every box runs the same filter through its own handler.
    void commaBecomesPointInEveryBox()
    {
        WorksheetHarness h;
        h.start();
        for (QLineEdit* box : h.sheet->inputBoxes()) {
            box->setFocus();
            QTest::keyClicks(box, "0,6");
            QCOMPARE(box->text(), QStringLiteral("0.6"));
        }
        QVERIFY(h.desk.warnings.isEmpty());
    }

    void refusedCharacters_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << int(Qt::NoModifier);
        QTest::newRow("blank") << int(Qt::Key_Space) << " " << int(Qt::NoModifier);
        QTest::newRow("plus") << int(Qt::Key_Plus) << "+" << int(Qt::ShiftModifier);
        QTest::newRow("copy") << int(Qt::Key_C) << "\x03" << int(Qt::ControlModifier);
        QTest::newRow("paste") << int(Qt::Key_V) << "\x16" << int(Qt::ControlModifier);
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << int(Qt::NoModifier);
    }
    void refusedCharacters()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        WorksheetHarness h;
        h.start();
        QApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClicks(h.sheet->txtInput2, "15");
        Press(h.sheet->txtInput2, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(h.sheet->txtInput2->text(), QStringLiteral("15"));
        QCOMPARE(h.desk.beeps, 1);
        QCOMPARE(h.desk.warnings, QStringList{NumericOnly});
    }

    // Keys that type nothing pass to the box untouched, without a message.
    void keysThatTypeNothingPass()
    {
        WorksheetHarness h;
        h.start();
        QLineEdit* box = h.sheet->txtInput3;
        box->setFocus();
        QTest::keyClicks(box, "1234");
        Press(box, Qt::Key_Home, QString());
        Press(box, Qt::Key_Delete, QStringLiteral("\x7f"));  // the text the X11 desktop gives Delete
        QCOMPARE(box->text(), QStringLiteral("234"));
        Press(box, Qt::Key_End, QString());
        Press(box, Qt::Key_Left, QString());
        Press(box, Qt::Key_Backspace, QStringLiteral("\b"));
        QCOMPARE(box->text(), QStringLiteral("24"));
        for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_F1, Qt::Key_Right, Qt::Key_Up})
            Press(box, key, QString());
        QCOMPARE(box->text(), QStringLiteral("24"));
        QCOMPARE(h.desk.beeps, 0);
        QVERIFY(h.desk.warnings.isEmpty());
    }

    void seventhCharacterCutsBack()
    {
        WorksheetHarness h;
        h.start();
        QLineEdit* box = h.sheet->txtInput5;
        box->setFocus();
        QTest::keyClicks(box, "123456");
        QCOMPARE(h.desk.beeps, 0);
        QTest::keyClicks(box, "7");
        QCOMPARE(box->text(), QStringLiteral("123456"));
        QCOMPARE(box->selectedText(), QStringLiteral("123456"));
        QCOMPARE(h.desk.beeps, 1);
        QCOMPARE(h.desk.warnings, QStringList{SixAtMost});
    }

    // A paste is not filtered; the next key released in the box cuts it.
    void pastedTextCutAtNextKeyRelease()
    {
        WorksheetHarness h;
        h.start();
        QLineEdit* box = h.sheet->txtInput6;
        box->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("12a45678"));
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("12a45678"));
        QVERIFY(h.desk.warnings.isEmpty());
        Press(box, Qt::Key_Left, QString());
        QCOMPARE(box->text(), QStringLiteral("12a456"));
        QCOMPARE(h.desk.warnings, QStringList{SixAtMost});
    }

    void pointUnderGermanLocale()
    {
        GermanNumbers german;
        WorksheetHarness h;
        h.start();
        QTest::keyClicks(h.sheet->txtInput1, "2,5");
        QCOMPARE(h.sheet->txtInput1->text(), QStringLiteral("2.5"));
    }
};

QTEST_MAIN(WorksheetKeysTest)
#include "worksheet_keys_test.moc"
