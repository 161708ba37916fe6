#include "present/waiting_names.h"

#include <algorithm>

namespace qismaru {

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

static std::string birthText(const OutcomeKey& key)
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

static std::string_view sexWord(bool man) { return man ? "ذكر" : "أنثى"; }

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

static std::string unclearText(const WaitingCase& wait, UnclearRule rule, const OutcomeKey& key)
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

namespace {

// "ذكرًا", "أنثيين", "3 ذكور": the children born, as the object of "يكون".
std::string bornText(int n, std::string_view one, std::string_view two, std::string_view many)
{
    return n == 1 ? std::string(one) : n == 2 ? std::string(two) : std::to_string(n) + " " + std::string(many);
}

std::string birthPhrase(const OutcomeKey& key)
{
    if (key.males == 0 && key.females == 0) return "أن يولد الحمل ميتًا";
    std::string text = "أن يكون الحمل ";
    if (key.males > 0) text += bornText(key.males, "ذكرًا", "ذكرين", "ذكور");
    if (key.males > 0 && key.females > 0) text += " و";
    if (key.females > 0) text += bornText(key.females, "أنثى", "أنثيين", "إناث");
    return text;
}

std::string unclearPhrase(const WaitingCase& wait, const OutcomeKey& key)
{
    if (wait.unclear->count == 1) return (key.unclearMen & 1u) != 0 ? "ذكورة الخنثى" : "أنوثة الخنثى";
    std::string text = "أن يكون الخناثى على الترتيب ";
    for (int i = 0; i < wait.unclear->count; ++i) {
        text += i == 0 ? "" : " و";
        text += (key.unclearMen >> i & 1u) != 0 ? "ذكرًا" : "أنثى";
    }
    return text;
}

}  // namespace

std::string outcomePhrase(const WaitingCase& wait, UnclearRule rule, const WaitingOutcome& o)
{
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : " و") + part; };
    if (wait.unborn) add(birthPhrase(o.key));
    if (wait.missing) {
        const Agreement a = agreementOf(wait.missing->relation.kind, wait.missing->count);
        add(std::string(o.key.alive ? "حياة " : "موت ") +
            agreeing(a, {"المفقود", "المفقودين", "المفقودين", "المفقودة", "المفقودتين", "المفقودات"}));
    }
    if (wait.unclear && rule == UnclearRule::Least) add(unclearPhrase(wait, o.key));
    return text + " (" + o.name + ")";
}

// How many children the reserve is held for, and on what terms.
std::string provisionSentence(const UnbornProvision& p)
{
    if (p.waitsForBirth) return "تُوقف القسمة حتى يولد الحمل، ويُعطى من طلب ما لا شك فيه";
    if (p.noLimit) return "لا حد لعدد الحمل، فلا يُعطى الآن من يشاركه في التعصيب";
    const std::string children = p.children == 1   ? "الحمل واحدًا"
                                 : p.children == 2 ? "الحمل اثنين"
                                                   : "عدد الحمل " + std::to_string(p.children);
    return "يُقدَّر " + children + (p.guarantor ? "، ويؤخذ ممن يُعطى الآن ضمين" : "");
}

std::string relationCaption(const WaitingRelation& r, bool eitherSex)
{
    if (r.path == "sim") return "أخت لأم";
    std::string caption = countedHeirs(r.kind, 1);
    if (eitherSex && r.asWoman && *r.asWoman != r.kind) caption += " أو " + countedHeirs(*r.asWoman, 1);
    return caption;
}

}  // namespace qismaru
