#include "answer/waiting_answer.h"

#include "engine/waiting_outcomes.h"
#include "present/refusal_texts.h"
#include "present/waiting_names.h"

namespace qismaru {

WaitingCase waitingCaseOf(const CaseQuestion& question)
{
    return waitingCaseWith(question.counts, question.unborn, question.missing, question.unclear);
}

std::string waitingHeirsLine(const CaseQuestion& question)
{
    std::string names;
    const auto add = [&names](const std::string& name) { names += (names.empty() ? "" : "، و") + name; };
    if (question.together) {
        for (const TogetherDeath& death : question.together->deaths) add(death.name);
        return "ماتوا معًا: " + names;
    }
    const WaitingCase wait = waitingCaseOf(question);
    for (const Claimant& c : claimantsOf(wait)) {
        add(c.role == ClaimantRole::Unborn ? std::string("حمل") : claimantName(c, wait));
    }
    return "الورثة: " + names;
}

RecordedOutcome recordOutcome(const CaseAnswer& answer)
{
    const CaseQuestion& q = answer.question;
    RecordedOutcome recorded;
    recorded.name = q.outcome;
    if (!answer.waiting || answer.waiting->refused()) return recorded;
    const WaitingCase wait = waitingCaseOf(q);
    const std::optional<OutcomeKey> key = outcomeKeyNamed(wait, q.positions, q.outcome);
    if (!key) return recorded;
    recorded.fits = true;
    recorded.outcome = outcomeOf(wait, q.positions, *key, recorded.problem);
    if (recorded.problem != WaitingProblem::None) return recorded;
    recorded.payout = payOut(*answer.waiting, recorded.outcome);
    if (!recorded.payout) {
        recorded.problem = WaitingProblem::BeyondExactRange;
        return recorded;
    }
    if (answer.waitingSettlement && answer.waitingSettlement->divided) {
        recorded.amounts = estate::outcomeAmounts(*answer.waitingSettlement, *answer.waiting, recorded.outcome.shares,
                                                  recorded.outcome.noHeir);
    }
    return recorded;
}

namespace {

std::string problemSentence(WaitingProblem problem)
{
    switch (problem) {
    case WaitingProblem::None: return "";
    case WaitingProblem::NothingWaits: return "لم يُذكر حمل ولا مفقود ولا خنثى مشكل.";
    case WaitingProblem::CannotBeUnclear:
        return "الحمل والخنثى المشكل ولدٌ أو أخ أو ابن أخ أو عم أو ابن عم، ولا يكون أبًا ولا أمًّا ولا زوجًا ولا "
               "امرأة.";
    case WaitingProblem::UnknownRelation: return "قرابة لا يرث بها أحد.";
    case WaitingProblem::CountOutOfRange: return "عدد يجاوز ما تتسع له المسألة.";
    case WaitingProblem::SingleKindTaken:
        return "الأب والأم والجد والزوج لا يتعدد أحدهم: لا يُذكر مفقود منهم ومعه حاضر، ولا أكثر من واحد.";
    case WaitingProblem::ValidationStop: return "يجتمع فيه زوج وزوجات، أو أكثر من أربع زوجات.";
    case WaitingProblem::SchoolRefuses: return "فيه من الجدات أكثر مما يورّثه المذهب المختار معًا.";
    case WaitingProblem::BeyondExactRange: return kBeyondExactRangeText;
    }
    return "";
}

// The problem, and the outcome in which it was found.
std::string inOutcome(const std::string& outcome, WaitingProblem problem)
{
    const std::string why = problemSentence(problem);
    // No problem is no refusal, whichever outcome was recorded.
    if (why.empty() || outcome.empty()) return why;
    return "على احتمال (" + outcome + "): " + why;
}

std::string togetherProblemSentence(TogetherProblem problem)
{
    using enum TogetherProblem;
    switch (problem) {
    case None: return "";
    case TooFewDeaths: return "من ماتوا معًا اثنان فأكثر.";
    case NameMissing: return "ميت بلا اسم.";
    case NameTwice: return "ميتان باسم واحد.";
    case UnknownName: return "قرابة تذكر من ليس من الموتى.";
    case OwnRelation: return "قرابة ميت لنفسه.";
    case UnknownRelation: return "قرابة لا يرث بها أحد.";
    case RelationTwice: return "قرابتان بين الميتين أنفسهما.";
    case SingleKindTaken: return "أب أو أم أو جد أو زوج ثانٍ.";
    case CountOutOfRange: return "عدد يجاوز ما تتسع له المسألة.";
    case ValidationStop: return "زوج مع زوجات، أو أكثر من أربع زوجات.";
    case SchoolRefuses: return "من الجدات أكثر مما يورّثه المذهب المختار معًا.";
    case BeyondExactRange: return kBeyondExactRangeText;
    }
    return "";
}

}  // namespace

std::string waitingRefusalSentence(const CaseAnswer& answer)
{
    if (answer.together && answer.together->refusal.refused()) {
        const TogetherRefusal& r = answer.together->refusal;
        const std::string why = togetherProblemSentence(r.problem);
        const auto& deaths = answer.question.together->deaths;
        // A death without a name is not named as "في تركة : ".
        const bool named = r.death >= 0 && static_cast<std::size_t>(r.death) < deaths.size() &&
                           !deaths[static_cast<std::size_t>(r.death)].name.empty();
        return named ? "في تركة " + deaths[static_cast<std::size_t>(r.death)].name + ": " + why : why;
    }
    if (!answer.waiting) return "";
    const WaitingDivision& d = *answer.waiting;
    if (d.refused()) return inOutcome(d.problemOutcome, d.problem);
    if (!answer.recorded) return "";
    const RecordedOutcome& r = *answer.recorded;
    if (!r.fits && d.atOnce()) return "يُقسم للخنثى في الحال في المذهب المختار، فلا ينتظر حالٌ يُسجَّل.";
    if (!r.fits) {
        std::string names;
        for (const WaitingOutcome& o : d.outcomes) names += (names.empty() ? "" : "، ") + o.name;
        return "ليس (" + r.name + ") من احتمالات المسألة: " + names + ".";
    }
    // An outcome that fits and divides is no refusal.
    if (r.problem == WaitingProblem::None) return "";
    return inOutcome(r.name, r.problem);
}

}  // namespace qismaru
