// The printed page of a computed case, and what Print does when there is no
// printer: the pages are written as PDF files and read back as text, with
// the place of every word, and as pixels for the ruling.

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/desktop/scripted_case.h"
#include "present/positions_text.h"
#include "present/result_table.h"
#include "present/table_ruling.h"
#include "tests/print/page_raster.h"
#include "tests/print/page_text.h"
#include "tests/print/scripted_fallback.h"
#include "ui/document/case_document.h"
#include "ui/kit/design_names.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/attached_windows.h"
#include "ui/main/main_window.h"
#include "ui/printing/case_printer.h"

Q_DECLARE_METATYPE(qismaru::ui::PrintOutcome)

namespace qismaru::ui {

namespace {

using testing::comparableWords;
using testing::onlyPageOf;
using testing::PageWord;
using testing::rulingFault;
using testing::ScriptedFallback;
using testing::textIn;
using testing::wordsOnPage;

// A "default printer" that writes its pages into a file, from the paper's corner.
std::unique_ptr<QPrinter> pdfPrinter(const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setFullPage(true);
    return printer;
}

// Where a placed text may stand on the page, in twips: from just before its
// anchor to the room its column leaves, or to the next text of its line.
QRectF cellOf(const PlacedText& item, const std::vector<PlacedText>& all)
{
    constexpr int kSlack = 30;
    int right = item.x + roomRightOf(item, TableMedium::Paper);
    for (const PlacedText& other : all) {
        if (other.y == item.y && other.x > item.x) right = std::min(right, other.x - kSlack);
    }
    return QRectF(QPointF(item.x - kSlack, item.y - kSlack), QPointF(right, item.y + table_geometry::kRowStep));
}

// The leftmost edge of the words whose middle lies in `cell`.
double leftEdgeIn(const QList<PageWord>& words, const QRectF& cell)
{
    double left = cell.right();
    for (const PageWord& word : words) {
        if (cell.contains(word.box.center())) left = std::min(left, word.box.left());
    }
    return left;
}

// The first word that reaches into a vertical rule of the grid, or nothing.
std::optional<QString> wordOnARule(const QList<PageWord>& words)
{
    for (const RuledLine& rule : tableRuling(TableMedium::Paper)) {
        if (rule.x1 != rule.x2) continue;
        const double half = rule.widthPixels * 15 / 2.0;
        const QRectF band(QPointF(rule.x1 - half, std::min(rule.y1, rule.y2)),
                          QPointF(rule.x1 + half, std::max(rule.y1, rule.y2)));
        for (const PageWord& word : words) {
            if (word.box.intersects(band))
                return word.text + " on " +
                       QString::fromUtf8(rule.name.data(), static_cast<qsizetype>(rule.name.size()));
        }
    }
    return std::nullopt;
}

}  // namespace

class PrintPageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    RecordingMessageBoxes messages_;
    std::unique_ptr<MainWindow> window_;
    std::shared_ptr<CasePrinter> printer_;  // behind the window's Print button
    ScriptedFallback* fallback_ = nullptr;  // owned by the printer
    std::function<std::unique_ptr<QPrinter>()> defaultPrinter_;
    int printersOpened_ = 0;

    QString file(const QString& name) const { return folder_.filePath(name); }
    void computeCase(const QString& counts)
    {
        QVERIFY(app::enterAndCalculate(*window_, counts));
        messages_.texts.clear();  // the named-case announcements
    }
    void pressPrint() { window_->findChild<QPushButton*>(ui::design::kPrintButton)->click(); }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(folder_.isValid());
    }

    void init()
    {
        window_ = std::make_unique<MainWindow>(messages_);
        window_->markWelcomeShown();
        messages_.texts.clear();
        printersOpened_ = 0;
        auto fallback = std::make_unique<ScriptedFallback>();
        fallback_ = fallback.get();
        printer_ = std::make_shared<CasePrinter>(messages_, std::move(fallback), [this] {
            ++printersOpened_;
            return defaultPrinter_();
        });
        attachPrinter(*window_, printer_);
    }

    void pageShowsEveryTextInItsColumn_data()
    {
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("school");
        QTest::newRow("husband_mother_father") << "h=1 m=1 f=1"
                                               << "hanafi";
        QTest::newRow("paper_puts_sons_before_father") << "m=1 f=1 s=1 d=1"
                                                       << "hanafi";
        QTest::newRow("uterine_siblings_named_without_blank") << "m=1 bm=2 b=1"
                                                              << "hanafi";
        QTest::newRow("increase_line") << "h=1 si=2 m=1"
                                       << "hanafi";
        QTest::newRow("return_and_correction_lines") << "d=3"
                                                     << "hanafi";
        QTest::newRow("sixteen_digit_parts") << "w=4 gm=32587 d=32531 gs=32561 gd=92"
                                             << "hanafi";
        QTest::newRow("long_names_large_counts") << "gm=32767 bm=32767 sb=32767"
                                                 << "hanafi";
        QTest::newRow("school_named_beside_the_totals") << "h=1 si=2 m=1 bm=3"
                                                        << "hanbali";
    }

    void pageShowsEveryTextInItsColumn()
    {
        QFETCH(QString, counts);
        QFETCH(QString, school);
        window_->setPositions({*schoolFromKey(school.toStdString())});
        computeCase(counts);
        const QString pdf = file(QTest::currentDataTag() + QString(".pdf"));
        defaultPrinter_ = [pdf] { return pdfPrinter(pdf); };
        pressPrint();
        QCOMPARE(messages_.texts, QStringList());
        QCOMPARE(fallback_->offers, QStringList());

        // The ruling at its natural size, from the corner of the paper.
        const QImage page = onlyPageOf(pdf);
        QVERIFY(!page.isNull());
        QPointF corner;
        const QString fault = rulingFault(page, &corner);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(qAbs(corner.x()) <= 1.5 && qAbs(corner.y()) <= 1.5);

        // Every text whole and readable in its own cell, starting at its
        // anchor (or a blank after it, where a sign would stand).
        const QList<PageWord> words = wordsOnPage(pdf);
        auto items = layoutResultTable(window_->caseState().counts, window_->caseResult(), TableMedium::Paper);
        items.push_back(positionsOnPage(window_->positions()));
        for (const PlacedText& item : items) {
            const QRectF cell = cellOf(item, items);
            const QString expected = QString::fromStdString(item.text);
            QCOMPARE(comparableWords(textIn(pdf, cell)), comparableWords(expected));
            const double left = leftEdgeIn(words, cell);
            QVERIFY2(left >= item.x - 15 && left <= item.x + 60, qPrintable(expected));
        }
        const auto stray = wordOnARule(words);
        QVERIFY2(!stray, qPrintable(stray.value_or(QString())));
    }

    void printIsIgnoredUntilACaseIsComputed()
    {
        defaultPrinter_ = [this] { return pdfPrinter(file("ignored.pdf")); };
        pressPrint();
        computeCase("h=1 m=1 f=1");
        window_->newCase();
        pressPrint();
        QCOMPARE(printersOpened_, 0);
        QCOMPARE(messages_.texts, QStringList());
        QVERIFY(!QFile::exists(file("ignored.pdf")));
    }

    void printingTwiceGivesTheSamePageAndLeavesTheWindowAlone()
    {
        computeCase("w=1 d=2 f=1 m=1");
        const QImage table = window_->resultArea()->image();
        defaultPrinter_ = [this] { return pdfPrinter(file("first.pdf")); };
        pressPrint();
        defaultPrinter_ = [this] { return pdfPrinter(file("second.pdf")); };
        pressPrint();

        QCOMPARE(printersOpened_, 2);
        const QImage first = onlyPageOf(file("first.pdf"));
        QVERIFY(!first.isNull());
        QCOMPARE(onlyPageOf(file("second.pdf")), first);
        QCOMPARE(window_->resultArea()->image(), table);
        QVERIFY(window_->caseState().computed);
    }

    void withoutAPrinterTheUserMaySaveAPdf_data()
    {
        QTest::addColumn<bool>("printerExists");  // false: none; true: its job cannot start
        QTest::addColumn<bool>("acceptOffer");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::newRow("no_printer_saved") << false << true << "saved.pdf" << PrintOutcome::SavedAsPdf;
        QTest::newRow("job_cannot_start_saved") << true << true << "saved.pdf" << PrintOutcome::SavedAsPdf;
        QTest::newRow("offer_declined") << false << false << "saved.pdf" << PrintOutcome::NotPrinted;
        QTest::newRow("file_dialog_cancelled") << false << true << QString() << PrintOutcome::NotPrinted;
        QTest::newRow("file_cannot_be_written") << true << true << "no-folder/saved.pdf" << PrintOutcome::SaveFailed;
    }

    void withoutAPrinterTheUserMaySaveAPdf()
    {
        QFETCH(bool, printerExists);
        QFETCH(bool, acceptOffer);
        QFETCH(QString, fileName);
        QFETCH(PrintOutcome, outcome);
        computeCase("h=1 m=1 f=1");
        const QImage table = window_->resultArea()->image();
        const QString target = fileName.isEmpty() ? QString() : file(QTest::currentDataTag() + fileName);
        fallback_->acceptOffer = acceptOffer;
        fallback_->fileName = target;
        // A job that cannot start, whatever print system the machine has: a
        // printer writing into a folder that does not exist.
        defaultPrinter_ = [this, printerExists] {
            return printerExists ? pdfPrinter(file("no-such-folder/page.pdf")) : nullptr;
        };

        const ResultTable paper = window_->document().answer().table(TableMedium::Paper);
        QCOMPARE(printer_->print({paper, window_->positions()}, window_.get()), outcome);
        QCOMPARE(fallback_->offers.size(), 1);
        QVERIFY(fallback_->offers.first().contains(printerExists ? "تعذر بدء الطباعة" : "لا توجد طابعة"));
        QCOMPARE(fallback_->fileDialogs, acceptOffer ? 1 : 0);
        const bool failed = outcome == PrintOutcome::SaveFailed;
        QCOMPARE(messages_.texts.size(), failed ? 1 : 0);
        if (failed) QVERIFY(messages_.texts.first().contains(target));
        QCOMPARE(QFile::exists(target), outcome == PrintOutcome::SavedAsPdf);
        if (outcome == PrintOutcome::SavedAsPdf) {
            const QImage page = onlyPageOf(target);
            QVERIFY(!page.isNull());
            QPointF corner;
            const QString fault = rulingFault(page, &corner);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
        QCOMPARE(window_->resultArea()->image(), table);
        QVERIFY(window_->caseState().computed);
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::PrintPageTest)
#include "print_page_test.moc"
