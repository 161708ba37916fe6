#pragma once

#include <QString>
#include <span>

class QWidget;

namespace qismaru::ui {
class MainWindow;
}

namespace qismaru::app {

// A window that `qismaru --screenshot FILE --window NAME` can picture, for
// the README and the package's screenshots. The main window holds the
// computed --case, if one was given, and every window the program attaches
// to it; `open` shows the window over it as a user would open it and returns
// it, or returns nothing when it could not be opened.
struct PicturedWindow {
    const char* name;         // the NAME of --window: one lower-case word
    const char* description;  // what the picture shows
    QWidget* (*open)(ui::MainWindow& main);
};

// Every window that can be pictured; a new window adds its row in pictured_windows.cpp.
std::span<const PicturedWindow> picturedWindows();

const PicturedWindow* findPicturedWindow(const QString& name);

// The shown top-level window named `objectName`, or nothing: how a row finds
// the window that its command opened.
QWidget* shownWindow(const char* objectName);

}  // namespace qismaru::app
