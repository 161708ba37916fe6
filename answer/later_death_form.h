#pragma once

#include <optional>
#include <string>
#include <vector>

#include "answer/case_answer.h"
#include "answer/heir_keypad.h"
#include "files/case_file_later.h"

namespace qismaru {

// Entering one heir who died before the division (وفاة وارث قبل القسمة),
// whatever shows it: who died, among the surviving persons who received
// something (his share is his estate; one who received nothing leaves
// nothing of it); his own heirs, by the keypad's rule under the case's
// school, and a man leaves no husband, a woman no wives; and for each kind of
// his heirs, whether they are the same persons as an earlier group, which
// is offered only where the survivors are as many as were entered.
class LaterDeathForm {
public:
    // A group of persons offered as a choice: its place among the combined
    // table's groups, the reference it is known by first, and its name.
    struct Choice {
        int group = 0;
        GroupRef ref;
        std::string name;
    };

    // The persons of a divided answer so far: its later deaths joined, or
    // the first death's heirs alone.
    explicit LaterDeathForm(const CaseAnswer& answer);

    // The number of the death being entered: 2 for the first later death.
    int death() const { return death_; }
    // Who may have died, in the books' order of the groups.
    const std::vector<Choice>& deceasedChoices() const { return deceasedChoices_; }
    // Chooses one of them by its group, or nobody.
    void chooseDeceased(std::optional<int> group);
    std::optional<GroupRef> deceased() const;

    KeyPress press(HeirKind kind);
    KeyPress confirmCount(int count);
    void cancelCount() { keypad_.cancelCount(); }
    std::optional<int> cancelLast() { return keypad_.cancelLast(); }
    std::vector<HeirEntry> heirs() const { return keypad_.heirs(); }

    // His relatives beyond the keypad's kinds, by path ("m.m", "b.s.s"),
    // after his heirs of the keypad as a case by path holds them: one that
    // stands in no case beside them, or a spouse he cannot leave, is refused
    // with the reason (Arabic), and nothing changes.
    std::string addRelative(const RelativeEntry& relative);
    bool removeLastRelative();
    const std::vector<RelativeEntry>& relatives() const { return relatives_; }
    std::vector<RelativeEntry> allRelatives() const;

    // The earlier groups that can be his heirs of this kind: all their
    // survivors, as many as were entered.
    std::vector<Choice> sameChoices(HeirKind kind) const;
    // "ليسوا من ورثة ما قبلها", the choice of none.
    static const char* const kNotTheSame;
    void link(HeirKind kind, std::optional<GroupRef> earlier);

    // Why OK cannot join the death yet (nobody chosen, no heir entered), or "".
    std::string incomplete() const;
    // The death as entered, with the links still offered.
    estate::LaterDeathEntry entry() const;

private:
    int survivorsOf(int group) const;
    std::string groupName(int group, int persons) const;

    std::vector<DeathCase> deaths_;
    CombinedTable table_;
    School school_ = School::Hanafi;
    int death_ = 2;
    std::vector<Choice> groups_;  // every surviving group, in the books' order
    std::vector<Choice> deceasedChoices_;
    std::optional<int> deceased_;
    HeirKeypad keypad_;
    std::vector<SameLink> same_;
    std::vector<RelativeEntry> relatives_;
};

}  // namespace qismaru
