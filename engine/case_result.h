#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/fraction.h"
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
    // Beside the brothers and sisters, where the schools let them share with
    // the grandfather:
    WithSiblings,        // "مقاسمة": the grandfather and the siblings divide as brothers and sisters
    GrandfatherThird,    // "ثلث الباقي": the grandfather's third of what the sharers leave
    SharesUterineThird,  // "شريك في الثلث": the Mushtaraka, full and uterine siblings alike
};

std::string_view labelText(ShareLabel label);

// One heir kind's share of the estate, for all its heads together, before
// any increase or return scaling.
struct ShareResult {
    double value = 0.0;
    int numerator = 0;    // of the fixed fraction; 0 for a residuary share
    int denominator = 0;  // 2, 3, 4, 6 or 8; 0 for a residuary share
    ShareLabel label = ShareLabel::None;
    Fraction exact;  // the share `value` stands for, exactly

    bool isFraction() const { return denominator > 0; }
    bool isResiduary() const { return denominator == 0 && value > 0.0; }
};

// A level of son's daughters between one daughter and a son's son below
// them, in a case entered by path (d, s.d, s.s.s):
// they complete her two thirds with a sixth, and the son's son does not make
// them residuaries with him (the books: "بنتا وبنات ابن وابن ابن ابن: للبنت
// النصف، ولبنات الابن السدس، والباقي لابن ابن الابن"). No one of the 21 kinds
// holds this share, so it stands beside them.
struct CompletingSixth {
    int heads = 0;
    ShareResult share;
    std::int64_t parts = 0;
};

struct CaseResult {
    std::array<ShareResult, kHeirKindCount> shares{};
    std::int64_t base = 0;      // after a return with a spouse, the spouse-return base
    double correction = 0.0;    // whole, or a half-integer after the halving rule
    double shareScale = 0.0;    // factor on the non-spouse percentages
    double baseDivisor = 0.0;   // Base / BaseDivisor is the increased or reduced base
    double returnFactor = 0.0;  // multiplies the non-spouse fixed parts after a return with a spouse
    double spouseScale = 0.0;   // factor on the spouses' percentages

    // What the table shows, computed exactly from the fractions: each kind's
    // parts of the corrected base, the base after any increase or return, and
    // the corrected base. The parts add up to the corrected base (but for an
    // undistributed remainder, below).
    std::array<std::int64_t, kHeirKindCount> parts{};
    std::int64_t adjustedBase = 0;
    std::int64_t finalBase = 0;
    // Part of the estate goes to no heir (a spouse alone, who keeps only the
    // spouse's fraction, or no return at all): the parts fall short of the
    // corrected base by exactly that part.
    bool undistributedRemainder = false;
    CompletingSixth completingSixth;

    ShareResult& operator[](HeirKind kind) { return shares[indexOf(kind)]; }
    const ShareResult& operator[](HeirKind kind) const { return shares[indexOf(kind)]; }
};

}  // namespace qismaru
