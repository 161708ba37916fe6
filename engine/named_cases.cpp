#include "engine/named_cases.h"

#include <algorithm>
#include <initializer_list>

#include "engine/count_sums.h"
#include "engine/umariyyatan.h"

namespace qismaru {

namespace {

using enum HeirKind;

class CaseTest {
public:
    explicit CaseTest(const KindCounts& counts) : c_(counts), s_(sumCounts(counts)) {}

    int operator()(HeirKind kind) const { return c_.of(kind); }
    bool has(HeirKind kind) const { return c_.has(kind); }
    bool noDescendants() const { return s_.descendants == 0; }
    const KindCounts& counts() const { return c_; }
    const CountSums& sums() const { return s_; }
    // No descendants, and none of the listed kinds.
    bool without(std::initializer_list<HeirKind> kinds) const
    {
        return noDescendants() && std::none_of(kinds.begin(), kinds.end(), [&](HeirKind k) { return has(k); });
    }

private:
    const KindCounts& c_;
    const CountSums s_;
};

bool mubahala(const CaseTest& t)
{
    // The case of six increased to eight with the mother's third: a brother
    // beside the sister would make her a residuary (or, a full brother,
    // exclude the consanguine sister), and there would be no increase.
    const bool fullSisterForm = t.without({Father, Grandfather, ConsanguineSisters, Wives, UterineSiblings,
                                           FullBrothers, ConsanguineBrothers}) &&
                                t(FullSisters) == 1;
    const bool consanguineSisterForm =
        t.without({Father, Grandfather, FullSisters, Wives, UterineSiblings, ConsanguineBrothers, FullBrothers}) &&
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

// Without the mother or a grandmother in her place: a grandmother's sixth
// would raise the case to ten, not nine.
bool marwaniyya(const CaseTest& t)
{
    return husbandTwoFullSistersTwoUterine(t) && !t.has(Mother) && !t.has(Grandmothers);
}

bool shurayhiyya(const CaseTest& t) { return husbandTwoFullSistersTwoUterine(t) && t.has(Mother); }

bool ummAlAramil(const CaseTest& t)
{
    return t.without({Father, Grandfather, FullBrothers, Husband, Mother}) && t(Wives) == 3 && t(Grandmothers) == 2 &&
           t(FullSisters) == 8 && t(UterineSiblings) == 4;
}

bool mushtaraka(const CaseTest& t)
{
    // The grandmother stands in for the mother.
    return t.without({Father, Grandfather, Wives}) && t(Mother) + t(Grandmothers) > 0 && t.has(Husband) &&
           t(UterineSiblings) > 1 && t.has(FullBrothers);
}

}  // namespace

bool isMushtaraka(const KindCounts& counts) { return mushtaraka(CaseTest(counts)); }

void collectCaseMessages(const KindCounts& counts, MessageList& messages, bool uterineBrother)
{
    const CaseTest t(counts);
    const bool bothSpouses = t.has(Husband) && t.has(Wives);
    const bool tooManyWives = t(Wives) > kMaxWives;
    if (bothSpouses) messages.add(CaseMessage::BothSpouses);
    if (tooManyWives) messages.add(CaseMessage::TooManyWives);
    // A case the validation stops is not divided, so it is not announced.
    const bool stopped = bothSpouses || tooManyWives;
    if (!stopped && umariyyatanHusbandForm(t.counts(), t.sums())) messages.add(CaseMessage::Umariyyatan);
    if (!stopped && umariyyatanWifeForm(t.counts(), t.sums())) messages.add(CaseMessage::Umariyyatan);
    if (mubahala(t)) messages.add(CaseMessage::Mubahala);
    if (mulzima(t)) messages.add(CaseMessage::Mulzima);
    if (marwaniyya(t)) messages.add(CaseMessage::Marwaniyya);
    if (shurayhiyya(t)) messages.add(CaseMessage::Shurayhiyya);
    // The mother of the widows: seventeen women, the uterine siblings among them.
    if (ummAlAramil(t) && !uterineBrother) messages.add(CaseMessage::UmmAlAramil);
    if (mushtaraka(t)) messages.add(CaseMessage::Mushtaraka);
}

}  // namespace qismaru
