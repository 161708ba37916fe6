// The main window driven as a user drives it: by pressing its controls,
// found by their names, and reading the case, the drawings and the messages.

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "engine/compute_case.h"
#include "model/case_entry.h"
#include "present/positions_text.h"
#include "tests/ui/caption_check.h"
#include "tests/ui/image_probe.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/line_control.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_arabic.h"
#include "ui/kit/window_placement.h"
#include "ui/main/count_dialog.h"
#include "ui/main/entry_list.h"
#include "ui/main/main_window.h"
#include "ui/main/school_menu.h"

namespace qismaru::ui {

namespace {

using enum HeirKind;
using testing::inkIn;

const QString kSpouseRefusal = "لايجتمع الزوجان في مسألة واحدة";
const QString kTooManyWives = "لا يزيد عدد الزوجات على أربع";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<MainWindow> window_;

    MainWindow& window() { return *window_; }
    const CaseState& state() { return window_->caseState(); }

    void click(const char* name)
    {
        auto* button = window_->findChild<QPushButton*>(name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void calculate() { click(design::kCalculateButton); }
    void newCase() { click(design::kNewCaseButton); }
    void cancelLastChoice() { click(design::kCancelLastButton); }
    void press(HeirKind kind) { QTest::mouseClick(window_->heirButton(kind), Qt::LeftButton); }

    CountDialog* dialog() { return window_->countDialog(); }
    QString countShown() { return dialog()->countLabel()->text(); }
    void clickInDialog(const char* name)
    {
        auto* widget = dialog()->findChild<QAbstractButton*>(name);
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    void up() { clickInDialog(design::kUpArrow); }
    void down() { clickInDialog(design::kDownArrow); }
    void ok() { clickInDialog(design::kCountOkButton); }
    // Presses a counted kind's button, then the up arrow n times, then OK.
    void enterCount(HeirKind kind, int count)
    {
        press(kind);
        QVERIFY(dialog());
        for (int i = 0; i < count; ++i) up();
        ok();
        QTRY_VERIFY(!dialog());
    }
    // Ink in one row band of the entry list, from a column on.
    int entryInk(int row, int fromColumn = 0)
    {
        return inkIn(window_->entryList()->image(), QRect(fromColumn * 8, row * 16, 129 - fromColumn * 8, 16),
                     EntryList::listGrey());
    }
    QAction* schoolItem(const QString& name) { return window_->menuBar()->findChild<QAction*>(name); }
    void choose(const QString& name)
    {
        QAction* item = schoolItem(name);
        QVERIFY2(item && item->isEnabled(), qPrintable(name));
        item->trigger();
    }
    bool resultAreaBlank()
    {
        return testing::allBackground(window_->resultArea()->image(), window_->resultArea()->background());
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        // As the program does: a missing translation package shows here.
        QVERIFY(speakArabic());
    }

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
        QCOMPARE(window().objectName(), QString(design::kMainWindow));
        QCOMPARE(window().windowTitle(), QString("قسمارو 2"));
        QCOMPARE(window().centralWidget()->size(), QSize(646, 443));
        QCOMPARE(window().findChild<QPushButton*>(design::kCalculateButton)->text(), QString("الحـســــــاب"));
        QCOMPARE(window().findChild<QPushButton*>(design::kNewCaseButton)->text(), QString("مـسألة جــــــديــــدة"));
        QCOMPARE(window().findChild<QPushButton*>(design::kCancelLastButton)->text(), QString(" إلغاء آخر اختيار"));
        QCOMPARE(window().findChild<QPushButton*>(design::kPrintButton)->text(), QString(" طباعة"));
        QCOMPARE(window().resultArea()->geometry(), QRect(136, 8, 505, 265));
        QCOMPARE(window().entryList()->geometry(), QRect(0, 8, 129, 425));

        // The designed captions, each with its letter for the keyboard.
        QStringList menu;
        for (QAction* action : window().menuBar()->actions()) {
            QVERIFY2(action->text().count('&') == 1, qPrintable(action->text()));
            menu << action->objectName() + ":" + QString(action->text()).remove('&');
        }
        QCOMPARE(menu, QStringList({QString(design::kExitMenu) + ":الخروج", QString(design::kAboutMenu) + ":نبذة",
                                    QString(design::kExplanationMenu) + ":إيــضــــاح",
                                    QString(design::kSolutionStepsMenu) + ":خطوات الحل",
                                    QString(design::kSchoolMenu) + ":المذهب: الحنفي"}));

        // Tab walks the heir buttons as the grid is read: row by row, each right to left.
        QList<HeirKind> walked;
        for (QWidget* at = window().heirButton(Daughters); walked.size() < kHeirKindCount;
             at = at->nextInFocusChain()) {
            for (int index = 0; index < kHeirKindCount; ++index)
                if (at == window().heirButton(kindAt(index))) walked << kindAt(index);
        }
        const QList<HeirKind> rows[] = {
            {Daughters, Sons, Father, Mother},
            {SonsDaughters, SonsSons, Grandfather, Grandmothers},
            {FullSisters, FullBrothers, FullBrothersSons, Husband, ConsanguineUncles, FullUncles},
            {ConsanguineSisters, ConsanguineBrothers, ConsanguineBrothersSons, UterineSiblings, Wives,
             ConsanguineUnclesSons, FullUnclesSons}};
        QCOMPARE(walked, rows[0] + rows[1] + rows[2] + rows[3]);
    }

    // The boxes the user answers read Arabic, right to left, down to the
    // button Qt itself labels.
    void messageBoxesSpeakArabic()
    {
        QString okCaption;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            okCaption = box->button(QMessageBox::Ok)->text();
            direction = box->layoutDirection();
            box->accept();
        });
        ModalMessageBoxes().inform(&window(), kProgramCaption, kSpouseRefusal);
        QVERIFY2(okCaption.contains(QRegularExpression("^\\p{Arabic}")), qPrintable(okCaption));
        QCOMPARE(direction, Qt::RightToLeft);
    }

    // Right to left, a button's icon stands right of its text, and the two
    // are centred together: the text is not pushed against the left border.
    void iconAndTextAreCentredTogether()
    {
        QPushButton button(QApplication::style()->standardIcon(QStyle::SP_DialogCancelButton), "إلغاء");
        button.setLayoutDirection(Qt::RightToLeft);
        button.resize(200, 32);
        const QImage image = button.grab().toImage();
        int first = image.width(), last = -1;
        const QRect inside = image.rect().adjusted(4, 4, -4, -4);
        for (int x = inside.left(); x <= inside.right(); ++x) {
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        QVERIFY(last > first);
        const int leftGap = first - inside.left(), rightGap = inside.right() - last;
        QVERIFY2(std::abs(leftGap - rightGap) <= 6, qPrintable(QString("%1 | %2").arg(leftGap).arg(rightGap)));
    }

    // A disabled item of the menus says in the status bar why it is disabled.
    void disabledItemsSayWhyInTheStatusBar()
    {
        auto* menu = window().menuBar()->findChild<QMenu*>(design::kSchoolMenu);
        QAction* noReturn = schoolItem(design::kNoReturnItem);
        QVERIFY(!noReturn->isEnabled());
        menu->popup(window().mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseMove(menu, menu->actionGeometry(noReturn).center());
        QTRY_COMPARE(window().statusBar()->currentMessage(), noReturn->statusTip());
        QVERIFY(window().statusBar()->currentMessage().contains("المالكية والشافعية"));
        menu->close();
    }

    // No caption shrinks below a readable size or out of its button: long
    // ones are wrapped or set in a more compact face.
    void everyCaptionReads()
    {
        QCOMPARE(testing::unreadableCaption(window()), QString());
        press(Sons);
        QCOMPARE(testing::unreadableCaption(*dialog()), QString());
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
        QTest::keyClick(window().heirButton(Mother), Qt::Key_Return);  // Enter presses a focused button as well
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

        newCase();
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
        QCOMPARE(dialog()->objectName(), QString(design::kCountDialog));
        QCOMPARE(dialog()->windowTitle(), QString(" حدد العدد"));
        QCOMPARE(countShown(), QString("0"));
        QVERIFY(!window().isEnabled());

        ok();  // OK on 0 is ignored
        QVERIFY(dialog());
        QVERIFY(!window().isEnabled());
        down();  // never below 0
        QCOMPARE(countShown(), QString("0"));

        for (int i = 0; i < 7; ++i) up();
        down();
        ok();
        QTRY_VERIFY(!dialog());
        QVERIFY(window().isEnabled());
        QCOMPARE(state().counts.of(Daughters), 6);
        QVERIFY(entryInk(1, 0) > entryInk(1, 12));  // the count at column 0 as well as the name

        press(Daughters);  // entered already: no dialog
        QVERIFY(!dialog());
    }

    // A count recorded step by step: "up" and "ok" clicked, "main window"
    // clicked, "type 12" typed, and keys by their names ("Up", "Return").
    // The main window takes input again once it is, also where it was
    // clicked while the dialog was open, which makes the dialog's own
    // activation arrive after the click on OK. 0 records nothing.
    void aCountIsRecordedByMouseOrKeyboard_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("recorded");
        QTest::newRow("OK after a click on the main window") << QStringList{"up", "up", "main window", "ok"} << 2;
        QTest::newRow("digits typed, then Enter") << QStringList{"type 12", "Return"} << 12;
        QTest::newRow("Arabic-Indic digits") << QStringList{"type ١٥", "Enter"} << 15;
        QTest::newRow("a digit taken back") << QStringList{"type 37", "Backspace", "Return"} << 3;
        QTest::newRow("the arrow keys") << QStringList{"Up", "Up", "Up", "Down", "Return"} << 2;
        QTest::newRow("Enter on 0 waits for a number") << QStringList{"Return", "type 4", "Return"} << 4;
        QTest::newRow("Tab to the arrows")
            << QStringList{"Tab", "Tab", "Space", "Space", "Tab", "Space", "Return"} << 1;
        QTest::newRow("Enter on the focused Cancel") << QStringList{"type 3", "Tab", "Return"} << 0;
    }

    void aCountIsRecordedByMouseOrKeyboard()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, recorded);
        press(Daughters);
        const QPointer<CountDialog> counting = dialog();
        QCOMPARE(dialog()->kindLabel()->text(), QString("بنت"));  // the caption is cut short in its title bar
        for (const QString& step : steps) {
            QWidget* focus = dialog()->focusWidget() ? dialog()->focusWidget() : dialog();
            if (step == "up") up();
            if (step == "ok") ok();
            if (step == "main window") QApplication::setActiveWindow(&window());
            for (const QChar typed : step.startsWith("type ") ? step.mid(5) : QString())
                QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, typed, Qt::NoModifier);
            if (step.front().isUpper()) QTest::keyClick(focus, Qt::Key(QKeySequence(step)[0].key()));
        }
        if (steps.contains("main window") && counting) QApplication::setActiveWindow(counting);
        QTRY_VERIFY(!dialog());
        QVERIFY(window().isEnabled());
        QCOMPARE(state().counts.of(Daughters), recorded);
    }

    // The count label is small by design; long numbers are drawn narrower
    // or smaller, never cut.
    void everyCountShowsWhole_data()
    {
        QTest::addColumn<int>("count");
        for (const int count : {7, 999, 1000, 9999, 32767}) QTest::newRow(qPrintable(QString::number(count))) << count;
    }

    void everyCountShowsWhole()
    {
        QFETCH(int, count);
        press(Sons);
        dialog()->showCount(count);
        const QLabel* label = dialog()->countLabel();
        QCOMPARE(label->text(), QString::number(count));
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width());
        QVERIFY(label->font().pointSizeF() >= kSmallestReadablePoints);
    }

    void fiveWivesRefusedThenFourAccepted()
    {
        press(Wives);
        for (int i = 0; i < 5; ++i) up();
        ok();
        QCOMPARE(messages_->texts, QStringList{kTooManyWives});
        QVERIFY(dialog());
        QCOMPARE(countShown(), QString("5"));
        QCOMPARE(state().counts.of(Wives), 0);

        down();
        ok();
        QTRY_VERIFY(!dialog());
        QCOMPARE(state().counts.of(Wives), 4);
        QCOMPARE(state().entryRow[indexOf(Wives)], 1);
    }

    void upArrowStopsAt32767AndSaysWhy()
    {
        press(Sons);
        dialog()->showCount(kMaxCount - 1);
        up();
        QVERIFY(messages_->texts.isEmpty());
        up();
        QCOMPARE(countShown(), QString("32767"));
        QCOMPARE(messages_->texts, QStringList{"لا يزيد العدد على 32767"});
        ok();
        QTRY_VERIFY(!dialog());
        QCOMPARE(state().counts.of(Sons), kMaxCount);
    }

    // Every way out of the count dialog but OK leaves the case as it was
    // and the main window usable, whatever window was active before: a
    // click on the main window's title bar while the dialog is open makes
    // the dialog's own activation arrive after the click that closes it.
    void cancelOrCloseBoxLeavesTheCaseAsItWas_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("mainWindowClickedFirst");
        QTest::newRow("cancel") << "cancel" << false;
        QTest::newRow("close box") << "close box" << false;
        QTest::newRow("cancel after a click on the main window") << "cancel" << true;
        QTest::newRow("Escape") << "Escape" << false;
    }

    void cancelOrCloseBoxLeavesTheCaseAsItWas()
    {
        QFETCH(QString, way);
        QFETCH(bool, mainWindowClickedFirst);
        press(Sons);
        for (int i = 0; i < 3; ++i) up();
        const QPointer<CountDialog> closing = dialog();
        if (mainWindowClickedFirst) QApplication::setActiveWindow(&window());
        if (way == "close box") {
            dialog()->close();
        } else if (way == "cancel") {
            clickInDialog(design::kCountCancelButton);
        } else if (way == "Escape") {
            QTest::keyClick(dialog()->focusWidget(), Qt::Key_Escape);
        }
        if (mainWindowClickedFirst && closing) QApplication::setActiveWindow(closing);
        QTRY_VERIFY(!dialog());
        QVERIFY(window().isEnabled());
        QCOMPARE(state().counts.of(Sons), 0);
        QVERIFY(state().nothingEntered());

        // Nothing was entered, so Calculate stays inert.
        calculate();
        QVERIFY(messages_->texts.isEmpty());
        QVERIFY(!state().computed);
        QVERIFY(resultAreaBlank());
    }

    void cancelledKindEnteredAgainMovesToTheEnd()
    {
        press(Husband);
        press(Mother);
        cancelLastChoice();
        QCOMPARE(entryInk(2), 0);  // its row is blanked
        press(Grandfather);
        press(Mother);
        QCOMPARE(state().entryRow[indexOf(Grandfather)], 2);
        QCOMPARE(state().entryRow[indexOf(Mother)], 3);
        QCOMPARE(state().nextRow, 4);

        for (int i = 0; i < 3; ++i) cancelLastChoice();
        QCOMPARE(state().nextRow, 1);
        QVERIFY(state().nothingEntered());
        cancelLastChoice();  // nothing left: nothing happens
        QCOMPARE(state().nextRow, 1);
    }

    void calculateDrawsTheTableThenShowsTheMessagesInOrder()
    {
        press(Husband);
        press(Mother);
        enterCount(UterineSiblings, 2);
        enterCount(FullBrothers, 1);
        calculate();
        QCOMPARE(messages_->texts, QStringList({"هذه المسألة تسمى المسألةالملزمة", "هذه المسألة تسمىالمشركة"}));
        QVERIFY(state().computed);
        QVERIFY(!resultAreaBlank());
        const QImage table = window().resultArea()->image();

        // A computed case: Calculate, the heir buttons and Cancel last choice
        // do nothing, and the status bar and the buttons' tips say why.
        const QString computedHint = "المسألة محسوبة: احسب مسألة جديدة بالضغط على «مسألة جديدة»";
        calculate();
        press(Sons);
        QCOMPARE(window().statusBar()->currentMessage(), computedHint);
        window().statusBar()->clearMessage();
        press(Father);
        cancelLastChoice();
        QCOMPARE(window().statusBar()->currentMessage(), computedHint);
        QCOMPARE(window().heirButton(Sons)->toolTip(), computedHint);
        QCOMPARE(window().findChild<QPushButton*>(design::kCancelLastButton)->toolTip(), computedHint);
        QVERIFY(!dialog());
        QCOMPARE(messages_->texts.size(), 2);
        QCOMPARE(state().nextRow, 5);
        QCOMPARE(window().resultArea()->image(), table);
    }

    void newCaseClearsBothBoxesButKeepsTheirLines()
    {
        const auto lines = window().findChildren<LineControl*>().size();
        press(Husband);
        press(Mother);
        press(Father);
        calculate();
        QCOMPARE(messages_->texts, QStringList{"هذه المسألةهي إحدىالمسألتين العمريتين"});
        press(Mother);  // says in the status bar that the case is computed

        newCase();
        QCOMPARE(window().statusBar()->currentMessage(), QString());
        QCOMPARE(window().heirButton(Mother)->toolTip(), QString());
        QVERIFY(resultAreaBlank());
        QVERIFY(testing::allBackground(window().entryList()->image(), EntryList::listGrey()));
        QCOMPARE(window().findChildren<LineControl*>().size(), lines);
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
            ok();
            QTRY_VERIFY(!dialog());
        }
        calculate();
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts[0].contains("بدقة"));
        QVERIFY(resultAreaBlank());
        QVERIFY(!state().computed);

        cancelLastChoice();  // the user can withdraw the last entry and go on
        calculate();
        QVERIFY(state().computed);
        QVERIFY(!resultAreaBlank());
    }

    // The menu "المذهب" sets the positions, shows them checked, offers no
    // return only where a school held it, and the title names them; the
    // Hanafi school alone keeps the title as it was.
    void schoolMenuSetsThePositionsAndTheTitle_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("school");
        QTest::addColumn<bool>("spouseReturn");
        QTest::addColumn<bool>("noReturn");
        QTest::addColumn<QString>("title");
        const QString maliki = "school.maliki", shafii = "school.shafii", hanbali = "school.hanbali";
        QTest::newRow("hanafi by default") << QStringList() << int(School::Hanafi) << false << false << "قسمارو 2";
        QTest::newRow("shafii") << QStringList{shafii} << int(School::Shafii) << false << false
                                << "قسمارو 2 — المذهب: الشافعي";
        QTest::newRow("maliki without return")
            << QStringList{maliki, design::kNoReturnItem} << int(School::Maliki) << false << true
            << "قسمارو 2 — المذهب: المالكي، ولا رد: ما فضل لبيت المال";
        QTest::newRow("no return goes with the shafii school")
            << QStringList{shafii, design::kNoReturnItem, hanbali} << int(School::Hanbali) << false << false
            << "قسمارو 2 — المذهب: الحنبلي";
        QTest::newRow("hanafi returning to a spouse")
            << QStringList{design::kSpouseReturnItem} << int(School::Hanafi) << true << false
            << "قسمارو 2 — المذهب: الحنفي، مع الرد على أحد الزوجين";
        QTest::newRow("no return waits while a spouse is returned to")
            << QStringList{maliki, design::kSpouseReturnItem} << int(School::Maliki) << true << false
            << "قسمارو 2 — المذهب: المالكي، مع الرد على أحد الزوجين";
        QTest::newRow("the spouse's return waits under no return")
            << QStringList{shafii, design::kNoReturnItem} << int(School::Shafii) << false << true
            << "قسمارو 2 — المذهب: الشافعي، ولا رد: ما فضل لبيت المال";
        QTest::newRow("back to hanafi") << QStringList{hanbali, design::kSpouseReturnItem, design::kSpouseReturnItem,
                                                       "school.hanafi"}
                                        << int(School::Hanafi) << false << false << "قسمارو 2";
    }

    void schoolMenuSetsThePositionsAndTheTitle()
    {
        QFETCH(QStringList, chosen);
        QFETCH(int, school);
        QFETCH(bool, spouseReturn);
        QFETCH(bool, noReturn);
        QFETCH(QString, title);
        for (const QString& name : chosen) choose(name);
        const Positions expected{static_cast<School>(school), spouseReturn, noReturn};
        QCOMPARE(window().positions(), expected);
        QCOMPARE(window().windowTitle(), title);
        QVERIFY(window()
                    .menuBar()
                    ->findChild<QMenu*>(design::kSchoolMenu)
                    ->title()
                    .endsWith(QString::fromUtf8(schoolInfo(expected.school).name.data())));
        for (const SchoolInfo& info : kSchools) {
            const QString name = "school." + QString::fromUtf8(info.key.data(), int(info.key.size()));
            QCOMPARE(schoolItem(name)->isChecked(), info.school == expected.school);
        }
        QAction* spouseItem = schoolItem(design::kSpouseReturnItem);
        QAction* noReturnItem = schoolItem(design::kNoReturnItem);
        QCOMPARE(spouseItem->isChecked(), spouseReturn);
        QCOMPARE(noReturnItem->isChecked(), noReturn);
        // The two returns never go together: while one is on, the other is
        // offered disabled, with the reason where the status bar shows it.
        QCOMPARE(
            noReturnItem->isEnabled(),
            noReturn || ((expected.school == School::Maliki || expected.school == School::Shafii) && !spouseReturn));
        QCOMPARE(spouseItem->isEnabled(), !noReturn || spouseReturn);
        for (const QAction* item : {spouseItem, noReturnItem}) {
            QVERIFY(!item->statusTip().isEmpty());
            QCOMPARE(item->statusTip().contains("ليتاح"), !item->isEnabled());
        }
        QVERIFY(messages_->texts.isEmpty());
    }

    // No table of another school stays on screen: a computed case is
    // answered again under the school chosen after Calculate, and the title
    // says when that answer is not the Hanafi one.
    void aComputedCaseIsAnsweredAgainUnderTheNewSchool()
    {
        press(Grandfather);
        enterCount(FullBrothers, 2);
        calculate();
        const KindCounts counts = state().counts;
        for (const char* name : {"school.shafii", "school.maliki", "school.hanafi"}) {
            choose(name);
            QVERIFY(state().computed);
            QVERIFY(!resultAreaBlank());
            const CaseResult expected = computeCase(counts, window().positions()).result;
            QVERIFY(window().caseResult().parts == expected.parts);
            QCOMPARE(window().caseResult().finalBase, expected.finalBase);
            const bool differs = expected.parts != computeCase(counts).result.parts;
            QCOMPARE(window().differsFromHanafi(), differs);
            QCOMPARE(window().windowTitle().contains("تخالف"), differs);
            QCOMPARE(window().menuBar()->findChild<QLabel*>(design::kHanafiDifferenceMark)->isVisibleTo(&window()),
                     differs);
        }
        QCOMPARE(window().windowTitle(), QString("قسمارو 2"));
    }

    // With no return the surplus goes to the treasury, and Calculate says
    // so, with its parts, since the table shows only what the heirs take.
    void noReturnSaysWhereTheSurplusGoes()
    {
        choose("school.maliki");
        choose(design::kNoReturnItem);
        press(Mother);
        enterCount(Daughters, 1);
        messages_->texts.clear();
        calculate();
        QCOMPARE(messages_->texts,
                 QStringList{"لا رد على هذا القول: ما فضل عن الفروض، 2 من 6، لبيت المال، ولا يوزع على الورثة."});
        QCOMPARE(window().caseResult().finalBase, 6);
    }

    // The Malikis count two grandmothers at most, the Hanbalis three: more
    // are refused in the count dialog, and a case entered under another
    // school is neither kept on screen nor computed under theirs.
    void grandmothersBeyondTheSchoolAreRefused()
    {
        KindCounts four;
        four.set(Grandmothers, 4);
        const QString malikiLimit = QString::fromStdString(grandmotherLimitText(School::Maliki, four));
        const QString hanbaliLimit = QString::fromStdString(grandmotherLimitText(School::Hanbali, four));
        choose("school.maliki");
        press(Grandmothers);
        for (int i = 0; i < 3; ++i) up();
        ok();
        QCOMPARE(messages_->texts, QStringList{malikiLimit});
        QVERIFY(dialog());
        QCOMPARE(state().counts.of(Grandmothers), 0);
        dialog()->cancel();
        QTRY_VERIFY(!dialog());

        choose("school.hanafi");
        enterCount(Grandmothers, 4);
        enterCount(Sons, 1);
        calculate();
        QVERIFY(state().computed);
        messages_->texts.clear();
        choose("school.hanbali");
        QCOMPARE(messages_->texts, QStringList{hanbaliLimit});
        QVERIFY(resultAreaBlank());
        QVERIFY(!state().computed);
        calculate();
        QCOMPARE(messages_->texts, QStringList({hanbaliLimit, hanbaliLimit}));
        QVERIFY(!state().computed);

        choose("school.shafii");
        QCOMPARE(messages_->texts.size(), 2);
        calculate();
        QVERIFY(state().computed);
        QVERIFY(!resultAreaBlank());
    }

    // A window read beside the main window is placed beside it where the
    // screen has room, on either side, narrowed by a third at most if it
    // must be, else against the edge of the roomier side; below the windows
    // already open there, never on them; always on the screen, made smaller
    // to fit it (a laptop's 1024×600, 1366×768 with the solution, the estate
    // and the combined table open in turn).
    void windowsOpenBesideTheMainWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QList<QRect>>("taken");
        QTest::addColumn<bool>("beside");
        const QRect wide(0, 0, 1920, 1040), small(0, 0, 1024, 600), laptop(0, 0, 1366, 740);
        const QRect atTheLeft(0, 0, 656, 520), centred(355, 100, 656, 520);
        QTest::newRow("room on the left")
            << QSize(760, 600) << QRect(900, 100, 660, 520) << wide << QList<QRect>{} << true;
        QTest::newRow("room on the right only")
            << QSize(760, 600) << QRect(0, 100, 660, 520) << wide << QList<QRect>{} << true;
        QTest::newRow("no room: offset") << QSize(500, 400) << QRect(200, 50, 660, 520) << small << QList<QRect>{}
                                         << false;
        QTest::newRow("taller than the screen")
            << QSize(760, 620) << QRect(0, 0, 660, 520) << small << QList<QRect>{} << false;
        QTest::newRow("1366×768: the solution, narrowed")
            << QSize(770, 750) << atTheLeft << laptop << QList<QRect>{} << true;
        QTest::newRow("1366×768: the estate, below the solution")
            << QSize(720, 520) << atTheLeft << laptop << QList<QRect>{{664, 0, 702, 740}} << true;
        QTest::newRow("1366×768: the combined table, below both")
            << QSize(568, 220) << atTheLeft << laptop << QList<QRect>{{664, 0, 702, 740}, {664, 40, 702, 520}} << true;
        QTest::newRow("1366×768, the main window centred: the solution")
            << QSize(770, 750) << centred << laptop << QList<QRect>{} << false;
        QTest::newRow("1366×768, the main window centred: the estate")
            << QSize(720, 520) << centred << laptop << QList<QRect>{{0, 0, 770, 740}} << false;
    }

    void windowsOpenBesideTheMainWindow()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, owner);
        QFETCH(QRect, screen);
        QFETCH(QList<QRect>, taken);
        QFETCH(bool, beside);
        const QRect place = placeBeside(size, owner, screen, taken);
        QVERIFY(screen.contains(place));
        const QSize fitted = size.boundedTo(screen.size());
        QCOMPARE(place.height(), fitted.height());
        QVERIFY(place.width() <= fitted.width() && place.width() * 3 >= fitted.width() * 2);
        QCOMPARE(!place.intersects(owner), beside);
        // Where it covers the owner, it covers no more than it must.
        if (!beside) QVERIFY(place.left() == screen.left() || place.right() == screen.right());
        for (const QRect& other : taken) {
            QVERIFY((place.topLeft() - other.topLeft()).manhattanLength() >= 40);
        }
    }

    // The choice outlives the window, in the settings it is given; a school
    // the settings do not know is the Hanafi one.
    void thePositionsAreRememberedBetweenRuns()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath("qismaru.ini");
        rememberPositions(window(), std::make_unique<QSettings>(file, QSettings::IniFormat));
        QCOMPARE(window().positions(), Positions{});
        choose("school.shafii");
        choose(design::kNoReturnItem);
        window_.reset();

        MainWindow next(*messages_);
        rememberPositions(next, std::make_unique<QSettings>(file, QSettings::IniFormat));
        QCOMPARE(next.positions(), (Positions{School::Shafii, false, true}));
        QVERIFY(next.menuBar()->findChild<QAction*>("school.shafii")->isChecked());
        QVERIFY(next.windowTitle().contains("الشافعي"));

        QSettings(file, QSettings::IniFormat).setValue("positions/school", "zahiri");
        MainWindow unknown(*messages_);
        rememberPositions(unknown, std::make_unique<QSettings>(file, QSettings::IniFormat));
        QCOMPARE(unknown.positions().school, School::Hanafi);
    }

    // A damaged or hand-edited settings file gives the defaults: only what
    // the program writes itself is read.
    void damagedSettingsGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("school");
        QTest::addColumn<bool>("spouseReturn");
        QTest::newRow("switches set to no and yes")
            << QByteArray("school=maliki\nspouseReturn=no\nnoReturn=yes") << int(School::Maliki) << false;
        QTest::newRow("a switch set to 1")
            << QByteArray("school=shafii\nspouseReturn=1") << int(School::Shafii) << false;
        QTest::newRow("a school in capitals")
            << QByteArray("school=Shafii\nspouseReturn=true") << int(School::Hanafi) << true;
        QTest::newRow("a list for a school") << QByteArray("school=maliki, shafii") << int(School::Hanafi) << false;
        QTest::newRow("no return under the Hanafi school")
            << QByteArray("school=hanafi\nnoReturn=true") << int(School::Hanafi) << false;
        QTest::newRow("both returns") << QByteArray("school=maliki\nspouseReturn=true\nnoReturn=true")
                                      << int(School::Maliki) << false;
    }

    void damagedSettingsGiveTheDefaults()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, school);
        QFETCH(bool, spouseReturn);
        QTemporaryDir folder;
        const QString file = folder.filePath("qismaru.ini");
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[positions]\n" + text + "\n");
        ini.close();
        rememberPositions(window(), std::make_unique<QSettings>(file, QSettings::IniFormat));
        QCOMPARE(window().positions(), (Positions{static_cast<School>(school), spouseReturn, false}));
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::MainWindowTest)
#include "main_window_test.moc"
