#include "app/desktop/pictured_windows.h"

#include <QApplication>
#include <QWidget>
#include <array>

#include "ui/document/case_document.h"
#include "ui/kit/design_names.h"
#include "ui/main/main_window.h"

namespace qismaru::app {

namespace {

using ui::MainWindow;

// Opens a secondary window through the main window's command for it, as the
// menu does, and finds it by its name.
QWidget* openedBy(const std::function<void()>& command, const char* objectName)
{
    if (!command) return nullptr;
    command();
    return shownWindow(objectName);
}

const std::array kPicturedWindows = {
    PicturedWindow{"main", "the main window, with the case entered and computed",
                   [](MainWindow& main) -> QWidget* { return &main; }},
    PicturedWindow{
        "welcome", "the welcome window of the first start",
        [](MainWindow& main) { return openedBy(main.secondaryWindows().welcome, ui::design::kWelcomeWindow); }},
    PicturedWindow{"help", "the explanation index (menu إيــضــــاح)",
                   [](MainWindow& main) {
                       return openedBy(main.secondaryWindows().explanationIndex, ui::design::kExplanationIndex);
                   }},
    PicturedWindow{"about", "the About window (menu نبذة)",
                   [](MainWindow& main) { return openedBy(main.secondaryWindows().about, ui::design::kAboutWindow); }},
    PicturedWindow{
        "exit", "the exit confirmation (menu الخروج)",
        [](MainWindow& main) { return openedBy(main.secondaryWindows().exitConfirmation, ui::design::kExitWindow); }},
    PicturedWindow{
        "steps", "the step-by-step solution of the computed case (menu خطوات الحل)",
        [](MainWindow& main) { return openedBy(main.secondaryWindows().solutionSteps, ui::design::kSolutionWindow); }},
    PicturedWindow{
        "schools", "the page on where the four schools differ (menu المذهب)",
        [](MainWindow& main) { return openedBy(main.secondaryWindows().schoolsHelp, ui::design::kSchoolsWindow); }},
    // The builder as it names a relative while he grows: the father's full
    // brother's son; a case file with relatives by path lists them in it.
    PicturedWindow{"relative", "the relation builder (menu ملف, قريب آخر…), building a cousin step by step",
                   [](MainWindow& main) -> QWidget* {
                       main.document().enterRelative();
                       ui::RelationDialog* builder = main.document().relationDialog();
                       if (!builder) return nullptr;
                       for (const Link link : {Link::Father, Link::FullBrother, Link::Son}) builder->step(link);
                       return builder;
                   }},
    // Calculate opens it for a case with an estate: give a case file that has one.
    PicturedWindow{"estate", "the distribution of the estate of a case file, after Calculate",
                   [](MainWindow&) { return shownWindow(ui::design::kEstateWindow); }},
    // Calculate opens it for a case with later deaths: give a case file that has them.
    // Calculate opens it for a case that waits: give a case file that marks one.
    PicturedWindow{"waiting", "the division of a case file that waits (an unborn child), after Calculate",
                   [](MainWindow&) { return shownWindow(ui::design::kWaitingWindow); }},
    PicturedWindow{"combined", "the combined table (الجامعة) of a case file with later deaths, after Calculate",
                   [](MainWindow&) { return shownWindow(ui::design::kCombinedWindow); }},
};

}  // namespace

std::span<const PicturedWindow> picturedWindows() { return kPicturedWindows; }

const PicturedWindow* findPicturedWindow(const QString& name)
{
    for (const PicturedWindow& window : kPicturedWindows) {
        if (name == QLatin1String(window.name)) return &window;
    }
    return nullptr;
}

QWidget* shownWindow(const char* objectName)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QLatin1String(objectName)) return window;
    }
    return nullptr;
}

}  // namespace qismaru::app
