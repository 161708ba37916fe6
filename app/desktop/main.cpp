// qismaru: the desktop program.
//
//   qismaru [FILE.qismaru]                        the main window, with a case file opened
//   qismaru --screenshot FILE [--case "h=1 m=1 f=1" | CASE.qismaru] [--window NAME]
//       pictures a window offscreen, after entering and computing the case
//       by pressing the main window's buttons (or opening the case file and
//       pressing Calculate), as a PNG image
//   qismaru --pdf FILE --case "h=1 m=1 f=1"
//       writes the printed page of the case as a PDF file, showing nothing
//   qismaru --quit-after-first-paint
//       starts as usual, prints when the main window was first painted and
//       quits: what scripts/startup-bench.sh measures
//   qismaru --version, --help

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "app/desktop/command_line.h"
#include "app/desktop/display_check.h"
#include "app/desktop/program_windows.h"
#include "app/desktop/scripted_run.h"
#include "app/desktop/terminal.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/main_window.h"

namespace {

using namespace qismaru;

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

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int runWindow(int& argc, char** argv, const app::DesktopRequest& request)
{
    const std::unique_ptr<QApplication> application = app::openOnDisplay(argc, argv);
    if (!application) {
        app::complain("no display to show the window on; qismaru-calc computes cases in a terminal.");
        return app::kExitFailed;
    }
    app::setUpApplication();

    ui::ModalMessageBoxes messages;
    ui::MainWindow window(messages);
    app::attachProgramWindows(window, messages);
    if (!request.caseFile.isEmpty()) app::openWhenShown(window, request.caseFile);
    if (request.quitAfterFirstPaint) new FirstPaintReporter(window);
    window.show();
    // Without a window manager nothing activates the new window, and the
    // welcome window waits for the main window's first activation.
    window.activateWindow();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    const app::CommandLine commandLine = app::readCommandLine(argumentsOf(argc, argv));
    if (!commandLine.request) {
        if (commandLine.exitStatus == app::kExitOk)
            app::say(commandLine.text);
        else
            app::complain(commandLine.text);
        return commandLine.exitStatus;
    }
    if (commandLine.request->scripted()) return app::runScripted(argc, argv, *commandLine.request);
    return runWindow(argc, argv, *commandLine.request);
}
