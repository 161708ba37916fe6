#pragma once

#include <vector>

#include "engine/waiting_division.h"
#include "estate/settlement.h"

namespace qismaru::estate {

// The estate of a case that waits, in money: the claims as for any case,
// then the net divided by the waiting division's fractions. Each heir is
// handed now his least, cut down to the minor unit; what is held back
// (الموقوف) is the net times the reserve, cut down too; and the minor units
// that cutting leaves over are the rounding difference, as in any
// settlement. So given + reserve + undistributed + rounding = the net, and
// the exact amounts alone add up to the net.

// What each claimant receives in one division (given now, or an outcome's),
// in the order of the division's claimants. The unborn child and an heir of
// unclear sex are one head each here: the children born share the amount
// by their own case, and each khuntha is a claimant of his own.
struct ClaimantsAmounts : Leftover {
    std::vector<HeadsAmount> claimants;
    Minor paid = 0;
};

// An outcome once known: its amounts, and what the reserve then pays each
// claimant beyond what he was given now (negative where more children were
// born than the division provided for: owed back), and to no heir.
struct OutcomeAmounts : ClaimantsAmounts {
    std::vector<Minor> fromReserve;
    Minor toNoHeirFromReserve = 0;
};

struct WaitingSettlement {
    EstateInputs inputs;
    Claims claims;
    // False when the division was refused: the claims are settled alone.
    bool divided = false;
    ClaimantsAmounts given;
    Ratio reserveExact;  // of the major unit
    Minor reserve = 0;
    // One per outcome of the division, in its order; where the khuntha is
    // settled at once, one per estimate it weighed.
    std::vector<OutcomeAmounts> outcomes;
};

// The heads a claimant's amount is divided among.
int headsOf(const Claimant& claimant);

WaitingSettlement settleWaiting(const EstateInputs& inputs, const WaitingDivision& division);

// One outcome's amounts against what was given now, as the settlement
// writes them: also an outcome recorded beyond those provided for.
OutcomeAmounts outcomeAmounts(const WaitingSettlement& settlement, const WaitingDivision& division,
                              const std::vector<Fraction>& shares, const Fraction& noHeir);

}  // namespace qismaru::estate
