#include "engine/waiting_relations.h"

#include <algorithm>
#include <array>

namespace qismaru {

namespace {

using enum HeirKind;

// The 21 kinds by path, each a man's relation that may be unclear first with
// the woman beside him; the uterine sister after, named apart from "bm".
constexpr std::array<WaitingRelation, 22> kRelations{{
    {"s", "s", Sons, true, Daughters},
    {"s.s", "gs", SonsSons, true, SonsDaughters},
    {"b", "b", FullBrothers, true, FullSisters},
    {"bf", "bf", ConsanguineBrothers, true, ConsanguineSisters},
    // Uterine brothers and sisters take alike: his sex changes nothing.
    {"bm", "bm", UterineSiblings, true, UterineSiblings},
    {"b.s", "sb", FullBrothersSons, true, std::nullopt},
    {"bf.s", "sbf", ConsanguineBrothersSons, true, std::nullopt},
    {"f.b", "u", FullUncles, true, std::nullopt},
    {"f.bf", "uf", ConsanguineUncles, true, std::nullopt},
    {"f.b.s", "su", FullUnclesSons, true, std::nullopt},
    {"f.bf.s", "suf", ConsanguineUnclesSons, true, std::nullopt},
    {"d", "d", Daughters, false, std::nullopt},
    {"s.d", "gd", SonsDaughters, false, std::nullopt},
    {"si", "si", FullSisters, false, std::nullopt},
    {"sif", "sif", ConsanguineSisters, false, std::nullopt},
    {"f", "f", Father, false, std::nullopt},
    {"f.f", "gf", Grandfather, false, std::nullopt},
    {"m", "m", Mother, false, std::nullopt},
    {"gm", "gm", Grandmothers, false, std::nullopt},
    {"h", "h", Husband, false, std::nullopt},
    {"w", "w", Wives, false, std::nullopt},
    {"sim", "sim", UterineSiblings, false, std::nullopt},
}};

}  // namespace

std::optional<WaitingRelation> relationNamed(std::string_view pathOrCode)
{
    const auto* row = std::find_if(kRelations.begin(), kRelations.end(), [pathOrCode](const WaitingRelation& r) {
        return r.path == pathOrCode || r.code == pathOrCode;
    });
    if (row == kRelations.end()) return std::nullopt;
    return *row;
}

std::span<const WaitingRelation> waitingRelations() { return kRelations; }

std::string_view pathOf(HeirKind kind)
{
    const auto* row =
        std::find_if(kRelations.begin(), kRelations.end(), [kind](const WaitingRelation& r) { return r.kind == kind; });
    return row->path;
}

}  // namespace qismaru
