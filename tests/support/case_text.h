#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/heir_kind.h"

namespace qismaru::testing {

// "h=1 m=1 f=1" as kind counts, for writing cases in tests as a teacher writes them.
inline KindCounts countsOf(std::string_view text)
{
    KindCounts counts;
    std::istringstream in{std::string(text)};
    std::string item;
    while (in >> item) {
        const auto eq = item.find('=');
        const auto kind = kindFromCode(item.substr(0, eq));
        if (eq == std::string::npos || !kind) throw std::invalid_argument("bad case text: " + item);
        counts.set(*kind, std::stoi(item.substr(eq + 1)));
    }
    return counts;
}

// The counts back as "h=1 m=1 f=1", in kind order, for naming a failing case.
inline std::string textOf(const KindCounts& counts)
{
    std::string text;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!counts.has(info.kind)) continue;
        if (!text.empty()) text += ' ';
        text += std::string(info.code) + "=" + std::to_string(counts.of(info.kind));
    }
    return text;
}

}  // namespace qismaru::testing
