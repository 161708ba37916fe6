#pragma once

#include <vector>

#include "bench/case_mix.h"
#include "model/relative_case.h"

namespace qismaru::bench {

// The case mix with every heir but a spouse turned into one of the distant
// kindred related through him or beside him: the daughter into a daughter's
// daughter, the mother into a maternal uncle, the father into the maternal
// grandfather, the full brother into his daughter, ... So every class and
// direction comes in, at one to three generations from an heir, beside a
// husband or wives now and then.
inline std::vector<std::vector<RelativeEntry>> kindredMix(int size)
{
    using enum Link;
    struct Turned {
        HeirKind kind;
        RelativePath path;
    };
    const Turned turned[] = {
        {HeirKind::UterineSiblings, {UterineBrother, Son}},
        {HeirKind::Grandmothers, {Mother, Father, Mother}},
        {HeirKind::Sons, {Daughter, Son}},
        {HeirKind::SonsSons, {Son, Daughter, Son}},
        {HeirKind::FullBrothers, {FullBrother, Daughter}},
        {HeirKind::ConsanguineBrothers, {ConsanguineBrother, Daughter}},
        {HeirKind::FullBrothersSons, {FullBrother, Son, Daughter}},
        {HeirKind::ConsanguineBrothersSons, {ConsanguineBrother, Son, Daughter}},
        {HeirKind::FullUncles, {Father, FullBrother, Daughter}},
        {HeirKind::ConsanguineUncles, {Father, UterineBrother}},
        {HeirKind::FullUnclesSons, {Father, FullSister}},
        {HeirKind::ConsanguineUnclesSons, {Mother, FullSister, Son}},
        {HeirKind::Daughters, {Daughter, Daughter}},
        {HeirKind::SonsDaughters, {Son, Daughter, Daughter}},
        {HeirKind::FullSisters, {FullSister, Son}},
        {HeirKind::ConsanguineSisters, {ConsanguineSister, Daughter}},
        {HeirKind::Mother, {Mother, FullBrother}},
        {HeirKind::Grandfather, {Father, Mother, Father}},
        {HeirKind::Father, {Mother, Father}},
    };
    std::vector<std::vector<RelativeEntry>> cases;
    for (const KindCounts& counts : caseMix(size)) {
        std::vector<RelativeEntry> entries;
        for (const RelativeEntry& e : entriesOf(counts)) {
            const HeirKind kind = *e.path.kind();
            bool spouse = true;
            for (const Turned& t : turned) {
                if (t.kind != kind) continue;
                // A false grandfather or grandmother is one person.
                const bool ascendant = isParent(t.path.last());
                entries.push_back({t.path, false, ascendant ? 1 : e.count, ""});
                spouse = false;
            }
            if (spouse) entries.push_back(e);
        }
        cases.push_back(std::move(entries));
    }
    return cases;
}

}  // namespace qismaru::bench
