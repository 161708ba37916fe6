// The main window under a long random stream of presses: heir buttons,
// Calculate, Cancel last choice, New case, Print, and the count dialog's
// arrows, OK, Cancel and close box, pressed whether or not they make sense
// at that moment. After every event the case state must still be one the
// entry rules can produce, and the main window must be usable whenever no
// dialog is open over it.

#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "tests/print/scripted_fallback.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/attached_windows.h"
#include "ui/main/count_dialog.h"
#include "ui/main/main_window.h"
#include "ui/printing/case_printer.h"

namespace qismaru::ui {

namespace {

using enum HeirKind;

constexpr int kEvents = 3000;

// What is wrong with the case state, or "" when nothing is.
QString brokenInvariant(const CaseState& state)
{
    if (state.nextRow < 1 || state.nextRow > kHeirKindCount + 1) return "nextRow out of range";
    std::vector<bool> rowTaken(static_cast<std::size_t>(state.nextRow), false);
    int entered = 0;
    for (const HeirKindInfo& info : heirKinds()) {
        const int count = state.counts.of(info.kind);
        if (count < 0 || count > kMaxCount) return "count out of range";
        if (count == 0) continue;
        if (info.entry == EntryKind::Single && count != 1) return "a single kind counted";
        const auto row = state.entryRow[indexOf(info.kind)];
        if (!row || *row < 1 || *row >= state.nextRow) return "an entered kind outside rows 1 to nextRow - 1";
        if (rowTaken[static_cast<std::size_t>(*row)]) return "two entered kinds share a row";
        rowTaken[static_cast<std::size_t>(*row)] = true;
        ++entered;
    }
    if (entered != state.nextRow - 1) return "rows 1 to nextRow - 1 are not all entered kinds";
    if (state.counts.has(Husband) && state.counts.has(Wives)) return "husband with wives";
    if (state.counts.of(Wives) > kMaxWives) return "more than four wives";
    if (state.computed && state.nothingEntered()) return "a computed case with nothing entered";
    return "";
}

}  // namespace

class MainWindowAbuseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void randomPressesKeepTheCaseStateSound()
    {
        RecordingMessageBoxes messages;
        MainWindow window(messages);
        QTemporaryDir pages;
        QVERIFY(pages.isValid());
        int printed = 0;
        // Print goes through the real print path, to a PDF file.
        attachPrinter(window,
                      std::make_shared<CasePrinter>(messages, std::make_unique<testing::ScriptedFallback>(), [&] {
                          auto printer = std::make_unique<QPrinter>();
                          printer->setOutputFormat(QPrinter::PdfFormat);
                          printer->setOutputFileName(pages.filePath(QString::number(++printed) + ".pdf"));
                          return printer;
                      }));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        std::mt19937 random(20261208);  // fixed: a failure must reproduce
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        int computedCases = 0;
        for (int event = 0; event < kEvents; ++event) {
            QString what;
            CountDialog* dialog = window.countDialog();
            if (dialog && pick(4) != 0) {
                const char* controls[] = {design::kUpArrow,       design::kUpArrow,           design::kDownArrow,
                                          design::kCountOkButton, design::kCountCancelButton, "close box"};
                what = controls[pick(6)];
                if (what == "close box") {
                    dialog->close();
                } else {
                    const int times = what == design::kUpArrow ? 1 + pick(5) : 1;
                    for (int i = 0; i < times; ++i) {
                        QTest::mouseClick(dialog->findChild<QAbstractButton*>(what), Qt::LeftButton);
                    }
                }
            } else {
                const int choice = pick(kHeirKindCount + 8);
                if (choice < kHeirKindCount) {
                    what = QString("heir ") + infoOf(kindAt(choice)).code.data();
                    QTest::mouseClick(window.heirButton(kindAt(choice)), Qt::LeftButton);
                } else {
                    const char* commands[] = {design::kCalculateButton,  design::kCalculateButton,
                                              design::kCancelLastButton, design::kCancelLastButton,
                                              design::kNewCaseButton,    design::kNewCaseButton,
                                              design::kPrintButton,      design::kPrintButton};
                    what = commands[choice - kHeirKindCount];
                    QTest::mouseClick(window.findChild<QPushButton*>(what), Qt::LeftButton);
                }
            }
            QCoreApplication::processEvents();
            computedCases += what == design::kCalculateButton && window.caseState().computed;

            const QString context = QString("event %1 (%2)").arg(event).arg(what);
            const QString broken = brokenInvariant(window.caseState());
            QVERIFY2(broken.isEmpty(), qPrintable(context + ": " + broken));
            QVERIFY2(window.isEnabled() == !window.countDialog(), qPrintable(context + ": main window state"));
        }
        // The stream must have reached the states it claims to test.
        QVERIFY(computedCases > 50);
        QVERIFY(printed > 10);
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::MainWindowAbuseTest)
#include "main_window_abuse_test.moc"
