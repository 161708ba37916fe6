#include "present/waiting_sentences.h"

#include <algorithm>

#include "present/waiting_names.h"

namespace qismaru {

namespace {

constexpr Verb kInherits{"يرث", "ترث", "يرثان", "ترثان", "يرثون", "يرثن"};
constexpr Verb kGivesBack{"يرد", "ترد", "يردان", "تردان", "يردون", "يرددن"};
constexpr Verb kShares{"يشارك", "تشارك", "يشاركان", "تشاركان", "يشاركون", "يشاركن"};

// Several heirs of unclear sex are told apart by their order: "الخنثى الثاني".
// `i` is the claimant's place; "الخنثى" alone when there is only one.
std::string unclearName(const std::vector<Claimant>& claimants, std::size_t i)
{
    static constexpr std::string_view kOrdinals[] = {" الأول", " الثاني", " الثالث", " الرابع", " الخامس", " السادس"};
    const auto unclear = [](const Claimant& c) { return c.role == ClaimantRole::Unclear; };
    const auto before = static_cast<std::size_t>(std::count_if(claimants.begin(), claimants.begin() + i, unclear));
    if (std::count_if(claimants.begin(), claimants.end(), unclear) < 2 || before >= std::size(kOrdinals))
        return "الخنثى";
    return "الخنثى" + std::string(kOrdinals[before]);
}

// A claimant as the subject of "يُعطى": "الابن", "الحمل", "الابن المفقود", "الخنثى".
std::string subjectName(const std::vector<Claimant>& claimants, std::size_t i)
{
    const Claimant& c = claimants[i];
    switch (c.role) {
    case ClaimantRole::Present: return heirName(c.kind, c.count, Nominative);
    case ClaimantRole::Unborn: return "الحمل";
    case ClaimantRole::Missing:
        return heirName(c.kind, c.count, Nominative) + " " +
               agreeing(agreementOf(c.kind, c.count),
                        {"المفقود", "المفقودان", "المفقودون", "المفقودة", "المفقودتان", "المفقودات"});
    case ClaimantRole::Unclear: return unclearName(claimants, i);
    }
    return "";
}

// After "لـ": "للزوجة", "للحمل", "للابن المفقود", "للخنثى".
std::string genitiveName(const std::vector<Claimant>& claimants, std::size_t i)
{
    const Claimant& c = claimants[i];
    switch (c.role) {
    case ClaimantRole::Present: return withLam(heirName(c.kind, c.count, Genitive));
    case ClaimantRole::Missing:
        return withLam(heirName(c.kind, c.count, Genitive)) + " " +
               agreeing(agreementOf(c.kind, c.count),
                        {"المفقود", "المفقودين", "المفقودين", "المفقودة", "المفقودتين", "المفقودات"});
    case ClaimantRole::Unborn:
    case ClaimantRole::Unclear: return withLam(subjectName(claimants, i));
    }
    return "";
}

bool feminine(const Claimant& c)
{
    return c.role != ClaimantRole::Unborn && c.role != ClaimantRole::Unclear && agreementOf(c.kind, c.count).feminine;
}

std::string_view given(const Claimant& c) { return feminine(c) ? "تُعطى" : "يُعطى"; }

// One division's case: its corrected base and each claimant's share of the estate.
std::string divisionText(const std::vector<Claimant>& claimants, const std::vector<Fraction>& shares,
                         const Fraction& noHeir, const CaseComputation& computation)
{
    std::string text;
    if (computation.outcome == CaseOutcome::Computed && computation.result.finalBase > 0)
        text = "تصح المسألة من " + std::to_string(computation.result.finalBase) + "، ";
    std::string parts;
    for (std::size_t i = 0; i < claimants.size(); ++i) {
        if (shares[i].isZero()) continue;
        parts += (parts.empty() ? "" : "، و") + genitiveName(claimants, i) + " " + shares[i].text();
    }
    if (parts.empty()) parts = "ولا يرث أحد من المذكورين";
    text += parts;
    if (!noHeir.isZero()) text += "، وما بقي " + noHeir.text() + " لا وارث له من المذكورين";
    return text + ".";
}

std::string waitsSentence(const WaitingCase& wait, const WaitingDivision& d)
{
    std::string text;
    if (wait.unborn) {
        text = std::string("في الورثة حمل، فتُقسم المسألة على كل تقدير من تقديراته") +
               (d.provision.waitsForBirth ? ". " : "، ويُعطى كل وارث الأقل من أنصبائه فيها. ") +
               provisionSentence(d.provision) + ".";
    }
    if (wait.missing) {
        const Agreement a = agreementOf(wait.missing->relation.kind, wait.missing->count);
        text += std::string(text.empty() ? "" : " ") + "في الورثة " +
                agreeing(a, {"مفقود", "مفقودان", "مفقودون", "مفقودة", "مفقودتان", "مفقودات"}) +
                " لا تُعلم حياته يوم موت المورِّث، فتُقسم المسألة على تقديرَي الحياة والموت، ويُعطى كل وارث "
                "الأقل من نصيبيه.";
    }
    if (wait.unclear) {
        const UnclearRule rule = d.unclearRule;
        text += std::string(text.empty() ? "" : " ") + "في الورثة خنثى مشكل، فتُقسم المسألة على تقديرَي الذكورة والأنوثة";
        text += rule == UnclearRule::Worse ? "، ويُعامَل هو ومن معه بأسوأ حاليه، ولا يوقف شيء."
                : rule == UnclearRule::Half ? "، ويُعطى كل وارث نصف مجموع نصيبيه في التقديرين، ولا يوقف شيء."
                                            : "، ويُعطى كل وارث الأقل من نصيبيه، ويوقف الباقي حتى يتضح حاله.";
    }
    return text;
}

void addEstimates(std::vector<SolutionStep>& steps, const WaitingCase& wait, const WaitingDivision& d)
{
    const auto add = [&steps](std::string text) {
        steps.push_back(solutionStep(StepType::Waiting, StepSection::Estimates, std::move(text)));
    };
    add(waitsSentence(wait, d));
    if (d.atOnce()) {
        const WaitingOutcome& o = d.outcomes.front();
        for (std::size_t i = 0; i < o.estimates.size(); ++i) {
            const Estimate& e = o.estimates[i];
            std::string text = "على تقدير أن الخنثى " + sexesText(e.name) + ": ";
            text += divisionText(d.claimants, e.shares, e.noHeir, e.computation);
            if (static_cast<int>(i) == o.applied) text += " وهذا أسوأ حاليه، فيُعمل به.";
            add(std::move(text));
        }
        return;
    }
    for (const WaitingOutcome& o : d.outcomes) {
        const CaseComputation& computation = o.estimates.front().computation;
        add("على تقدير " + outcomePhrase(wait, d.unclearRule, o) + ": " +
            divisionText(d.claimants, o.shares, o.noHeir, computation));
    }
}

bool sameInEvery(const WaitingDivision& d, std::size_t i)
{
    return std::all_of(d.outcomes.begin(), d.outcomes.end(),
                       [&](const WaitingOutcome& o) { return o.shares[i] == d.given[i]; });
}

std::string givenSentence(const WaitingCase& wait, const WaitingDivision& d, std::size_t i)
{
    const Claimant& c = d.claimants[i];
    const std::string who = subjectName(d.claimants, i);
    const std::string share = d.given[i].text();
    const std::string verb(given(c));
    const Agreement agreement = agreementOf(c.kind, c.count);
    const std::string his(pronoun(agreement));
    switch (d.basis[i]) {
    case GivenBasis::Absent: return "يوقف نصيب " + who + " كله حتى يُعلم حاله.";
    case GivenBasis::SharesWithUnborn:
        return "لا " + verb + " " + who + " شيئًا الآن، لأن" + his + " " + std::string(verbAfter(kShares, agreement)) +
               " الحمل في الإرث، ولا حدَّ لعدد الحمل.";
    case GivenBasis::BirthAwaited: return "لا " + verb + " " + who + " شيئًا حتى يولد الحمل.";
    case GivenBasis::AtOnce:
        return verb + " " + who + " " + share +
               (d.unclearRule == UnclearRule::Half
                    ? "، نصف مجموع نصيبي" + his + " في التقديرين."
                    : "، نصيب" + his + (c.role == ClaimantRole::Unclear ? " بأسوأ حاليه." : " بأسوأ حالي الخنثى."));
    case GivenBasis::Least: break;
    }
    if (sameInEvery(d, i)) {
        return verb + " " + who + " نصيب" + his + " كاملًا " + share + "، لأنه لا يتغير في التقديرات كلها.";
    }
    const std::string where =
        d.leastIn[i] >= 0 ? outcomePhrase(wait, d.unclearRule, d.outcomes[static_cast<std::size_t>(d.leastIn[i])]) : "";
    if (d.given[i].isZero())
        return "لا " + verb + " " + who + " شيئًا الآن، لأن" + his + " لا " +
               std::string(verbAfter(kInherits, agreement)) + " على تقدير " + where + ".";
    const std::string least = d.outcomes.size() == 2 ? "الأقل من نصيبي" : "الأقل من أنصبائ";
    return verb + " " + who + " " + least + his + "، وهو " + share + "، نصيب" + his + " على تقدير " + where + ".";
}

std::string reserveSentence(const WaitingCase& wait, const WaitingDivision& d)
{
    if (d.reserve.isZero()) return "لا يوقف شيء، فالقسمة تامة الآن.";
    const std::string held = d.reserve == Fraction::whole(1) ? "توقف التركة كلها" : "يوقف الباقي " + d.reserve.text();
    std::string until;
    const auto add = [&until](std::string_view part) { until += (until.empty() ? "" : " و") + std::string(part); };
    if (wait.unborn) add("يولد الحمل");
    if (wait.missing) add("يظهر حال المفقود أو يُحكم بموته");
    if (wait.unclear) add("يتضح حال الخنثى");
    std::string text = held + " حتى " + until +
                       "، ثم يُقسم على ما يظهر: يُعطى كل وارث تمام نصيبه في ذلك التقدير، ويُرد الفضل على من أُعطي "
                       "أقل من نصيبه.";
    if (!d.noHeir.isZero()) text += " وما لا وارث له من المذكورين في كل تقدير (" + d.noHeir.text() + ") يُدفع الآن.";
    if (d.provision.guarantor && wait.unborn) text += " ويؤخذ ممن أُعطي الآن ضمين لما قد يُرد إن وُلد أكثر مما قُدِّر.";
    return text;
}

std::string recordedSentence(const WaitingCase& wait, const WaitingDivision& d, const WaitingOutcome& o,
                             const ReservePayout& payout)
{
    std::string paid;
    std::string back;
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        const Fraction& f = payout.toClaimant[i];
        if (f.isZero()) continue;
        const Agreement agreement = agreementOf(d.claimants[i].kind, d.claimants[i].count);
        if (f.num > 0) {
            paid += (paid.empty() ? "" : "، و") + genitiveName(d.claimants, i) + " " + f.text() + " فيتم ل" +
                    std::string(pronoun(agreement)) + " " + o.shares[i].text();
        } else {
            back += " و" + std::string(verbBefore(kGivesBack, agreement)) + " " + subjectName(d.claimants, i) + " " +
                    Fraction{-f.num, f.den}.text() + " مما أُعطي، إذ وُلد أكثر مما قُدِّر.";
        }
    }
    std::string text = "ثم عُلم الحال: " + outcomePhrase(wait, d.unclearRule, o) + "، ";
    text += paid.empty() ? std::string("فلا يُعطى أحد من الموقوف شيئًا") : "فيُعطى من الموقوف: " + paid;
    if (!payout.toNoHeir.isZero()) text += "، وما لا وارث له من المذكورين " + payout.toNoHeir.text();
    return text + "." + back;
}

}  // namespace

std::vector<SolutionStep> waitingSteps(const WaitingCase& wait, const WaitingDivision& d,
                                       const WaitingOutcome* recorded, const ReservePayout* payout)
{
    std::vector<SolutionStep> steps;
    if (d.refused()) return steps;
    addEstimates(steps, wait, d);
    for (std::size_t i = 0; i < d.claimants.size(); ++i)
        steps.push_back(solutionStep(StepType::Waiting, StepSection::GivenNow, givenSentence(wait, d, i)));
    steps.push_back(solutionStep(StepType::Waiting, StepSection::Reserve, reserveSentence(wait, d)));
    if (recorded && payout) {
        steps.push_back(
            solutionStep(StepType::Waiting, StepSection::Reserve, recordedSentence(wait, d, *recorded, *payout)));
    }
    return steps;
}

namespace {

// "لأحمد"; a name in Latin letters keeps the lam apart: "لـson".
std::string deadWithLam(const std::string& name)
{
    const bool latin = !name.empty() && static_cast<unsigned char>(name.front()) < 0x80;
    return latin ? "لـ" + name : withLam(name);
}

std::string togetherHeirs(const DiedTogether& t, const std::vector<TogetherHeir>& heirs, const Fraction& noHeir)
{
    std::string text;
    for (const TogetherHeir& h : heirs) {
        if (h.fraction.isZero()) continue;
        const std::string name = h.dead >= 0 ? deadWithLam(t.deaths[static_cast<std::size_t>(h.dead)].name)
                                             : withLam(heirName(h.kind, h.count, Genitive));
        text += (text.empty() ? "" : "، و") + name + " " + h.fraction.text();
    }
    if (text.empty()) text = "لا وارث له من الأحياء";
    if (!noHeir.isZero()) text += "، وما بقي " + noHeir.text() + " لا وارث له من المذكورين";
    return text;
}

std::string ruleSentence(const TogetherDivision& d, School school, bool dispute)
{
    if (d.mutual) {
        return "ماتوا معًا ولا يُعلم السابق منهم، ولم يختلف الورثة في ذلك، فعلى مذهب الحنابلة يرث كل واحد منهم من "
               "الآخر من تلاد ماله دون طارفه: يُقدَّر كل واحد منهم ميتًا أولًا فيرثه الآخرون مما كان يملكه، لا مما "
               "ورثه منهم، ثم يُدفع ما ورثه كل منهم إلى ورثته الأحياء.";
    }
    std::string text = "ماتوا معًا ولا يُعلم السابق منهم، فلا يرث بعضهم من بعض";
    if (school == School::Hanbali && dispute) {
        text += "، لأن الورثة اختلفوا في السابق فحلف كل فريق";
    } else {
        text += "، لأن شرط الإرث تحقق حياة الوارث بعد موت المورِّث، ولم تتحقق";
    }
    return text + "، فتُقسم تركة كل واحد منهم على ورثته الأحياء كأن الآخرين أجانب عنه.";
}

}  // namespace

std::vector<SolutionStep> togetherSteps(const DiedTogether& t, const TogetherDivision& d, School school)
{
    std::vector<SolutionStep> steps;
    if (d.refusal.refused()) return steps;
    const auto add = [&steps](std::string text) {
        steps.push_back(solutionStep(StepType::Waiting, StepSection::DiedTogether, std::move(text)));
    };
    add(ruleSentence(d, school, t.heirsDispute));
    for (std::size_t i = 0; i < d.estates.size(); ++i) {
        const TogetherEstate& e = d.estates[i];
        std::string text = "تركة " + t.deaths[i].name + ": ";
        if (e.computation.outcome == CaseOutcome::Computed && e.computation.result.finalBase > 0)
            text += "تصح المسألة من " + std::to_string(e.computation.result.finalBase) + "، ";
        text += togetherHeirs(t, e.heirs, e.noHeir) + ".";
        for (const PassedOn& p : e.passedOn) {
            text += " ونصيب " + t.deaths[static_cast<std::size_t>(p.dead)].name + " " + p.portion.text() +
                    " لورثته الأحياء: " + togetherHeirs(t, p.heirs, p.noHeir) + ".";
        }
        add(std::move(text));
    }
    return steps;
}

}  // namespace qismaru
