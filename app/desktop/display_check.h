#pragma once

#include <QApplication>
#include <memory>

namespace qismaru::app {

// The application on the user's display, or nothing when there is no display
// to open a window on: none configured, an empty DISPLAY, or a display that
// does not answer. Qt itself would end the program with a five-line message
// and an abort in the last two cases; here Qt is offered a last-resort
// offscreen platform, and landing on it means there was no display.
std::unique_ptr<QApplication> openOnDisplay(int& argc, char** argv);

}  // namespace qismaru::app
