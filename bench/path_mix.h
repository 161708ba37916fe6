#pragma once

#include <vector>

#include "bench/case_mix.h"
#include "model/relative_case.h"

namespace qismaru::bench {

// The case mix written by path, reaching beyond the 21 kinds: the son's
// son's line a level lower, the grandmothers by side, the full uncle's son's
// son, and an emancipator after everyone.
inline std::vector<std::vector<RelativeEntry>> pathMix(int size)
{
    const auto path = [](std::initializer_list<Link> links, int count) {
        return RelativeEntry{RelativePath{links}, false, count, ""};
    };
    using enum Link;
    std::vector<std::vector<RelativeEntry>> cases;
    for (const KindCounts& counts : caseMix(size)) {
        std::vector<RelativeEntry> entries;
        for (const RelativeEntry& e : entriesOf(counts)) {
            switch (*e.path.kind()) {
            case HeirKind::SonsSons: entries.push_back(path({Son, Son, Son}, e.count)); break;
            case HeirKind::SonsDaughters: entries.push_back(path({Son, Son, Daughter}, e.count)); break;
            case HeirKind::FullUnclesSons: entries.push_back(path({Father, FullBrother, Son, Son}, e.count)); break;
            case HeirKind::Grandmothers:
                entries.push_back(path({Mother, Mother}, 1));
                if (e.count > 1) entries.push_back(path({Father, Mother}, 1));
                break;
            default: entries.push_back(e);
            }
        }
        entries.push_back(path({Emancipator}, 1));
        cases.push_back(std::move(entries));
    }
    return cases;
}

}  // namespace qismaru::bench
