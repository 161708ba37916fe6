#include "help/help_windows.h"

#include <QPointer>
#include <utility>

#include "help/about_window.h"
#include "help/exit_window.h"
#include "help/explanation_index.h"
#include "help/schools_window.h"
#include "help/welcome_window.h"
#include "ui/kit/window_placement.h"
#include "ui/main/main_window.h"

namespace qismaru::help {

namespace {

// Opens each window when it is first asked for and brings it to the front
// while it is open. Owned by the main window, so that windows still open
// when the program ends go with it.
class HelpWindows : public QObject {
public:
    HelpWindows(ui::MainWindow& main, std::function<void()> endProgram)
        : QObject(&main), main_(main), endProgram_(std::move(endProgram))
    {
    }

    ~HelpWindows() override
    {
        delete welcome_.data();
        delete about_.data();
        delete exit_.data();
        delete index_.data();
        delete schools_.data();
    }

    void openWelcome()
    {
        present(welcome_, [&] { return new WelcomeWindow(main_); });
    }
    void openAbout()
    {
        present(about_, [&] { return new AboutWindow(main_); });
    }
    void openExitConfirmation()
    {
        present(exit_, [&] { return new ExitWindow(main_, endProgram_); });
    }
    void openExplanationIndex()
    {
        present(index_, [&] { return new ExplanationIndex(main_, main_.positions()); });
    }

    // Beside the main window, which stays usable: the user may switch the
    // school and read on.
    void openSchools()
    {
        if (!schools_) {
            schools_ = new SchoolsWindow(main_.positions());
            connect(&main_, &ui::MainWindow::positionsChanged, schools_.data(), &SchoolsWindow::showChosen);
        }
        main_.windowPlaces().showBeside(*schools_, main_);
    }

private:
    template <typename Window, typename Create>
    static void present(QPointer<Window>& window, Create create)
    {
        if (!window) window = create();
        window->present();
    }

    ui::MainWindow& main_;
    std::function<void()> endProgram_;
    QPointer<WelcomeWindow> welcome_;
    QPointer<AboutWindow> about_;
    QPointer<ExitWindow> exit_;
    QPointer<ExplanationIndex> index_;
    QPointer<SchoolsWindow> schools_;
};

}  // namespace

void attachHelpWindows(ui::MainWindow& main, std::function<void()> endProgram)
{
    auto* windows = new HelpWindows(main, endProgram);
    ui::SecondaryWindows& secondary = main.secondaryWindows();
    secondary.welcome = [windows] { windows->openWelcome(); };
    secondary.exitConfirmation = [windows] { windows->openExitConfirmation(); };
    secondary.endProgram = endProgram;
    secondary.about = [windows] { windows->openAbout(); };
    secondary.explanationIndex = [windows] { windows->openExplanationIndex(); };
    secondary.schoolsHelp = [windows] { windows->openSchools(); };
}

}  // namespace qismaru::help
