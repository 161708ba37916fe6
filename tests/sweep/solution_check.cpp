#include "tests/sweep/solution_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "engine/kind_groups.h"
#include "engine/parts.h"
#include "engine/school_rules.h"
#include "present/case_names.h"
#include "present/solution_steps.h"

namespace qismaru::sweep {

namespace {

using enum HeirKind;
using enum School;

constexpr Positions kEveryPositions[] = {
    {Hanafi},
    {Maliki},
    {Shafii},
    {Hanbali},
    {Hanafi, true},
    {Maliki, true},
    {Shafii, true},
    {Hanbali, true},
    {Maliki, false, true},
    {Shafii, false, true},
};

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

// The phrase stands in the text as whole words: "تُحجب الجد" is not found
// in "تُحجب الجدة".
bool containsPhrase(const std::string& text, const std::string& phrase)
{
    for (std::size_t at = text.find(phrase); at != std::string::npos; at = text.find(phrase, at + 1)) {
        const std::size_t end = at + phrase.size();
        if (end == text.size() || text[end] == ' ' || text.compare(end, 2, "،") == 0 || text[end] == '.' ||
            text.compare(end, 2, "؛") == 0) {
            return true;
        }
    }
    return false;
}

std::string withoutSpaces(std::string_view text)
{
    std::string bare;
    for (const char ch : text) {
        if (ch != ' ') bare += ch;
    }
    return bare;
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
    // The uterine siblings' third, shared in the Mushtaraka with the full siblings.
    case ShareLabel::SharesUterineThird: return step.share == Fraction::of(1, 3);
    default: return false;
    }
}

bool isMale(HeirKind kind)
{
    return kind == Sons || kind == SonsSons || kind == FullBrothers || kind == ConsanguineBrothers ||
           kind == Grandfather;
}

bool isFemale(HeirKind kind)
{
    return kind == Daughters || kind == SonsDaughters || kind == FullSisters || kind == ConsanguineSisters;
}

// The verbs the sentences put before a subject, in both genders.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kSubjectVerbs{{
    {"يُحجب", "تُحجب"},
    {"يشترك", "تشترك"},
    {"يعُدّ", "تعُدّ"},
    {"يرث", "ترث"},
    {"يُعطى", "تُعطى"},
    {"يأخذ", "تأخذ"},
}};

class SolutionCheck {
public:
    SolutionCheck(const KindCounts& counts, const CaseComputation& computation)
        : counts_(counts), c_(computation), r_(computation.result)
    {
    }

    std::string problem(const std::vector<SolutionStep>& steps)
    {
        std::string text;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (i > 0 && steps[i].section < steps[i - 1].section) return "a step is out of the teacher's order";
            if (std::string p = stepProblem(steps[i]); !p.empty()) return p + ": " + steps[i].text;
            text += steps[i].text + "\n";
        }
        if (std::string p = grammarProblem(text); !p.empty()) return p + ": " + text;
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
            return containsPhrase(s.text, "فلا شيء ل" + std::string(pronoun(agreementOf(s.kind, counts_.of(s.kind)))))
                       ? ""
                       : "the exclusion's pronoun does not agree with the excluded heirs";
        case StepType::Fixed:
            ++fixed_[k];
            if (s.basis.empty()) return "a fixed share has no basis";
            return fixedShareAgrees(s, r_[s.kind]) ? "" : "the fixed share differs from the result's";
        case StepType::Residue: {
            // The sisters who share the remainder with their brother are told in his step.
            bool allResiduaries = r_[s.kind].isResiduary();
            s.kinds.forEach([&](HeirKind partner) {
                ++residue_[indexOf(partner)];
                allResiduaries = allResiduaries && r_[partner].isResiduary();
            });
            ++residue_[k];
            withs_[k] = s.kinds;
            return allResiduaries ? "" : "a residuary step for a kind that holds no remainder";
        }
        case StepType::NothingLeft:
            ++nothing_[k];
            return r_[s.kind].value == 0.0 && r_.parts[k] == 0 ? "" : "nothing left, yet the kind holds something";
        case StepType::Base:
            ++bases_;
            return s.value == r_.base && mentions(s, r_.base) ? "" : "the base differs from the result's";
        case StepType::Increase:
        case StepType::Return: {
            ++(s.type == StepType::Increase ? increases_ : returns_);
            // A return to one kind goes straight to their heads, in the correction.
            const bool stated = mentions(s, s.from) || (s.type == StepType::Return && returnToOneKind());
            const bool figures = s.from == r_.base && s.to == increasedOrReducedBaseOf(r_) && stated;
            return figures ? "" : "the increase or return states other figures than the table's";
        }
        case StepType::Correction:
            ++corrections_;
            if (returnToOneKind() && s.text.find("فالمسألة من عدد رؤوسهم") == std::string::npos) {
                return "a return to one kind does not make the case from their heads";
            }
            // Whole figures that make the table's corrected base from its base.
            if (s.factor < 1 || s.reducedBy < 1 ||
                Wide{increasedOrReducedBaseOf(r_)} * s.factor != Wide{s.to} * s.reducedBy || s.to != finalBaseOf(r_) ||
                !mentions(s, s.to)) {
                return "the correction differs from the result's";
            }
            return correctionProblem(s);
        case StepType::Division:
            divided_ += s.value;
            ++divisions_[k];
            if (s.value != partsOf(s.kind, r_) || s.heads != counts_.of(s.kind) || s.perHead * s.heads != s.value) {
                return "a division differs from the result's parts";
            }
            return mentions(s, s.value) ? "" : "a division does not state its parts";
        case StepType::Named: return namedProblem(s);
        case StepType::School: returns_ += s.rule == "spouse_takes_whole"; return schoolProblem(s);
        case StepType::Kindred: return "the distant kindred in a case of the heirs' kinds";
        case StepType::Waiting: return "a step of a case that waits in a case that does not";
        }
        return "an unknown step";
    }

    // A school's rule decides the parts of the kinds it names, and the
    // grandfather's option is the part the table gives him.
    std::string schoolProblem(const SolutionStep& s)
    {
        if (c_.positions == Positions{}) return "a school's rule in the Hanafi answer";
        s.kinds.forEach([&](HeirKind kind) { ++school_[indexOf(kind)]; });
        ruledBySchool_ = true;
        if (s.rule == "grandfather" && !(s.share == r_[Grandfather].exact)) {
            return "the grandfather's option differs from his share in the table";
        }
        return "";
    }

    // The surplus goes back to one kind of heirs, not a spouse: they alone hold parts.
    bool returnToOneKind() const
    {
        if (!(r_.shareScale > 1.0) || partsOf(Husband, r_) > 0 || partsOf(Wives, r_) > 0) return false;
        int holding = 0;
        for (const HeirKindInfo& info : heirKinds()) holding += partsOf(info.kind, r_) > 0;
        return holding == 1;
    }

    // A named case is one Calculate announced, spaced as it should be, or one
    // the books name by these heirs and these figures.
    std::string namedProblem(const SolutionStep& s) const
    {
        for (const CaseMessage m : c_.messages) {
            if (withoutSpaces(s.text) == withoutSpaces(messageText(m))) return "";
        }
        for (const std::string& book : bookCaseSentences(counts_, c_)) {
            if (s.text == book) return "";
        }
        return "a named case the computation did not announce";
    }

    // Each group of the correction: its parts are the parts the table gives
    // its kinds before the correction, its heads are its persons (a male two
    // beside females, all alike in a pool), its heads do not divide its parts,
    // its factor is the heads or the heads over their common factor with the
    // parts, and the sentence states its parts and heads. The factors make up
    // the correction.
    // The groups whose heads do not divide, each with its own figures; they
    // make up the whole multiplier. Under a school's rule for the
    // grandfather the base may also be multiplied for a share that is not a
    // whole number of parts, or reduced after: there every group's factor
    // divides the multiplier.
    std::string correctionProblem(const SolutionStep& s) const
    {
        if (s.factor == 1 && !s.groups.empty()) return "groups beside no correction";
        if (s.factor > 1 && s.groups.empty() && !ruledBySchool_) return "a correction without its groups";
        std::int64_t lcm = 1;
        std::int64_t product = 1;
        for (const HeadsGroup& g : s.groups) {
            if (std::string p = groupProblem(g, s.text); !p.empty()) return p;
            lcm = std::lcm(lcm, g.factor);
            product *= g.factor;
        }
        if (s.factor % lcm != 0 || (!ruledBySchool_ && product % s.factor != 0)) {
            return "the groups' factors do not make up the correction";
        }
        return "";
    }

    std::string groupProblem(const HeadsGroup& g, const std::string& text) const
    {
        const bool pool = g.kinds.has(UterineSiblings);
        bool females = false;
        g.kinds.forEach([&](HeirKind kind) { females = females || isFemale(kind); });
        std::int64_t heads = 0;
        std::int64_t parts = 0;
        g.kinds.forEach([&](HeirKind kind) {
            heads += std::int64_t{counts_.of(kind)} * (isMale(kind) && females && !pool ? 2 : 1);
            parts += partsOf(kind, r_);
        });
        if (g.heads != heads) return "a group of the correction counts other heads than its persons";
        // Under a school's rule the base may be multiplied again after the
        // group (a share that is not whole, المعادة) or reduced, so that only
        // the group's own figures are checked there.
        if (!ruledBySchool_ && static_cast<double>(g.parts) * r_.correction != static_cast<double>(parts)) {
            return "a group of the correction states other parts than the table's";
        }
        const std::int64_t common = std::gcd(g.parts, g.heads);
        if (common == g.heads) return "a group of the correction divides among its heads";
        if (g.factor != g.heads / common && g.factor != g.heads) return "a group's factor is not of its heads";
        // A return to one kind alone makes the case from its heads.
        if (text.find("فالمسألة من عدد رؤوس") != std::string::npos) {
            return g.heads == finalBaseOf(r_) ? "" : "the case is not made from the heads of the one kind";
        }
        // "سهام البنات 8، وعدد الرؤوس 3", "الباقي 5 بين الجد والأخ، وعدد رؤوسهما 2".
        bool headsStated = false;
        for (const char* heads : {"الرؤوس ", "رؤوسه ", "رؤوسها ", "رؤوسهما ", "رؤوسهم ", "رؤوسهن "}) {
            headsStated =
                headsStated ||
                text.find("، وعدد " + std::string(heads) + std::to_string(g.heads) + "،") != std::string::npos ||
                text.find("، وعدد " + std::string(heads) + std::to_string(g.heads) + " (") != std::string::npos;
        }
        const bool partsStated = text.find(" " + std::to_string(g.parts) + "، وعدد ") != std::string::npos ||
                                 text.find(" " + std::to_string(g.parts) + " بين ") != std::string::npos;
        return headsStated && partsStated ? "" : "the correction states other figures than its groups'";
    }

    // A subject stands in the nominative after its verb, and the verb takes
    // its gender; no sentence denies a part to an heir who has one. Each verb
    // is looked for once, and the words after it compared with the names.
    std::string grammarProblem(const std::string& text) const
    {
        const std::string_view words(text);
        for (std::size_t at = 0; at < words.size();) {
            const std::size_t end = std::min(words.find_first_of(" \n", at), words.size());
            std::string_view word = words.substr(at, end - at);
            // A verb may carry its conjunction: "فيشترك", "وتعُدّ".
            if (word.starts_with("و") || word.starts_with("ف")) word.remove_prefix(std::string_view("و").size());
            for (const auto& [he, she] : kSubjectVerbs) {
                if (word != he && word != she) continue;
                if (std::string p = subjectProblem(text, end + 1, word == she); !p.empty()) return p;
            }
            at = end + 1;
        }
        const std::string denied = "لا شيء ";
        for (std::size_t at = text.find(denied); at != std::string::npos; at = text.find(denied, at + 1)) {
            for (const HeirKindInfo& info : heirKinds()) {
                const int n = counts_.of(info.kind);
                if (partsOf(info.kind, r_) > 0 &&
                    startsWithName(text, at + denied.size(), withLam(heirName(info.kind, n, Genitive)))) {
                    return "a sentence denies a part to an heir who has one";
                }
            }
        }
        return "";
    }

    std::string subjectProblem(const std::string& text, std::size_t at, bool feminineVerb) const
    {
        for (const HeirKindInfo& info : heirKinds()) {
            const int n = counts_.of(info.kind);
            if (n == 0) continue;
            const std::string subject = heirName(info.kind, n, Nominative);
            const std::string oblique = heirName(info.kind, n, Genitive);
            if (oblique != subject && startsWithName(text, at, oblique)) return "a subject in the genitive";
            if (startsWithName(text, at, subject) && agreementOf(info.kind, n).feminine != feminineVerb) {
                return "a verb of the wrong gender";
            }
        }
        return "";
    }

    // The name stands at `at` as whole words: "الجد" is not found in "الجدة".
    static bool startsWithName(const std::string& text, std::size_t at, const std::string& name)
    {
        if (text.compare(at, name.size(), name) != 0) return false;
        const std::size_t end = at + name.size();
        return end == text.size() || text[end] == ' ' || text[end] == '\n' || text[end] == '.' ||
               text.compare(end, 2, "،") == 0 || text.compare(end, 2, "؛") == 0;
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
        if (!r_.undistributedRemainder && divided_ != finalBaseOf(r_))
            return "the divisions do not add up to the corrected base";
        return "";
    }

    // Once: excluded, or nothing left, or a fixed share and/or a residue, or
    // decided by a school's rule, never two of these.
    bool accountedFor(int k, bool entered) const
    {
        const int told = excluded_[k] + nothing_[k] + fixed_[k] + residue_[k] + school_[k];
        if (!entered) return told == 0;
        if (excluded_[k] == 1 || nothing_[k] == 1) return told == 1;
        if (school_[k] > 0) return told == school_[k];
        return fixed_[k] <= 1 && residue_[k] <= 1 && told >= 1;
    }

    const KindCounts& counts_;
    const CaseComputation& c_;
    const CaseResult& r_;
    std::array<int, kHeirKindCount> excluded_{}, fixed_{}, residue_{}, nothing_{}, divisions_{}, school_{};
    bool ruledBySchool_ = false;
    std::array<KindSet, kHeirKindCount> withs_{};
    KindSet excluders_;
    int bases_ = 0, corrections_ = 0, increases_ = 0, returns_ = 0;
    std::int64_t divided_ = 0;
};

}  // namespace

std::span<const Positions> everyPositions() { return kEveryPositions; }

bool schoolRuleApplies(const KindCounts& counts, const Positions& positions, const CaseComputation& hanafi)
{
    return hanafi.outcome == CaseOutcome::Computed &&
           schoolRuleFor(counts, effectivePositions(positions), hanafi.result) != SchoolRule::None;
}

std::string solutionProblemOf(const KindCounts& counts, const Positions& positions)
{
    DecisionTrace trace;
    const CaseComputation traced = computeCase(counts, positions, &trace);
    const CaseComputation plain = computeCase(counts, positions);
    if (traced.outcome != plain.outcome || !sameShares(traced.result, plain.result)) {
        return "asking for the steps changed the result";
    }
    if (traced.outcome != CaseOutcome::Computed) return "";
    return SolutionCheck(counts, traced).problem(solutionSteps(counts, traced, trace));
}

}  // namespace qismaru::sweep
