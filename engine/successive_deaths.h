#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/kind_groups.h"
#include "model/heir_kind.h"
#include "model/relative_case.h"

namespace qismaru {

// Successive deaths before the division (المناسخات): an heir of the first
// deceased dies before the estate is divided, and his share of it is his own
// estate, divided among his own heirs. These are the later deaths as the
// user gives them; engine/combined_base.h joins them into one table.

// The heirs of one kind in one death, written "N:code": "1:w" are the first
// deceased's wives, "2:m" the mother of the second deceased; or, in a death
// whose heirs are given by path, the relatives of one entry: "1:s.s.s",
// "2:f.m", "1:d.d@1". Deaths count from 1, the first deceased. The 21 codes
// are names of paths, so a path that one of them names, without a label, is
// that kind's group: "1:s.s" is "1:gs".
struct GroupRef {
    int death = 1;
    HeirKind kind = HeirKind::Sons;  // the kind's group when `path` is empty
    RelativePath path{};             // a relative by a path that names no kind, or with a label
    std::string label{};

    bool byPath() const { return !path.empty(); }
    bool operator==(const GroupRef&) const = default;
};

// The group of an entry of a case by path in the death, by its kind when its
// path names one and it has no label.
GroupRef refOfEntry(int death, const RelativeEntry& entry);
// The reference written by path (a kind's by its code): "2:gs", "1:s.s.s", "1:d.d@1".
std::string refText(const GroupRef& ref);
// The group written without its death: "gs", "s.s.s", "d.d@1".
std::string groupText(const GroupRef& ref);
// The group of death `death` that a heir code or a path names; nothing
// for anything else.
std::optional<GroupRef> groupFromText(int death, std::string_view written);
// "N:path" with N a whole number from 1, written without a sign or leading
// zeros, and a heir code or a path as a case by path reads it; nothing for
// anything else.
std::optional<GroupRef> refFromText(std::string_view text);

// Whom a later deceased can leave as a spouse, from what he was to an
// earlier deceased: a son, father or brother is a man, a daughter, mother or
// sister a woman; uterine siblings of a kind may be either, but one named by
// his path's last link ("m.bm") is taken for a brother, as "bm" counts
// brothers beside "sim".
SpouseSide sideOf(const GroupRef& ref);

// This death's heirs of `kind` are the same persons as all the surviving
// members of an earlier group: the wife of the first deceased is the mother
// of his son who died after him.
// In a death whose heirs are given by path the linked heirs are those of an
// entry, named as a reference is (`path` and `label`, empty for a kind).
struct SameLink {
    HeirKind kind = HeirKind::Mother;
    GroupRef earlier;
    RelativePath path{};
    std::string label{};

    // This death's heirs that are the earlier group.
    GroupRef heirsAt(int death) const { return {death, kind, path, label}; }
    bool operator==(const SameLink&) const = default;
};

// The books' tables join a handful of deaths; a case holds at most this
// many later deaths, so that its table, its solution and its saved file stay
// of a size a teacher reads and every reader takes.
inline constexpr std::size_t kMaxLaterDeaths = 50;

// One heir who died before the division: one member of the group `deceased`
// of an earlier death, with his own heirs: of the 21 kinds in `counts`, or,
// when `relatives` holds any, by path (and `counts` is empty).
struct LaterDeath {
    GroupRef deceased;
    KindCounts counts;
    std::vector<SameLink> same;
    std::vector<RelativeEntry> relatives{};

    bool byPath() const { return !relatives.empty(); }
    bool operator==(const LaterDeath& other) const
    {
        return deceased == other.deceased && counts.count == other.counts.count && same == other.same &&
               relatives == other.relatives;
    }
};

}  // namespace qismaru
