#include "calc/waiting_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "present/heir_names.h"

namespace qismaru::calc {

namespace {

constexpr std::string_view kNoHeir = "بلا وارث من المذكورين";

// One, two or more, masculine or feminine: "مفقود", "مفقودتان", "أحياء".
std::string agreeing(Agreement a, const std::array<std::string_view, 6>& words)
{
    const std::size_t number = a.persons == 1 ? 0 : a.persons == 2 ? 1 : 2;
    return std::string(words[number + (a.feminine ? 3 : 0)]);
}

std::string claimantName(const Claimant& c, const WaitingCase& wait)
{
    switch (c.role) {
    case ClaimantRole::Present: return countedHeirs(c.kind, c.count);
    case ClaimantRole::Unborn: return "الحمل";
    case ClaimantRole::Missing:
        return countedHeirs(c.kind, c.count) + " (" +
               agreeing(agreementOf(c.kind, c.count),
                        {"مفقود", "مفقودان", "مفقودون", "مفقودة", "مفقودتان", "مفقودات"}) +
               ")";
    case ClaimantRole::Unclear: {
        const std::optional<HeirKind> woman = wait.unclear->as.asWoman;
        const bool alike = woman && *woman == c.kind;
        return countedHeirs(c.kind, 1) + (woman && !alike ? " أو " + countedHeirs(*woman, 1) : "") + " (خنثى مشكل)";
    }
    }
    return "";
}

std::string birthText(const OutcomeKey& key)
{
    if (key.males == 0 && key.females == 0) return "الحمل: لا يولد حيًّا";
    const auto sex = [](int n, std::string_view one, std::string_view two, std::string_view many) {
        return n == 1 ? std::string(one) : n == 2 ? std::string(two) : std::to_string(n) + " " + std::string(many);
    };
    std::string text = "الحمل: ";
    if (key.males > 0) text += sex(key.males, "ذكر", "ذكران", "ذكور");
    if (key.males > 0 && key.females > 0) text += " و";
    if (key.females > 0) text += sex(key.females, "أنثى", "أنثيان", "إناث");
    return text;
}

std::string_view sexWord(bool man) { return man ? "ذكر" : "أنثى"; }

// "male+female" as the books say it: "ذكر وأنثى".
std::string sexesText(std::string_view name)
{
    std::string text;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t plus = std::min(name.find('+', at), name.size());
        text += (at == 0 ? "" : " و") + std::string(sexWord(name.substr(at, plus - at) == "male"));
        at = plus + 1;
    }
    return text;
}

std::string unclearText(const WaitingCase& wait, UnclearRule rule, const OutcomeKey& key)
{
    if (rule == UnclearRule::Worse) return "الخنثى بأسوأ حاليه";
    if (rule == UnclearRule::Half) return "الخنثى بنصف نصيبيه";
    std::string text = wait.unclear->count == 1 ? "الخنثى: " : "الخناثى: ";
    for (int i = 0; i < wait.unclear->count; ++i) {
        text += i == 0 ? "" : " و";
        text += sexWord((key.unclearMen >> i & 1u) != 0);
    }
    return text;
}

// The outcome as a teacher says it, then its name as the JSON writes it.
std::string outcomeHeading(const WaitingCase& wait, UnclearRule rule, const WaitingOutcome& o)
{
    static constexpr std::array<std::string_view, 6> kAlive{"حي", "حيان", "أحياء", "حية", "حيتان", "أحياء"};
    static constexpr std::array<std::string_view, 6> kDead{"ميت", "ميتان", "أموات", "ميتة", "ميتتان", "أموات"};
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : "، ") + part; };
    if (wait.unborn) add(birthText(o.key));
    if (wait.missing) {
        const Agreement a = agreementOf(wait.missing->relation.kind, wait.missing->count);
        add(agreeing(a, {"المفقود", "المفقودان", "المفقودون", "المفقودة", "المفقودتان", "المفقودات"}) + " " +
            agreeing(a, o.key.alive ? kAlive : kDead));
    }
    if (wait.unclear) add(unclearText(wait, rule, o.key));
    return text + " (" + o.name + ")";
}

void writeShares(std::ostream& out, const WaitingDivision& d, const WaitingCase& wait,
                 const std::vector<Fraction>& shares, const Fraction& noHeir)
{
    for (std::size_t i = 0; i < d.claimants.size(); ++i) {
        out << claimantName(d.claimants[i], wait) << " | " << shares[i].text() << '\n';
    }
    if (!noHeir.isZero()) out << kNoHeir << " | " << noHeir.text() << '\n';
}

// How many children the reserve is held for, and on what terms.
std::string provisionText(const UnbornProvision& p)
{
    if (p.waitsForBirth) return "تُوقف القسمة حتى يولد الحمل، ويُعطى من طلب ما لا شك فيه";
    if (p.noLimit) return "لا حد لعدد الحمل، فلا يُعطى الآن من يشاركه في التعصيب";
    const std::string children = p.children == 1   ? "الحمل واحدًا"
                                 : p.children == 2 ? "الحمل اثنين"
                                                   : "عدد الحمل " + std::to_string(p.children);
    return "يُقدَّر " + children + (p.guarantor ? "، ويؤخذ ممن يُعطى الآن ضمين" : "");
}

}  // namespace

void writeWaitingText(std::ostream& out, const CaseAnswer& answer)
{
    const CaseQuestion& q = answer.question;
    const WaitingCase wait{q.counts, q.unborn, q.missing, q.unclear, false};
    const WaitingDivision& d = *answer.waiting;
    out << "الوارث | يعطى الآن\n";
    writeShares(out, d, wait, d.given, d.noHeir);
    out << "موقوف | " << d.reserve.text() << '\n';
    if (q.unborn) out << provisionText(d.provision) << '\n';
    if (d.atOnce()) {
        for (const Estimate& e : d.outcomes.front().estimates) {
            out << "\nتقدير الخنثى: " << sexesText(e.name) << " (" << e.name << ")\n";
            writeShares(out, d, wait, e.shares, e.noHeir);
        }
        return;
    }
    for (const WaitingOutcome& o : d.outcomes) {
        out << '\n' << outcomeHeading(wait, d.unclearRule, o) << '\n';
        writeShares(out, d, wait, o.shares, o.noHeir);
    }
}

namespace {

void writeTogetherHeirs(std::ostream& out, const DiedTogether& t, const std::vector<TogetherHeir>& heirs,
                        std::string_view indent)
{
    for (const TogetherHeir& h : heirs) {
        const std::string name = h.dead >= 0 ? t.deaths[static_cast<std::size_t>(h.dead)].name + " (مات معه)"
                                             : countedHeirs(h.kind, h.count);
        out << indent << name << " | " << h.fraction.text() << '\n';
    }
}

}  // namespace

void writeTogetherText(std::ostream& out, const CaseAnswer& answer)
{
    const DiedTogether& t = *answer.question.together;
    const TogetherDivision& d = *answer.together;
    out << (d.mutual ? "يرث بعضهم من بعض من تلاد المال دون طارفه\n"
                     : "لا يرث بعضهم من بعض: تركة كل منهم لورثته الأحياء\n");
    for (std::size_t i = 0; i < d.estates.size(); ++i) {
        const TogetherEstate& e = d.estates[i];
        out << "\nتركة " << t.deaths[i].name << '\n';
        writeTogetherHeirs(out, t, e.heirs, "");
        if (!e.noHeir.isZero()) out << kNoHeir << " | " << e.noHeir.text() << '\n';
        for (const PassedOn& p : e.passedOn) {
            out << "نصيب " << t.deaths[static_cast<std::size_t>(p.dead)].name << " لورثته الأحياء\n";
            writeTogetherHeirs(out, t, p.heirs, "  ");
            if (!p.noHeir.isZero()) out << "  " << kNoHeir << " | " << p.noHeir.text() << '\n';
        }
    }
}

}  // namespace qismaru::calc
