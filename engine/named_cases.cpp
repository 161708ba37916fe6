#include "engine/named_cases.h"

#include <algorithm>
#include <initializer_list>

#include "engine/count_sums.h"

namespace qismaru {

namespace {

using enum HeirKind;

class CaseTest {
public:
    explicit CaseTest(const KindCounts& counts) : c_(counts), s_(sumCounts(counts)) {}

    int operator()(HeirKind kind) const { return c_.of(kind); }
    bool has(HeirKind kind) const { return c_.has(kind); }
    bool noDescendants() const { return s_.descendants == 0; }
    int siblingsTotal() const { return s_.siblingsTotal; }
    // No descendants, and none of the listed kinds.
    bool without(std::initializer_list<HeirKind> kinds) const
    {
        return noDescendants() && std::none_of(kinds.begin(), kinds.end(), [&](HeirKind k) { return has(k); });
    }

private:
    const KindCounts& c_;
    const CountSums s_;
};

bool umariyyatanHusbandForm(const CaseTest& t)
{
    return t.without({Wives}) && t.has(Mother) && t.has(Father) && t.has(Husband);
}

bool umariyyatanWifeForm(const CaseTest& t)
{
    // With two or more brothers or sisters the mother already has her sixth:
    // the case is an ordinary one, not the 'Umariyyatan.
    return t.without({Husband}) && t.has(Mother) && t.has(Father) && t(Wives) >= 1 && t(Wives) <= kMaxWives &&
           t.siblingsTotal() < 2;
}

bool mubahala(const CaseTest& t)
{
    const bool fullSisterForm = t.without({Father, Grandfather, ConsanguineSisters, Wives, UterineSiblings,
                                           FullBrothers}) &&
                                t(FullSisters) == 1;
    const bool consanguineSisterForm = t.without({Father, Grandfather, FullSisters, Wives, UterineSiblings,
                                                  ConsanguineBrothers}) &&
                                       t(ConsanguineSisters) == 1;
    return t.has(Husband) && t.has(Mother) && (fullSisterForm || consanguineSisterForm);
}

bool mulzima(const CaseTest& t)
{
    return t.without({Father, Grandfather, FullSisters, ConsanguineSisters, Wives}) && t.has(Husband) &&
           t.has(Mother) && t(UterineSiblings) == 2;
}

bool husbandTwoFullSistersTwoUterine(const CaseTest& t)
{
    return t.without({Father, Grandfather, FullBrothers, Wives}) && t.has(Husband) && t(FullSisters) == 2 &&
           t(UterineSiblings) == 2;
}

bool marwaniyya(const CaseTest& t) { return husbandTwoFullSistersTwoUterine(t) && !t.has(Mother); }

bool shurayhiyya(const CaseTest& t) { return husbandTwoFullSistersTwoUterine(t) && t.has(Mother); }

bool ummAlAramil(const CaseTest& t)
{
    return t.without({Father, Grandfather, FullBrothers, Husband, Mother}) && t(Wives) == 3 &&
           t(Grandmothers) == 2 && t(FullSisters) == 8 && t(UterineSiblings) == 4;
}

bool mushtaraka(const CaseTest& t)
{
    // The grandmother stands in for the mother.
    return t.without({Father, Grandfather, Wives}) && t(Mother) + t(Grandmothers) > 0 && t.has(Husband) &&
           t(UterineSiblings) > 1 && t.has(FullBrothers);
}

}  // namespace

void collectCaseMessages(const KindCounts& counts, MessageList& messages)
{
    const CaseTest t(counts);
    if (t.has(Husband) && t.has(Wives)) messages.add(CaseMessage::BothSpouses);
    if (t(Wives) > kMaxWives) messages.add(CaseMessage::TooManyWives);
    if (umariyyatanHusbandForm(t)) messages.add(CaseMessage::Umariyyatan);
    if (umariyyatanWifeForm(t)) messages.add(CaseMessage::Umariyyatan);
    if (mubahala(t)) messages.add(CaseMessage::Mubahala);
    if (mulzima(t)) messages.add(CaseMessage::Mulzima);
    if (marwaniyya(t)) messages.add(CaseMessage::Marwaniyya);
    if (shurayhiyya(t)) messages.add(CaseMessage::Shurayhiyya);
    if (ummAlAramil(t)) messages.add(CaseMessage::UmmAlAramil);
    if (mushtaraka(t)) messages.add(CaseMessage::Mushtaraka);
}

}  // namespace qismaru
