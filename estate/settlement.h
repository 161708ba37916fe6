#pragma once

#include <vector>

#include "engine/compute_case.h"
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
struct KindAmount {
    HeirKind kind = HeirKind::Mother;
    int count = 0;
    std::int64_t parts = 0;
    Ratio exact;         // of the major unit, net × parts ÷ the corrected base
    Ratio perHeadExact;  // of the major unit
    Minor perHead = 0;   // rounded half to even to the minor unit
    Minor amount = 0;    // perHead × count
};

enum class Division {
    Divided,
    NotDividedStopped,      // a validation stop: the case has no table
    NotDividedBeyondRange,  // the corrected base passes 2^53: no exact table
};

struct Settlement {
    EstateInputs inputs;
    Claims claims;
    Division division = Division::Divided;
    std::int64_t finalBase = 0;
    // In kind order, one per kind with a row in the result table.
    std::vector<KindAmount> kinds;
    // What no heir takes: the estate beyond the spouse's fraction when the
    // spouse is the only heir, or a surplus that is not returned.
    Ratio undistributedExact;  // of the major unit
    Minor undistributed = 0;   // rounded half to even
    // net − (the rounded amounts + the rounded undistributed part): the
    // minor units that rounding each head's amount left over (or took).
    Minor roundingDifference = 0;
};

// Whether a kind has a row in the result table, and so a line of the division.
bool hasRow(HeirKind kind, const KindCounts& counts, const CaseResult& result);

// The claims, then the net divided by the computed table: a kind receives
// net × its parts ÷ the corrected base.
Settlement settleEstate(const EstateInputs& inputs, const KindCounts& counts, const CaseComputation& computation);

}  // namespace qismaru::estate
