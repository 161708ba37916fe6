#include "present/deaths_refusal_text.h"
#include "present/heir_labels.h"

#include "engine/kind_groups.h"
#include "engine/messages.h"
#include "model/case_entry.h"
#include "present/combined_sentences.h"
#include "present/heir_names.h"
#include "present/positions_text.h"
#include "present/relative_refusals.h"
#include "present/solution_context.h"

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

// The sex of a group of heirs that has one (otherSexRef).
std::string sexWord(const GroupRef& ref) { return sideOf(ref) == SpouseSide::Man ? "male" : "female"; }

// This death's heirs a link names: a kind's, or an entry's by path.
GroupRef linkedHeirs(const DeathsRefusal& r)
{
    return r.linkedHeirs.byPath() ? r.linkedHeirs : GroupRef{r.death, r.kind};
}

// Its heirs as the link wrote them: "m", "f.m", "d.d@1".
std::string linkedCode(const DeathsRefusal& r)
{
    const std::string text = refText(linkedHeirs(r));
    return text.substr(text.find(':') + 1);
}

std::string problemText(const DeathsRefusal& r, const DeathCase& death)
{
    const KindCounts& counts = death.counts;
    const School school = death.computation.positions.school;
    const std::string ref = quoted(refText(r.ref));
    const std::string code = quoted(linkedCode(r));
    switch (r.problem) {
    case None: return "";
    case TooManyDeaths:
        return "a case holds at most " + std::to_string(kMaxLaterDeaths) +
               " later deaths (the books' tables join a handful)";
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
    case OtherSex:
        return "\"same\" links " + code + " to " + ref + ", but " + code + " is " + sexWord(linkedHeirs(r)) + " and " +
               ref + " " + sexWord(r.ref) + ": they cannot be the same persons";
    case SchoolRefuses: return grandmotherLimitProblem(counts, school);
    case PathsRefused: return death.byPath ? death.byPath->resolution.refusal : "";
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

std::string sexWords(const GroupRef& ref) { return sideOf(ref) == SpouseSide::Man ? "من الرجال" : "من النساء"; }

// A group as the user chose it: "زوجة في المسألة الأولى".
std::string chosenGroup(const GroupRef& ref)
{
    return "«" + groupDisplayName(ref) + " في المسألة " + caseOrdinal(ref.death) + "»";
}

}  // namespace

std::string arabicRefusalReason(const DeathsRefusal& r, const std::vector<DeathCase>& deaths)
{
    // The death's own case, where the refusal lies in it; a death refused
    // before it was joined (at entry) has none among `deaths`.
    const auto death = [&]() -> const DeathCase& { return deaths.at(static_cast<std::size_t>(r.death - 1)); };
    const std::string deceased = "الميت " + deceasedOrdinal(r.death);
    const std::string inHisCase = "في مسألة " + deceased + ": ";
    const std::string kind = "«" + groupDisplayName(linkedHeirs(r)) + "»";
    // The deceased as the sentences of the solution name him; his group is
    // an heir of an earlier death, so it is known.
    const auto named = [&] { return deceasedName(r.ref, deaths); };
    switch (r.problem) {
    case None: return "";
    case TooManyDeaths: return arabicTooManyDeathsText() + ".";
    case NoHeirs: return "لم يُدخل للميت " + deceasedOrdinal(r.death) + " وارث.";
    case UnknownGroup: return "ليس في ورثة المسائل قبل مسألة " + deceased + " " + chosenGroup(r.ref) + ".";
    case DeadGroup: return "مات كل من في " + chosenGroup(r.ref) + " قبل " + deceased + ".";
    case NeverInherited: {
        const Agreement one{groupFeminine(r.ref), 1};
        return named() + " لم " + std::string(verbBefore(kTakes, one)) + " شيئاً من التركة (" +
               (one.feminine ? "حُجبت" : "حُجب") + "، أو لم يبق ل" + std::string(pronoun(one)) + " شيء)، فلا " +
               std::string(verbBefore(kLeaves, one)) + " منها ما يُقسم.";
    }
    case HusbandOfMan: return named() + " رجل، فلا يكون له زوج.";
    case WivesOfWoman: return named() + " امرأة، فلا تكون لها زوجة.";
    case LinkedKindAbsent:
        return inHisCase + "جُعل " + kind + " هم " + chosenGroup(r.ref) + "، وليس في مسألته " + kind + ".";
    case LinkedTwice:
        return inHisCase + "جُعل " + chosenGroup(r.ref) + " هم أنفسهم صنفين من ورثته، وإنما يكونون صنفاً واحداً منهم.";
    case DeceasedLinked: return inHisCase + "جُعل الميت نفسه من ورثته (" + chosenGroup(r.ref) + ").";
    case CountDiffers:
        return inHisCase + "عدد " + kind + " " + figure(std::int64_t{r.heirs}) + "، والباقون من " + chosenGroup(r.ref) +
               " " + figure(std::int64_t{r.survivors}) + "، فلا يكونون هم أنفسهم.";
    case OtherSex:
        return inHisCase + "جُعل " + kind + " هم " + chosenGroup(r.ref) + "، و" + kind + " " + sexWords(linkedHeirs(r)) +
               " و«" + groupDisplayName(r.ref) + "» " + sexWords(r.ref) + "، فلا يكونون هم أنفسهم.";
    case SchoolRefuses: return inHisCase + grandmotherLimitText(death().computation.positions.school, death().counts);
    case PathsRefused: {
        const DeathCase& dc = death();
        if (!dc.byPath) return "";
        return inHisCase + pathRefusalText(dc.byPath->resolution, dc.relatives, dc.computation.positions.school);
    }
    case ValidationStop: {
        const KindCounts& counts = death().counts;
        const bool spouses = counts.has(HeirKind::Husband) && counts.has(HeirKind::Wives);
        return inHisCase + std::string(messageText(spouses ? CaseMessage::BothSpouses : CaseMessage::TooManyWives));
    }
    case CaseBeyondExactRange: return "أصل مسألة " + deceased + " بعد التصحيح أكبر من أن يُحسب حساباً تاماً.";
    case CombinedBeyondExactRange: return "الجامعة بمسألة " + deceased + " أكبر من أن تُحسب حساباً تاماً.";
    }
    return "";
}

std::string arabicRefusalText(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths)
{
    return "لا تجتمع المسائل: " + arabicRefusalReason(refusal, deaths);
}

std::string englishRefusalText(const DeathsRefusal& refusal, const std::vector<DeathCase>& deaths)
{
    if (refusal.problem == TooManyDeaths) return englishTooManyDeathsText();
    const DeathCase& death = deaths.at(static_cast<std::size_t>(refusal.death - 1));
    return "death " + std::to_string(refusal.death) + ": " + problemText(refusal, death);
}

std::string englishTooManyDeathsText()
{
    DeathsRefusal refusal;
    refusal.problem = TooManyDeaths;
    refusal.death = static_cast<int>(kMaxLaterDeaths) + 2;
    return "death " + std::to_string(refusal.death) + ": " + problemText(refusal, DeathCase{});
}

std::string arabicTooManyDeathsText()
{
    return "لا تُدخل في المسألة الواحدة أكثر من " + figure(static_cast<std::int64_t>(kMaxLaterDeaths)) +
           " وفاة قبل القسمة";
}

}  // namespace qismaru::estate
