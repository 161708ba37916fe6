#pragma once

#include <cstdint>
#include <optional>

#include "engine/waiting_relations.h"
#include "model/heir_kind.h"
#include "model/positions.h"

namespace qismaru {

// Cases that wait (the unborn child, the missing heir, the hermaphrodite):
// an heir whose existence, life or sex is not known yet. The division is made
// for each possibility, each known heir is given what no possibility takes
// from him, and the rest waits.

// The case the possibilities add heirs to: today the counts of the 21 kinds.
// The path model takes its place here, and only here.
using WaitingCounts = KindCounts;

// A child not yet born (الحمل), in the relation of its male form.
struct UnbornChild {
    WaitingRelation as;
    // How many children the division provides for; 0 for the school's own number.
    int most = 0;
    // Where the school waits for the birth before dividing (the Maliki), the
    // heirs have asked meanwhile for what is certain to them.
    bool certainAsked = false;
};

// Heirs whose life is unknown (المفقود), beside those counted as present.
// They are taken together: all alive or all dead.
struct MissingHeirs {
    WaitingRelation relation;
    int count = 1;
};

// Heirs whose sex is not clear (الخنثى المشكل), in the relation of the male
// form, beside those counted.
struct UnclearHeirs {
    WaitingRelation as;
    int count = 1;
    // Whether their sex may yet become clear (a child before puberty): under
    // the Hanbali school they are then given the least, else half of the two.
    bool hope = true;
};

struct WaitingCase {
    WaitingCounts counts{};  // the heirs whose state is known
    std::optional<UnbornChild> unborn{};
    std::optional<MissingHeirs> missing{};
    std::optional<UnclearHeirs> unclear{};
    // The Maliki school waits for the birth before dividing; the heirs may ask
    // meanwhile for what is certain to them.
    bool certainAsked = false;
};

// The case as given: the request for what is certain goes with the unborn child.
inline WaitingCase waitingCaseWith(const WaitingCounts& counts, const std::optional<UnbornChild>& unborn,
                                   const std::optional<MissingHeirs>& missing,
                                   const std::optional<UnclearHeirs>& unclear)
{
    return {counts, unborn, missing, unclear, unborn && unborn->certainAsked};
}

// How many children of one pregnancy a school provides for.
struct UnbornProvision {
    int children = 1;
    // No number bounds the children in the school's view: an heir who shares
    // with them (his own relation, or the full brother sharing the uterine
    // third with unborn uterine siblings) loses more with every further child,
    // so he is given nothing now. `children` is then five: by four every rule
    // that counts heads has reached its last step (two daughters' two thirds,
    // the mother's sixth beside two siblings, the grandfather's third beside
    // four heads of siblings), so whoever still loses from four children to
    // five is such an heir, and the others' least over five is their least
    // over any number.
    bool noLimit = false;
    // The division waits for the birth; what is certain is given on request.
    bool waitsForBirth = false;
    // Those given now name a guarantor (ضمين) for what a larger birth would
    // take back from them: Abu Yusuf's condition, the Hanafi practice.
    bool guarantor = false;
};

inline constexpr int kNoLimitProvidedFor = 5;
// The most children a user may have the division provide for, and the most
// heirs of unclear sex in one case: every combination is a computed case.
inline constexpr int kMostChildren = 12;
inline constexpr int kMostUnclear = 6;

// Abu Yusuf's one child (the Hanafi fatwa), the Hanbali two, the Shafi'i no
// limit, the Maliki waiting.
constexpr UnbornProvision unbornProvision(School school)
{
    switch (school) {
    case School::Hanafi: return {1, false, false, true};
    case School::Hanbali: return {2, false, false, false};
    case School::Shafii: return {kNoLimitProvidedFor, true, false, false};
    case School::Maliki: return {kNoLimitProvidedFor, true, true, false};
    }
    return {};
}

// How an heir of unclear sex is given his share, by school.
enum class UnclearRule : std::uint8_t {
    Worse,  // Hanafi: the estimate worse for him, for everyone, at once and without reserve
    Half,   // Maliki, and Hanbali when no clarity is hoped: half of the two estimates, at once
    Least,  // Shafi'i, and Hanbali while clarity is hoped: every heir his least, the rest reserved
};

constexpr UnclearRule unclearRule(School school, bool hope)
{
    switch (school) {
    case School::Hanafi: return UnclearRule::Worse;
    case School::Maliki: return UnclearRule::Half;
    case School::Shafii: return UnclearRule::Least;
    case School::Hanbali: return hope ? UnclearRule::Least : UnclearRule::Half;
    }
    return UnclearRule::Least;
}

}  // namespace qismaru
