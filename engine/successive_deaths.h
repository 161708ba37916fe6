#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/heir_kind.h"

namespace qismaru {

// Successive deaths before the division (المناسخات): an heir of the first
// deceased dies before the estate is divided, and his share of it is his own
// estate, divided among his own heirs. These are the later deaths as the
// user gives them; engine/combined_base.h joins them into one table.

// The heirs of one kind in one death, written "N:code": "1:w" are the first
// deceased's wives, "2:m" the mother of the second deceased. Deaths count
// from 1, the first deceased.
struct GroupRef {
    int death = 1;
    HeirKind kind = HeirKind::Sons;

    bool operator==(const GroupRef&) const = default;
};

std::string refText(GroupRef ref);
// "N:code" with N a whole number from 1, written without a sign or leading
// zeros, and a known heir code; nothing for anything else.
std::optional<GroupRef> refFromText(std::string_view text);

// This death's heirs of `kind` are the same persons as all the surviving
// members of an earlier group: the wife of the first deceased is the mother
// of his son who died after him.
struct SameLink {
    HeirKind kind = HeirKind::Mother;
    GroupRef earlier;

    bool operator==(const SameLink&) const = default;
};

// The books' tables join a handful of deaths; a case holds at most this
// many later deaths, so that its table, its solution and its saved file stay
// of a size a teacher reads and every reader takes.
inline constexpr std::size_t kMaxLaterDeaths = 50;

// One heir who died before the division: one member of the group `deceased`
// of an earlier death, with his own heirs.
struct LaterDeath {
    GroupRef deceased;
    KindCounts counts;
    std::vector<SameLink> same;

    bool operator==(const LaterDeath& other) const
    {
        return deceased == other.deceased && counts.count == other.counts.count && same == other.same;
    }
};

}  // namespace qismaru
