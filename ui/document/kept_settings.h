#pragma once

#include <QStringList>
#include <memory>

#include "model/positions.h"

class QSettings;

namespace qismaru::ui {

// What the program keeps between runs in the user's settings: the school and
// positions, and the recent case files. Read so that a damaged or
// hand-edited file gives the defaults and a short list, never a switch read
// as on from "no", nor a menu of thousands of files.

// A value this program did not write is taken as its default: a school it
// does not know as the Hanafi one, a switch that is not "true" as off.
Positions keptPositions(const QSettings& settings);
void keepPositions(QSettings& settings, const Positions& positions);

// The user's settings of this program, where everything above is kept.
std::unique_ptr<QSettings> userSettings();

// At most `kept` files, newest first: absolute paths, each once.
QStringList keptRecentFiles(const QSettings& settings, int kept);
void keepRecentFiles(QSettings& settings, const QStringList& files);

}  // namespace qismaru::ui
