// qismaru: the desktop program.
//
//   qismaru                                      the main window
//   qismaru --screenshot FILE [--case "h=1 m=1 f=1"]
//       renders the main window offscreen, after entering and computing the
//       case by pressing its buttons, and saves it as a PNG image

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "app/desktop/scripted_case.h"
#include "help/help_windows.h"
#include "ui/case_printer.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace {

bool displayAvailable()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

bool wantsScreenshot(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--screenshot") return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool screenshot = wantsScreenshot(argc, argv);
    if (screenshot && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!screenshot && !displayAvailable()) {
        std::fputs("qismaru: no display to show the window on; qismaru-calc computes cases in a terminal.\n", stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("qismaru");
    QApplication::setLayoutDirection(Qt::RightToLeft);
    qismaru::ui::installFontSubstitutions();

    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({"screenshot", "Render the main window offscreen into <file> (PNG) and quit.", "file"});
    options.addOption({"case", "The case to enter and compute first, e.g. \"h=1 m=1 f=1\".", "counts"});
    options.process(app);

    if (screenshot) {
        qismaru::ui::RecordingMessageBoxes messages;
        qismaru::ui::MainWindow window(messages);
        window.caseState().welcomeShown = 1;  // the picture shows the main window alone
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
    window.show();
    // Without a window manager nothing activates the new window, and the
    // welcome window waits for the main window's first activation.
    window.activateWindow();
    return QApplication::exec();
}
