#include "present/relative_refusals.h"

#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "present/relative_names.h"

namespace qismaru {

namespace {

std::string quotedName(const RelativeEntry& e, bool uterineSexGiven)
{
    std::string name = "«" + relativeName(e.path, {.uterineSexGiven = uterineSexGiven}) + "»";
    if (!e.label.empty()) name += " (@" + e.label + ")";
    return name;
}

std::string kinshipRefusalText(const Kinship& kinship, const std::string& name)
{
    if (kinship.kind == KinshipKind::NotOfTheWala) {
        return "الصلة بين " + name +
               " والمعتِق تمرّ بامرأة أو بالأم وحدها، ولا يرث الولاءَ إلا المعتِقُ وعصبتُه المتعصبون بأنفسهم.";
    }
    return name + " من أقارب أحد الزوجين أو زوجُ قريب، لا قريبٌ للميت؛ ولا يرث بالزوجية إلا الزوج والزوجة أنفسهما.";
}

std::string countRefusalText(const RelativeEntry& e, const Kinship& kinship, const std::string& name)
{
    if (e.count < 1) return "لا يقل عدد " + name + " عن واحد.";
    if (e.count > kMaxCount) return countLimitText();
    if (isOnePerson(kinship) && e.count > 1) return name + " شخص واحد، فعدده واحد.";
    return "";
}

}  // namespace

std::string relativeEntryRefusalText(std::span<const RelativeEntry> entries)
{
    if (entries.empty()) return "";
    const std::size_t last = entries.size() - 1;
    const RelativeEntry& e = entries[last];
    const Kinship kinship = kinshipOf(e.path);
    const std::string name = quotedName(e, uterineSexGiven(entries));
    if (!kinship.isAccepted()) return kinshipRefusalText(kinship, name);
    if (std::string why = countRefusalText(e, kinship, name); !why.empty()) return why;
    for (std::size_t j = 0; j < last; ++j) {
        if (entries[j].path != e.path) continue;
        if (entries[j].label == e.label) return "سبق إدخال " + name + " في هذه المسألة.";
        if (isOnePerson(kinship)) return name + " شخص واحد، فلا تفرّق العلامة بين اثنين منه.";
    }
    return "";
}

std::string pathRefusalText(const Resolution& resolution, std::span<const RelativeEntry> entries, School school)
{
    switch (resolution.refusalCause) {
    case PathRefusal::None: return "";
    case PathRefusal::Entry: {
        const auto upTo = static_cast<std::size_t>(resolution.refusedEntry) + 1;
        if (upTo >= 1 && upTo <= entries.size()) return relativeEntryRefusalText(entries.first(upTo));
        break;
    }
    case PathRefusal::GrandmotherSides:
        return "لا تجتمع «جدة» لم تُعيَّن جهتها مع جدات عُيِّنت جهاتهن: أدخل كل جدة بجهتها (أم الأم، أم الأب، …).";
    case PathRefusal::GrandmotherLimit: return grandmotherLimitText(school, resolution.capacities.counts);
    case PathRefusal::TooManyOfOneKind:
        return "يزيد عدد من يرثون معاً بصفة واحدة على " + std::to_string(kMaxCount) + ".";
    case PathRefusal::WalaDisputed:
        return "جدُّ المعتِق مع إخوته أو أبنائهم: اختُلف في المذهب " + std::string(schoolInfo(school).name) +
               " فيمن يأخذ الولاء منهم، وعند أبي حنيفة هو للجد. أدخل أحدهما، أو اختر المذهب الحنفي من قائمة المذهب.";
    case PathRefusal::NoOneInherits:
        return "لا يرث أحد ممن أُدخلوا، فالمرأة لا ترث الولاء إلا ممن أعتقته: تذهب التركة إلى ذوي الأرحام أو إلى "
               "بيت المال.";
    }
    return resolution.refusal;
}

}  // namespace qismaru
