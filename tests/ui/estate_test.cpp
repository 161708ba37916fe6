// The estate and the case files on the main window, driven through their
// menus, dialogs and buttons: the amounts a user types, the distribution
// window, its page, and files that keep or refuse a case.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "answer/case_answer.h"
#include "files/case_file.h"
#include "model/case_entry.h"
#include "present/combined_sentences.h"
#include "present/combined_table_text.h"
#include "present/deaths_refusal_text.h"
#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "present/solution_steps.h"
#include "tests/print/scripted_fallback.h"
#include "tests/support/case_text.h"
#include "tests/support/full_disk.h"
#include "tests/ui/image_probe.h"
#include "ui/document/case_document.h"
#include "ui/document/case_saving.h"
#include "ui/document/estate_dialog.h"
#include "ui/document/later_death_dialog.h"
#include "ui/document/relation_dialog.h"
#include "ui/kit/design_names.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/attached_windows.h"
#include "ui/main/case_menus.h"
#include "ui/main/main_window.h"
#include "ui/printing/case_printer.h"
#include "ui/reports/estate_printing.h"
#include "ui/reports/solution_window.h"

namespace qismaru::ui {

namespace {

using enum HeirKind;
using Choice = CaseFileDialogs::UnsavedChoice;
using ChangedChoice = CaseFileDialogs::ChangedChoice;

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
    ChangedChoice changedAnswer = ChangedChoice::Cancel;
    int changedQuestions = 0;
    ChangedChoice askChanged(QWidget*, const QString&) override
    {
        ++changedQuestions;
        return changedAnswer;
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

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool fillDisk(const QString& path) { return qismaru::testing::fillDisk(QFile::encodeName(path).toStdString()); }

// The heirs of "gf=1 b=2" in the order of the codes, as a file enters them.
std::vector<HeirEntry> entriesOf(const char* heirs)
{
    const KindCounts counts = qismaru::testing::countsOf(heirs);
    std::vector<HeirEntry> entries;
    for (const HeirKindInfo& info : heirKinds()) {
        if (counts.has(info.kind)) entries.push_back({info.kind, counts.of(info.kind)});
    }
    return entries;
}

// "1:s", "m=1 si=1", "m=1:w si=1:d": who died, his heirs, and which of them
// are the same persons as an earlier group.
// The heirs in the order written, as they are entered.
estate::LaterDeathEntry laterEntry(const char* deceased, const char* heirs, const char* same = "")
{
    estate::LaterDeathEntry entry{*refFromText(deceased), {}, {}};
    for (const QString& heir : QString(heirs).split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = heir.split('=');
        entry.heirs.push_back({*kindFromCode(parts[0].toStdString()), parts[1].toInt()});
    }
    for (const QString& link : QString(same).split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = link.split('=');
        entry.same.push_back({*kindFromCode(parts[0].toStdString()), *refFromText(parts[1].toStdString())});
    }
    return entry;
}

// The heirs of the books' first example, and the son's death after his father.
const char* const kBooksExample = "w=1 s=1 d=1";
const estate::LaterDeathEntry kSonDies = laterEntry("1:s", "m=1 si=1", "m=1:w si=1:d");

// The pages the windows save as PDF files.
enum class SavedPage { Table, Solution, Estate, Combined };

// Every kind of change a case on screen undergoes.
enum class Change {
    Calculate,
    NewCase,
    HeirEntered,
    HeirWithdrawn,
    Open,
    SchoolSwitched,
    PositionSwitched,
    Refusal,
    EstateChanged,
    EstateRemoved,
    LaterDeathAdded,
    LaterDeathRemoved
};

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
        document_ = &window_->document();
        const auto printers = [this](QWidget*) { return std::move(nextPrinter_); };
        document_->attach(std::move(files), std::move(settings), estatePrintCommands(*messages_, fallback_, printers),
                          combinedPrintCommands(*messages_, fallback_, printers));
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
        // The file commands, the estate and the later deaths come first; the
        // window's own items follow, all on one line.
        QCOMPARE(names.mid(0, 4),
                 QStringList({design::kFileMenu, design::kEstateMenu, design::kLaterDeathsMenu, design::kExitMenu}));
        QCOMPARE(tops.size(), 1);
        // Alt and a letter opens each menu: no two titles share their letter.
        QSet<QKeySequence> letters;
        for (QAction* action : window_->menuBar()->actions()) letters << QKeySequence::mnemonic(action->text());
        QCOMPARE(letters.size(), names.size());
        // The mark of the longest position leaves every menu its room.
        window_->setPositions({School::Shafii, true, false});
        window_->loadCase(*caseWithHeirs(entriesOf("w=1")));
        window_->calculate();
        QCoreApplication::processEvents();
        QVERIFY(!window_->menuBar()->findChild<QToolButton*>("qt_menubar_ext_button")->isVisible());
        QStringList fileItems;
        for (const QAction* item : window_->findChild<QMenu*>(design::kFileMenu)->actions()) {
            if (!item->objectName().isEmpty())
                fileItems << item->objectName() + " " + item->shortcut().toString(QKeySequence::PortableText);
        }
        QCOMPARE(
            fileItems,
            QStringList({QString(design::kNewCaseItem) + " Ctrl+N", QString(design::kOpenCaseItem) + " Ctrl+O",
                         QString(design::kSaveCaseItem) + " Ctrl+S", QString(design::kSaveCaseAsItem) + " Ctrl+Shift+S",
                         QString(design::kAddRelativeItem) + " Ctrl+R", QString(design::kWaitingItem) + " Ctrl+U",
                         QString(design::kTogetherItem) + " Ctrl+T"}));
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

    // The wrapped note of the claims is drawn whole: no line's last letter
    // is cut at the label's left edge.
    void theClaimsNoteKeepsEveryLetter()
    {
        window_->findChild<QAction*>(design::kEstateMenu)->trigger();
        QLabel* note = document_->estateDialog()->findChild<QLabel*>(design::kClaimsNote);
        QVERIFY(QTest::qWaitForWindowExposed(document_->estateDialog()));
        const QImage image = note->grab().toImage();
        int firstInk = image.width();
        for (int x = 0; x < image.width() && firstInk == image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) firstInk = x;
            }
        }
        QVERIFY2(firstInk >= note->contentsMargins().left() && firstInk < image.width(),
                 qPrintable(QString::number(firstInk)));
        document_->estateDialog()->reject();
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

        // The print dialog cancelled: nothing is printed, and nothing offered.
        QTest::mouseClick(document_->estateWindow()->findChild<QPushButton*>(design::kPrintEstateButton),
                          Qt::LeftButton);
        QVERIFY(fallback_->offers.isEmpty());

        // A job that cannot start: the same page is offered as a PDF file.
        nextPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        nextPrinter_->setOutputFormat(QPrinter::PdfFormat);
        nextPrinter_->setOutputFileName(inFolder("no-such-folder/printed.pdf"));
        fallback_->acceptOffer = true;
        fallback_->fileName = inFolder("offered.pdf");
        QTest::mouseClick(document_->estateWindow()->findChild<QPushButton*>(design::kPrintEstateButton),
                          Qt::LeftButton);
        QCOMPARE(fallback_->offers.size(), 1);
        QVERIFY(fallback_->offers.first().contains("الطابعة المختارة"));  // the one the print dialog chose
        // A PDF file of its own is titled in Arabic, as a reader lists it.
        QVERIFY(run("pdfinfo", {fallback_->fileName}).contains(QRegularExpression("Title:\\s+توزيع التركة\\n")));
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
        // The title names the file before the designed caption; the status bar says it was saved.
        QVERIFY2(window_->windowTitle().startsWith("worked.qismaru[*] — قسمارو 2"), qPrintable(window_->windowTitle()));
        QVERIFY(!window_->isWindowModified());
        QVERIFY(window_->statusBar()->currentMessage().contains("حُفظت"));

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
        QVERIFY(window_->isWindowModified());
        QVERIFY(document_->estateWindow()->report().notes.front().find("المالكي") != std::string::npos);
    }

    // A damaged settings file with thousands of entries gives a short list
    // of absolute paths, each once.
    void theRecentFilesAreAShortList()
    {
        QStringList damaged{"", "relative.qismaru", "/a.qismaru", "/a.qismaru", "/" + QString(5000, 'x')};
        for (int i = 0; i < 20000; ++i) damaged << QString("/case-%1.qismaru").arg(i);
        QSettings(inFolder("settings-theRecentFilesAreAShortList.ini"), QSettings::IniFormat)
            .setValue("recentFiles", damaged);
        QCOMPARE(document_->recentFiles(), QStringList({"/a.qismaru", "/case-0.qismaru", "/case-1.qismaru",
                                                        "/case-2.qismaru", "/case-3.qismaru", "/case-4.qismaru"}));
        window_->findChild<QMenu*>(design::kRecentFilesMenu)->aboutToShow();
        QCOMPARE(window_->findChild<QMenu*>(design::kRecentFilesMenu)->actions().size(),
                 CaseDocument::kRecentFilesKept);
    }

    void unsavedWorkIsNotLostWithoutAsking()
    {
        int exitQuestions = 0;
        int ended = 0;
        window_->secondaryWindows().exitConfirmation = [&] { ++exitQuestions; };
        window_->secondaryWindows().endProgram = [&] { ++ended; };
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

        // Leaving with unsaved work asks one question: its answer ends the program.
        fillEstate({"1000"});
        window_->close();
        QCOMPARE(files_->questions, 5);
        QCOMPARE(exitQuestions, 0);
        QCOMPARE(ended, 1);
        document_->setEstate(std::nullopt);
        window_->close();
        QCOMPARE(exitQuestions, 1);
    }

    void aFileThatCannotBeOpenedChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"qismaru-case\", \"heirs\": [") << "ليس ملف مسألة";
        QTest::newRow("a newer format") << QByteArray(
                                               R"({"format": "qismaru-case", "version": 6, "heirs": [], "judge": {}})")
                                        << "أحدث";
        QTest::newRow("husband and wives")
            << QByteArray(
                   R"({"format": "qismaru-case", "version": 1, "heirs": [{"code": "h", "count": 1}, {"code": "w", "count": 2}]})")
            << "قائمة الورثة";
        QTest::newRow("an estate in binary floating point")
            << QByteArray(R"({"format": "qismaru-case", "version": 1, "heirs": [], "estate": {"gross": 0.1}})")
            << "بيانات التركة";
        QTest::newRow("a member twice")
            << QByteArray(
                   R"({"format": "qismaru-case", "version": 1, "heirs": [], "heirs": [{"code": "d", "count": 1}]})")
            << "يتكرر في هذا الملف الحقل \"heirs\"";
        QTest::newRow("a misspelt estate")
            << QByteArray(R"({"format": "qismaru-case", "version": 1, "heirs": [], "Estate": {"gross": "100"}})")
            << "حقل لا يكتبه قسمارو: \"Estate\"";
        QByteArray sons =
            R"({"format": "qismaru-case", "version": 3, "heirs": [{"code": "s", "count": 2}], "later": [)";
        for (int d = 1; d <= 51; ++d) {
            sons += QString(R"(%1{"deceased": "%2:s", "heirs": [{"code": "s", "count": 1}]})")
                        .arg(d > 1 ? ", " : "")
                        .arg(d)
                        .toUtf8();
        }
        QTest::newRow("more later deaths than a case holds") << sons + "]}"
                                                             << "لا تُدخل في المسألة الواحدة أكثر من 50 وفاة قبل القسمة";
        QTest::newRow("no such file") << QByteArray() << "تعذر فتح الملف: لا يوجد ملف أو مجلد بهذا الاسم";
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

    // A save that cannot be written (a full disk, on a file system of its
    // own) keeps the old file byte for byte, says why, and leaves the case
    // unsaved; when it was the quit question's "save", the program stays.
    void aSaveOnAFullDiskKeepsTheOldFile()
    {
        const QString disk = qEnvironmentVariable("QISMARU_FULL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small file system of its own: the test full_disk_save gives it one");
        int exitQuestions = 0;
        int ended = 0;
        window_->secondaryWindows().exitConfirmation = [&] { ++exitQuestions; };
        window_->secondaryWindows().endProgram = [&] { ++ended; };
        enterWorkedExample();
        fillEstate({"1000"});
        files_->saveName = QDir(disk).filePath("case.qismaru");
        QVERIFY(document_->saveAs());
        const QByteArray old = contentsOf(files_->saveName);
        const QString filler = QDir(disk).filePath("filler");
        QVERIFY(fillDisk(filler));

        fillEstate({"2000"});
        window_->findChild<QAction*>(design::kSaveCaseItem)->trigger();
        files_->answer = Choice::Save;
        window_->findChild<QAction*>(design::kExitMenu)->trigger();
        QCOMPARE(files_->questions, 1);
        QCOMPARE(exitQuestions, 0);
        QCOMPARE(ended, 0);
        QCOMPARE(messages_->texts.size(), 2);
        for (const QString& text : messages_->texts) {
            QVERIFY2(text.contains("لا مساحة كافية على القرص") && text.contains("بقي الملف على حاله"),
                     qPrintable(text));
        }
        QCOMPARE(contentsOf(files_->saveName), old);
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden), QStringList({"case.qismaru", "filler"}));
        QVERIFY(document_->hasUnsavedWork());

        // With room again, the same save goes through.
        QVERIFY(QFile::remove(filler));
        window_->findChild<QAction*>(design::kSaveCaseItem)->trigger();
        QCOMPARE(messages_->texts.size(), 2);
        QVERIFY(!document_->hasUnsavedWork());
        QVERIFY(contentsOf(files_->saveName).contains(R"("gross": "2000.00")"));
    }

    // Two windows on one file, or another program: a file that changed on
    // disk since this window opened or saved it is not saved over unasked,
    // and a link put in its place is not followed to the file it names.
    void aFileChangedOnDiskIsNotSavedOverUnasked_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saved");  // the case is in the file (or, for save as, in the new one)
        const int anyway = int(ChangedChoice::SaveAnyway);
        const int cancel = int(ChangedChoice::Cancel);
        const int saveAs = int(ChangedChoice::SaveAs);
        QTest::newRow("nothing happened") << "" << cancel << false << true;
        QTest::newRow("another window saved it: cancel") << "saved" << cancel << true << false;
        QTest::newRow("another window saved it: save anyway") << "saved" << anyway << true << true;
        QTest::newRow("another window saved it: save as") << "saved" << saveAs << true << true;
        QTest::newRow("a link put in its place: cancel") << "link" << cancel << true << false;
        QTest::newRow("a link put in its place: save anyway") << "link" << anyway << true << true;
    }

    void aFileChangedOnDiskIsNotSavedOverUnasked()
    {
        QFETCH(QString, meanwhile);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, saved);
        const QString path = inFolder("two windows.qismaru");
        const QString other = inFolder("other.txt");
        const QString elsewhere = inFolder("elsewhere.qismaru");
        for (const QString& name : {path, other, elsewhere}) QFile::remove(name);
        writeFile("other.txt", "not a case");
        writeFile("two windows.qismaru", QByteArray::fromStdString(estate::caseFileText({entriesOf("d=2"), {}, {}})));
        QVERIFY(document_->open(path));
        window_->pressHeirButton(Mother);
        const std::vector<HeirEntry> ours = {{Daughters, 2}, {Mother, 1}};
        const QByteArray theirs = QByteArray::fromStdString(estate::caseFileText({entriesOf("s=1 d=1"), {}, {}}));
        if (meanwhile == "saved")
            QVERIFY(estate::replaceFile(QFile::encodeName(path).toStdString(), theirs.toStdString()).ok());
        if (meanwhile == "link") QVERIFY(QFile::remove(path) && QFile::link(other, path));
        files_->changedAnswer = ChangedChoice(answer);
        files_->saveName = elsewhere;

        QCOMPARE(document_->save(), saved);
        QCOMPARE(files_->changedQuestions, asked ? 1 : 0);
        QCOMPARE(contentsOf(other), QByteArray("not a case"));
        const bool savedAs = ChangedChoice(answer) == ChangedChoice::SaveAs;
        const QString written = savedAs ? elsewhere : path;
        const estate::CaseFileReading reading = estate::readCaseFile(contentsOf(written).toStdString());
        QCOMPARE(reading.ok() && reading.file->heirs == ours, saved);
        if (savedAs) QCOMPARE(contentsOf(path), theirs);
        if (saved) QCOMPARE(QFileInfo(written).isSymLink(), false);
        QCOMPARE(document_->hasUnsavedWork(), !saved);
        // Once saved, the window knows the file again: the next save asks nothing.
        if (saved) {
            QVERIFY(document_->save());
            QCOMPARE(files_->changedQuestions, asked ? 1 : 0);
        }
    }

    // Every page a window saves as a PDF file is written as a case file is:
    // on a full disk the file of that name stays as it was, nothing of the
    // new one is left beside it, and the user hears why.
    void aPageOnAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("the table's page") << int(SavedPage::Table);
        QTest::newRow("the solution") << int(SavedPage::Solution);
        QTest::newRow("the estate's page") << int(SavedPage::Estate);
        QTest::newRow("the combined table's page") << int(SavedPage::Combined);
    }

    void aPageOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(int, page);
        const QString disk = qEnvironmentVariable("QISMARU_FULL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small file system of its own: the test full_disk_save gives it one");
        QDir folder(disk);
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) QVERIFY(folder.remove(name));
        const QString pdf = folder.filePath("page.pdf");
        const QByteArray old = "%PDF-1.4 the page saved before\n";
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        window_->loadCase(*caseWithHeirs(entriesOf(kBooksExample)));
        fillEstate({"1200"});
        window_->calculate();
        QCOMPARE(document_->addLaterDeath(kSonDies), std::string());
        attachSolutionWindow(*window_, *messages_);
        window_->secondaryWindows().solutionSteps();
        fallback_->acceptOffer = true;
        fallback_->fileName = pdf;
        attachPrinter(*window_,
                      std::make_shared<CasePrinter>(*messages_, std::make_unique<testing::ScriptedFallback>(*fallback_),
                                                    [] { return std::unique_ptr<QPrinter>(); }));
        const qsizetype said = messages_->texts.size();
        QVERIFY(fillDisk(folder.filePath("filler")));

        switch (SavedPage(page)) {
        case SavedPage::Table: window_->secondaryWindows().print(); break;
        case SavedPage::Solution:
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                if (auto* solution = qobject_cast<SolutionWindow*>(shown)) QVERIFY(!solution->writePdf(pdf));
            }
            break;
        case SavedPage::Estate:
            QTest::mouseClick(document_->estateWindow()->findChild<QPushButton*>(design::kSaveEstatePdfButton),
                              Qt::LeftButton);
            break;
        case SavedPage::Combined:
            QTest::mouseClick(document_->combinedWindow()->findChild<QPushButton*>(design::kSaveCombinedPdfButton),
                              Qt::LeftButton);
            break;
        }
        QCOMPARE(messages_->texts.size(), said + 1);
        QVERIFY2(messages_->texts.constLast().contains("لا مساحة كافية على القرص") &&
                     messages_->texts.constLast().contains("بقي الملف الذي بهذا الاسم على حاله"),
                 qPrintable(messages_->texts.constLast()));
        QCOMPARE(contentsOf(pdf), old);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList({"filler", "page.pdf"}));
    }

    // One answer on screen: whatever changes, every open window shows the
    // answer of the case as it now stands, or is closed. What they should
    // show is the library's answer to the case as the window holds it, not
    // the document's own.
    void everyWindowFollowsTheAnswer_data()
    {
        QTest::addColumn<QString>("heirs");  // computed first, with the estate, under the Hanafi school
        QTest::addColumn<bool>("sonDies");   // the books' later death follows Calculate
        QTest::addColumn<int>("change");
        const QString example = "h=1 m=1 d=3 bm=1";
        QTest::newRow("calculate") << example << false << int(Change::Calculate);
        QTest::newRow("new case") << example << false << int(Change::NewCase);
        QTest::newRow("heir entered") << example << false << int(Change::HeirEntered);
        QTest::newRow("heir withdrawn") << example << false << int(Change::HeirWithdrawn);
        QTest::newRow("another case opened") << example << false << int(Change::Open);
        QTest::newRow("school switched") << "gf=1 b=2" << false << int(Change::SchoolSwitched);
        QTest::newRow("spouse's return switched") << "w=1" << false << int(Change::PositionSwitched);
        QTest::newRow("refused by the new school") << "gm=3 s=1" << false << int(Change::Refusal);
        QTest::newRow("estate changed") << example << false << int(Change::EstateChanged);
        QTest::newRow("estate removed") << example << false << int(Change::EstateRemoved);
        // With the heirs who died before the division, and their combined table.
        QTest::newRow("later death added") << kBooksExample << false << int(Change::LaterDeathAdded);
        QTest::newRow("later death removed") << kBooksExample << true << int(Change::LaterDeathRemoved);
        QTest::newRow("later: new case") << kBooksExample << true << int(Change::NewCase);
        QTest::newRow("later: another case opened") << kBooksExample << true << int(Change::Open);
        QTest::newRow("later: school switched") << kBooksExample << true << int(Change::SchoolSwitched);
        QTest::newRow("later: refused by the new school") << kBooksExample << true << int(Change::Refusal);
        QTest::newRow("later: estate changed") << kBooksExample << true << int(Change::EstateChanged);
        QTest::newRow("later: estate removed") << kBooksExample << true << int(Change::EstateRemoved);
    }

    void everyWindowFollowsTheAnswer()
    {
        QFETCH(QString, heirs);
        QFETCH(bool, sonDies);
        QFETCH(int, change);
        attachSolutionWindow(*window_, *messages_);
        window_->loadCase(*caseWithHeirs(entriesOf(qPrintable(heirs))));
        fillEstate({"1200"});
        window_->secondaryWindows().solutionSteps();
        if (Change(change) != Change::Calculate) window_->calculate();
        // The son leaves his grandfather beside his sister, which the schools
        // divide apart; or three grandmothers, of whom the Malikis let two inherit.
        estate::LaterDeathEntry sonsDeath = kSonDies;
        if (Change(change) == Change::SchoolSwitched) sonsDeath = laterEntry("1:s", "gf=1 si=1", "si=1:d");
        if (Change(change) == Change::Refusal) sonsDeath = laterEntry("1:s", "gm=3");
        if (sonDies) QCOMPARE(document_->addLaterDeath(sonsDeath), std::string());
        files_->answer = Choice::Discard;

        switch (Change(change)) {
        case Change::Calculate: window_->calculate(); break;
        case Change::NewCase: window_->newCase(); break;
        case Change::HeirEntered:
            window_->newCase();
            window_->pressHeirButton(Mother);
            break;
        case Change::HeirWithdrawn:
            window_->newCase();
            window_->pressHeirButton(Mother);
            window_->pressHeirButton(Father);
            window_->cancelLastChoice();
            break;
        case Change::Open: {
            estate::CaseFile other{{{Wives, 2}, {Sons, 1}}, std::nullopt, {}};
            writeFile("other.qismaru", QByteArray::fromStdString(estate::caseFileText(other)));
            QVERIFY(document_->open(inFolder("other.qismaru")));
            break;
        }
        case Change::SchoolSwitched: window_->setPositions({School::Shafii}); break;
        case Change::PositionSwitched: window_->setPositions({School::Hanafi, true, false}); break;
        case Change::Refusal: window_->setPositions({School::Maliki}); break;
        case Change::EstateChanged: fillEstate({"900", "30"}); break;
        case Change::EstateRemoved: document_->setEstate(std::nullopt); break;
        case Change::LaterDeathAdded: QCOMPARE(document_->addLaterDeath(kSonDies), std::string()); break;
        case Change::LaterDeathRemoved:
            window_->findChild<QAction*>(design::kRemoveLaterDeathItem)->trigger();
            QVERIFY(document_->laterDeaths().empty());
            break;
        }

        // The answer the library gives the case as it now stands, which
        // every window must show.
        const KindCounts counts = window_->caseState().counts;
        const Positions positions = window_->positions();
        CaseQuestion question{counts, positions, document_->estate(), {}};
        for (const estate::LaterDeathEntry& entry : document_->laterDeaths())
            question.later.push_back(estate::laterDeathOf(entry));
        const CaseAnswer expected =
            window_->caseState().computed ? answerCase(question, Detail::Steps) : openAnswer(question);
        const bool divided = expected.divided();
        const bool joined = expected.joined();

        const bool blank = testing::allBackground(window_->resultArea()->image(), window_->resultArea()->background());
        QCOMPARE(blank, !divided);
        if (divided) QVERIFY(window_->caseResult().parts == expected.result().parts);
        const bool differs = expected.differsFromHanafi();
        const QLabel* mark = window_->menuBar()->findChild<QLabel*>(design::kHanafiDifferenceMark);
        QCOMPARE(mark->isVisibleTo(window_.get()), differs);
        // Beside "المذهب: الحنفي" the mark names the position that makes the answer differ.
        if (differs) QCOMPARE(mark->text().contains("الحنفي"), positions.school != School::Hanafi);
        QCOMPARE(window_->windowTitle().contains("النتيجة"), differs);

        const auto* steps = window_->findChild<QAction*>(design::kSolutionStepsMenu);
        QCOMPARE(steps->isEnabled(), divided);
        SolutionWindow* solution = nullptr;
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<SolutionWindow*>(shown); found && found->isVisible()) solution = found;
        }
        QVERIFY(solution);
        const std::string line = positionsLine(positions);
        if (divided) QCOMPARE(solution->plainText(), QString::fromStdString(line + "\n" + expected.solutionText()));
        QVERIFY(solution->document().toPlainText().contains(QString::fromStdString(caseHeirsLine(counts))));
        QVERIFY(solution->windowTitle().contains(QString::fromStdString(line)));
        // Later deaths that do not join are said where they would be shown.
        if (expected.successive && !joined) {
            const std::string why = expected.successive->refusalText();
            QVERIFY(solution->document().toPlainText().contains(QString::fromStdString(why)));
            QCOMPARE(messages_->texts.constLast(), QString::fromStdString(why));
        }

        CombinedWindow* table = document_->combinedWindow();
        QCOMPARE(table && table->isVisible(), joined);
        if (joined) {
            QCOMPARE(tableLines(table->page().table, "\t"),
                     tableLines(combinedTableText(expected.successive->table()), "\t"));
            QCOMPARE(table->page().positions, line);
        }
        QCOMPARE(window_->findChild<QAction*>(design::kShowCombinedItem)->isEnabled(), joined);
        QCOMPARE(window_->findChild<QAction*>(design::kAddLaterDeathItem)->isEnabled(),
                 divided && (!expected.successive || joined));

        EstateWindow* settled = document_->estateWindow();
        const std::optional<estate::EstateReport> report = expected.estateReport(Reader::Page);
        const bool settles = expected.computed() && report;
        QCOMPARE(settled && settled->isVisible(), settles);
        if (settles) {
            QCOMPARE(QString::fromStdString(estate::reportText(settled->report())),
                     QString::fromStdString(estate::reportText(*report)));
            // Every column in sight, the later deaths' "من التركة" too.
            QCoreApplication::processEvents();
            const auto* kinds = settled->findChild<QTableView*>(design::kKindsTable);
            QVERIFY(kinds->minimumWidth() <= settled->findChild<QScrollArea*>()->viewport()->width());
        }
        delete solution;
    }

    // The books' first example entered in the dialog as a user enters it,
    // by the mouse or the keyboard alone: the son died; his mother and his
    // sister are the wife and the daughter of the first case.
    void aLaterDeathIsEnteredByMouseOrKeyboard_data()
    {
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }

    void aLaterDeathIsEnteredByMouseOrKeyboard()
    {
        QFETCH(bool, keyboard);
        window_->loadCase(*caseWithHeirs(entriesOf(kBooksExample)));
        fillEstate({"120000"});
        window_->calculate();
        window_->findChild<QAction*>(design::kAddLaterDeathItem)->trigger();
        LaterDeathDialog* dialog = document_->laterDeathDialog();
        QVERIFY(dialog && dialog->isVisible());
        const auto choose = [&](QComboBox* box, const QString& item) {
            QVERIFY2(box->findText(item) >= 0, qPrintable(item));
            if (!keyboard) return box->setCurrentIndex(box->findText(item));
            box->setFocus();
            while (box->currentText() != item) QTest::keyClick(box, Qt::Key_Down);
        };
        const auto press = [&](const char* code) {
            auto* button = dialog->findChild<QPushButton*>(QString(design::kLaterHeirPrefix) + code);
            if (!keyboard) return QTest::mouseClick(button, Qt::LeftButton);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        };
        auto* deceased = dialog->findChild<QComboBox*>(design::kLaterDeceased);
        QCOMPARE(deceased->count(), 3);  // who received something: the wife, the son, the daughter
        choose(deceased, "الابن في المسألة الأولى");
        press("m");
        press("si");
        if (keyboard) {
            QTest::keyClick(dialog->findChild<QSpinBox*>(design::kLaterCount), Qt::Key_Return);
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton*>(design::kLaterCountOk), Qt::LeftButton);
        }
        // The same persons are offered only where the survivors are as many: not the son himself.
        auto* sister = dialog->findChild<QComboBox*>(QString(design::kLaterSamePrefix) + "si");
        QStringList offered;
        for (int i = 0; i < sister->count(); ++i) offered << sister->itemText(i);
        QCOMPARE(offered,
                 QStringList({"ليسوا من ورثة ما قبلها", "الزوجة في المسألة الأولى", "البنت في المسألة الأولى"}));
        choose(dialog->findChild<QComboBox*>(QString(design::kLaterSamePrefix) + "m"), "الزوجة في المسألة الأولى");
        choose(sister, "البنت في المسألة الأولى");
        if (keyboard) {
            QTest::keyClick(sister, Qt::Key_Return);
        } else {
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        }
        // On a laptop's 1024×600 the dialog fits with its frame; a long list of heirs scrolls inside it.
        QVERIFY2(dialog->width() <= 1000 && dialog->height() <= 540,
                 qPrintable(QString("%1×%2").arg(dialog->width()).arg(dialog->height())));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(document_->laterDeaths(), std::vector<estate::LaterDeathEntry>{kSonDies});

        // The combined table as the books draw it: 120, the wife 43, the daughter 77.
        CombinedWindow* combined = document_->combinedWindow();
        QVERIFY(combined && combined->isVisible());
        const auto* cells = combined->findChild<QTableView*>(design::kCombinedTable)->model();
        QStringList header;
        for (int c = 0; c < cells->columnCount(); ++c) header << cells->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(header, QStringList({"الورثة", "المسألة الأولى 24 × 5", "المسألة الثانية 5 × 14", "الجامعة 120"}));
        QStringList rows;
        for (int r = 0; r < cells->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < cells->columnCount(); ++c) row << cells->index(r, c).data().toString();
            rows << row.join('|');
        }
        QCOMPARE(rows, QStringList({"زوجة 1، أم في الثانية|3|2|43", "ابن 1|14||الميت الثاني",
                                    "بنت 1، أخت شقيقة في الثانية|7|3|77"}));
        // The deceased's row is marked, and only his.
        for (int r = 0; r < cells->rowCount(); ++r)
            QCOMPARE(cells->index(r, 0).data(Qt::BackgroundRole).isValid(), r == 1);
        QCOMPARE(column(table(design::kKindsTable), 4), QStringList({"43,000.00", "77,000.00"}));
        QVERIFY(window_->statusBar()->currentMessage().contains("الميت الثاني: الابن في المسألة الأولى"));
    }

    // The entry rules of the main window, and the side of the deceased, in
    // the dialog: each refusal says why and enters nothing.
    void aLaterDeathIsRefusedAsTheRulesSay_data()
    {
        QTest::addColumn<QString>("heirs");
        QTest::addColumn<int>("school");
        QTest::addColumn<QString>("deceased");
        QTest::addColumn<QStringList>("presses");  // a heir's code, with "=n" for its count
        QTest::addColumn<QString>("same");         // "m=1:w": links chosen before OK, which is then pressed
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("entered");
        const int hanafi = int(School::Hanafi);
        const QString son = "الابن في المسألة الأولى";
        QTest::newRow("a son leaves no husband") << kBooksExample << hanafi << son << QStringList{"h"} << ""
                                                 << "الابن في المسألة الأولى رجل، فلا يكون له زوج."
                                                 << "";
        QTest::newRow("a daughter leaves no wives")
            << kBooksExample << hanafi << "البنت في المسألة الأولى" << QStringList{"w=1"} << ""
            << "البنت في المسألة الأولى امرأة، فلا تكون لها زوجة."
            << "";
        QTest::newRow("more than four wives")
            << kBooksExample << hanafi << son << QStringList{"w=5"} << "" << kTooManyWivesText << "";
        QTest::newRow("husband beside wives") << "m=1 bm=2" << hanafi << "أحد ولدي الأم في المسألة الأولى"
                                              << QStringList{"h", "w=1"} << "" << kSpouseConflictText << "h=1";
        QTest::newRow("three grandmothers for the Malikis")
            << kBooksExample << int(School::Maliki) << son << QStringList{"gm=3"} << ""
            << "جدتين"
            << "";
        QTest::newRow("one group for two kinds")
            << kBooksExample << hanafi << son << QStringList{"m", "si=1"} << "m=1:w si=1:w"
            << "صنفين"
            << "si=1 m=1";
        QTest::newRow("a father linked to a daughter")
            << kBooksExample << hanafi << son << QStringList{"f"} << "f=1:d"
            << "جُعل «أب» هم «بنت في المسألة الأولى»، و«أب» من الرجال و«بنت» من النساء"
            << "f=1";
        QTest::newRow("no heir") << kBooksExample << hanafi << son << QStringList{} << ""
                                 << "أدخل ورثته"
                                 << "";
    }

    void aLaterDeathIsRefusedAsTheRulesSay()
    {
        QFETCH(QString, heirs);
        QFETCH(int, school);
        QFETCH(QString, deceased);
        QFETCH(QStringList, presses);
        QFETCH(QString, same);
        QFETCH(QString, said);
        QFETCH(QString, entered);
        window_->setPositions({School(school)});
        window_->loadCase(*caseWithHeirs(entriesOf(qPrintable(heirs)), School(school)));
        window_->calculate();
        messages_->texts.clear();
        document_->enterLaterDeath();
        LaterDeathDialog* dialog = document_->laterDeathDialog();
        auto* who = dialog->findChild<QComboBox*>(design::kLaterDeceased);
        who->setCurrentIndex(who->findText(deceased));
        QCOMPARE(who->currentText(), deceased);
        for (const QString& press : presses) {
            const QStringList parts = press.split('=');
            dialog->pressHeir(*kindFromCode(parts[0].toStdString()));
            if (parts.size() > 1) {
                dialog->findChild<QSpinBox*>(design::kLaterCount)->setValue(parts[1].toInt());
                dialog->confirmCount();
            }
        }
        for (const QString& link : same.split(' ', Qt::SkipEmptyParts)) {
            const QStringList parts = link.split('=');
            auto* box = dialog->findChild<QComboBox*>(design::kLaterSamePrefix + parts[0]);
            box->setCurrentIndex(box->findData(parts[1]));
        }
        if (messages_->texts.isEmpty()) dialog->accept();
        const QString shown = messages_->texts.isEmpty() ? dialog->findChild<QLabel*>(design::kLaterProblem)->text()
                                                         : messages_->texts.constLast();
        QVERIFY2(shown.contains(said), qPrintable(shown));
        QCOMPARE(QString::fromStdString(qismaru::testing::textOf(estate::laterDeathOf(dialog->entry()).counts)),
                 entered);
        QVERIFY(dialog->isVisible());
        QVERIFY(document_->laterDeaths().empty());
    }

    // A later deceased's heirs beyond the buttons, built in the relation
    // builder: the son leaves his father and his mother's mother, 108 as in
    // tests/engine/combined_base_test.cpp.
    void aLaterDeceasedsHeirsAreBuiltByPath()
    {
        window_->loadCase(*caseWithHeirs(entriesOf("h=1 m=1 s=1 d=1"), School::Hanafi));
        window_->calculate();
        document_->enterLaterDeath();
        LaterDeathDialog* dialog = document_->laterDeathDialog();
        auto* who = dialog->findChild<QComboBox*>(design::kLaterDeceased);
        who->setCurrentIndex(who->findText("الابن في المسألة الأولى"));
        dialog->pressHeir(HeirKind::Father);
        dialog->buildRelatives();
        auto* builder = dialog->findChild<RelationDialog*>();
        QVERIFY(builder);
        builder->step(Link::Mother);
        builder->step(Link::Mother);
        builder->add();
        // A son leaves no husband, by path as by his button.
        builder->restart();
        builder->step(Link::Husband);
        builder->add();
        QVERIFY(builder->findChild<QLabel*>(design::kRelationProblem)->text().contains("رجل"));
        builder->accept();
        QCOMPARE(dialog->entry().relatives.size(), 1u);
        auto* father = dialog->findChild<QComboBox*>(QString(design::kLaterSamePrefix) + "f");
        father->setCurrentIndex(father->findData("1:h"));
        dialog->accept();
        QCOMPARE(document_->laterDeaths().size(), 1u);
        QCOMPARE(document_->answer().successive->table().base, 108);
    }

    // A relative beyond the buttons built in the relation builder by the
    // mouse or the keyboard alone, named as he grows; the case answered by
    // path and kept in its file. The mother's mother beside the father:
    // "من ستة، للجدة واحد وللأب خمسة" (Mawsu'at al-Ijma' fi al-Fiqh al-Islami).
    void aRelativeIsBuiltByMouseOrKeyboard_data()
    {
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }

    void aRelativeIsBuiltByMouseOrKeyboard()
    {
        QFETCH(bool, keyboard);
        window_->loadCase(*caseWithHeirs(entriesOf("f=1")));
        window_->findChild<QAction*>(design::kAddRelativeItem)->trigger();
        RelationDialog* dialog = document_->relationDialog();
        QVERIFY(dialog && dialog->isVisible());
        const auto click = [&](QPushButton* button) {
            QVERIFY(button && button->isEnabled());
            if (!keyboard) return QTest::mouseClick(button, Qt::LeftButton);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        };
        const auto step = [&](const char* letter) {
            click(dialog->findChild<QPushButton*>(QString(design::kRelationStepPrefix) + letter));
        };
        const auto name = [&] { return dialog->findChild<QLabel*>(design::kRelationName)->text(); };
        step("m");
        QCOMPARE(name(), QString("أم"));
        step("m");
        QCOMPARE(name(), QString("أم الأم"));
        // Of a spouse there is no relative; of one grandmother, one.
        QVERIFY(!dialog->findChild<QPushButton*>(QString(design::kRelationStepPrefix) + "h")->isEnabled());
        QCOMPARE(dialog->findChild<QSpinBox*>(design::kRelationCount)->maximum(), 1);
        const auto add = [&] {
            if (!keyboard)
                return QTest::mouseClick(dialog->findChild<QPushButton*>(design::kRelationAdd), Qt::LeftButton);
            QTest::keyClick(dialog->findChild<QLineEdit*>(design::kRelationLabel), Qt::Key_Return);
        };
        add();
        QCOMPARE(dialog->findChild<QListWidget*>(design::kRelationList)->count(), 1);
        // Once is enough: the second time the dialog says why, and stays.
        add();
        QVERIFY(dialog->findChild<QLabel*>(design::kRelationProblem)->text().contains("سبق إدخال"));
        QCOMPARE(document_->session().relativesByPath().size(), 1u);
        click(dialog->findChild<QPushButton*>(design::kRelationBack));
        QCOMPARE(name(), QString("أم"));
        dialog->reject();

        window_->calculate();
        QStringList rows;
        for (const TableRow& row : document_->answer().table(TableMedium::Screen).rows) {
            if (row.entry) {
                rows << QString::fromStdString(row.text(TableColumn::Heir)).trimmed() + "|" +
                            QString::fromStdString(row.text(TableColumn::Parts)).trimmed();
            }
        }
        QCOMPARE(rows, QStringList({"أب|5", "أم الأم|1"}));
        // Later deaths join a case by path too: the father dies and leaves a son, or the mother's mother
        // her son's son, given by path.
        QVERIFY(window_->findChild<QAction*>(design::kAddLaterDeathItem)->isEnabled());
        QCOMPARE(document_->addLaterDeath(laterEntry("1:f", "s=1")), std::string());
        estate::LaterDeathEntry grandmotherDies{*refFromText("1:m.m"), {}, {}};
        grandmotherDies.relatives.push_back({RelativePath{Link::Son, Link::Son}, false, 2, ""});
        QCOMPARE(document_->addLaterDeath(grandmotherDies), std::string());
        QVERIFY(document_->answer().joined());
        QCOMPARE(document_->answer().successive->table().base, 12);

        // The file keeps the relative; opened again, the case is the same.
        files_->saveName = inFolder(QString("relative-%1.qismaru").arg(QTest::currentDataTag()));
        QVERIFY(document_->saveAs());
        QVERIFY(contentsOf(files_->saveName).contains(R"("path": "m.m")"));
        document_->newCase();
        QVERIFY(document_->session().relativesByPath().empty());
        QVERIFY(document_->open(files_->saveName));
        QCOMPARE(document_->session().allRelatives().size(), 2u);
        window_->calculate();
        QVERIFY(document_->answer().divided());
    }

    // "إلغاء آخر اختيار" withdraws the last heir entered, whether by a
    // button or as a relative by path.
    void cancelLastWithdrawsTheLastEntryWhicheverWay()
    {
        window_->pressHeirButton(HeirKind::Father);
        QVERIFY(document_->addRelative(relativeEntry(*readRelative("s.s.s").relative, 1)).empty());
        window_->pressHeirButton(HeirKind::Mother);
        const auto entered = [&] {
            return std::pair(document_->session().heirs().size(), document_->session().relativesByPath().size());
        };
        QCOMPARE(entered(), std::pair(std::size_t{2}, std::size_t{1}));
        window_->cancelLastChoice();
        QCOMPARE(entered(), std::pair(std::size_t{1}, std::size_t{1}));
        window_->cancelLastChoice();
        QCOMPARE(entered(), std::pair(std::size_t{1}, std::size_t{0}));
        window_->cancelLastChoice();
        QCOMPARE(entered(), std::pair(std::size_t{0}, std::size_t{0}));
    }

    // What the case does not take, by the builder or at Calculate, is
    // refused with its reason in Arabic, and the case is not answered.
    void aRelativeIsRefusedAsTheRulesSay_data()
    {
        QTest::addColumn<QString>("heirs");
        QTest::addColumn<int>("school");
        QTest::addColumn<QStringList>("relatives");  // "path=count", added in order; "key:code", a button pressed
        QTest::addColumn<QString>("said");
        const int hanafi = int(School::Hanafi);
        QTest::newRow("the same relative twice") << "" << hanafi << QStringList{"s.s.s=1", "s.s.s=2"} << "سبق إدخال";
        QTest::newRow("a button's kind again by its path") << "gs=1" << hanafi << QStringList{"s.s=1"} << "سبق إدخال";
        QTest::newRow("a button's kind given by its path before")
            << "" << hanafi << QStringList{"s.s=1", "key:gs"} << "سبق إدخال";
        QTest::newRow("one grandmother counted twice") << "" << hanafi << QStringList{"f.m=2"} << "شخص واحد";
        QTest::newRow("a spouse's relative") << "w=1" << hanafi << QStringList{"h.m=1"} << "أقارب أحد الزوجين";
        QTest::newRow("through the emancipator's daughter") << "" << hanafi << QStringList{"mut.d.s=1"} << "تمرّ بامرأة";
        QTest::newRow("a grandmother without her side beside one with it")
            << "gm=1" << hanafi << QStringList{"f.m=1"} << "لم تُعيَّن جهتها";
        QTest::newRow("the emancipator's grandfather beside his brother")
            << "" << int(School::Shafii) << QStringList{"mut.f.f=1", "mut.b=1"} << "اختُلف في المذهب الشافعي";
        QTest::newRow("only a woman of the emancipator's family")
            << "" << hanafi << QStringList{"mut.d=1"} << "لا يرث أحد ممن أُدخلوا";
    }

    void aRelativeIsRefusedAsTheRulesSay()
    {
        QFETCH(QString, heirs);
        QFETCH(int, school);
        QFETCH(QStringList, relatives);
        QFETCH(QString, said);
        window_->setPositions({School(school)});
        if (!heirs.isEmpty()) window_->loadCase(*caseWithHeirs(entriesOf(qPrintable(heirs)), School(school)));
        QString refused;
        for (const QString& relative : relatives) {
            if (relative.startsWith("key:")) {
                messages_->texts.clear();
                window_->pressHeirButton(*kindFromCode(relative.mid(4).toStdString()));
                refused = messages_->texts.value(0);
                break;
            }
            const QStringList parts = relative.split('=');
            const PathReading read = readRelative(parts[0].toStdString());
            QVERIFY2(read.relative, read.error.c_str());
            refused = QString::fromStdString(document_->addRelative(relativeEntry(*read.relative, parts[1].toInt())));
            if (!refused.isEmpty()) break;
        }
        if (refused.isEmpty()) {
            messages_->texts.clear();
            window_->calculate();
            refused = messages_->texts.value(0);
        }
        QVERIFY2(refused.contains(said), qPrintable(refused));
        QVERIFY(!document_->answer().divided());
    }

    // The books' example from its case file: its combined table printed as
    // one page of text, saved as a PDF file and copied for a spreadsheet,
    // and the file saved back as it was.
    void theBooksExampleIsPrintedCopiedAndSavedBack()
    {
        const estate::CaseFile books{
            entriesOf(kBooksExample), estate::EstateInputs{12000000, 0, 0, 0, false, 2}, {}, {kSonDies}};
        const QByteArray text = QByteArray::fromStdString(estate::caseFileText(books));
        writeFile("books.qismaru", text);
        QVERIFY(document_->open(inFolder("books.qismaru")));
        QCOMPARE(document_->laterDeaths(), books.later);
        QVERIFY(!window_->findChild<QAction*>(design::kShowCombinedItem)->isEnabled());  // not before Calculate
        window_->calculate();
        CombinedWindow* combined = document_->combinedWindow();
        QVERIFY(combined && combined->isVisible());
        QCOMPARE(combined->windowTitle(), QString("الجامعة"));

        QTest::mouseClick(combined->findChild<QPushButton*>(design::kCopyCombinedButton), Qt::LeftButton);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY2(copied.startsWith("الجامعة\nالمذهب: الحنفي\nالميت الثاني: الابن في المسألة الأولى، مات قبل القسمة\n"),
                 qPrintable(copied));
        QVERIFY(copied.contains("زوجة 1، أم في الثانية\t3\t2\t43\n"));

        const QString printed = inFolder("combined.pdf");
        nextPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        nextPrinter_->setOutputFormat(QPrinter::PdfFormat);
        nextPrinter_->setOutputFileName(printed);
        QTest::mouseClick(combined->findChild<QPushButton*>(design::kPrintCombinedButton), Qt::LeftButton);
        fallback_->fileName = inFolder("saved.pdf");
        QTest::mouseClick(combined->findChild<QPushButton*>(design::kSaveCombinedPdfButton), Qt::LeftButton);
        QVERIFY(run("pdfinfo", {fallback_->fileName}).contains(QRegularExpression("Title:\\s+الجامعة\\n")));
        for (const QString& pdf : {printed, fallback_->fileName}) {
            QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
            const QString read = run("pdftotext", {pdf, "-"}).normalized(QString::NormalizationForm_KC);
            for (const char* word : {"120", "43", "77", "14", "الجامعة"})
                QVERIFY2(read.contains(word), qPrintable(read));
        }

        QVERIFY(!document_->hasUnsavedWork());
        QVERIFY(document_->save());
        QCOMPARE(contentsOf(inFolder("books.qismaru")), text);
    }

    // A window the user closed comes back only when the user asks for it:
    // not when another school answers the case again.
    void aClosedWindowStaysClosed()
    {
        attachSolutionWindow(*window_, *messages_);
        window_->loadCase(*caseWithHeirs(entriesOf("gf=1 b=2")));
        fillEstate({"1200"});
        window_->calculate();
        window_->secondaryWindows().solutionSteps();
        // The grandfather dies before the division, leaving a wife.
        QCOMPARE(document_->addLaterDeath(laterEntry("1:gf", "w=1")), std::string());
        QVERIFY(document_->estateWindow()->isVisible() && document_->combinedWindow()->isVisible());
        document_->estateWindow()->close();
        document_->combinedWindow()->close();
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (qobject_cast<SolutionWindow*>(shown)) shown->close();
        }
        window_->setPositions({School::Shafii});
        for (QWidget* shown : QApplication::topLevelWidgets()) QVERIFY(shown == window_.get() || !shown->isVisible());
        window_->calculate();  // answered already: Calculate does nothing
        QVERIFY(!document_->estateWindow() || !document_->estateWindow()->isVisible());
    }

    // A text larger than a case file may be is never written over one: it
    // would be a file no Qismaru opens.
    void aCaseLargerThanItsReaderTakesIsNotWritten()
    {
        writeFile("kept.qismaru", "the case saved before");
        const CaseSaving saving = saveCaseText(window_.get(), *messages_, files_, inFolder("kept.qismaru"),
                                               std::string(estate::kMaxCaseFileBytes + 1, ' '), std::nullopt);
        QVERIFY(saving.result == CaseSaving::Result::NotSaved);
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY2(messages_->texts.constFirst().contains("أكبر مما يقرؤه قسمارو"), qPrintable(messages_->texts[0]));
        QCOMPARE(contentsOf(inFolder("kept.qismaru")), QByteArray("the case saved before"));
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
