#pragma once

class QString;

namespace qismaru::ui {
class MainWindow;
class MessageBoxes;
}  // namespace qismaru::ui

namespace qismaru::app {

// What the program sets up once its application object exists: its name and
// version, its icon, the right-to-left layout with Qt's own Arabic texts, and
// the Arabic fonts.
void setUpApplication();

// Gives the main window every window it opens (help, About, welcome, exit,
// printing, the solution steps, the estate and the case files), in the
// program and in its pictures alike.
void attachProgramWindows(ui::MainWindow& window, ui::MessageBoxes& messages);

// Opens the case file given at start once the main window is on the screen,
// so that what opening it says (another school, a file refused) is said
// over the window, not alone at a corner of the screen.
void openWhenShown(ui::MainWindow& window, const QString& caseFile);

}  // namespace qismaru::app
