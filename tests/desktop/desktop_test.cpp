// qismaru's command line as a script uses it: a bad case or option is one
// line on standard error and status 2 (3 beyond exact computation), a file
// that cannot be written says so, and a missing, empty or dead display gives
// the same one line. Then the pictures and the page it writes.

#include <sys/stat.h>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/desktop/pictured_windows.h"
#include "app/desktop/program_windows.h"
#include "app/desktop/scripted_case.h"
#include "files/case_file.h"
#include "tests/print/page_text.h"
#include "tests/support/full_disk.h"
#include "ui/document/case_document.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/main_window.h"
#include "ui/printing/case_printer.h"

namespace qismaru::app {

namespace {

struct Run {
    int status = -1;
    QString out;
    QStringList errLines;
};

// Runs the program; `environment` changes are NAME=VALUE, or NAME= to empty
// a variable, or -NAME to remove it.
Run runProgram(const QStringList& arguments, const QStringList& environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& change : environment) {
        if (change.startsWith('-'))
            env.remove(change.mid(1));
        else
            env.insert(change.section('=', 0, 0), change.section('=', 1));
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QISMARU_DESKTOP_PROGRAM, arguments);
    if (!process.waitForFinished(30'000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.errLines = QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return run;
}

// Rejected as the window rejects them, or as qismaru-calc does.
const char* const kBeyondExactRange = "gm=32717 w=4 d=32693 b=32609 si=32653";
// A son dies leaving 30,000 daughters, and so does a daughter of each
// death after him: the combined base passes 2^53 at the fifth death.
QByteArray laterDeathsBeyondExactRange()
{
    QByteArray later = R"({"deceased":"1:s","heirs":[{"code":"d","count":30000}]})";
    for (int death = 3; death <= 5; ++death)
        later += QByteArray(R"(,{"deceased":"%:d","heirs":[{"code":"d","count":30000}]})")
                     .replace('%', QByteArray::number(death - 1));
    return R"({"format":"qismaru-case","version":3,"heirs":[{"code":"s","count":1}],"later":[)" + later + "]}";
}
const QString kNoDisplay = "qismaru: no display to show the window on; qismaru-calc computes cases in a terminal.";

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString file(const QString& name) const { return folder_.filePath(name); }
    QString caseFile(const QString& name, const QByteArray& content) const
    {
        QFile written(file(name));
        if (!written.open(QIODevice::WriteOnly) || written.write(content) != content.size()) return {};
        return written.fileName();
    }

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void refusesInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QString png = file("refused.png");
        const auto shoot = [&](const QString& counts) { return QStringList{"--screenshot=" + png, "--case", counts}; };
        QTest::newRow("code_twice") << shoot("d=1 s=2 s=3") << 2 << "heir code 's' is given twice";
        QTest::newRow("single_heir_counted") << shoot("h=5") << 2 << "'h' is a single heir";
        QTest::newRow("count_past_16_bits") << shoot("d=100000") << 2 << "above 32767";
        QTest::newRow("both_spouses") << shoot("h=1 w=2") << 2 << "husband and wives";
        QTest::newRow("five_wives") << shoot("w=5") << 2 << "at most 4 wives";
        QTest::newRow("unknown_code") << shoot("q=1") << 2 << "unknown heir code 'q'";
        QTest::newRow("spouses_relative") << shoot("w=1 h.m=1") << 2 << "'h.m' is a spouse's relative";
        QTest::newRow("nothing_given") << shoot("") << 2 << "no heir given";
        QTest::newRow("control_bytes_escaped") << shoot("h=1\x1b[2J") << 2 << "'1\\x1b[2J'";
        QTest::newRow("beyond_exact_range") << shoot(kBeyondExactRange) << 3 << "passes 2^53";
        QTest::newRow("page_beyond_exact_range")
            << QStringList{"--pdf", file("refused.pdf"), "--case", kBeyondExactRange} << 3 << "passes 2^53";
        QTest::newRow("case_file_beyond_exact_range")
            << QStringList{"--screenshot", png,
                           caseFile("single.qismaru", R"({"format":"qismaru-case","version":3,"heirs":[)"
                                                      R"({"code":"gm","count":32717},{"code":"w","count":4},)"
                                                      R"({"code":"d","count":32693},{"code":"b","count":32609},)"
                                                      R"({"code":"si","count":32653}]})")}
            << 3 << "passes 2^53";
        for (const QString window : {"main", "combined"}) {
            QTest::addRow("later_deaths_beyond_exact_range_%s", qPrintable(window))
                << QStringList{"--screenshot", png, "--window", window,
                               caseFile("later.qismaru", laterDeathsBeyondExactRange())}
                << 3 << "death 5: the combined base passes 2^53";
        }
        QTest::newRow("qt_option") << QStringList{"-platform", "xcb"} << 2 << "Unknown option 'platform'";
        QTest::newRow("stray_argument") << QStringList{"case.qismaru", "h=1"} << 2 << "unexpected argument 'h=1'";
        QTest::newRow("case_and_case_file")
            << QStringList{"--screenshot", png, "--case", "h=1", "case.qismaru"} << 2 << "not both";
        QTest::newRow("unreadable_case_file")
            << QStringList{"--screenshot", png, file("none.qismaru")} << 2 << "تعذر فتح الملف";
        // Opening a FIFO would wait for a writer that never comes.
        const QString fifo = file("fifo.qismaru");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("fifo_case_file") << QStringList{"--screenshot", png, fifo} << 2 << "ليس ملفاً عادياً";
        QTest::newRow("option_twice") << QStringList{"--pdf", "a.pdf", "--pdf=b.pdf", "--case", "h=1"} << 2
                                      << "--pdf is given twice";
        QTest::newRow("case_for_the_window") << QStringList{"--case", "h=1"} << 2 << "--case goes with";
        QTest::newRow("unknown_school") << shoot("h=1") + QStringList{"--school", "zahiri"} << 2
                                        << "unknown school 'zahiri'";
        QTest::newRow("no_return_under_hanbali")
            << shoot("h=1") + QStringList{"--school=hanbali", "--no-return"} << 2 << "the hanbali school returns";
        QTest::newRow("both_returns") << shoot("h=1") + QStringList{"--school=maliki", "--no-return", "--spouse-return"}
                                      << 2 << "contradict each other";
        QTest::newRow("school_of_a_case_file")
            << QStringList{"--screenshot", png, "--school", "maliki", "case.qismaru"} << 2 << "keeps its own";
        QTest::newRow("three_grandmothers_maliki") << shoot("gm=3 s=1") + QStringList{"--school", "maliki"} << 2
                                                   << "the maliki school lets at most 2 grandmothers";
        QTest::newRow("father_after_grandmothers")
            << shoot("gm=2 f=1") + QStringList{"--school", "maliki"} << 2 << "the father excludes his own mother";
        QTest::newRow("page_without_case") << QStringList{"--pdf", file("refused.pdf")} << 2 << "--pdf needs";
        QTest::newRow("unknown_window") << QStringList{"--screenshot", png, "--window", "nosuch"} << 2
                                        << "no window 'nosuch'";
        QTest::newRow("picture_not_written")
            << QStringList{"--screenshot", file("no/such/folder.png")} << 1 << "could not write the picture to";
        QTest::newRow("page_not_written")
            << QStringList{"--pdf", file("no/such/folder.pdf"), "--case", "h=1"} << 1 << "could not write the page to";
    }

    void refusesInOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        const Run run = runProgram(arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.errLines.size(), 1);
        QVERIFY2(run.errLines.first().startsWith("qismaru: ") && run.errLines.first().contains(said),
                 qPrintable(run.errLines.first()));
        QVERIFY(!run.errLines.first().contains(QChar(0x1b)));
        QVERIFY(!QFile::exists(file("refused.png")) && !QFile::exists(file("refused.pdf")));
    }

    // On a full disk the picture or the page is not written, the file of
    // that name stays as it was, nothing is left beside it, and the script
    // hears why in one line with status 1.
    void aFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("page") << "--pdf"
                              << "page.pdf"
                              << "could not write the page to";
        QTest::newRow("picture") << "--screenshot"
                                 << "main.png"
                                 << "could not write the picture to";
    }

    void aFullDiskKeepsTheOldFile()
    {
        QFETCH(QString, option);
        QFETCH(QString, name);
        QFETCH(QString, said);
        const QString disk = qEnvironmentVariable("QISMARU_FULL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small file system of its own: the test full_disk_pictures gives it one");
        QDir folder(disk);
        for (const QString& old : folder.entryList(QDir::Files | QDir::Hidden)) QVERIFY(folder.remove(old));
        const QString target = folder.filePath(name);
        const QByteArray old = "the file written before\n";
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        QVERIFY(testing::fillDisk(QFile::encodeName(folder.filePath("filler")).toStdString()));

        const Run run = runProgram({option, target, "--case", "h=1 m=1 f=1"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errLines.size(), 1);
        QVERIFY2(run.errLines.first().contains(said) && run.errLines.first().endsWith(": No space left on device"),
                 qPrintable(run.errLines.first()));
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList({"filler", name}));
    }

    void noDisplayIsOneLine_data()
    {
        QTest::addColumn<QStringList>("environment");
        // A display number nobody serves here.
        const QString dead = ":" + QString::number(QRandomGenerator::global()->bounded(500, 900));
        QTest::newRow("none") << QStringList{"-DISPLAY"};
        QTest::newRow("empty") << QStringList{"DISPLAY="};
        QTest::newRow("dead") << QStringList{"DISPLAY=" + dead};
        QTest::newRow("dead_chosen_by_the_user") << QStringList{"DISPLAY=" + dead, "QT_QPA_PLATFORM=xcb"};
    }

    void noDisplayIsOneLine()
    {
        QFETCH(QStringList, environment);
        const Run run =
            runProgram({}, environment + QStringList{"-QT_QPA_PLATFORM", "-WAYLAND_DISPLAY", "-XDG_SESSION_TYPE"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.errLines, QStringList{kNoDisplay});
    }

    void picturesAndPagesAreWritten()
    {
        // Both forms of an option's value; no display is needed for either.
        const QString picture = file("typical.png");
        const QString page = file("typical.pdf");
        const Run run =
            runProgram({"--screenshot=" + picture, "--pdf", page, "--case", "h=1 m=1 f=1", "--school", "shafii"},
                       {"-DISPLAY", "-QT_QPA_PLATFORM"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errLines, QStringList());
        QVERIFY(!QImage(picture).isNull());
        const QStringList words =
            ui::testing::comparableWords(ui::testing::textIn(page, QRectF(0, 0, 20 * 1440, 20 * 1440)));
        // A PDF file is titled in Arabic, as a reader lists it.
        QProcess info;
        info.start("pdfinfo", {page});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QString("Title:\\s+") + ui::kCasePageTitle)));
        // The 'Umariyyatan are answered alike by the four schools; the page names the one asked for.
        for (const char* expected : {"زوج", "أم", "أب", "الباقي", "ثلث", "6", "%50", "=أصل", "المسألة", "الشافعي"}) {
            QVERIFY2(words.contains(ui::testing::comparableWords(expected).constFirst()), expected);
        }
    }

    // Relatives by path are added as the relation builder adds them: the
    // daughter's two sons beside the wife, who keeps her whole quarter.
    void relativesByPathArePictured()
    {
        const QString page = file("kindred.pdf");
        const Run run = runProgram({"--pdf", page, "--case", "w=1 d.s=2"}, {"-DISPLAY", "-QT_QPA_PLATFORM"});
        QCOMPARE(run.status, 0);
        const QStringList words =
            ui::testing::comparableWords(ui::testing::textIn(page, QRectF(0, 0, 20 * 1440, 20 * 1440)));
        for (const char* expected : {"زوجة", "ابن", "بنت", "بالرحم", "8", "6"}) {
            QVERIFY2(words.contains(ui::testing::comparableWords(expected).constFirst()), expected);
        }
    }

    // The README's case file: opened, computed, and its estate distributed.
    void aCaseFileIsOpenedAndItsEstatePictured()
    {
        const QString picture = file("estate.png");
        const Run run = runProgram({"--screenshot", picture, "--window", "estate", QISMARU_WORKED_EXAMPLE});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.errLines, QStringList());
        QVERIFY(QImage(picture).width() > 400);
    }

    // A case file given at start is opened once the main window is shown,
    // so that its message (here: another school) appears over the window.
    void aCaseFileAtStartSpeaksOverTheShownWindow()
    {
        struct OverShownWindow : ui::MessageBoxes {
            QList<bool> shown;
            void inform(QWidget* parent, const QString&, const QString&) override
            {
                shown << (parent && parent->window()->isVisible());
            }
        } messages;
        const QString path = file("shafii.qismaru");
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(QByteArray::fromStdString(
            estate::caseFileText({{{HeirKind::Grandfather, 1}, {HeirKind::FullBrothers, 2}}, {}, {School::Shafii}})));
        written.close();
        ui::MainWindow main(messages);
        main.markWelcomeShown();
        openWhenShown(main, path);
        QCoreApplication::processEvents();
        QVERIFY(messages.shown.isEmpty());
        main.show();
        QTRY_COMPARE(messages.shown, QList<bool>{true});
        QCOMPARE(main.positions().school, School::Shafii);
    }

    void everyPicturedWindowOpens()
    {
        ui::RecordingMessageBoxes messages;
        for (const PicturedWindow& row : picturedWindows()) {
            ui::MainWindow main(messages);
            attachProgramWindows(main, messages);
            main.markWelcomeShown();
            main.show();
            // The distribution window follows Calculate when the case has an estate.
            auto* document = main.findChild<ui::CaseDocument*>();
            document->setEstate(estate::EstateInputs{100000, 0, 0, 0, false, 2});
            // The window of a case that waits follows Calculate: an unborn child beside them.
            const bool waits = QByteArray(row.name) == "waiting";
            if (waits)
                QCOMPARE(document->setWaiting(estate::WaitingEntry{UnbornChild{*relationNamed("s")}}), std::string());
            QVERIFY(enterAndCalculate(main, QString("h=1 m=1 f=1")));
            // The combined table follows a later death: the father dies, leaving his wife, the mother.
            const estate::LaterDeathEntry fatherDies{
                {1, HeirKind::Father}, {{HeirKind::Wives, 1}}, {{HeirKind::Wives, {1, HeirKind::Mother}}}};
            if (!waits) QCOMPARE(document->addLaterDeath(fatherDies), std::string());
            QWidget* window = row.open(main);
            QVERIFY2(window && window->isVisible(), row.name);
            QCOMPARE(window == &main, QByteArray(row.name) == "main");
            QVERIFY(!window->grab().isNull());
            QCOMPARE(findPicturedWindow(row.name), &row);
        }
    }
};

}  // namespace qismaru::app

QTEST_MAIN(qismaru::app::DesktopTest)
#include "desktop_test.moc"
