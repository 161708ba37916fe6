#include "app/desktop/program_windows.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include "app/version/version.h"
#include "help/help_windows.h"
#include "ui/case_menus.h"
#include "ui/case_printer.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/qt_arabic.h"
#include "ui/qt_text.h"
#include "ui/school_menu.h"
#include "ui/solution_window.h"
#include "ui/window_placement.h"

namespace qismaru::app {

void setUpApplication()
{
    QApplication::setApplicationName("qismaru");
    QApplication::setApplicationVersion(ui::fromView(kVersion));
    // Ties the window to its menu entry and icon in the desktop's task list.
    QGuiApplication::setDesktopFileName("io.github.qismaru.Qismaru");
    QApplication::setWindowIcon(QIcon::fromTheme("io.github.qismaru.Qismaru"));
    ui::speakArabic();
    ui::installFontSubstitutions();
}

void attachProgramWindows(ui::MainWindow& window, ui::MessageBoxes& messages)
{
    // exit(0), not quit(): quit() asks every window to close, and the main
    // window answers its close box with the exit question.
    help::attachHelpWindows(window, [] { QCoreApplication::exit(0); });
    ui::attachDefaultPrinter(window, messages);
    ui::rememberPositionsInUserSettings(window);
    ui::attachCaseDocument(window, messages);
    ui::attachSolutionWindow(window, messages);
    window.windowPlaces().keepIn(std::make_unique<QSettings>("qismaru", "qismaru"));
}

}  // namespace qismaru::app
