#pragma once

#include <QString>

namespace qismaru::app {

// `text` fit for one line of a terminal: control characters and the marks
// that reorder text are shown as escapes, and a long echo of the user's
// input is cut, so a complaint cannot spill over lines or rewrite them.
QString printableLine(const QString& text);

// "qismaru: <why>" as one line on standard error.
void complain(const QString& why);

// The help or the version, as they are, on standard output.
void say(const QString& text);

}  // namespace qismaru::app
