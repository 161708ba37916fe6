#pragma once

#include <span>
#include <vector>

#include "engine/compute_case.h"
#include "engine/path_case.h"
#include "estate/amount.h"

namespace qismaru::estate {

// What the user gives for an estate, in minor units.
struct EstateInputs {
    Minor gross = 0;
    Minor funeral = 0;
    Minor debts = 0;
    Minor bequest = 0;
    // The heirs allow the bequest beyond one third (إجازة الورثة).
    bool heirsConsent = false;
    int decimals = kDefaultDecimals;

    bool operator==(const EstateInputs&) const = default;
};

// The claims on the estate, met in their order before the heirs inherit:
// the funeral and burial costs, the debts, then the bequest within its limit.
struct Claims {
    Minor funeralPaid = 0;
    Minor unpaidFuneral = 0;  // costs beyond the whole estate
    Minor debtsPaid = 0;
    Minor unpaidDebts = 0;  // an insolvent estate: what the estate cannot pay
    Minor bequestAsked = 0;
    Minor bequestThird = 0;  // one third of what the debts leave, cut down to a whole minor unit
    Minor bequestLimit = 0;  // the third, or all that the debts leave with the heirs' consent
    Minor bequestAllowed = 0;
    Minor net = 0;  // what the heirs divide

    bool bequestCut() const { return bequestAllowed < bequestAsked; }
};

Claims settleClaims(const EstateInputs& inputs);

// One heir kind's money: all of its heads together, and each head.
// What a group of heads receives of the net by its parts of a base: all of
// them together and each, exactly and in money.
struct HeadsAmount {
    int count = 0;
    std::int64_t parts = 0;
    Ratio exact;         // of the major unit, net × parts ÷ the base
    Ratio perHeadExact;  // of the major unit
    Minor perHead = 0;   // cut down to the minor unit: no head receives a unit the estate does not hold
    Minor amount = 0;    // perHead × count
};

// The amounts of `count` heads holding `parts` of `base`, of the net of an
// estate in the given decimals.
HeadsAmount headsAmount(Minor net, std::int64_t parts, std::int64_t base, int count, int decimals);

struct KindAmount : HeadsAmount {
    HeirKind kind = HeirKind::Mother;
};

// One relative of a case written by path: all the persons of his entry.
struct RelativeAmount : HeadsAmount {
    std::size_t entry = 0;  // his place among the entries
};

enum class NetOutcome {
    Divided,
    NotDividedStopped,      // a validation stop: the case has no table
    NotDividedBeyondRange,  // the corrected base passes 2^53: no exact table
};

// What a division of the net leaves: what no heir takes, and the minor
// units that cutting each amount down left over.
struct Leftover {
    Ratio undistributedExact;  // of the major unit
    Minor undistributed = 0;   // cut down to the minor unit
    // net − (what was paid + the undistributed part): never negative, and
    // below one unit for each head and one more.
    Minor roundingDifference = 0;
};

// The leftover of a division of `net` by `base` that paid out `paid` and
// gave no heir `undistributed` (in minor units times the base).
Leftover leftoverOf(Minor net, Minor paid, Minor undistributed, std::int64_t base, int decimals);

// What no heir takes is, after the bequest's rest, the estate beyond the
// spouse's fraction when the spouse is the only heir, or a surplus that is
// not returned; the heirs' amounts and the bequest's rest are what was paid.
struct Settlement : Leftover {
    EstateInputs inputs;
    Claims claims;
    Positions positions;  // the school and positions the case was answered by
    NetOutcome division = NetOutcome::Divided;
    std::int64_t finalBase = 0;
    // In kind order, one per kind with a row in the result table.
    std::vector<KindAmount> kinds;
    // For a case written by path instead (`kinds` stays empty): one per
    // relative who receives parts, in the order entered.
    std::vector<RelativeAmount> relatives;
    // A lone spouse under the Hanafi and Hanbali schools: the legatee of
    // more than a third takes the rest of the bequest from what the spouse
    // leaves, before the public treasury, for no heir can object to it
    // (whole minor units, at most what the spouse leaves).
    Minor bequestFromRest = 0;
};

// Whether a kind has a row in the result table, and so a line of the division.
bool hasRow(HeirKind kind, const KindCounts& counts, const CaseResult& result);

// The legatee of more than a third takes the rest of the bequest from what a
// lone spouse leaves: the Hanafi order of those who take an estate puts him
// before the public treasury, and the Hanbalis hold the same; the Malikis
// and the Shafi'is count the treasury as an heir who does not consent. Not
// when the spouse takes the whole by return, an heir who can object.
bool legateeBeforeTreasury(const Positions& positions, const KindCounts& counts);

// The claims, then the net divided by the computed table: a kind receives
// net × its parts ÷ the corrected base, each head's amount cut down to the
// minor unit.
Settlement settleEstate(const EstateInputs& inputs, const KindCounts& counts, const CaseComputation& computation);
// The same for a case written by path: each relative by his own parts.
Settlement settleEstate(const EstateInputs& inputs, std::span<const RelativeEntry> entries,
                        const PathComputation& computation);

}  // namespace qismaru::estate
