// The main window driven as a user drives it: by pressing its controls,
// found by their names, and reading the case, the drawings and the messages.

#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

#include "model/case_entry.h"
#include "tests/ui/image_probe.h"
#include "ui/caption_button.h"
#include "ui/count_dialog.h"
#include "ui/entry_list.h"
#include "ui/fonts.h"
#include "ui/line_control.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/message_boxes.h"
#include "ui/twips.h"

namespace qismaru::ui {

namespace {

using enum HeirKind;
using testing::inkIn;

const QString kSpouseRefusal = "لايجتمع الزوجان في مسألة واحدة";
const QString kTooManyWives = "لا يزيد عدد الزوجات على أربع";

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    const CaseState& state() { return window_->caseState(); }

    void click(const QString& name)
    {
        auto* button = window_->findChild<QPushButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void press(HeirKind kind) { QTest::mouseClick(window_->heirButton(kind), Qt::LeftButton); }

    CountDialog* dialog() { return window_->countDialog(); }
    void clickInDialog(const char* name)
    {
        auto* widget = dialog()->findChild<QAbstractButton*>(name);
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    // Presses a counted kind's button, then the up arrow n times, then OK.
    void enterCount(HeirKind kind, int count)
    {
        press(kind);
        QVERIFY(dialog());
        for (int i = 0; i < count; ++i) clickInDialog("UpDown1Up");
        clickInDialog("Command1");
        QTRY_VERIFY(!dialog());
    }
    // Ink in one row band of the entry list, from a column on.
    int entryInk(int row, int fromColumn = 0)
    {
        return inkIn(window_->entryList()->image(), QRect(fromColumn * 8, row * 16, 129 - fromColumn * 8, 16),
                     EntryList::listGrey());
    }
    bool resultAreaBlank()
    {
        return testing::allBackground(window_->resultArea()->image(), window_->resultArea()->background());
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void init()
    {
        messages_ = std::make_unique<RecordingMessageBoxes>();
        window_ = std::make_unique<MainWindow>(*messages_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void layoutAsDesigned()
    {
        QCOMPARE(window().objectName(), QString("Form1"));
        QCOMPARE(window().windowTitle(), QString("قسمارو 2"));
        QCOMPARE(window().centralWidget()->size(), QSize(646, 443));
        for (const HeirButtonPlace& heir : heirButtonPlaces()) {
            const HeirKindInfo& info = infoOf(heir.kind);
            auto* button = window().findChild<QPushButton*>(fromView(info.buttonName));
            QVERIFY2(button, info.code.data());
            QCOMPARE(button->text(), fromView(info.buttonCaption));
            QCOMPARE(button->geometry(),
                     twipsRect(heir.place.left, heir.place.top, heir.place.width, heir.place.height));
        }
        QCOMPARE(window().findChild<QPushButton*>("الحساب")->text(), QString("الحـســــــاب"));
        QCOMPARE(window().findChild<QPushButton*>("إعادة")->text(), QString("مـسألة جــــــديــــدة"));
        QCOMPARE(window().findChild<QPushButton*>("Command2")->text(), QString(" إلغاء آخر اختيار"));
        QCOMPARE(window().findChild<QPushButton*>("Command1")->text(), QString(" طباعة"));
        QCOMPARE(window().resultArea()->geometry(), QRect(136, 8, 505, 265));
        QCOMPARE(window().entryList()->geometry(), QRect(0, 8, 129, 425));

        QStringList menu;
        for (QAction* action : window().menuBar()->actions()) menu << action->objectName() + ":" + action->text();
        QCOMPARE(menu, QStringList({"menu:الخروج", "menu2:نبذة", "menu3:إيــضــــاح", "solutionSteps:خطوات الحل"}));
    }

    void singleKindsTakeRowsInTheOrderPressed()
    {
        for (const HeirKind kind : {Father, Mother, Husband, Grandfather}) press(kind);
        QCOMPARE(state().nextRow, 5);
        QCOMPARE(state().entryRow[indexOf(Father)], 1);
        QCOMPARE(state().entryRow[indexOf(Grandfather)], 4);
        QVERIFY(state().lastChosen == HeirKind::Grandfather);
        for (int row = 1; row <= 4; ++row) {
            QVERIFY(entryInk(row, 12) > 5);
            QCOMPARE(entryInk(row, 0) - entryInk(row, 12), 0);  // no count for a single kind
        }
    }

    void motherPressedTwiceIsEnteredOnce()
    {
        press(Mother);
        press(Mother);
        QCOMPARE(state().nextRow, 2);
        QVERIFY(entryInk(1) > 5);
        QCOMPARE(entryInk(2), 0);
    }

    void spousesRefuseEachOther()
    {
        press(Husband);
        press(Wives);
        QVERIFY(!dialog());
        QCOMPARE(messages_->texts, QStringList{kSpouseRefusal});

        click("إعادة");
        enterCount(Wives, 2);
        press(Husband);
        QCOMPARE(messages_->texts, QStringList({kSpouseRefusal, kSpouseRefusal}));
        QCOMPARE(state().nextRow, 2);
        QCOMPARE(state().counts.of(Husband), 0);
    }

    void countDialogOpensOverADisabledMainWindow()
    {
        press(Daughters);
        QVERIFY(dialog());
        QCOMPARE(dialog()->objectName(), QString("Form2"));
        QCOMPARE(dialog()->windowTitle(), QString(" حدد العدد"));
        QCOMPARE(dialog()->many()->text(), QString("0"));
        QVERIFY(!window().isEnabled());

        clickInDialog("Command1");  // OK on 0 is ignored
        QVERIFY(dialog());
        QVERIFY(!window().isEnabled());
        clickInDialog("UpDown1Down");  // never below 0
        QCOMPARE(dialog()->many()->text(), QString("0"));

        for (int i = 0; i < 7; ++i) clickInDialog("UpDown1Up");
        clickInDialog("UpDown1Down");
        clickInDialog("Command1");
        QTRY_VERIFY(!dialog());
        QVERIFY(window().isEnabled());
        QCOMPARE(state().counts.of(Daughters), 6);
        QVERIFY(entryInk(1, 0) > entryInk(1, 12));  // the count at column 0 as well as the name

        press(Daughters);  // entered already: no dialog
        QVERIFY(!dialog());
    }

    void fiveWivesRefusedThenFourAccepted()
    {
        press(Wives);
        for (int i = 0; i < 5; ++i) clickInDialog("UpDown1Up");
        clickInDialog("Command1");
        QCOMPARE(messages_->texts, QStringList{kTooManyWives});
        QVERIFY(dialog());
        QCOMPARE(dialog()->many()->text(), QString("5"));
        QCOMPARE(state().counts.of(Wives), 0);

        clickInDialog("UpDown1Down");
        clickInDialog("Command1");
        QTRY_VERIFY(!dialog());
        QCOMPARE(state().counts.of(Wives), 4);
        QCOMPARE(state().entryRow[indexOf(Wives)], 1);
    }

    void upArrowStopsAt32767AndSaysWhy()
    {
        press(Sons);
        dialog()->showCount(kMaxCount - 1);
        clickInDialog("UpDown1Up");
        QVERIFY(messages_->texts.isEmpty());
        clickInDialog("UpDown1Up");
        QCOMPARE(dialog()->many()->text(), QString("32767"));
        QCOMPARE(messages_->texts, QStringList{"لا يزيد العدد على 32767"});
        clickInDialog("Command1");
        QTRY_VERIFY(!dialog());
        QCOMPARE(state().counts.of(Sons), kMaxCount);
    }

    void cancelOrCloseBoxLeavesTheCaseAsItWas_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("cancel") << false;
        QTest::newRow("close box") << true;
    }

    void cancelOrCloseBoxLeavesTheCaseAsItWas()
    {
        QFETCH(bool, byCloseBox);
        press(Sons);
        for (int i = 0; i < 3; ++i) clickInDialog("UpDown1Up");
        if (byCloseBox) {
            dialog()->close();
        } else {
            clickInDialog("Command2");
        }
        QTRY_VERIFY(!dialog());
        QVERIFY(window().isEnabled());
        QCOMPARE(state().counts.of(Sons), 0);
        QVERIFY(state().nothingEntered());

        // Nothing was entered, so Calculate stays inert.
        click("الحساب");
        QVERIFY(messages_->texts.isEmpty());
        QVERIFY(!state().computed);
        QVERIFY(resultAreaBlank());
    }

    void cancelledKindEnteredAgainMovesToTheEnd()
    {
        press(Husband);
        press(Mother);
        click("Command2");
        QCOMPARE(entryInk(2), 0);  // its row is blanked
        press(Grandfather);
        press(Mother);
        QCOMPARE(state().entryRow[indexOf(Grandfather)], 2);
        QCOMPARE(state().entryRow[indexOf(Mother)], 3);
        QCOMPARE(state().nextRow, 4);

        click("Command2");
        click("Command2");
        click("Command2");
        QCOMPARE(state().nextRow, 1);
        QVERIFY(state().nothingEntered());
        click("Command2");  // nothing left: nothing happens
        QCOMPARE(state().nextRow, 1);
    }

    void calculateDrawsTheTableThenShowsTheMessagesInOrder()
    {
        press(Husband);
        press(Mother);
        enterCount(UterineSiblings, 2);
        enterCount(FullBrothers, 1);
        click("الحساب");
        QCOMPARE(messages_->texts,
                 QStringList({"هذه المسألة تسمى المسألةالملزمة", "هذه المسألة تسمىالمشركة"}));
        QVERIFY(state().computed);
        QVERIFY(!resultAreaBlank());
        const QImage table = window().resultArea()->image();

        // A computed case: Calculate, the heir buttons and Cancel last choice do nothing.
        click("الحساب");
        press(Sons);
        press(Father);
        click("Command2");
        QVERIFY(!dialog());
        QCOMPARE(messages_->texts.size(), 2);
        QCOMPARE(state().nextRow, 5);
        QCOMPARE(window().resultArea()->image(), table);
    }

    void newCaseClearsBothBoxesButKeepsTheirLines()
    {
        press(Husband);
        press(Mother);
        press(Father);
        click("الحساب");
        QCOMPARE(messages_->texts, QStringList{"هذه المسألةهي إحدىالمسألتين العمريتين"});

        click("إعادة");
        QVERIFY(resultAreaBlank());
        QVERIFY(testing::allBackground(window().entryList()->image(), EntryList::listGrey()));
        for (const char* line : {"Line2", "Line10", "Line11", "Line13", "Line9"}) {
            QVERIFY2(window().findChild<LineControl*>(line), line);
        }
        QVERIFY(!state().computed);
        QVERIFY(state().counts.empty());

        press(Mother);  // a new case starts at row 1
        QCOMPARE(state().entryRow[indexOf(Mother)], 1);
    }

    void aCaseBeyondExactComputationIsReportedAndStaysOpen()
    {
        const std::pair<HeirKind, int> heirs[] = {
            {Grandmothers, 32717}, {Wives, 4}, {Daughters, 32693}, {FullBrothers, 32609}, {FullSisters, 32653}};
        for (const auto& [kind, count] : heirs) {
            press(kind);
            dialog()->showCount(count);
            clickInDialog("Command1");
            QTRY_VERIFY(!dialog());
        }
        click("الحساب");
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts[0].contains("بدقة"));
        QVERIFY(resultAreaBlank());
        QVERIFY(!state().computed);

        click("Command2");  // the user can withdraw the last entry and go on
        click("الحساب");
        QVERIFY(state().computed);
        QVERIFY(!resultAreaBlank());
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::MainWindowTest)
#include "main_window_test.moc"
