// qismaru: the desktop program.
//
//   qismaru                                      the main window
//   qismaru --screenshot FILE [--case "h=1 m=1 f=1"]
//       renders the main window offscreen, after entering and computing the
//       case by pressing its buttons, and saves it as a PNG image
//   qismaru --quit-after-first-paint
//       starts as usual, prints when the main window was first painted and
//       quits: what scripts/startup-bench.sh measures
//   qismaru --version

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/desktop/scripted_case.h"
#include "app/version/version.h"
#include "help/help_windows.h"
#include "ui/case_printer.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/solution_window.h"

namespace {

bool displayAvailable()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

bool hasArgument(int argc, char** argv, std::string_view wanted)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == wanted) return true;
    }
    return false;
}

// Watches the main window for its first paint, then prints the wall-clock
// time of it, so that a script can subtract the time it started the program,
// and ends the program once the painted frame is out.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-paint-ns: %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    const bool screenshot = hasArgument(argc, argv, "--screenshot");
    const bool informationOnly = hasArgument(argc, argv, "--version") || hasArgument(argc, argv, "--help") ||
                                 hasArgument(argc, argv, "-h") || hasArgument(argc, argv, "-v");
    // A screenshot, the version and the help text need no display of their own.
    if ((screenshot || informationOnly) && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!screenshot && !displayAvailable()) {
        std::fputs("qismaru: no display to show the window on; qismaru-calc computes cases in a terminal.\n", stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("qismaru");
    QApplication::setApplicationVersion(QString::fromUtf8(qismaru::kVersion.data(), qismaru::kVersion.size()));
    // Ties the window to its menu entry and icon in the desktop's task list.
    QGuiApplication::setDesktopFileName("io.github.qismaru.Qismaru");
    QApplication::setWindowIcon(QIcon::fromTheme("io.github.qismaru.Qismaru"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    qismaru::ui::installFontSubstitutions();

    QCommandLineParser options;
    options.addHelpOption();
    options.addVersionOption();
    options.addOption({"screenshot", "Render the main window offscreen into <file> (PNG) and quit.", "file"});
    options.addOption({"case", "The case to enter and compute first, e.g. \"h=1 m=1 f=1\".", "counts"});
    options.addOption({"quit-after-first-paint", "Start as usual, print the time of the first paint and quit."});
    options.process(app);

    if (screenshot) {
        qismaru::ui::RecordingMessageBoxes messages;
        qismaru::ui::MainWindow window(messages);
        window.markWelcomeShown();  // the picture shows the main window alone
        window.show();
        if (options.isSet("case") && !qismaru::app::enterAndCalculate(window, options.value("case"))) {
            std::fputs("qismaru: --case wants CODE=N items, for example \"h=1 m=1 f=1\"\n", stderr);
            return 2;
        }
        return window.grab().save(options.value("screenshot"), "PNG") ? 0 : 1;
    }

    qismaru::ui::ModalMessageBoxes messages;
    qismaru::ui::MainWindow window(messages);
    // exit(0), not quit(): quit() asks every window to close, and the main
    // window answers its close box with the exit question.
    qismaru::help::attachHelpWindows(window, [] { QCoreApplication::exit(0); });
    qismaru::ui::attachDefaultPrinter(window, messages);
    qismaru::ui::attachSolutionWindow(window, messages);
    if (options.isSet("quit-after-first-paint")) new FirstPaintReporter(window);
    window.show();
    // Without a window manager nothing activates the new window, and the
    // welcome window waits for the main window's first activation.
    window.activateWindow();
    return QApplication::exec();
}
