#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/heir_kind.h"
#include "model/kinship.h"
#include "model/relative_path.h"

namespace qismaru {

// One entry of a case written by path: `count` persons on one path, brothers
// and sisters of one another. Entries descend from the same relatives along
// their common path unless their labels tell the lines apart.
struct RelativeEntry {
    RelativePath path;
    bool writtenAsCode = false;  // the whole path written as its heir code: "gs" rather than "s.s"
    int count = 0;
    std::string label;  // after "@", kept in every output; "" for none

    // The path as written, without the label: the heir code when it was
    // written so, else its letters ("gs", "s.s.s").
    std::string written() const;
    // The path as written with its label joined, as every output keeps it:
    // "d.d@1"; the path alone when it has none.
    std::string writtenWithLabel() const;
    bool operator==(const RelativeEntry&) const = default;
};

// The entry of `count` relatives as read.
RelativeEntry relativeEntry(const WrittenRelative& relative, int count);

// The entries of the 21 heir kinds, in the order given.
std::vector<RelativeEntry> entriesOf(const KindCounts& counts);

// The counts of the 21 heir kinds when every entry names one of them (each
// once, without a label, and no uterine sister given by her sex); then the
// case is the same case as those counts.
std::optional<KindCounts> kindCountsOf(std::span<const RelativeEntry> entries);

// Why a case written by path cannot be divided under any school, in one
// English line, or "": a relative who is no heir (the emancipator's kin
// through a woman, a spouse's relatives), a count out of range or above
// one for a person who is one (the father, a grandmother), the same path
// given twice, or a grandmother whose side is not given beside grandmothers
// given by their side.
std::string relativesProblem(std::span<const RelativeEntry> entries);
// The same, one entry at a time with its kinship known, and for the case.
std::string entryProblem(std::span<const RelativeEntry> entries, std::size_t i, const Kinship& kinship);
// Whether the entry stands by itself (an accepted relative, a count in
// range), and whether an earlier entry has its path.
bool entryStandsAlone(const RelativeEntry& entry, const Kinship& kinship);
bool pathGivenBefore(std::span<const RelativeEntry> entries, std::size_t i);
std::string grandmotherSidesProblem(bool sideless, bool sided);

// A person of whom the deceased has one: the father and each grandfather,
// the mother, each grandmother by her side (a false one too: the mother's
// father, his mother), the husband.
bool isOnePerson(const Kinship& kinship);

// Whether the uterine siblings' sex is given: "sim" names the sisters, and
// beside them "bm" counts the brothers. "bm" alone may be either.
bool uterineSexGiven(std::span<const RelativeEntry> entries);

}  // namespace qismaru
