// Print through the machine's real print system. scripts/start-print-queue.sh
// makes a cups-pdf queue the default printer; cups-pdf turns each job into a
// PDF file in the folder its configuration names. Without such a queue the
// test is skipped, and says so: a physical default printer would waste paper.

#include <pwd.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "app/desktop/scripted_case.h"
#include "tests/print/page_raster.h"
#include "tests/print/scripted_fallback.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/attached_windows.h"
#include "ui/main/main_window.h"
#include "ui/printing/case_printer.h"

namespace qismaru::ui {

namespace {

// The `Out` folder of /etc/cups/cups-pdf.conf, for jobs of the user running
// the test; cups-pdf's own default is ${HOME}/PDF.
QString cupsPdfFolder()
{
    QString folder = "${HOME}/PDF";
    QFile conf("/etc/cups/cups-pdf.conf");
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression out(R"(^\s*Out\s+(\S.*?)\s*$)");
        for (const QString& line : QString::fromUtf8(conf.readAll()).split('\n')) {
            if (const auto match = out.match(line); match.hasMatch()) folder = match.captured(1);
        }
    }
    const passwd* user = getpwuid(getuid());
    return folder.replace("${HOME}", user ? user->pw_dir : QDir::homePath())
        .replace("${USER}", user ? user->pw_name : "");
}

QStringList pdfsIn(const QString& folder) { return QDir(folder).entryList({"*.pdf"}, QDir::Files); }

}  // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void printButtonSendsOnePageToTheDefaultQueue()
    {
        const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        if (queue.isNull() || !queue.makeAndModel().contains("CUPS-PDF")) {
            QSKIP("no cups-pdf queue is the default printer (scripts/start-print-queue.sh adds one)");
        }
        installFontSubstitutions();
        const QString folder = cupsPdfFolder();
        const QStringList before = pdfsIn(folder);

        RecordingMessageBoxes messages;
        MainWindow window(messages);
        window.markWelcomeShown();
        auto fallback = std::make_unique<testing::ScriptedFallback>();
        const testing::ScriptedFallback& offers = *fallback;
        attachPrinter(window, std::make_shared<CasePrinter>(messages, std::move(fallback)));
        QVERIFY(app::enterAndCalculate(window, "h=1 m=1 f=1"));
        messages.texts.clear();
        window.findChild<QPushButton*>(ui::design::kPrintButton)->click();
        QCOMPARE(offers.offers, QStringList());
        QCOMPARE(messages.texts, QStringList());

        // cups-pdf writes the file a few seconds after the job is queued; a
        // file still being written does not rasterise yet.
        QImage page;
        QString printed;
        for (QDeadlineTimer deadline(30'000); page.isNull() && !deadline.hasExpired(); QTest::qWait(250)) {
            for (const QString& name : pdfsIn(folder)) {
                if (before.contains(name)) continue;
                printed = QDir(folder).filePath(name);
                page = testing::onlyPageOf(printed);
            }
        }
        QVERIFY2(!page.isNull(), qPrintable("no one-page PDF appeared in " + folder + " within 30 s"));
        QPointF corner;
        const QString fault = testing::rulingFault(page, &corner);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QFile::remove(printed);
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::CupsPrintTest)
#include "cups_print_test.moc"
