#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "engine/fraction.h"
#include "engine/whole_numbers.h"
#include "model/heir_kind.h"
#include "model/kind_set.h"

namespace qismaru {

// What the computation decided, step by step, as it decided it: the record a
// teacher's solution is written from. Each rule appends its decision when a
// trace is asked for; the figures of the result itself stay in CaseResult.
namespace decision {

// An entered kind that receives nothing, and the inheriting kinds that keep it out.
struct Excluded {
    HeirKind kind;
    KindSet by;
};

// The condition under which a sharer took its fixed share.
enum class FixedReason : std::uint8_t {
    NoDescendants,            // husband 1/2, wives 1/4
    WithDescendants,          // husband 1/4, wives 1/8, mother 1/6
    NoDescendantsNoSiblings,  // mother 1/3
    WithSiblings,             // mother 1/6 beside two or more brothers or sisters
    Alone,                    // one heir: 1/2, or 1/6 for a uterine sibling
    Several,                  // two or more: 2/3, or 1/3 for uterine siblings
    NoMother,                 // grandmothers 1/6
    BesideMaleDescendant,     // father or grandfather 1/6 beside a son or son's son
    BesideFemaleDescendant,   // father or grandfather 1/6, before the remainder
    RemainderAtMostSixth,     // the father's or grandfather's sixth when little or nothing is left
    CompletingTwoThirds,      // son's daughters beside one daughter, consanguine sisters beside one full sister
    ThirdOfRemainder,         // the mother in the 'Umariyyatan
};

struct Fixed {
    HeirKind kind;
    Fraction share;  // of the estate, before any increase or return
    FixedReason reason;
    Fraction remainderBeforeSixth;  // what the other shares left, for RemainderAtMostSixth
};

// How a residuary came to the remainder.
enum class ResidueWay : std::uint8_t {
    BySelf,                // a male residuary, alone or with his sisters (العصبة بالنفس)
    ThroughBrother,        // daughters with sons, sisters with brothers (العصبة بالغير)
    WithDaughters,         // sisters beside daughters or son's daughters (العصبة مع الغير)
    AfterSixth,            // the father or grandfather beside female descendants: the sixth and the remainder
    TwoThirdsOfRemainder,  // the father in the 'Umariyyatan
};

struct Residue {
    HeirKind kind;
    ResidueWay way;
    KindSet with;        // the kinds it shares the remainder with
    KindSet beside;      // for WithDaughters: the female descendants who make the sisters residuaries
    Fraction remainder;  // what was left to take, of the estate
};

// A lower level of son's daughters in a case written by path took the
// completing sixth beside one female of the level above, a son's son below
// them not making them residuaries (engine/case_result.h, CompletingSixth).
struct CompletingSixth {
    Fraction share;
    std::int64_t heads;
};

// That level's parts do not divide among its heads.
struct CompletingSixthHeads {
    std::int64_t parts;
    std::int64_t heads;
    HeadFactor factor;
};

// A residuary for whom the fixed shares left nothing.
struct NothingLeft {
    HeirKind kind;
};

// The shares add up to more than the estate.
struct Increase {
    Fraction fixedTotal;
};

// The shares fall short and no one takes the remainder.
struct Return {
    Fraction fixedTotal;
    KindSet sharers;                 // the kinds the surplus goes back to
    std::optional<HeirKind> spouse;  // who keeps only the fixed share
};

// The husband or the wives alone: nothing goes back to a spouse.
struct SpouseAlone {
    HeirKind spouse;
};

// The base formed from the fixed shares' denominators.
struct BaseOfDenominators {
    std::uint32_t denominators;  // bit d set for every denominator d taken in
    std::int64_t base;
    bool spouseLeftOut;  // a return with a spouse: the spouse's denominator comes in below
};

// The husband form of the 'Umariyyatan: a third of the half left is a sixth.
struct UmariyyatanBase {
    std::int64_t from;
    std::int64_t to;
};

// How the spouse's part and the return heirs' parts were brought together.
enum class SpouseReturnFit : std::uint8_t {
    Divides,        // the return heirs' parts divide what the spouse leaves
    OneLeft,        // the spouse leaves one part: multiply by the return heirs' parts
    CommonFactor,   // one step of Euclid found a common factor
    NoFactorFound,  // multiplied whole
};

// A return with a spouse: the spouse's problem from its own denominator, the
// return heirs' problem from theirs, and the base they give together.
struct SpouseReturnBase {
    HeirKind spouse;
    std::int64_t spouseDenominator;
    std::int64_t othersBase;   // the return heirs' denominators
    std::int64_t othersParts;  // their parts of it
    std::int64_t taken;        // the parts the fit was made with (1 for one group taking two thirds)
    SpouseReturnFit fit;
    std::int64_t remainder;  // for CommonFactor and NoFactorFound
    std::int64_t base;
};

// A group whose parts do not divide among its heads.
struct GroupHeads {
    HeirKind kind;
    std::int64_t parts;
    std::int64_t heads;
    HeadFactor factor;
};

// A 2:1 pair of residuaries, each male counted as two heads.
struct PairHeads {
    HeirKind male;
    HeirKind female;
    std::int64_t parts;
    std::int64_t heads;
    HeadFactor factor;
};

// The factor found so far combined with a further one.
struct CombinedFactors {
    std::int64_t before;
    std::int64_t factor;
    CommonMultiple result;
};

// Several daughters (or sisters) alone after a return: the head factor was
// found on the unreduced base, and half of it suffices (three daughters: the
// factor 3 on the reduced base 2 gives 6, halved to 3, their heads).
struct Halving {
    HeirKind kind;
    std::int64_t factor;  // the head factor before the halving
};

// Where the schools differ from the Hanafi answer (see model/positions.h).

// No fixed sharer beside the grandfather and the siblings who divide with
// him: the base is their heads (each male two and each female one when
// there are females among them, else one head each).
struct HeadsBase {
    KindSet kinds;
    std::int64_t heads;
};

// The grandfather's third of what the sharers leave: the base of the fixed
// shares, and times 3 when what they leave does not divide by 3.
struct ThirdOfRemainderBase {
    std::int64_t from;       // the base of the fixed shares
    std::int64_t remainder;  // the parts they leave of it
    std::int64_t to;
};

// The grandfather and the siblings who divide with him, as one group: the
// parts they divide, and their heads counted as for HeadsBase.
struct PoolHeads {
    KindSet kinds;
    std::int64_t parts;
    std::int64_t heads;
    HeadFactor factor;
};

// A share taken from the siblings' part that is not a whole number of parts
// of the base so far (the full sister taking back up to her half): the base
// is multiplied by the share's denominator over what it has in common.
struct ShareOfBase {
    HeirKind kind;
    Fraction share;  // of the estate
    std::int64_t base;
    std::int64_t factor;
};

// The case so far multiplied by a factor found on it: after the heads that
// did not divide on the base, and after each later finding.
struct BaseMultiplied {
    std::int64_t from;  // the base so far, after any increase
    std::int64_t factor;
    std::int64_t to;
};

// Every heir's parts and the corrected base have a common factor (الاختصار):
// all are divided by it.
struct Reduction {
    std::int64_t from;  // the corrected base before the reduction
    std::int64_t by;
    std::int64_t to;
};

// What the grandfather took beside the brothers and sisters.
enum class GrandfatherTook : std::uint8_t {
    WithSiblings,      // dividing with them as a brother
    ThirdOfWhole,      // a third of the estate (no sharer beside them)
    ThirdOfRemainder,  // a third of what the sharers leave
    SixthOfWhole,      // a sixth of the estate
    WholeRemainder,    // the Maliki answer of al-Malikiyya: all that the sharers leave
};

// The grandfather's options beside the siblings, and the one he took.
struct GrandfatherOptions {
    Fraction remainder;  // what the sharers leave: the whole estate when there is none
    Fraction division;   // his part when he divides with the siblings
    Fraction third;      // a third of the estate, or of the remainder with sharers
    Fraction sixth;      // a sixth of the estate; zero when there is no sharer
    std::int64_t heads;  // the heads of the division, he and every brother counted as two
    GrandfatherTook took;
    Fraction siblings;  // what the siblings take together after him

    // The part he took, of the estate.
    Fraction taken() const;
};

// The consanguine siblings were counted against the grandfather beside the
// full ones, then yielded to them (المعادة).
struct Counted {
    KindSet consanguine;  // the consanguine kinds counted
    Fraction counted;     // what they would have taken
    Fraction kept;        // what is left to them after the full siblings took theirs
    bool fullBrother;     // a full brother takes all; full sisters only up to their share
};

// The Akdariyya: the sister's half beside the grandfather's sixth, the case
// increased, then both parts pooled and divided male twice female.
struct Akdariyya {
    HeirKind sister;
    Fraction pooled;  // of the estate, before the increase
};

// The Mushtaraka as the Maliki and Shafi'i schools answer it: the full
// siblings share the uterine third, every head alike.
struct SharedThird {
    std::int64_t heads;
};

// No return: the fixed shares stay as they are and the rest goes to the
// public treasury.
struct NoReturn {
    Fraction fixedTotal;
};

// A spouse who is the only heir takes the whole, the rest by return.
struct SpouseTakesWhole {
    HeirKind spouse;
    Fraction share;  // the spouse's own fraction
};

}  // namespace decision

using Decision =
    std::variant<decision::Excluded, decision::Fixed, decision::Residue, decision::NothingLeft, decision::Increase,
                 decision::Return, decision::SpouseAlone, decision::BaseOfDenominators, decision::UmariyyatanBase,
                 decision::SpouseReturnBase, decision::GroupHeads, decision::PairHeads, decision::CombinedFactors,
                 decision::Halving, decision::HeadsBase, decision::ThirdOfRemainderBase, decision::PoolHeads,
                 decision::ShareOfBase, decision::BaseMultiplied, decision::Reduction, decision::GrandfatherOptions,
                 decision::Counted, decision::Akdariyya, decision::SharedThird, decision::NoReturn,
                 decision::SpouseTakesWhole, decision::CompletingSixth, decision::CompletingSixthHeads>;

// The decisions of one computation, in the order they were made. Fixed in
// size, so that recording never allocates: every entered kind leaves at most
// two records (an exclusion, or a fixed share and a residue), the base three,
// the increase or return one, and the correction at most 17 group factors,
// one pair, 17 combinations and a halving: 42 + 3 + 1 + 36 = 82; a case by
// path adds the completing sixth of a lower level, its heads and one more
// combination: 85.
class DecisionTrace {
public:
    static constexpr std::size_t kCapacity = 96;

    // A later decision about a kind's fixed share or residue replaces the
    // earlier one, as the later rule overwrites the share itself (the
    // 'Umariyyatan after the father's remainder).
    void add(const Decision& step);

    std::span<const Decision> steps() const { return {steps_.data(), size_}; }
    void clear() { size_ = 0; }

    // Drops every decision that `drop` names, keeping the others in order:
    // a school's rule replaces the decisions of the Hanafi answer it changes.
    template <typename Drop>
    void dropIf(Drop drop)
    {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            if (!drop(steps_[i])) steps_[kept++] = steps_[i];
        }
        size_ = kept;
    }

private:
    std::array<Decision, kCapacity> steps_{};
    std::size_t size_ = 0;
};

}  // namespace qismaru
