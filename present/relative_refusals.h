#pragma once

#include <span>
#include <string>

#include "engine/path_case.h"

namespace qismaru {

// Why a relative by path does not join the case, in the words the user
// reads (the desktop and the web page alike), or "": a path that names no
// relative of the deceased, or no heir of the emancipator's wala; a count
// out of range, or above one for one person; the same relative given
// twice. `entries` holds the case with the relative last.
std::string relativeEntryRefusalText(std::span<const RelativeEntry> entries);

// Why the school cannot divide a case by path as entered, in the user's
// words, or "" when it can: the reason the resolution gives (its English
// line serves the calculator).
std::string pathRefusalText(const Resolution& resolution, std::span<const RelativeEntry> entries, School school);

}  // namespace qismaru
