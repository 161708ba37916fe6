#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/heir_kind.h"

namespace qismaru {

// The text shown in the share column for a share that is not a fixed fraction.
enum class ShareLabel : std::uint8_t {
    None,
    Remainder,                     // "الباقي"
    SharesRemainder,               // "شريك في الباقي": a 2:1 pair of residuaries
    FatherSixthAndRemainder,       // "1/6+ الباقي"
    GrandfatherSixthAndRemainder,  // "1/6+الباقي"
    ThirdOfRemainderHusbandForm,   // "ثلث الباقي " (with its trailing blank)
    ThirdOfRemainderWifeForm,      // "ثلث الباقي"
};

std::string_view labelText(ShareLabel label);

// One heir kind's share of the estate, for all its heads together, before
// any increase or return scaling.
struct ShareResult {
    double value = 0.0;
    int numerator = 0;    // of the fixed fraction; 0 for a residuary share
    int denominator = 0;  // 2, 3, 4, 6 or 8; 0 for a residuary share
    ShareLabel label = ShareLabel::None;

    bool isFraction() const { return denominator > 0; }
    bool isResiduary() const { return denominator == 0 && value > 0.0; }
};

struct CaseResult {
    std::array<ShareResult, kHeirKindCount> shares{};
    std::int64_t Base = 0;      // after a return with a spouse, the spouse-return base
    double Correction = 0.0;    // whole, or a half-integer after the halving rule
    double ShareScale = 0.0;    // factor on the non-spouse percentages
    double BaseDivisor = 0.0;   // Base / BaseDivisor is the increased or reduced base
    double ReturnFactor = 0.0;  // multiplies the non-spouse fixed parts after a return with a spouse
    double SpouseScale = 0.0;   // factor on the spouses' percentages

    ShareResult& operator[](HeirKind kind) { return shares[indexOf(kind)]; }
    const ShareResult& operator[](HeirKind kind) const { return shares[indexOf(kind)]; }
};

}  // namespace qismaru
