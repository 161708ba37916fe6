#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "engine/successive_deaths.h"
#include "tests/support/case_text.h"
#include "tests/support/path_text.h"

namespace qismaru::testing {

inline GroupRef ref(std::string_view text) { return *refFromText(text); }

// A later death as a teacher writes it: who died ("1:s"), his heirs
// ("m=1 si=1") and which of them are earlier heirs ({"m", "1:w"}).
inline LaterDeath died(std::string_view deceased, std::string_view heirs,
                       std::vector<std::pair<std::string_view, std::string_view>> same = {})
{
    LaterDeath later{ref(deceased), countsOf(heirs), {}};
    for (const auto& [code, earlier] : same) later.same.push_back({*kindFromCode(code), ref(earlier)});
    return later;
}

// A later death whose heirs are given by path ("f=1 m.m=1"), linked by
// their paths ({"m.m", "1:m"}).
inline LaterDeath diedByPath(std::string_view deceased, std::string_view heirs,
                             std::vector<std::pair<std::string_view, std::string_view>> same = {})
{
    LaterDeath later{ref(deceased), {}, {}, entriesOf(heirs)};
    for (const auto& [written, earlier] : same) {
        const GroupRef heirsRef = *groupFromText(1, written);
        later.same.push_back({heirsRef.kind, ref(earlier), heirsRef.path, heirsRef.label});
    }
    return later;
}

}  // namespace qismaru::testing
