#include "estate/settlement.h"

namespace qismaru::estate {

namespace {

Minor smaller(Minor a, Minor b) { return a < b ? a : b; }

}  // namespace

Claims settleClaims(const EstateInputs& in)
{
    Claims c;
    Minor left = in.gross;
    // The deceased's own needs come first: washing, shroud and burial.
    c.funeralPaid = smaller(in.funeral, left);
    c.unpaidFuneral = in.funeral - c.funeralPaid;
    left -= c.funeralPaid;
    // Then the debts; what the estate cannot cover stays unpaid, and the
    // heirs, the bequest included, receive nothing.
    c.debtsPaid = smaller(in.debts, left);
    c.unpaidDebts = in.debts - c.debtsPaid;
    left -= c.debtsPaid;
    // Then the bequest: at most one third of what the debts leave, unless
    // the heirs allow more. The third is cut down to a whole minor unit, so
    // that the legatee never receives more than the third.
    c.bequestAsked = in.bequest;
    c.bequestThird = left / 3;
    c.bequestLimit = in.heirsConsent ? left : c.bequestThird;
    c.bequestAllowed = smaller(in.bequest, c.bequestLimit);
    c.net = left - c.bequestAllowed;
    return c;
}

}  // namespace qismaru::estate
