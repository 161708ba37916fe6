#include "app/desktop/program_windows.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>

#include "help/help_windows.h"
#include "packaging/version.h"
#include "ui/document/case_document.h"
#include "ui/document/kept_settings.h"
#include "ui/kit/fonts.h"
#include "ui/kit/qt_arabic.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/window_placement.h"
#include "ui/main/attached_windows.h"
#include "ui/main/case_menus.h"
#include "ui/main/main_window.h"
#include "ui/main/school_menu.h"
#include "ui/printing/case_printer.h"
#include "ui/reports/solution_window.h"

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

namespace {

// Waits for the window's first showing, then opens the file once the
// window system has had the window.
class OpenWhenShown : public QObject {
public:
    OpenWhenShown(ui::MainWindow& window, QString caseFile)
        : QObject(&window), window_(window), caseFile_(std::move(caseFile))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                window_.document().open(caseFile_);
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ui::MainWindow& window_;
    QString caseFile_;
};

}  // namespace

void openWhenShown(ui::MainWindow& window, const QString& caseFile) { new OpenWhenShown(window, caseFile); }

void attachProgramWindows(ui::MainWindow& window, ui::MessageBoxes& messages)
{
    // exit(0), not quit(): quit() asks every window to close, and the main
    // window answers its close box with the exit question.
    help::attachHelpWindows(window, [] { QCoreApplication::exit(0); });
    ui::attachDefaultPrinter(window, messages);
    ui::rememberPositionsInUserSettings(window);
    ui::attachCaseDocument(window, messages);
    ui::attachSolutionWindow(window, messages);
    window.windowPlaces().keepIn(ui::userSettings());
}

}  // namespace qismaru::app
