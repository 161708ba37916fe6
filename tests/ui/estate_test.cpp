// The estate and the case files on the main window, driven through their
// menus, dialogs and buttons: the amounts a user types, the distribution
// window, its page, and files that keep or refuse a case.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "estate/case_file.h"
#include "model/case_entry.h"
#include "tests/print/scripted_fallback.h"
#include "ui/case_document.h"
#include "ui/case_menus.h"
#include "ui/design_names.h"
#include "ui/estate_dialog.h"
#include "ui/estate_printing.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace qismaru::ui {

namespace {

using enum HeirKind;
using Choice = CaseFileDialogs::UnsavedChoice;

// Answers the file dialogs and the unsaved-work question as a test says.
struct ScriptedFileDialogs : CaseFileDialogs {
    QString openName;
    QString saveName;
    Choice answer = Choice::Cancel;
    int questions = 0;

    QString fileToOpen(QWidget*, const QString&) override { return openName; }
    QString fileToSave(QWidget*, const QString&) override { return saveName; }
    Choice askUnsaved(QWidget*) override
    {
        ++questions;
        return answer;
    }
};

// The heirs of the README's worked example, as a file would enter them.
const std::vector<HeirEntry> kWorkedExample = {{Husband, 1}, {Mother, 1}, {Daughters, 3}, {UterineSiblings, 1}};

QStringList column(const QTableView* view, int col)
{
    QStringList cells;
    for (int row = 0; row < view->model()->rowCount(); ++row) cells << view->model()->index(row, col).data().toString();
    return cells;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class EstateTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<MainWindow> window_;
    ScriptedFileDialogs* files_ = nullptr;
    std::shared_ptr<testing::ScriptedFallback> fallback_;
    CaseDocument* document_ = nullptr;
    std::unique_ptr<QPrinter> nextPrinter_;

    QString inFolder(const QString& name) const { return folder_.filePath(name); }

    void enterWorkedExample() { window_->loadCase(*caseWithHeirs(kWorkedExample)); }

    // The estate dialog filled as a user fills it, then OK.
    void fillEstate(const QStringList& amounts, int decimals = 2, bool consent = false)
    {
        window_->findChild<QAction*>(design::kEstateMenu)->trigger();
        EstateDialog* dialog = document_->estateDialog();
        QVERIFY(dialog);
        const char* names[] = {design::kGrossField, design::kFuneralField, design::kDebtsField, design::kBequestField};
        for (int i = 0; i < 4; ++i) dialog->findChild<QLineEdit*>(names[i])->setText(amounts.value(i));
        dialog->findChild<QSpinBox*>(design::kDecimalsBox)->setValue(decimals);
        dialog->findChild<QCheckBox*>(design::kConsentBox)->setChecked(consent);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

    QTableView* table(const char* name) { return document_->estateWindow()->findChild<QTableView*>(name); }

    std::vector<HeirEntry> heirs() const { return enteredHeirs(window_->caseState()); }

    void writeFile(const QString& name, const QByteArray& text)
    {
        QFile file(inFolder(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
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
        auto files = std::make_unique<ScriptedFileDialogs>();
        files_ = files.get();
        fallback_ = std::make_shared<testing::ScriptedFallback>();
        auto settings = std::make_unique<QSettings>(
            inFolder(QString("settings-%1.ini").arg(QTest::currentTestFunction())), QSettings::IniFormat);
        document_ =
            new CaseDocument(*window_, *messages_, std::move(files), std::move(settings),
                             estatePrintCommands(*messages_, fallback_, [this] { return std::move(nextPrinter_); }));
        addCaseMenus(*window_, *document_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void menusKeepTheWindowAndItsOneLine()
    {
        QStringList names;
        QSet<int> tops;
        for (QAction* action : window_->menuBar()->actions()) {
            names << action->objectName();
            tops << window_->menuBar()->actionGeometry(action).top();
        }
        // The file commands and the estate come first; the window's own items follow, all on one line.
        QCOMPARE(names.mid(0, 3), QStringList({design::kFileMenu, design::kEstateMenu, design::kExitMenu}));
        QCOMPARE(tops.size(), 1);
        QCOMPARE(window_->centralWidget()->size(), QSize(646, 443));
    }

    void dialogRefusesABadAmountAndStaysOpen_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("named");  // the field the message names
        QTest::newRow("no gross estate") << QStringList{"", "10"} << 2 << "التركة";
        QTest::newRow("negative funeral costs") << QStringList{"100", "-5"} << 2 << "مؤن التجهيز";
        QTest::newRow("letters in the debts") << QStringList{"100", "", "abc"} << 2 << "الديون";
        QTest::newRow("three decimals of a two-decimal currency")
            << QStringList{"100", "", "", "1.005"} << 2 << "الوصية";
        QTest::newRow("a decimal comma") << QStringList{"1,5"} << 2 << "التركة";
        QTest::newRow("decimals where the currency has none") << QStringList{"100.5"} << 0 << "التركة";
    }

    void dialogRefusesABadAmountAndStaysOpen()
    {
        QFETCH(QStringList, amounts);
        QFETCH(int, decimals);
        QFETCH(QString, named);
        fillEstate(amounts, decimals);
        EstateDialog* dialog = document_->estateDialog();
        QVERIFY(dialog && dialog->isVisible());
        const QString problem = dialog->findChild<QLabel*>(design::kEstateProblem)->text();
        QVERIFY2(problem.contains(named), qPrintable(problem));
        QVERIFY(!document_->estate());
    }

    void distributionFollowsCalculateAndTheDialog()
    {
        enterWorkedExample();
        fillEstate({"٣٩٬٠٠٠", "", "", ""});  // Arabic-Indic digits, grouped
        QVERIFY(!document_->estateDialog()->isVisible());
        QVERIFY(!document_->estateWindow());  // not before Calculate
        window_->calculate();
        QVERIFY(document_->estateWindow());
        QCOMPARE(document_->estateWindow()->windowTitle(), QString("توزيع التركة"));
        QCOMPARE(column(table(design::kKindsTable), 0), QStringList({"أم", "زوج", "بنت"}));
        QCOMPARE(column(table(design::kKindsTable), 3), QStringList({"6", "9", "24"}));
        QCOMPARE(column(table(design::kKindsTable), 4), QStringList({"6,000.00", "9,000.00", "24,000.00"}));
        QCOMPARE(column(table(design::kKindsTable), 5), QStringList({"6,000.00", "9,000.00", "8,000.00"}));
        QCOMPARE(column(table(design::kClosingTable), 1), QStringList({"0.00", "0.00"}));

        // Changed after Calculate, the estate is divided again at once.
        fillEstate({"40000", "1000", "", "500", ""});
        QCOMPARE(column(table(design::kClaimsTable), 1).last(), QString("38,500.00"));
        QCOMPARE(column(table(design::kKindsTable), 5).last(), QString("7,897.43"));  // 38500 × 8/39, cut to the cent
        QTest::mouseClick(document_->estateWindow()->findChild<QPushButton*>(design::kCopyEstateButton),
                          Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().contains("بنت\t3\t2/3\t24\t23,692.29\t7,897.43"));
        // The copy, as the window, says how the amounts were cut down.
        QVERIFY(QApplication::clipboard()->text().contains("إلى الوحدة الصغرى التي دونه"));
    }

    void printsOnePageOfText()
    {
        enterWorkedExample();
        fillEstate({"39000"});
        window_->calculate();
        const QString printed = inFolder("printed.pdf");
        nextPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        nextPrinter_->setOutputFormat(QPrinter::PdfFormat);
        nextPrinter_->setOutputFileName(printed);
        QTest::mouseClick(document_->estateWindow()->findChild<QPushButton*>(design::kPrintEstateButton),
                          Qt::LeftButton);
        QVERIFY(fallback_->offers.isEmpty());

        // Without a printer the same page is offered as a PDF file.
        fallback_->acceptOffer = true;
        fallback_->fileName = inFolder("offered.pdf");
        QTest::mouseClick(document_->estateWindow()->findChild<QPushButton*>(design::kPrintEstateButton),
                          Qt::LeftButton);
        QCOMPARE(fallback_->offers.size(), 1);
        for (const QString& pdf : {printed, fallback_->fileName}) {
            QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
            const QString text = run("pdftotext", {pdf, "-"});
            QVERIFY2(text.contains("24,000.00") && text.contains("8,000.00"), qPrintable(text));
        }
    }

    // The case comes back with its estate and the school it was answered
    // by, which becomes the window's; the user is told of the change.
    void aSavedCaseOpensAsItWas()
    {
        const Positions shafii{School::Shafii, true, false};
        window_->setPositions(shafii);
        enterWorkedExample();
        fillEstate({"120000.50", "1000", "0", "50000"}, 2, true);
        files_->saveName = inFolder("worked");  // the suffix is added
        QVERIFY(window_->findChild<QAction*>(design::kSaveCaseItem)->isEnabled());
        window_->findChild<QAction*>(design::kSaveCaseItem)->trigger();
        const QString saved = inFolder("worked.qismaru");
        QCOMPARE(document_->path(), saved);
        QCOMPARE(document_->recentFiles(), QStringList{saved});
        QVERIFY(!document_->hasUnsavedWork());

        window_->newCase();
        QCOMPARE(files_->questions, 0);
        QVERIFY(heirs().empty() && !document_->estate());
        window_->setPositions({});
        messages_->texts.clear();

        files_->openName = saved;
        window_->findChild<QAction*>(design::kOpenCaseItem)->trigger();
        QCOMPARE(heirs(), kWorkedExample);
        QVERIFY(document_->estate());
        QVERIFY(document_->estate()->gross == 12000050);
        QVERIFY(document_->estate()->heirsConsent);
        QVERIFY(!document_->hasUnsavedWork());
        QCOMPARE(window_->positions(), shafii);
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts[0].contains("الشافعي"));

        // The settlement names the school that answered; another school is a change to save.
        window_->calculate();
        QVERIFY(document_->estateWindow()->report().notes.front().find("الشافعي") != std::string::npos);
        window_->setPositions({School::Maliki});
        QVERIFY(document_->hasUnsavedWork());
        QVERIFY(document_->estateWindow()->report().notes.front().find("المالكي") != std::string::npos);
    }

    void unsavedWorkIsNotLostWithoutAsking()
    {
        int exitQuestions = 0;
        window_->secondaryWindows().exitConfirmation = [&] { ++exitQuestions; };
        window_->loadCase(*caseWithHeirs({{Sons, 2}}));
        window_->newCase();  // heirs alone, never saved: cleared at once, as always
        QCOMPARE(files_->questions, 0);

        enterWorkedExample();
        fillEstate({"1000"});
        files_->answer = Choice::Cancel;
        window_->newCase();
        window_->findChild<QAction*>(design::kExitMenu)->trigger();
        QCOMPARE(files_->questions, 2);
        QCOMPARE(exitQuestions, 0);
        QCOMPARE(heirs(), kWorkedExample);

        files_->answer = Choice::Save;
        files_->saveName = inFolder("kept.qismaru");
        window_->newCase();
        QVERIFY(heirs().empty());
        QFile kept(files_->saveName);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const estate::CaseFileReading reading = estate::readCaseFile(kept.readAll().toStdString());
        QVERIFY(reading.ok());
        QCOMPARE(reading.file->heirs, kWorkedExample);

        fillEstate({"1000"});
        files_->answer = Choice::Discard;
        window_->newCase();
        QCOMPARE(files_->questions, 4);
        QVERIFY(!document_->estate());
    }

    void aFileThatCannotBeOpenedChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"qismaru-case\", \"heirs\": [") << "ليس ملف مسألة";
        QTest::newRow("a newer format") << QByteArray(
                                               R"({"format": "qismaru-case", "version": 3, "heirs": [], "judge": {}})")
                                        << "أحدث";
        QTest::newRow("husband and wives")
            << QByteArray(
                   R"({"format": "qismaru-case", "version": 1, "heirs": [{"code": "h", "count": 1}, {"code": "w", "count": 2}]})")
            << "قائمة الورثة";
        QTest::newRow("an estate in binary floating point")
            << QByteArray(R"({"format": "qismaru-case", "version": 1, "heirs": [], "estate": {"gross": 0.1}})")
            << "بيانات التركة";
        QTest::newRow("no such file") << QByteArray() << "تعذر فتح الملف";
    }

    void aFileThatCannotBeOpenedChangesNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, said);
        enterWorkedExample();
        fillEstate({"1000"});
        const QString path = inFolder("bad.qismaru");
        QFile::remove(path);
        if (!text.isEmpty()) writeFile("bad.qismaru", text);
        QVERIFY(!document_->open(path));
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY2(messages_->texts.constFirst().contains(said), qPrintable(messages_->texts.constFirst()));
        QCOMPARE(heirs(), kWorkedExample);
        QVERIFY(document_->estate()->gross == 100000);
        QVERIFY(document_->path().isEmpty());
    }

    void aFailedSaveSaysSoAndKeepsTheWorkUnsaved()
    {
        enterWorkedExample();
        fillEstate({"1000"});
        files_->saveName = inFolder("no-such-folder/case.qismaru");
        QVERIFY(!document_->saveAs());
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts.constFirst().startsWith("تعذر حفظ المسألة"));
        QVERIFY(document_->path().isEmpty());
        QVERIFY(document_->hasUnsavedWork());
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::EstateTest)
#include "estate_test.moc"
