#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "model/positions.h"

namespace qismaru::app {

// Exit statuses of qismaru, the same as qismaru-calc's where they mean the same.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // no display to open the window on, or a file that could not be written
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitBeyondExactRange = 3;

// What the desktop program was asked to do.
struct DesktopRequest {
    QString screenshotFile;           // picture a window into this PNG file
    QString pdfFile;                  // write the printed page of the case into this PDF file
    std::optional<QString> caseText;  // "h=1 m=1 f=1": the case to enter and compute first
    QString windowName;               // the window to picture; the main window by default
    QString caseFile;                 // a .qismaru file to open (and, for a picture, to compute)
    Positions positions;              // the school and positions the --case is answered by
    bool quitAfterFirstPaint = false;

    // Works offscreen and ends by itself: a picture, a page, or both.
    bool scripted() const { return !screenshotFile.isEmpty() || !pdfFile.isEmpty(); }
};

// The command line read, or what to say instead: the help or the version for
// standard output (status 0), or why it is refused, for one line on standard
// error (status 2).
struct CommandLine {
    std::optional<DesktopRequest> request;
    QString text;
    int exitStatus = kExitOk;
};

// Reads the arguments after the program's name. Both "--screenshot FILE" and
// "--screenshot=FILE" are understood; an option given twice, an unknown
// option, a stray argument or an option without the mode it belongs to is
// refused.
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace qismaru::app
