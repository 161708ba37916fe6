// The printed page of a computed case, and what Print does when there is no
// printer: the pages are written as PDF files and read back as pixels.

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/desktop/scripted_case.h"
#include "present/result_table.h"
#include "tests/print/page_raster.h"
#include "tests/print/scripted_fallback.h"
#include "ui/case_printer.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/print_layout.h"
#include "ui/result_area.h"

Q_DECLARE_METATYPE(qismaru::ui::PrintOutcome)

namespace qismaru::ui {

namespace {

using testing::mismatchedPixels;
using testing::onlyPageOf;
using testing::rulingFault;
using testing::ScriptedFallback;

// A "default printer" that writes its pages into a file, from the paper's corner.
std::unique_ptr<QPrinter> pdfPrinter(const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setFullPage(true);
    return printer;
}

// The layout as the page must show it: Form26 with the case's paper table.
QImage expectedLayout(MainWindow& window)
{
    const auto form26 = createPrintLayout();
    drawPlacedTexts(*form26, layoutResultTable(window.caseState().counts, window.caseResult(), TableMedium::Paper));
    return form26->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
    void pressPrint() { window_->findChild<QPushButton*>("Command1")->click(); }

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

    void pageReproducesTheLayout_data()
    {
        QTest::addColumn<QString>("counts");
        QTest::newRow("husband_mother_father") << "h=1 m=1 f=1";
        QTest::newRow("paper_puts_sons_before_father") << "m=1 f=1 s=1 d=1";
        QTest::newRow("uterine_siblings_named_without_blank") << "m=1 bm=2 b=1";
        QTest::newRow("increase_line") << "h=1 si=2 m=1";
        QTest::newRow("return_and_correction_lines") << "d=3";
    }

    void pageReproducesTheLayout()
    {
        QFETCH(QString, counts);
        computeCase(counts);
        const QString pdf = file(QTest::currentDataTag() + QString(".pdf"));
        defaultPrinter_ = [pdf] { return pdfPrinter(pdf); };
        pressPrint();
        QCOMPARE(messages_.texts, QStringList());
        QCOMPARE(fallback_->offers, QStringList());

        const QImage page = onlyPageOf(pdf);
        QVERIFY(!page.isNull());
        const QImage expected = expectedLayout(*window_);
        // The page shows the layout pixel for pixel (none differ here); a text
        // drawn a blank wider or in another row differs in dozens of pixels.
        const int mismatches = mismatchedPixels(page, expected);
        QVERIFY2(mismatches <= 5, qPrintable(QString::number(mismatches)));
        QPointF corner;
        const QString fault = rulingFault(page, &corner);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(qAbs(corner.x()) <= 1.5 && qAbs(corner.y()) <= 1.5);
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
        for (const QWidget* w : QApplication::topLevelWidgets()) QVERIFY(w->objectName() != "Form26");
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

        QCOMPARE(printer_->print(window_->caseState().counts, window_->caseResult(), window_.get()), outcome);
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

    void defaultPrinterIsNativeOrNone()
    {
        const std::unique_ptr<QPrinter> printer = openDefaultPrinter();
        QCOMPARE(printer == nullptr, QPrinterInfo::defaultPrinter().isNull());
        if (printer) QCOMPARE(printer->outputFormat(), QPrinter::NativeFormat);
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::PrintPageTest)
#include "print_page_test.moc"
