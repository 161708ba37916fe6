#include "engine/school_rules.h"

#include "engine/count_sums.h"
#include "engine/exclusion.h"
#include "engine/grandfather_siblings.h"
#include "engine/kind_groups.h"
#include "engine/named_cases.h"
#include "engine/school_division.h"

namespace qismaru {

namespace {

using enum HeirKind;

// The Mushtaraka as the Maliki and Shafi'i schools divide it: the full
// siblings are counted as uterine ones, every head alike.
void shareUterineThird(const KindCounts& counts, const CaseResult& hanafi, GroupedShares& d, DecisionTrace* trace)
{
    for (const HeirKind kind : {Husband, Mother, Grandmothers}) {
        if (hanafi[kind].isFraction()) d.fixed(kind, hanafi[kind].exact);
    }
    ShareGroup pool{{UterineSiblings, FullBrothers}, {1, 1}, 2, Fraction::of(1, 3), ShareLabel::SharesUterineThird};
    if (counts.has(FullSisters)) pool.kinds[pool.size] = FullSisters, pool.weights[pool.size++] = 1;
    d.add(pool);
    recordStep(trace, decision::SharedThird{pool.heads(counts)});
}

// The decisions of the Hanafi answer that a school's rule replaces: those
// about the whole case, and those about the kinds the rule decides anew.
void dropReplacedDecisions(DecisionTrace& trace, SchoolRule rule)
{
    trace.dropIf([rule](const Decision& s) {
        const auto about = [&](HeirKind kind) {
            if (rule == SchoolRule::GrandfatherWithSiblings) return kGrandfatherAndSiblings.has(kind);
            if (rule == SchoolRule::SharedThird) return kind == FullBrothers || kind == FullSisters;
            return false;
        };
        if (std::holds_alternative<decision::Excluded>(s)) return rule == SchoolRule::GrandfatherWithSiblings;
        if (const auto* f = std::get_if<decision::Fixed>(&s)) return about(f->kind);
        if (const auto* r = std::get_if<decision::Residue>(&s)) return about(r->kind);
        if (const auto* n = std::get_if<decision::NothingLeft>(&s)) return about(n->kind);
        // The base, the increase or return and the correction are formed anew.
        return true;
    });
}

// The exclusions under the school, where the grandfather no longer keeps
// the brothers and sisters out.
void recordExclusions(const KindCounts& counts, School school, DecisionTrace& trace)
{
    const CountSums sums = sumCounts(counts);
    KindSet::enteredIn(counts).forEach([&](HeirKind kind) {
        const KindSet by = inheritingExcludersOf(kind, counts, sums, school);
        if (!by.empty()) trace.add(decision::Excluded{kind, by});
    });
}

}  // namespace

SchoolRule schoolRuleFor(const KindCounts& counts, const Positions& positions, const CaseResult& hanafi)
{
    const CountSums sums = sumCounts(counts);
    if (grandfatherWithSiblings(counts, sums, positions.school)) return SchoolRule::GrandfatherWithSiblings;
    if (fullSiblingsShareUterineThird(positions.school) && isMushtaraka(counts)) return SchoolRule::SharedThird;
    // A return, in the Hanafi answer, is what scales the shares up.
    const bool returned = hanafi.shareScale > 1.0;
    if (positions.noReturn && returned) return SchoolRule::NoReturn;
    if (positions.spouseReturn && !positions.noReturn && spouseAlone(counts)) return SchoolRule::SpouseTakesWhole;
    return SchoolRule::None;
}

void applySchoolRules(const KindCounts& counts, const Positions& positions, CaseComputation& computation,
                      DecisionTrace* trace)
{
    const CaseResult& hanafi = computation.result;
    const SchoolRule rule = schoolRuleFor(counts, positions, hanafi);
    if (rule == SchoolRule::None) return;
    if (trace) {
        dropReplacedDecisions(*trace, rule);
        if (rule == SchoolRule::GrandfatherWithSiblings) recordExclusions(counts, positions.school, *trace);
    }
    GroupedShares d;
    switch (rule) {
    case SchoolRule::GrandfatherWithSiblings:
        divideWithGrandfather(counts, sumCounts(counts), positions.school, hanafi, d, computation.messages, trace);
        break;
    case SchoolRule::SharedThird: shareUterineThird(counts, hanafi, d, trace); break;
    case SchoolRule::SpouseTakesWhole: {
        const HeirKind spouse = counts.has(Husband) ? Husband : Wives;
        d.fixed(spouse, hanafi[spouse].exact);
        recordStep(trace, decision::SpouseTakesWhole{spouse, hanafi[spouse].exact});
        break;
    }
    case SchoolRule::NoReturn:
        for (const HeirKindInfo& info : heirKinds()) {
            if (hanafi[info.kind].isFraction()) d.fixed(info.kind, hanafi[info.kind].exact);
        }
        d.undistributed = true;
        recordStep(trace, decision::NoReturn{d.total()});
        break;
    case SchoolRule::None: return;
    }
    computation.outcome = settle(counts, d, computation.result, trace);
}

}  // namespace qismaru
