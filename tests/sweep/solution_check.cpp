#include "tests/sweep/solution_check.h"

#include <array>

#include "engine/kind_groups.h"
#include "engine/parts.h"
#include "present/solution_steps.h"

namespace qismaru::sweep {

namespace {

using enum HeirKind;

bool sameShares(const CaseResult& a, const CaseResult& b)
{
    for (int i = 0; i < kHeirKindCount; ++i) {
        const ShareResult& x = a.shares[i];
        const ShareResult& y = b.shares[i];
        if (x.value != y.value || x.numerator != y.numerator || x.denominator != y.denominator || x.label != y.label ||
            !(x.exact == y.exact) || a.parts[i] != b.parts[i]) {
            return false;
        }
    }
    return a.base == b.base && a.correction == b.correction && a.shareScale == b.shareScale &&
           a.baseDivisor == b.baseDivisor && a.returnFactor == b.returnFactor && a.spouseScale == b.spouseScale &&
           a.adjustedBase == b.adjustedBase && a.finalBase == b.finalBase;
}

bool mentions(const SolutionStep& step, std::int64_t figure)
{
    return step.text.find(std::to_string(figure)) != std::string::npos;
}

// The fixed share a step names is the one the result holds: the fraction
// itself, or the sixth within "the sixth and the remainder", or the
// mother's third of the remainder as a share of the estate.
bool fixedShareAgrees(const SolutionStep& step, const ShareResult& share)
{
    if (share.isFraction()) return step.share == share.exact;
    switch (share.label) {
    case ShareLabel::FatherSixthAndRemainder:
    case ShareLabel::GrandfatherSixthAndRemainder:
        return step.share == Fraction::of(1, 6) && !(share.exact < Fraction::of(1, 6));
    case ShareLabel::ThirdOfRemainderHusbandForm:
    case ShareLabel::ThirdOfRemainderWifeForm: return step.share == share.exact;
    default: return false;
    }
}

class SolutionCheck {
public:
    SolutionCheck(const KindCounts& counts, const CaseComputation& computation)
        : counts_(counts), c_(computation), r_(computation.result)
    {
    }

    std::string problem(const std::vector<SolutionStep>& steps)
    {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (i > 0 && steps[i].section < steps[i - 1].section) return "a step is out of the teacher's order";
            if (std::string p = stepProblem(steps[i]); !p.empty()) return p + ": " + steps[i].text;
        }
        return wholeProblem();
    }

private:
    std::string stepProblem(const SolutionStep& s)
    {
        const int k = indexOf(s.kind);
        switch (s.type) {
        case StepType::Excluded:
            ++excluded_[k];
            excluders_ = excluders_ | s.kinds;
            if (s.kinds.empty()) return "an exclusion names no excluder";
            if (r_[s.kind].value != 0.0 || r_.parts[k] != 0) return "an excluded kind holds a share";
            return "";
        case StepType::Fixed:
            ++fixed_[k];
            if (s.basis.empty()) return "a fixed share has no basis";
            return fixedShareAgrees(s, r_[s.kind]) ? "" : "the fixed share differs from the result's";
        case StepType::Residue:
            ++residue_[k];
            withs_[k] = s.kinds;
            return r_[s.kind].isResiduary() ? "" : "a residuary step for a kind that holds no remainder";
        case StepType::NothingLeft:
            ++nothing_[k];
            return r_[s.kind].value == 0.0 && r_.parts[k] == 0 ? "" : "nothing left, yet the kind holds something";
        case StepType::Base:
            ++bases_;
            return s.value == r_.base && mentions(s, r_.base) ? "" : "the base differs from the result's";
        case StepType::Increase:
        case StepType::Return: {
            ++(s.type == StepType::Increase ? increases_ : returns_);
            const bool figures = s.from == r_.base && s.to == increasedOrReducedBaseOf(r_) && mentions(s, s.from);
            return figures ? "" : "the increase or return states other figures than the table's";
        }
        case StepType::Correction:
            ++corrections_;
            // Whole figures that make the table's corrected base from its base.
            return s.factor >= 1 && s.reducedBy >= 1 &&
                           Wide{increasedOrReducedBaseOf(r_)} * s.factor == Wide{s.to} * s.reducedBy &&
                           s.to == finalBaseOf(r_) && mentions(s, s.to)
                       ? ""
                       : "the correction differs from the result's";
        case StepType::Division:
            divided_ += s.value;
            ++divisions_[k];
            if (s.value != partsOf(s.kind, r_) || s.heads != counts_.of(s.kind) || s.perHead * s.heads != s.value) {
                return "a division differs from the result's parts";
            }
            return mentions(s, s.value) ? "" : "a division does not state its parts";
        case StepType::Named:
            for (const CaseMessage m : c_.messages) {
                if (s.text == messageText(m)) return "";
            }
            return "a named case the computation did not announce";
        case StepType::School: return "";  // the Hanafi answer has none
        }
        return "an unknown step";
    }

    std::string wholeProblem() const
    {
        if (bases_ != 1 || corrections_ != 1) return "not exactly one base and one correction step";
        if ((increases_ == 1) != (r_.shareScale < 1.0)) return "the increase is told where there is none, or not told";
        const bool returned = r_.shareScale > 1.0;
        if ((returns_ == 1) != returned || increases_ + returns_ > 1) return "the return is told wrongly";
        for (const HeirKindInfo& info : heirKinds()) {
            const int k = indexOf(info.kind);
            if (!accountedFor(k, counts_.has(info.kind)))
                return "a kind is not accounted for once: " + std::string(info.code);
            if (excluders_.has(info.kind) && (!counts_.has(info.kind) || excluded_[k] > 0)) {
                return "an excluder is not an inheriting heir: " + std::string(info.code);
            }
            bool partnersTold = true;
            withs_[k].forEach(
                [&](HeirKind partner) { partnersTold = partnersTold && residue_[indexOf(partner)] == 1; });
            if (!partnersTold) return "a residuary shares with a kind that takes no remainder";
            if ((r_.parts[k] > 0) != (divisions_[k] == 1)) return "a kind's parts are not divided once";
        }
        if (!spouseAlone(counts_) && divided_ != finalBaseOf(r_))
            return "the divisions do not add up to the corrected base";
        return "";
    }

    bool accountedFor(int k, bool entered) const
    {
        const int told = excluded_[k] + nothing_[k] + fixed_[k] + residue_[k];
        if (!entered) return told == 0;
        if (excluded_[k] == 1 || nothing_[k] == 1) return told == 1;
        return fixed_[k] <= 1 && residue_[k] <= 1 && told >= 1;
    }

    const KindCounts& counts_;
    const CaseComputation& c_;
    const CaseResult& r_;
    std::array<int, kHeirKindCount> excluded_{}, fixed_{}, residue_{}, nothing_{}, divisions_{};
    std::array<KindSet, kHeirKindCount> withs_{};
    KindSet excluders_;
    int bases_ = 0, corrections_ = 0, increases_ = 0, returns_ = 0;
    std::int64_t divided_ = 0;
};

}  // namespace

std::string solutionProblemOf(const KindCounts& counts)
{
    StepTrace trace;
    const CaseComputation traced = computeCase(counts, &trace);
    const CaseComputation plain = computeCase(counts);
    if (traced.outcome != plain.outcome || !sameShares(traced.result, plain.result)) {
        return "asking for the steps changed the result";
    }
    if (traced.outcome != CaseOutcome::Computed) return "";
    return SolutionCheck(counts, traced).problem(solutionSteps(counts, traced, trace));
}

}  // namespace qismaru::sweep
