#pragma once

#include "model/heir_kind.h"

namespace qismaru {

// The kinds that inherit only as residuaries, never by a fixed fraction: the
// sons and son's sons, the full and consanguine brothers, their sons, the
// uncles and the uncles' sons.
constexpr bool isMaleResiduary(HeirKind kind)
{
    switch (kind) {
    case HeirKind::Sons:
    case HeirKind::SonsSons:
    case HeirKind::FullBrothers:
    case HeirKind::ConsanguineBrothers:
    case HeirKind::FullBrothersSons:
    case HeirKind::ConsanguineBrothersSons:
    case HeirKind::FullUncles:
    case HeirKind::ConsanguineUncles:
    case HeirKind::FullUnclesSons:
    case HeirKind::ConsanguineUnclesSons: return true;
    default: return false;
    }
}

}  // namespace qismaru
