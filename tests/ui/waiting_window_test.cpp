// The cases that wait and those who died together on the desktop: marked
// through their dialogs as a user marks them, read from their window, the
// outcome recorded, refusals shown, and the marks kept in a case file.

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "model/case_entry.h"
#include "model/relative_case.h"
#include "ui/document/case_document.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/case_menus.h"
#include "ui/main/main_window.h"
#include "ui/main/waiting_marks.h"
#include "ui/reports/waiting_page.h"
#include "ui/reports/waiting_window.h"

namespace qismaru::ui {

namespace {

using enum HeirKind;

struct SavingDialogs : CaseFileDialogs {
    QString path;
    QString fileToOpen(QWidget*, const QString&) override { return path; }
    QString fileToSave(QWidget*, const QString&) override { return path; }
    UnsavedChoice askUnsaved(QWidget*) override { return UnsavedChoice::Discard; }
    ChangedChoice askChanged(QWidget*, const QString&) override { return ChangedChoice::Cancel; }
};

void pressOk(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

// A row of a grid, read as the window shows it.
QStringList rowOf(const QTableWidget& table, int row)
{
    QStringList cells;
    for (int c = 0; c < table.columnCount(); ++c) cells << (table.item(row, c) ? table.item(row, c)->text() : "");
    return cells;
}

}  // namespace

class WaitingWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<MainWindow> window_;
    SavingDialogs* files_ = nullptr;

    CaseDocument& document() { return window_->document(); }

    void enter(const std::vector<HeirEntry>& heirs, School school)
    {
        window_->setPositions({school});
        window_->loadCase(*caseWithHeirs(heirs, school));
    }

    // The dialog opened by its shortcut, as the keyboard opens it.
    WaitingDialog* waitingDialog()
    {
        QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier);
        return document().waitingDialog();
    }

    void markUnborn(const char* path, bool certainAsked = false)
    {
        WaitingDialog* dialog = waitingDialog();
        QVERIFY(dialog);
        dialog->findChild<QGroupBox*>(design::kUnbornGroup)->setChecked(true);
        dialog->findChild<QCheckBox*>(design::kUnbornCertain)->setChecked(certainAsked);
        auto* relation = dialog->findChild<QComboBox*>(design::kUnbornRelation);
        relation->setCurrentIndex(relation->findData(QString(path)));
        pressOk(*dialog);
        QVERIFY(!dialog->isVisible());
    }

    QTableWidget* grid(const QString& name)
    {
        WaitingWindow* shown = document().waitingWindow();
        return shown ? shown->findChild<QTableWidget*>(name) : nullptr;
    }

    void record(const QString& outcome)
    {
        WaitingWindow* shown = document().waitingWindow();
        auto* choice = shown->findChild<QComboBox*>(design::kOutcomeChoice);
        choice->setCurrentIndex(choice->findData(outcome));
        shown->findChild<QPushButton*>(design::kRecordOutcomeButton)->click();
        // The tables shown before go once the click is over.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shown->findChild<QLabel*>(design::kOutcomeProblem)->text(), QString());
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(folder_.isValid());
    }

    void init()
    {
        messages_ = std::make_unique<RecordingMessageBoxes>();
        window_ = std::make_unique<MainWindow>(*messages_);
        auto files = std::make_unique<SavingDialogs>();
        files_ = files.get();
        auto settings = std::make_unique<QSettings>(folder_.filePath("settings.ini"), QSettings::IniFormat);
        document().attach(std::move(files), std::move(settings), {});
        addCaseMenus(*window_, document());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    // A wife, a father and an unborn child of the deceased under the Hanbali
    // school, which provides for two: the wife's eighth and the father's sixth
    // are certain, the rest waits (Ibn Qudama, al-Mughni, bab mirath al-haml).
    // A son born takes the whole reserve.
    void anUnbornChildWaitsAndHisBirthPaysTheReserve()
    {
        enter({{Wives, 1}, {Father, 1}}, School::Hanbali);
        markUnborn("s");
        QCOMPARE(waitingMarks(document().session()).front().name, QString("حمل"));
        window_->calculate();
        QTableWidget* division = grid(design::kWaitingDivisionTable);
        QVERIFY(division);
        QCOMPARE(division->columnCount(), 8);  // the heir, six outcomes, given now
        QCOMPARE(division->horizontalHeaderItem(2)->text(), QString("الحمل:\nذكر\n(1m)"));
        QCOMPARE(division->horizontalHeaderItem(7)->text(), QString("يعطى الآن"));
        const QStringList wife = rowOf(*division, 0);
        QCOMPARE(wife.first(), QString("زوجة"));
        QCOMPARE(wife.last(), QString("1/8"));
        QCOMPARE(rowOf(*division, 1).last(), QString("1/6"));
        QCOMPARE(rowOf(*division, 2).mid(1, 3), QStringList({"0", "17/24", "1/2"}));
        QCOMPARE(rowOf(*division, 3), QStringList({"موقوف", "", "", "", "", "", "", "17/24"}));
        QVERIFY(!grid(design::kRecordedTable));

        record("1m");
        QTableWidget* recorded = grid(design::kRecordedTable);
        QVERIFY(recorded);
        QCOMPARE(document().session().waiting()->outcome, std::string("1m"));
        QCOMPARE(rowOf(*recorded, 0), QStringList({"زوجة", "1/8", "0"}));
        QCOMPARE(rowOf(*recorded, 2), QStringList({"الحمل", "17/24", "17/24"}));
        // Copy puts the tables on the clipboard, a row to a line, tab-separated.
        document().waitingWindow()->findChild<QPushButton*>(design::kCopyWaitingButton)->click();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains("موقوف\t\t\t\t\t\t\t17/24\n"), qPrintable(copied));
        QVERIFY2(copied.contains("الحمل\t17/24\t17/24\n"), qPrintable(copied));
        // The printed page holds the same tables, the outcome recorded with them.
        const QString page = waitingDocument(waitingTables(document().session().answer(), Reader::Page))->toPlainText();
        QVERIFY2(page.contains("موقوف") && page.contains("عُلم الحال"), qPrintable(page));
        // The solution of the waiting case is offered, and the table's page is not printed.
        QVERIFY(window_->findChild<QAction*>(design::kSolutionStepsMenu)->isEnabled());
    }

    // The Maliki school waits for the birth and gives nothing before it,
    // unless the heirs ask for what is certain: the wife's eighth beside a son.
    void theMalikiSchoolGivesWhatIsCertainOnRequest_data()
    {
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("wife");
        QTest::newRow("not asked") << false << "0";
        QTest::newRow("asked") << true << "1/8";
    }

    void theMalikiSchoolGivesWhatIsCertainOnRequest()
    {
        QFETCH(bool, asked);
        QFETCH(QString, wife);
        enter({{Sons, 1}, {Wives, 1}}, School::Maliki);
        markUnborn("s", asked);
        window_->calculate();
        QTableWidget* division = grid(design::kWaitingDivisionTable);
        QVERIFY(division);
        const int wifeRow = rowOf(*division, 0).first() == "زوجة" ? 0 : 1;
        QCOMPARE(rowOf(*division, wifeRow).last(), wife);
    }

    void aMarkTheCaseRefusesIsSaidInTheDialog_data()
    {
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("said");
        QTest::newRow("after Calculate") << true << "المسألة محسوبة: ابدأ مسألة جديدة لتُدخل ورثة آخرين.";
        QTest::newRow("beside a relative by path")
            << false << "لا يجتمع في مسألة واحدة حمل أو مفقود أو خنثى مع أقارب مدخلين بنسبهم أو وفاة وارث قبل القسمة.";
    }

    void aMarkTheCaseRefusesIsSaidInTheDialog()
    {
        QFETCH(bool, calculated);
        QFETCH(QString, said);
        enter({{Wives, 1}}, School::Hanafi);
        if (calculated)
            window_->calculate();
        else
            QVERIFY(document().addRelative(relativeEntry(*readRelative("s.s.s").relative, 1)).empty());
        WaitingDialog* dialog = waitingDialog();
        dialog->findChild<QGroupBox*>(design::kMissingGroup)->setChecked(true);
        pressOk(*dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel*>(design::kWaitingProblem)->text(), said);
        QVERIFY(!document().session().waiting());
    }

    // The books' drowned mother and son (the calculator's manual): under
    // the Hanbali school each inherits from the other's old property.
    void thoseWhoDiedTogetherAreDividedInTheWindow()
    {
        window_->setPositions({School::Hanbali});
        window_->findChild<QAction*>(design::kTogetherItem)->trigger();
        TogetherDialog* dialog = document().togetherDialog();
        QVERIFY(dialog);
        QTableWidget* deaths = dialog->deaths();
        const auto put = [deaths](int row, int column, const QString& text) {
            deaths->setItem(row, column, new QTableWidgetItem(text));
        };
        put(0, 0, "الأم");
        put(0, 1 + indexOf(Husband), "1");
        put(0, 1 + indexOf(FullBrothers), "1");
        pressOk(*dialog);
        // The second death has no name yet: refused, and nothing changes.
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel*>(design::kTogetherProblem)->text(), QString("ميت بلا اسم."));
        QVERIFY(!document().session().together());
        put(1, 0, "الابن");
        put(1, 1 + indexOf(Father), "1");
        dialog->addRelation("الأم", "الابن", "s");
        dialog->addRelation("الابن", "الأم", "m");
        pressOk(*dialog);
        QVERIFY(!dialog->isVisible());
        QVERIFY(document().session().together());
        QCOMPARE(waitingMarks(document().session()).size(), std::size_t(3));
        QTableWidget* mother = grid(QString(design::kTogetherTablePrefix) + "0");
        QVERIFY(mother);
        QCOMPARE(mother->columnCount(), 2);
        // The brother excluded by her son, the husband's fourth beside him, the son the rest.
        QCOMPARE(rowOf(*mother, 1), QStringList({"زوج", "1/4"}));
        QCOMPARE(rowOf(*mother, 2), QStringList({"الابن (مات معه)", "3/4"}));
        QVERIFY(window_->findChild<QAction*>(design::kSolutionStepsMenu)->isEnabled());
        // Not kept in a case file: saving says so rather than writing an empty case.
        files_->path = folder_.filePath("together.qismaru");
        QVERIFY(!document().save());
        QVERIFY(!QFile::exists(files_->path));
    }

    void aCaseThatWaitsIsSavedAndOpenedWithItsOutcome()
    {
        enter({{Wives, 1}, {Father, 1}}, School::Hanbali);
        markUnborn("s");
        window_->calculate();
        record("1f");
        files_->path = folder_.filePath("unborn.qismaru");
        QVERIFY(document().save());
        const std::optional<estate::WaitingEntry> kept = document().session().waiting();
        window_->newCase();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!document().session().waiting());
        QVERIFY(!document().waitingWindow());
        QVERIFY(document().open(files_->path));
        QVERIFY(document().session().waiting() == kept);
        window_->calculate();
        QTableWidget* recorded = grid(design::kRecordedTable);
        QVERIFY(recorded);
        QCOMPARE(rowOf(*recorded, 1), QStringList({"أب", "3/8", "5/24"}));  // a daughter: the father's rest
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::WaitingWindowTest)
#include "waiting_window_test.moc"
