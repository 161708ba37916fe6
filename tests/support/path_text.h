#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/relative_case.h"

namespace qismaru::testing {

// "d=2 s.d=1 s.s.s=1" as the entries of a case written by path, in order.
inline std::vector<RelativeEntry> entriesOf(std::string_view text)
{
    std::vector<RelativeEntry> entries;
    std::istringstream in{std::string(text)};
    std::string item;
    while (in >> item) {
        const auto eq = item.find('=');
        if (eq == std::string::npos) throw std::invalid_argument("bad case text: " + item);
        const PathReading read = readRelative(item.substr(0, eq));
        if (!read.relative) throw std::invalid_argument(read.error);
        entries.push_back(relativeEntry(*read.relative, std::stoi(item.substr(eq + 1))));
    }
    return entries;
}

}  // namespace qismaru::testing
