#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/compute_case.h"
#include "engine/kindred.h"
#include "model/kind_set.h"
#include "model/kinship.h"
#include "model/relative_case.h"

namespace qismaru {

// A case written by path is divided by the same rules as the 21 kinds: each
// relative is first resolved, under the school, to the kind by whose rules
// he inherits (a son's son's son with no nearer descendant inherits as a son,
// the emancipator as the one remote agnate who takes what is left), or found
// excluded before the division (a farther grandmother, a farther agnate);
// the division then runs over those kinds, and each relative's part is read
// back from his kind's. The distant kindred stand outside the kinds: they
// take what the heirs leave only where no sharer but a spouse and no
// residuary inherits, and are divided among themselves by the school's
// method (engine/kindred.h), which itself divides the heirs they are placed
// as, or the roots they are counted by, by these same rules.

enum class StandingWay : std::uint8_t {
    Inherits,            // by the rules of `capacity`, with the others resolved to it
    CompletesTwoThirds,  // a lower level of son's daughters holding the completing sixth
    Excluded,            // kept out before the division
    // A woman of the emancipator's family: the wala passes to his male
    // agnates only, and a woman inherits it only from one she freed.
    NeverInherits,
    // Of the distant kindred, and given a part by their division. One kept
    // out (by a sharer or residuary, by a nearer one of them, or with the
    // estate gone to the treasury) is Excluded.
    Kindred,
};

struct Standing {
    Kinship kinship;  // what the relative is to the deceased
    StandingWay way = StandingWay::Excluded;
    HeirKind capacity = HeirKind::Sons;
    // Excluded: the kinds of the division that keep him out (the father, the
    // nearer descendants, ...), or an entered relative who does outside it
    // (a nearer grandmother, the nearest of the remote agnates).
    KindSet byKinds;
    int byEntry = -1;
};

// Why a case by path cannot be divided, for a front end that words the
// refusal in its own language.
enum class PathRefusal : std::uint8_t {
    None,
    Entry,             // an entry stands in no case (relativesProblem): no relative, a count, given twice
    GrandmotherSides,  // "gm" beside grandmothers given by their side
    GrandmotherLimit,  // "gm" beyond the grandmothers the school lets inherit
    TooManyOfOneKind,  // more heads than a count holds inherit as one kind
    WalaDisputed,      // the emancipator's grandfather beside his brothers, outside the Hanafi school
    NoOneInherits,     // only women of the emancipator's family, who never take the wala
};

struct Resolution {
    Capacities capacities;
    std::vector<Standing> standings;  // one per entry, in the order entered
    std::string refusal;              // why the case cannot be divided under the school; "" when it can
    PathRefusal refusalCause = PathRefusal::None;
    int refusedEntry = -1;  // PathRefusal::Entry: the first entry that stands in no case
    bool kindred = false;   // some entry is of the distant kindred under the school
};

Resolution resolveRelatives(std::span<const RelativeEntry> entries, School school);

// One entry's part of the division: for all its heads, and for each.
struct RelativeShare {
    std::int64_t parts = 0;  // of the corrected base
    std::int64_t partsPerHead = 0;
    std::int64_t correctedBase = 1;

    // Of the whole estate, in lowest terms: reduced when asked, as most
    // answers are read as parts.
    Fraction ofEstate() const { return Fraction::of(parts, correctedBase); }
    Fraction perHead() const { return Fraction::of(partsPerHead, correctedBase); }
};

struct PathComputation {
    Resolution resolution;
    // The division of the heirs by the rules of their kinds. Beside distant
    // kindred who inherit it is the spouse's share alone (or nothing, with
    // no spouse), and what it leaves undistributed is theirs.
    CaseComputation computation;
    // When distant kindred inherit: every entry's part of the estate, the
    // spouse's too, on one corrected base.
    std::optional<KindredDivision> kindred;

    bool refused() const { return !resolution.refusal.empty(); }
    bool divided() const { return !refused() && computation.outcome == CaseOutcome::Computed; }
    // The base every entry's parts are counted in.
    std::int64_t correctedBase() const { return kindred ? kindred->correctedBase : computation.result.finalBase; }
};

// The division of a case written by path under the school and positions.
// A case of the 21 kinds alone is divided exactly as their counts are. With
// `kindredTrace`, the decisions about the distant kindred are noted in it
// (it is emptied first).
PathComputation computeCase(std::span<const RelativeEntry> entries, const Positions& positions,
                            DecisionTrace* trace = nullptr, KindredTrace* kindredTrace = nullptr);

// The part of entry `i` of a divided case, read from his kind's: every head
// of a kind has the same whole parts. Nothing for one kept out.
RelativeShare shareOf(const PathComputation& computation, std::span<const RelativeEntry> entries, std::size_t i);
// Every entry's, in the order entered; none when the case was not divided.
std::vector<RelativeShare> sharesOf(const PathComputation& computation, std::span<const RelativeEntry> entries);

// Whether any relative is given another part of the estate, or another part
// is left undistributed, than under the Hanafi school.
bool differsFromHanafi(std::span<const RelativeEntry> entries, const PathComputation& computation);

}  // namespace qismaru
