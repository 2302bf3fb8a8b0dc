// The worksheet window: its controls, creation, focus rules, tab order,
// notes memo, description, option defaults and the ways out.
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "support/captions_fit.h"
#include "support/worksheet_harness.h"

namespace {

// The names of the controls that Tab visits, from the focused one on.
QStringList TabChain(int steps)
{
    QStringList chain;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    return chain;
}

// The two shapes of the worksheet: tails group or limits group.
void LimitsGroupRows()
{
    QTest::addColumn<bool>("limitsGroup");
    QTest::newRow("tails group") << false;
    QTest::newRow("limits group") << true;
}

// Runs the event loop until the program ends; 99 when it does not end.
int ExitCodeAfter(const std::function<void()>& action)
{
    QTimer::singleShot(0, action);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

}  // namespace

class WorksheetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNames_data()
    {
        LimitsGroupRows();
    }
    void controlsCarryTheirNames()
    {
        QFETCH(bool, limitsGroup);
        WorksheetHarness h(SampleProfile(limitsGroup));
        h.create();
        QCOMPARE(h.sheet->objectName(), QStringLiteral("frmTemplate"));
        const QStringList names{"DescripFld", "Panel3", "lblComments", "memoComments", "Panel1", "GroupBox1",
                                "RadioButton1", "RadioButton2", "Label1", "Label2", "Label3", "Label4", "Label5",
                                "Label6", "Label7", "Label8", "txtInput1", "txtInput2", "txtInput3", "txtInput4",
                                "txtInput5", "txtInput6", "txtInput7", "txtinput8", "cmdCompute", "btnclearData",
                                "ExitBtn"};
        for (const QString& name : names)
            QVERIFY2(h.sheet->findChild<QWidget*>(name), qPrintable(name));
        for (const char* name : {"GroupBox2", "radio_two_tail", "radio_one_tail"})
            QCOMPARE(h.sheet->findChild<QWidget*>(name) != nullptr, !limitsGroup);
        QCOMPARE(h.sheet->findChild<QWidget*>("RadioGroup1") != nullptr, limitsGroup);
        QCOMPARE(h.sheet->cmdCompute->text(), QStringLiteral("Compute"));
        QCOMPARE(h.sheet->btnclearData->text(), QStringLiteral("Clear Data "));
        QCOMPARE(h.sheet->ExitBtn->text(), QStringLiteral("Exit"));
        QCOMPARE(h.sheet->lblComments->text(), QStringLiteral("User's Notes:"));
        for (QPushButton* button : {h.sheet->cmdCompute, h.sheet->btnclearData, h.sheet->ExitBtn}) {
            QVERIFY(button->font().bold());
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }
        if (limitsGroup) {
            QCOMPARE(h.sheet->RadioGroup1->title(), QStringLiteral("Required 95% limits..."));
            QStringList items;
            for (QAbstractButton* item : h.sheet->RadioGroup1Items->buttons())
                items << item->text();
            QCOMPARE(items, (QStringList{"two-sided", "one-sided lower", "one-sided upper"}));
        } else {
            QCOMPARE(h.sheet->radio_two_tail->text(), QStringLiteral("Two-tailed test"));
            QCOMPARE(h.sheet->radio_one_tail->text(), QStringLiteral("One-tailed test"));
            QCOMPARE(h.sheet->GroupBox2->title(), QStringLiteral("Use a... "));
        }
    }

    void creationFillsCaptions()
    {
        WorksheetHarness h;
        h.create();
        QCOMPARE(h.sheet->windowTitle(), h.profile.title);
        QCOMPARE(h.sheet->DescripFld->toPlainText(), h.profile.description);
        QVERIFY(h.sheet->DescripFld->isReadOnly());
        QVERIFY(!(h.sheet->DescripFld->focusPolicy() & Qt::TabFocus));
        const auto labels = h.sheet->inputLabels();
        const auto boxes = h.sheet->inputBoxes();
        for (int i = 0; i < InputCount; ++i) {
            QCOMPARE(labels[i]->text(), h.profile.inputLabels[i]);
            QCOMPARE(boxes[i]->accessibleName(), h.profile.inputLabels[i]);
            QVERIFY(boxes[i]->text().isEmpty());
            QVERIFY(boxes[i]->font().bold());
        }
        QVERIFY(h.sheet->memoComments->toPlainText().isEmpty());
        QCOMPARE(h.sheet->GroupBox1->title(), QStringLiteral("Apply..."));
        QCOMPARE(h.sheet->RadioButton1->text(), QStringLiteral("First method"));
        QCOMPARE(h.sheet->RadioButton2->text(), QStringLiteral("Second method"));
        QCOMPARE(QFontInfo(h.sheet->memoComments->font()).pointSize(), 9);
        QVERIFY(QFontInfo(h.sheet->memoComments->font()).fixedPitch());
        QVERIFY(h.desk.errors.isEmpty());
    }

    void descriptionScrollBarFromLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("scrollBar");
        QTest::newRow("550") << 550 << false;
        QTest::newRow("551") << 551 << true;
    }
    void descriptionScrollBarFromLength()
    {
        QFETCH(int, length);
        QFETCH(bool, scrollBar);
        ProgramProfile profile = SampleProfile();
        profile.description = QString(length, u'w');
        WorksheetHarness h(profile);
        h.create();
        QCOMPARE(h.sheet->DescripFld->verticalScrollBarPolicy(),
                 scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("limitsGroup");
        QTest::addColumn<QStringList>("chain");
        const QStringList boxes{"txtInput2", "txtInput3", "txtInput4", "txtInput5", "txtInput6", "txtInput7",
                                "txtinput8"};
        QTest::newRow("tails group") << false
                                     << boxes + QStringList{"RadioButton1", "radio_two_tail", "memoComments",
                                                            "cmdCompute", "btnclearData", "ExitBtn", "txtInput1"};
        QTest::newRow("limits group") << true
                                      << boxes + QStringList{"RadioButton1", "memoComments", "cmdCompute",
                                                             "btnclearData", "ExitBtn", "RadioGroup1Item0",
                                                             "txtInput1"};
    }
    void tabOrder()
    {
        QFETCH(bool, limitsGroup);
        QFETCH(QStringList, chain);
        WorksheetHarness h(SampleProfile(limitsGroup));
        h.start();
        QCOMPARE(QApplication::focusWidget(), h.sheet->txtInput1);
        QCOMPARE(TabChain(chain.size()), chain);
    }

    // Arrows move within a group and select; Tab then enters the group at
    // the selected button.
    void arrowsChooseInGroups()
    {
        WorksheetHarness h;
        h.start();
        h.sheet->RadioButton1->setFocus();
        QTest::keyClick(h.sheet->RadioButton1, Qt::Key_Right);
        QVERIFY(h.sheet->RadioButton2->isChecked());
        QCOMPARE(h.sheet->methodChoice(), 1);
        h.sheet->txtinput8->setFocus();
        QTest::keyClick(h.sheet->txtinput8, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.sheet->RadioButton2);
    }

    void spacePressesButtons()
    {
        WorksheetHarness h;
        h.start();
        h.fill({"1"});
        h.sheet->btnclearData->setFocus();
        QTest::keyClick(h.sheet->btnclearData, Qt::Key_Space);
        QVERIFY(h.sheet->txtInput1->text().isEmpty());
    }

    void focusOnFirstBoxWithoutSavedWorksheet()
    {
        WorksheetHarness h;
        h.start();
        QCOMPARE(h.focused(), h.sheet->txtInput1);
    }

    void focusOnCaseScoreWithSavedWorksheet()
    {
        WorksheetHarness h;
        h.writeSaved("100 15 50 10 0.6 25 70 45 ");
        h.start();
        QCOMPARE(h.boxTexts(), (QStringList{"100", "15", "50", "10", "0.6", "25", "", ""}));
        QCOMPARE(h.focused(), h.sheet->txtInput7);
    }

    // The rule looks only at box 1, on every showing.
    void focusRuleOnEveryShowing()
    {
        WorksheetHarness h;
        h.start();
        h.fill({"5"});
        h.sheet->txtInput3->setFocus();
        h.sheet->hide();
        h.show();
        QCOMPARE(h.focused(), h.sheet->txtInput7);
    }

    void notesMemoHeights()
    {
        WorksheetHarness h;
        h.start();
        QPlainTextEdit* memo = h.sheet->memoComments;
        QCOMPARE(memo->height(), 25);
        memo->setFocus();
        QTest::keyClicks(memo, "one line");
        QCOMPARE(memo->height(), 25);
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(memo->height(), 70);
        QTest::keyClicks(memo, "two");
        QTest::keyClick(memo, Qt::Key_Tab);  // leaves the memo, types no tab
        QCOMPARE(QApplication::focusWidget(), h.sheet->cmdCompute);
        QCOMPARE(memo->toPlainText(), QStringLiteral("one line\ntwo"));
        QCOMPARE(memo->height(), 25);
        memo->setFocus();
        QCOMPARE(memo->height(), 70);
    }

    void notesKeepAtMost250Characters()
    {
        WorksheetHarness h;
        h.start();
        QPlainTextEdit* memo = h.sheet->memoComments;
        memo->setFocus();
        QTest::keyClicks(memo, QString(245, u'a'));
        QTest::keyClicks(memo, "bcdefghij");
        QCOMPARE(memo->toPlainText(), QString(245, u'a') + "bcdef");
        memo->clear();
        memo->insertPlainText(QString(300, u'x'));
        QCOMPARE(memo->toPlainText().size(), 250);
    }

    void optionsStartAtDefaults()
    {
        for (bool limitsGroup : {false, true}) {
            WorksheetHarness h(SampleProfile(limitsGroup));
            h.create();
            h.sheet->RadioButton2->setChecked(true);
            if (limitsGroup)
                h.sheet->RadioGroup1Items->button(2)->setChecked(true);
            else
                h.sheet->radio_one_tail->setChecked(true);
            h.create();  // a new start
            QVERIFY(h.sheet->RadioButton1->isChecked());
            QCOMPARE(h.sheet->methodChoice(), 0);
            QCOMPARE(h.sheet->tailsChoice(), 0);
            QCOMPARE(h.sheet->limitsChoice(), 0);
            if (!limitsGroup)
                QVERIFY(h.sheet->radio_two_tail->isChecked());
        }
    }

    void exitAnsweredNoChangesNothing()
    {
        WorksheetHarness h;
        h.start();
        h.fill(GoodWorksheet);
        h.desk.answers = {false};
        QCOMPARE(ExitCodeAfter([&] {
                     h.sheet->ExitBtn->click();
                     QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
                 }),
                 7);
        QCOMPARE(h.desk.questions, QStringList{"Exit from program?"});
        QVERIFY(h.sheet->isVisible());
        QCOMPARE(h.boxTexts(), GoodWorksheet);
    }

    void exitAnsweredYesEndsTheProgram()
    {
        WorksheetHarness h;
        h.start();
        h.desk.answers = {true};
        QCOMPARE(ExitCodeAfter([&] { h.sheet->ExitBtn->click(); }), 0);
        QCOMPARE(h.desk.questions, QStringList{"Exit from program?"});
        QVERIFY(!QFile::exists(h.savedPath()));  // nothing is saved on the way out
    }

    void closeBoxEndsWithoutAsking()
    {
        WorksheetHarness h;
        h.start();
        QCOMPARE(ExitCodeAfter([&] { h.sheet->close(); }), 0);
        QVERIFY(h.desk.questions.isEmpty());
    }

    // Every caption fits its control and no two controls of a panel overlap.
    void nothingClippedOrOverlapping_data()
    {
        LimitsGroupRows();
    }
    void nothingClippedOrOverlapping()
    {
        QFETCH(bool, limitsGroup);
        WorksheetHarness h(SampleProfile(limitsGroup));
        h.create();
        QWidget* window = h.sheet.get();
        const QList<QWidget*> panels{window, h.sheet->Panel1, h.sheet->Panel3};
        for (QWidget* panel : panels) {
            QList<QWidget*> children;
            for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!child->isHidden() && !child->isWindow() && !child->objectName().startsWith("qt_"))
                    children << child;
            for (QWidget* child : children) {
                QVERIFY2(panel->rect().contains(child->geometry()), qPrintable(child->objectName()));
                for (QWidget* other : children)
                    if (other != child && !(panel == window && (child == h.sheet->memoComments || other == h.sheet->memoComments)))
                        QVERIFY2(!child->geometry().intersects(other->geometry()),
                                 qPrintable(child->objectName() + " / " + other->objectName()));
            }
        }
        CheckCaptionsFit(*h.sheet);
        if (QTest::currentTestFailed())
            return;
        const QLineEdit* box = h.sheet->txtInput1;
        QVERIFY(box->width() >= box->fontMetrics().horizontalAdvance("-0.000"));
        // The notes memo lies on its panel, right of the caption.
        QVERIFY(h.sheet->Panel3->geometry().contains(h.sheet->memoComments->geometry()));
        QVERIFY(h.sheet->lblComments->mapTo(window, QPoint(h.sheet->lblComments->width(), 0)).x()
                < h.sheet->memoComments->x());
    }
};

QTEST_MAIN(WorksheetWindowTest)
#include "worksheet_window_test.moc"
