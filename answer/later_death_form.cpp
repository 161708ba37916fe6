#include "answer/later_death_form.h"

#include <algorithm>

#include "files/relative_entries.h"
#include "present/combined_sentences.h"
#include "present/combined_table_text.h"
#include "present/deaths_refusal_text.h"
#include "present/heir_names.h"
#include "present/relative_refusals.h"

namespace qismaru {

namespace {

// "، الأم في الثانية": the other names a group of persons had in later deaths.
std::string otherNames(const PersonGroup& group, int persons)
{
    std::string names;
    for (const GroupRef& r : group.also)
        names += "، " + qismaru::groupName(r, persons, Nominative) + " في " + caseOrdinal(r.death);
    return names;
}

}  // namespace

const char* const LaterDeathForm::kNotTheSame = "ليسوا من ورثة ما قبلها";

LaterDeathForm::LaterDeathForm(const CaseAnswer& answer) : school_(answer.positions().school)
{
    const std::vector<LaterDeath> later = answer.joined() ? answer.successive->later : std::vector<LaterDeath>{};
    CombinedComputation persons = answer.byPath ? computeSuccessiveDeaths(answer.relatives(), later, answer.positions())
                                                : computeSuccessiveDeaths(answer.counts(), later, answer.positions());
    deaths_ = std::move(persons.deaths);
    table_ = std::move(persons.table);
    death_ = static_cast<int>(deaths_.size()) + 1;
    for (std::size_t i = 0; i < table_.groups.size(); ++i) {
        if (table_.groups[i].alive()) groups_.push_back({static_cast<int>(i), table_.groups[i].ref, {}});
    }
    std::stable_sort(groups_.begin(), groups_.end(),
                     [](const Choice& a, const Choice& b) { return listedBefore(a.ref, b.ref); });
    for (const Choice& group : groups_) {
        const PersonGroup& g = table_.groups[static_cast<std::size_t>(group.group)];
        if (g.parts == 0) continue;
        deceasedChoices_.push_back({group.group, g.ref, deceasedName(g.ref, deaths_) + otherNames(g, g.count)});
    }
}

void LaterDeathForm::chooseDeceased(std::optional<int> group) { deceased_ = group; }

std::optional<GroupRef> LaterDeathForm::deceased() const
{
    if (!deceased_) return std::nullopt;
    return table_.groups.at(static_cast<std::size_t>(*deceased_)).ref;
}

KeyPress LaterDeathForm::press(HeirKind kind)
{
    if (const std::optional<GroupRef> died = deceased()) {
        const DeathsProblem side = spouseSideProblem(*died, kind);
        if (side != DeathsProblem::None) {
            const DeathsRefusal refusal{side, death_, *died, kind};
            return {KeyOutcome::Refused, kind, 0, 0, estate::arabicRefusalReason(refusal, deaths_)};
        }
    }
    return keypad_.press(kind, school_);
}

std::string LaterDeathForm::addRelative(const RelativeEntry& relative)
{
    std::vector<RelativeEntry> entries = allRelatives();
    entries.push_back(relative);
    if (std::string why = relativeEntryRefusalText(entries); !why.empty()) return why;
    const std::optional<HeirKind> spouse = relative.path.kind();
    if (const std::optional<GroupRef> died = deceased(); died && spouse && relative.label.empty()) {
        const DeathsProblem side = spouseSideProblem(*died, *spouse);
        if (side != DeathsProblem::None) {
            const DeathsRefusal refusal{side, death_, *died, *spouse};
            return estate::arabicRefusalReason(refusal, deaths_);
        }
    }
    relatives_.push_back(relative);
    return "";
}

bool LaterDeathForm::removeLastRelative()
{
    if (relatives_.empty()) return false;
    relatives_.pop_back();
    return true;
}

std::vector<RelativeEntry> LaterDeathForm::allRelatives() const
{
    std::vector<RelativeEntry> entries = estate::entriesOfHeirs(keypad_.heirs());
    entries.insert(entries.end(), relatives_.begin(), relatives_.end());
    return entries;
}

KeyPress LaterDeathForm::confirmCount(int count) { return keypad_.count(count, school_); }

int LaterDeathForm::survivorsOf(int group) const
{
    return table_.groups.at(static_cast<std::size_t>(group)).count - (deceased_ == group ? 1 : 0);
}

// "الزوجة في المسألة الأولى، الأم في الثانية": the persons by every name
// they had, counted as many as survive.
std::string LaterDeathForm::groupName(int group, int persons) const
{
    const PersonGroup& g = table_.groups.at(static_cast<std::size_t>(group));
    return qismaru::groupName(g.ref, persons, Nominative) + " في المسألة " + caseOrdinal(g.ref.death) +
           otherNames(g, persons);
}

std::vector<LaterDeathForm::Choice> LaterDeathForm::sameChoices(HeirKind kind) const
{
    const int count = keypad_.state().counts.of(kind);
    std::vector<Choice> choices;
    for (const Choice& group : groups_) {
        // The same persons are all the survivors of a group: as many as his heirs of this kind.
        if (count > 0 && survivorsOf(group.group) == count)
            choices.push_back({group.group, group.ref, groupName(group.group, count)});
    }
    return choices;
}

void LaterDeathForm::link(HeirKind kind, std::optional<GroupRef> earlier)
{
    std::erase_if(same_, [kind](const SameLink& link) { return link.kind == kind; });
    if (earlier) same_.push_back({kind, *earlier});
}

std::string LaterDeathForm::incomplete() const
{
    if (!deceased_) return "اختر الوارث الذي مات قبل القسمة.";
    if (keypad_.state().counts.empty() && relatives_.empty()) return "أدخل ورثته بأزرارهم.";
    return "";
}

estate::LaterDeathEntry LaterDeathForm::entry() const
{
    estate::LaterDeathEntry entry;
    if (const std::optional<GroupRef> died = deceased()) entry.deceased = *died;
    entry.heirs = keypad_.heirs();
    entry.relatives = relatives_;
    // In the order of his heirs, as a case file keeps them; a link no longer
    // offered (another deceased, another count) is dropped.
    for (const HeirEntry& heir : entry.heirs) {
        for (const SameLink& link : same_) {
            if (link.kind != heir.kind) continue;
            const std::vector<Choice> offered = sameChoices(heir.kind);
            const bool stillOffered =
                std::any_of(offered.begin(), offered.end(), [&link](const Choice& c) { return c.ref == link.earlier; });
            if (stillOffered) entry.same.push_back(link);
        }
    }
    return entry;
}

}  // namespace qismaru
