#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/case_file.h"

namespace qismaru::estate {

// A case file opened as the desktop window and the web page open one: read,
// then its heirs entered one by one under the file's school, as the buttons
// and the count dialog would enter them; or refused with one Arabic sentence.
struct OpenedCase {
    std::optional<CaseState> state;
    std::optional<CaseFile> file;
    std::string problem;

    bool ok() const { return state.has_value(); }
};

OpenedCase openCaseFile(std::string_view text);
// The same for a file already read (from disk, with its own refusals).
OpenedCase openCaseFile(const CaseFileReading& reading);

// Said after opening a file saved under other positions than the ones
// chosen: the case is answered by the file's, and the choice follows them.
std::string positionsTakenFromFileText(const Positions& kept);

}  // namespace qismaru::estate
