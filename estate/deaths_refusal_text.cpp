#include "estate/deaths_refusal_text.h"

namespace qismaru::estate {

namespace {

using enum DeathsProblem;

std::string quoted(std::string_view text)
{
    std::string quoted = "'";
    quoted += text;
    quoted += '\'';
    return quoted;
}

std::string problemText(const DeathsRefusal& r, const KindCounts& counts, School school)
{
    const std::string ref = quoted(refText(r.ref));
    const std::string code = quoted(infoOf(r.kind).code);
    switch (r.problem) {
    case None: return "";
    case NoHeirs: return "no heir given";
    case UnknownGroup: return "no group " + ref + " among the heirs of an earlier death";
    case DeadGroup: return "every member of " + ref + " has died before this death";
    case NeverInherited:
        return ref +
               " received nothing of the estate (excluded, or nothing was left): the deceased leaves nothing "
               "of it to divide";
    case HusbandOfMan: return "the deceased " + ref + " is a man: he leaves no husband";
    case WivesOfWoman: return "the deceased " + ref + " is a woman: she leaves no wives";
    case LinkedKindAbsent: return "\"same\" links " + code + ", but this death has no heirs of " + code;
    case LinkedTwice: return "the group " + ref + " is linked twice; a group is the same persons as one kind of heirs";
    case DeceasedLinked: return "the deceased " + ref + " is linked into his own case";
    case CountDiffers:
        return code + " counts " + std::to_string(r.heirs) + " heirs, but " + ref + " has " +
               std::to_string(r.survivors) + " surviving members";
    case SchoolRefuses:
        return "the " + std::string(schoolInfo(school).key) + " school lets at most " +
               std::to_string(schoolInfo(school).grandmotherLimit) + " grandmothers inherit together, not " +
               std::to_string(counts.of(HeirKind::Grandmothers)) + " (gm)";
    case ValidationStop:
        return counts.has(HeirKind::Husband) && counts.has(HeirKind::Wives)
                   ? "the husband and wives never stand in one case: no table"
                   : "more than four wives: no table";
    case CaseBeyondExactRange:
        return "the corrected base of its case passes 2^53 (9007199254740992), beyond which parts cannot be "
               "computed exactly; no table is given";
    case CombinedBeyondExactRange:
        return "the combined base passes 2^53 (9007199254740992), beyond which parts cannot be computed exactly; no "
               "table is given";
    }
    return "";
}

}  // namespace

std::string englishRefusalText(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths)
{
    const DeathCase& death = deaths.at(static_cast<std::size_t>(refusal.death - 1));
    return "death " + std::to_string(refusal.death) + ": " +
           problemText(refusal, death.counts, death.computation.positions.school);
}

}  // namespace qismaru::estate
