// The explanation pages teach the rules of this program under the school
// and positions in force, so every statement on them is checked against the
// computation: each row computes a case the statement speaks of, under a
// school the statement is shown for, and compares what the statement says
// with what the case gives. A statement without a row fails, so the text
// cannot drift from the computation unnoticed.

#include <QSet>
#include <QTest>

#include <sstream>

#include "engine/compute_case.h"
#include "engine/parts.h"
#include "engine/path_case.h"
#include "help_texts/page_texts.h"
#include "tests/support/case_text.h"
#include "tests/support/path_text.h"

namespace qismaru::help {
namespace {

enum class Claim { Fraction, Residuary, Nothing, Receives, Parts, Bases, Announced, RelativeReceives };

struct Check {
    const char* statement;
    const char* counts;  // by path for RelativeReceives: "d.d=1 s.d.d=1"
    const char* kind;    // heir code, or the relative's path; unused for an announcement or the bases
    Claim claim;
    // The fraction n/d; for Parts, the parts and the corrected base; for
    // Bases, the base and the base after the increase or return.
    int numerator = 0;
    int denominator = 0;
    ShareLabel label = ShareLabel::None;
    CaseMessage message = CaseMessage::BothSpouses;
    Positions positions{};
};

// The same check under another school or positions.
Check under(Positions positions, Check check)
{
    check.positions = positions;
    return check;
}

// The kind holds the fixed fraction n/d.
Check fixed(const char* s, const char* counts, const char* kind, int n, int d)
{
    return {s, counts, kind, Claim::Fraction, n, d};
}
// The kind takes (part of) the remainder, shown with this label.
Check residuary(const char* s, const char* counts, const char* kind, ShareLabel label)
{
    return {s, counts, kind, Claim::Residuary, 0, 0, label};
}
// The kind receives nothing: excluded, or nothing is left for it.
Check nothing(const char* s, const char* counts, const char* kind) { return {s, counts, kind, Claim::Nothing}; }
// The kind's parts of the final base are n/d of the estate, after any
// increase, return or 'Umariyyatan division.
Check receives(const char* s, const char* counts, const char* kind, int n, int d)
{
    return {s, counts, kind, Claim::Receives, n, d};
}
// The figures a page gives for a named case: the kind's parts of the
// corrected base, and the base before and after the increase.
Check parts(const char* s, const char* counts, const char* kind, int parts, int finalBase)
{
    return {s, counts, kind, Claim::Parts, parts, finalBase};
}
Check bases(const char* s, const char* counts, int base, int increased)
{
    return {s, counts, "", Claim::Bases, base, increased};
}
Check announced(const char* s, const char* counts, CaseMessage message)
{
    return {s, counts, "", Claim::Announced, 0, 0, ShareLabel::None, message};
}
// In a case written by path, the relative written `relative` (all his heads)
// receives n/d of the estate: the distant kindred, and those beside them.
Check byPath(const char* s, const char* relatives, const char* relative, int n, int d)
{
    return {s, relatives, relative, Claim::RelativeReceives, n, d};
}

using enum ShareLabel;
using enum CaseMessage;
using enum School;
constexpr Positions kMaliki{Maliki}, kShafii{Shafii}, kHanbali{Hanbali};
constexpr Positions kNoReturn{Shafii, false, true}, kSpouseReturn{Hanafi, true, false};
constexpr Positions kAbuYusuf{Hanafi, false, false, KindredMethod::AbuYusuf};

const Check kChecks[] = {
    // The mother.
    fixed("mother.third", "m=1 b=1", "m", 1, 3),
    fixed("mother.sixth", "m=1 gd=1", "m", 1, 6),
    fixed("mother.sixth", "m=1 f=1 b=2", "m", 1, 6),
    receives("mother.umariyyatan", "h=1 m=1 f=1", "m", 1, 6),
    announced("mother.umariyyatan", "h=1 m=1 f=1", Umariyyatan),
    receives("mother.umariyyatan", "w=1 m=1 f=1", "m", 1, 4),
    fixed("mother.umariyyatan", "w=1 m=1 f=1 b=1 si=1", "m", 1, 6),
    fixed("mother.umariyyatan", "h=1 m=1 f=1 b=2", "m", 1, 6),
    fixed("mother.grandfather", "h=1 m=1 gf=1", "m", 1, 3),
    fixed("mother.grandfather", "m=1 gf=1 d=1", "m", 1, 6),
    fixed("mother.grandfather", "h=1 m=1 gf=1 b=2", "m", 1, 6),
    fixed("mother.standing", "m=1 f=1 gf=1 s=1 h=1 b=1", "m", 1, 6),
    nothing("mother.standing", "m=1 gm=2", "gm"),
    // The father.
    fixed("father.sixth", "f=1 gs=2 d=1", "f", 1, 6),
    residuary("father.sixthAndRemainder", "f=1 d=1", "f", FatherSixthAndRemainder),
    residuary("father.remainder", "f=1 m=1", "f", Remainder),
    receives("father.remainder", "h=1 m=1 f=1", "f", 1, 3),
    fixed("father.sixthAtLeast", "h=1 d=2 m=1 f=1", "f", 1, 6),
    receives("father.sixthAtLeast", "h=1 d=2 m=1 f=1", "f", 2, 15),
    fixed("father.excludes", "f=1 s=1 h=1 m=1", "f", 1, 6),
    nothing("father.excludes", "f=1 gf=1", "gf"),
    nothing("father.excludes", "f=1 si=2", "si"),
    nothing("father.excludes", "f=1 bm=1", "bm"),
    nothing("father.excludes", "f=1 suf=1", "suf"),
    fixed("father.excludes", "f=1 gm=2", "gm", 1, 6),
    // The full sisters.
    fixed("fullSisters.fixed", "si=1 u=1", "si", 1, 2),
    fixed("fullSisters.fixed", "si=3 u=1", "si", 2, 3),
    receives("fullSisters.withBrother", "si=1 b=1", "si", 1, 3),
    residuary("fullSisters.withDaughters", "d=1 si=1", "si", Remainder),
    nothing("fullSisters.withDaughters", "d=1 si=1 bf=1 sif=1", "bf"),
    nothing("fullSisters.withDaughters", "d=1 si=1 sb=1", "sb"),
    nothing("fullSisters.withDaughters", "gd=1 si=1 suf=1", "suf"),
    nothing("fullSisters.excluded", "si=1 s=1", "si"),
    nothing("fullSisters.excluded", "si=1 f=1", "si"),
    nothing("fullSisters.excluded", "si=1 gf=1", "si"),
    under(kShafii, receives("fullSisters.excluded", "gf=1 si=1", "si", 1, 3)),
    under(kHanbali, nothing("fullSisters.excluded", "f=1 si=1", "si")),
    nothing("fullSisters.akdariyya", "h=1 m=1 gf=1 si=1", "si"),
    under(kMaliki, parts("fullSisters.akdariyya", "h=1 m=1 gf=1 si=1", "si", 4, 27)),
    under(kMaliki, announced("fullSisters.akdariyya", "h=1 m=1 gf=1 sif=1", Akdariyya)),
    announced("fullSisters.mubahala", "h=1 m=1 si=1", Mubahala),
    announced("fullSisters.mubahala", "h=1 m=1 sif=1", Mubahala),
    bases("fullSisters.mubahala", "h=1 m=1 si=1", 6, 8),
    parts("fullSisters.mubahala", "h=1 m=1 si=1", "h", 3, 8),
    parts("fullSisters.mubahala", "h=1 m=1 si=1", "m", 2, 8),
    parts("fullSisters.mubahala", "h=1 m=1 si=1", "si", 3, 8),
    announced("fullSisters.marwaniyya", "h=1 si=2 bm=2", Marwaniyya),
    bases("fullSisters.marwaniyya", "h=1 si=2 bm=2", 6, 9),
    parts("fullSisters.marwaniyya", "h=1 si=2 bm=2", "h", 3, 9),
    parts("fullSisters.marwaniyya", "h=1 si=2 bm=2", "si", 4, 9),
    parts("fullSisters.marwaniyya", "h=1 si=2 bm=2", "bm", 2, 9),
    announced("fullSisters.shurayhiyya", "h=1 m=1 si=2 bm=2", Shurayhiyya),
    bases("fullSisters.shurayhiyya", "h=1 m=1 si=2 bm=2", 6, 10),
    parts("fullSisters.shurayhiyya", "h=1 m=1 si=2 bm=2", "h", 3, 10),
    parts("fullSisters.shurayhiyya", "h=1 m=1 si=2 bm=2", "m", 1, 10),
    parts("fullSisters.shurayhiyya", "h=1 m=1 si=2 bm=2", "si", 4, 10),
    parts("fullSisters.shurayhiyya", "h=1 m=1 si=2 bm=2", "bm", 2, 10),
    // Their children (the Sirajiyya, Jones p.540; https://shamela.ws/book/9851/4736).
    byPath("fullSisters.kindred", "si.s=1 si.d.d=1", "si.s", 1, 1),
    byPath("fullSisters.kindred", "si.d=1 sif.d=1", "si.d", 3, 4),
    under(kAbuYusuf, byPath("fullSisters.kindred", "si.d=1 sif.d=1", "sif.d", 0, 1)),
    under(kHanbali, byPath("fullSisters.kindred", "si.d=1 sif.d=1", "si.d", 3, 4)),
    under(kHanbali, byPath("fullSisters.kindred", "si.s=1 si.d=1", "si.s", 1, 2)),
    under(kShafii, byPath("fullSisters.kindred", "si.s=1 si.d=1", "si.s", 2, 3)),
    under(kNoReturn, byPath("fullSisters.kindred", "si.s=1", "si.s", 0, 1)),
    // The son's daughters.
    fixed("sonsDaughters.fixed", "gd=1 b=1", "gd", 1, 2),
    fixed("sonsDaughters.fixed", "gd=2 b=1", "gd", 2, 3),
    fixed("sonsDaughters.sixth", "d=1 gd=2 b=1", "gd", 1, 6),
    nothing("sonsDaughters.excluded", "s=1 gd=1", "gd"),
    nothing("sonsDaughters.excluded", "d=2 gd=1 b=1", "gd"),
    receives("sonsDaughters.withSonsSon", "d=2 gd=1 gs=1", "gd", 1, 9),
    residuary("sonsDaughters.withSonsSon", "d=1 gd=1 gs=1", "gd", SharesRemainder),
    receives("sonsDaughters.return", "gd=1", "gd", 1, 1),
    receives("sonsDaughters.return", "gd=1 m=1", "gd", 3, 4),
    under(kNoReturn, receives("sonsDaughters.return", "gd=1 m=1", "gd", 1, 2)),
    // The grandfather.
    fixed("grandfather.inFathersPlace", "gf=1 s=1", "gf", 1, 6),
    residuary("grandfather.inFathersPlace", "gf=1 d=1", "gf", GrandfatherSixthAndRemainder),
    residuary("grandfather.inFathersPlace", "gf=1 m=1", "gf", Remainder),
    nothing("grandfather.excluded", "gf=1 f=1", "gf"),
    fixed("grandfather.excluded", "gf=1 gm=1", "gm", 1, 6),
    receives("grandfather.siblings", "gf=1 b=2 si=1", "gf", 1, 1),
    nothing("grandfather.siblings", "gf=1 bm=2", "bm"),
    nothing("grandfather.siblings", "gf=1 u=1", "u"),
    nothing("grandfather.siblings", "gf=1 suf=1", "suf"),
    under(kShafii, receives("grandfather.siblings", "gf=1 b=1", "gf", 1, 2)),
    under(kMaliki, receives("grandfather.siblings", "gf=1 b=2 si=1", "gf", 1, 3)),
    under(kHanbali, receives("grandfather.siblings", "h=1 gf=1 b=1", "gf", 1, 4)),
    under(kHanbali, fixed("grandfather.siblings", "h=1 m=1 gf=1 b=2", "gf", 1, 6)),
    under(kShafii, nothing("grandfather.siblings", "gf=1 bm=2", "bm")),
    under(kShafii, nothing("grandfather.siblings", "gf=1 sb=1", "sb")),
    fixed("grandfather.noUmariyyatan", "h=1 m=1 gf=1", "m", 1, 3),
    fixed("grandfather.noUmariyyatan", "h=1 m=1 gf=1 b=2", "m", 1, 6),
    // The grandmothers.
    fixed("grandmothers.sixth", "gm=1 s=1", "gm", 1, 6),
    receives("grandmothers.sixth", "gm=3 s=1", "gm", 1, 6),
    nothing("grandmothers.excluded", "gm=1 m=1", "gm"),
    nothing("grandmothers.excluded", "gm=2 m=1 f=1", "gm"),
    fixed("grandmothers.excluded", "gm=1 f=1", "gm", 1, 6),
    fixed("grandmothers.excluded", "gm=1 gf=1", "gm", 1, 6),
    fixed("grandmothers.paternal", "gm=2 f=1", "gm", 1, 6),
    fixed("grandmothers.paternal", "gm=2 gf=1 s=1", "gm", 1, 6),
    fixed("grandmothers.unchanged", "gm=2 s=1 si=2 bm=2", "gm", 1, 6),
    receives("grandmothers.return", "gm=1 d=1", "gm", 1, 4),
    receives("grandmothers.return", "gm=1 h=1", "h", 1, 2),
    under(kNoReturn, receives("grandmothers.return", "gm=1 d=1", "gm", 1, 6)),
    announced("grandmothers.mushtaraka", "h=1 gm=1 bm=2 b=1", Mushtaraka),
    announced("grandmothers.ummAlAramil", "w=3 gm=2 si=8 bm=4", UmmAlAramil),
    bases("grandmothers.ummAlAramil", "w=3 gm=2 si=8 bm=4", 12, 17),
    parts("grandmothers.ummAlAramil", "w=3 gm=2 si=8 bm=4", "w", 3, 17),
    parts("grandmothers.ummAlAramil", "w=3 gm=2 si=8 bm=4", "gm", 2, 17),
    parts("grandmothers.ummAlAramil", "w=3 gm=2 si=8 bm=4", "bm", 4, 17),
    parts("grandmothers.ummAlAramil", "w=3 gm=2 si=8 bm=4", "si", 8, 17),
    // The false grandmother: the second class before the fourth under the
    // Hanafi school (the Sirajiyya, Jones p.540); placed as the mother, the
    // maternal aunt reaches her first (al-Mughni 15/4224).
    byPath("grandmothers.false", "m.m=1 m.f.m=1", "m.f.m", 0, 1),
    byPath("grandmothers.false", "m.f.m=1 m.si=1", "m.f.m", 1, 1),
    under(kHanbali, byPath("grandmothers.false", "m.f.m=1 m.si=1", "m.si", 1, 1)),
    under(kNoReturn, byPath("grandmothers.false", "m.f.m=1", "m.f.m", 0, 1)),
    // The son's sons.
    residuary("sonsSons", "gs=1 m=1", "gs", Remainder),
    receives("sonsSons", "gs=1 gd=2", "gs", 1, 2),
    nothing("sonsSons", "s=1 gs=1", "gs"),
    // The spouses.
    fixed("spouses.husband", "h=1 m=1", "h", 1, 2),
    fixed("spouses.husband", "h=1 gd=1", "h", 1, 4),
    fixed("spouses.wives", "w=1 m=1", "w", 1, 4),
    fixed("spouses.wives", "w=4 s=1", "w", 1, 8),
    receives("spouses.alone", "h=1", "h", 1, 2),
    receives("spouses.alone", "w=2", "w", 1, 4),
    receives("spouses.alone", "h=1 d=1", "h", 1, 4),
    under(kSpouseReturn, receives("spouses.alone", "h=1", "h", 1, 1)),
    under(Positions{Maliki, true, false}, receives("spouses.alone", "w=3", "w", 1, 1)),
    byPath("spouses.alone", "w=1 d.d=1", "w", 1, 4),
    under(Positions{Maliki, false, true}, byPath("spouses.alone", "w=1 d.d=1", "d.d", 0, 1)),
    under(kSpouseReturn, byPath("spouses.alone", "h=1 d.s=1", "h", 1, 2)),
    receives("spouses.increase", "h=1 si=2", "h", 3, 7),
    announced("spouses.notTogether", "h=1 w=1", BothSpouses),
    // The daughters.
    fixed("daughters.fixed", "d=1 b=1", "d", 1, 2),
    fixed("daughters.fixed", "d=3 b=1", "d", 2, 3),
    receives("daughters.withSon", "d=1 s=1", "d", 1, 3),
    receives("daughters.return", "d=1", "d", 1, 1),
    receives("daughters.return", "d=1 h=1", "d", 3, 4),
    fixed("daughters.return", "d=1 f=1 gf=1 m=1 h=1 b=1", "d", 1, 2),
    under(kNoReturn, receives("daughters.return", "d=1", "d", 1, 2)),
    under(Positions{Maliki, false, true}, receives("daughters.return", "d=1 h=1", "d", 1, 2)),
    // Their children and the son's daughters' (al-Mabsut 30/4; the Sirajiyya,
    // Jones p.540; al-Najm al-Wahhaj 2705; al-Mughni 15/4224).
    byPath("daughters.kindred", "m=1 d.d=1", "d.d", 0, 1),
    byPath("daughters.kindred", "h=1 d.s=1", "d.s", 1, 2),
    byPath("daughters.kindred", "d.d=1 s.d.d=1", "s.d.d", 0, 1),
    byPath("daughters.kindred", "d.d.d=1 s.d.d=1", "s.d.d", 1, 1),
    byPath("daughters.kindred", "d.s=1 d.d=1", "d.s", 2, 3),
    byPath("daughters.kindred", "d.s.d=1 d.d.s=1", "d.s.d", 2, 3),
    under(kAbuYusuf, byPath("daughters.kindred", "d.s.d=1 d.d.s=1", "d.d.s", 2, 3)),
    under(kHanbali, byPath("daughters.kindred", "m=1 d.d=1", "d.d", 0, 1)),
    under(kHanbali, byPath("daughters.kindred", "d.d=1 s.d.d=1", "d.d", 3, 4)),
    under(kMaliki, byPath("daughters.kindred", "d.d=1 s.d.d=1", "d.d", 3, 4)),
    under(kHanbali, byPath("daughters.kindred", "d.s=1 d.d=1", "d.s", 1, 2)),
    under(kShafii, byPath("daughters.kindred", "d.s=1 d.d=1", "d.s", 2, 3)),
    under(kNoReturn, byPath("daughters.kindred", "d.d=1", "d.d", 0, 1)),
    // The consanguine sisters.
    fixed("consanguineSisters.fixed", "sif=1 u=1", "sif", 1, 2),
    fixed("consanguineSisters.fixed", "sif=2 u=1", "sif", 2, 3),
    fixed("consanguineSisters.sixth", "si=1 sif=2 u=1", "sif", 1, 6),
    nothing("consanguineSisters.twoFullSisters", "si=2 sif=1 u=1", "sif"),
    receives("consanguineSisters.twoFullSisters", "si=2 sif=1 bf=1", "sif", 1, 9),
    residuary("consanguineSisters.withDaughters", "d=1 sif=1", "sif", Remainder),
    nothing("consanguineSisters.excluded", "sif=1 gf=1", "sif"),
    nothing("consanguineSisters.excluded", "sif=1 b=1", "sif"),
    nothing("consanguineSisters.excluded", "gd=1 si=1 sif=1", "sif"),
    under(kShafii, receives("consanguineSisters.excluded", "gf=1 sif=1", "sif", 1, 3)),
    under(kShafii, receives("consanguineSisters.excluded", "gf=1 si=1 sif=1", "sif", 0, 1)),
    under(kMaliki, receives("consanguineSisters.excluded", "gf=1 si=1 sif=2", "sif", 1, 10)),
    under(kHanbali, nothing("consanguineSisters.excluded", "gf=1 b=1 sif=1", "sif")),
    byPath("consanguineSisters.kindred", "si.d=1 sif.d=1", "sif.d", 1, 4),
    byPath("consanguineSisters.kindred", "si.d@1=1 si.d@2=1 sif.d=1", "sif.d", 0, 1),
    under(kAbuYusuf, byPath("consanguineSisters.kindred", "si.d=1 sif.d=1", "sif.d", 0, 1)),
    under(kShafii, byPath("consanguineSisters.kindred", "si.d@1=1 si.d@2=1 sif.d=1", "sif.d", 0, 1)),
    under(Positions{Maliki, false, true}, byPath("consanguineSisters.kindred", "w=1 sif.s=1", "sif.s", 0, 1)),
    // The sons.
    residuary("sons", "s=1 m=1", "s", Remainder),
    receives("sons", "s=1 d=1", "s", 2, 3),
    residuary("sons", "s=2 f=1 gf=1 m=1 h=1 b=1", "s", Remainder),
    // The full brother's sons.
    residuary("fullBrothersSons.remainder", "sb=2 si=1", "sb", Remainder),
    nothing("fullBrothersSons.excluded", "sb=1 gs=1", "sb"),
    nothing("fullBrothersSons.excluded", "sb=1 bf=1", "sb"),
    nothing("fullBrothersSons.excluded", "sb=1 gd=1 sif=1", "sb"),
    nothing("fullBrothersSons.excludes", "sb=1 sbf=1", "sbf"),
    nothing("fullBrothersSons.excludes", "sb=1 suf=1", "suf"),
    // The consanguine brother's sons.
    residuary("consanguineBrothersSons.remainder", "sbf=1 m=1", "sbf", Remainder),
    nothing("consanguineBrothersSons.excluded", "sbf=1 sb=1", "sbf"),
    nothing("consanguineBrothersSons.excluded", "sbf=1 d=1 sif=1", "sbf"),
    nothing("consanguineBrothersSons.excludes", "sbf=1 uf=1", "uf"),
    // The full uncle's sons.
    receives("fullUnclesSons.remainder", "su=1 h=1", "su", 1, 2),
    nothing("fullUnclesSons.excluded", "su=1 uf=1", "su"),
    nothing("fullUnclesSons.excludes", "su=1 suf=1", "suf"),
    // The consanguine uncle's sons.
    receives("consanguineUnclesSons.remainder", "suf=1 w=1", "suf", 3, 4),
    nothing("consanguineUnclesSons.excluded", "suf=1 su=1", "suf"),
    nothing("consanguineUnclesSons.excluded", "suf=1 d=1 si=1", "suf"),
    // The full uncles.
    receives("fullUncles.remainder", "u=2 d=1", "u", 1, 2),
    nothing("fullUncles.excluded", "u=1 gf=1", "u"),
    nothing("fullUncles.excluded", "u=1 sbf=1", "u"),
    nothing("fullUncles.excluded", "u=1 gd=1 sif=1", "u"),
    nothing("fullUncles.excludes", "u=1 uf=1", "uf"),
    nothing("fullUncles.excludes", "u=1 su=1", "su"),
    // The paternal aunt, the uterine uncle, the maternal uncle and aunt
    // (https://shamela.ws/book/384/7615-7616; al-Najm al-Wahhaj 2705).
    byPath("fullUncles.kindred", "m.b=1 f.si=1", "m.b", 1, 3),
    byPath("fullUncles.kindred", "f.sif=1 f.sim=1", "f.sif", 1, 1),
    under(kAbuYusuf, byPath("fullUncles.kindred", "f.sif=1 f.sim=1", "f.sim", 0, 1)),
    under(kHanbali, byPath("fullUncles.kindred", "m.b=1 f.si=1", "f.si", 2, 3)),
    under(kShafii, byPath("fullUncles.kindred", "f.bm=1 m.si=1", "f.bm", 2, 3)),
    under(kHanbali, byPath("fullUncles.kindred", "f.b.d=1 m.si=1", "f.b.d", 2, 3)),
    under(Positions{Maliki, false, true}, byPath("fullUncles.kindred", "f.si=1", "f.si", 0, 1)),
    // The consanguine uncles.
    residuary("consanguineUncles.remainder", "uf=1 m=1", "uf", Remainder),
    nothing("consanguineUncles.excluded", "uf=1 u=1", "uf"),
    nothing("consanguineUncles.excludes", "uf=1 su=1", "su"),
    byPath("consanguineUncles.kindred", "w=1 f.bf.d=1", "f.bf.d", 3, 4),
    // The full brothers.
    residuary("fullBrothers.remainder", "b=1 d=1", "b", Remainder),
    receives("fullBrothers.remainder", "b=1 si=2", "b", 1, 2),
    nothing("fullBrothers.excluded", "b=1 gs=1", "b"),
    nothing("fullBrothers.excluded", "b=1 gf=1", "b"),
    under(kShafii, receives("fullBrothers.excluded", "gf=1 b=1", "b", 1, 2)),
    under(kHanbali, receives("fullBrothers.excluded", "h=1 gf=1 b=1", "b", 1, 4)),
    under(kMaliki, nothing("fullBrothers.excluded", "h=1 m=1 gf=1 bm=2 b=1", "b")),
    under(kShafii, nothing("fullBrothers.excluded", "f=1 b=1", "b")),
    nothing("fullBrothers.mushtaraka", "h=1 m=1 bm=2 b=1", "b"),
    under(kHanbali, nothing("fullBrothers.mushtaraka", "h=1 m=1 bm=2 b=1", "b")),
    announced("fullBrothers.mushtaraka", "h=1 m=1 bm=2 b=1", Mushtaraka),
    under(kMaliki, receives("fullBrothers.mushtaraka", "h=1 m=1 bm=2 b=1", "b", 1, 9)),
    under(kShafii, receives("fullBrothers.mushtaraka", "h=1 m=1 bm=2 b=1 si=1", "b", 1, 12)),
    // Their daughters (the Sirajiyya, Jones p.540; al-Najm al-Wahhaj 2705).
    byPath("fullBrothers.kindred", "si.s=1 b.d=1", "b.d", 2, 3),
    under(kAbuYusuf, byPath("fullBrothers.kindred", "si.s=1 b.d=1", "b.d", 1, 3)),
    under(kHanbali, byPath("fullBrothers.kindred", "si.s=1 b.d=1", "b.d", 2, 3)),
    under(kNoReturn, byPath("fullBrothers.kindred", "b.d=1", "b.d", 0, 1)),
    // The consanguine brothers.
    receives("consanguineBrothers.remainder", "bf=1 sif=1", "bf", 2, 3),
    residuary("consanguineBrothers.remainder", "si=2 bf=1 sif=2", "sif", SharesRemainder),
    nothing("consanguineBrothers.excluded", "bf=1 gf=1", "bf"),
    nothing("consanguineBrothers.excluded", "bf=1 b=1", "bf"),
    nothing("consanguineBrothers.excluded", "bf=1 d=1 si=1", "bf"),
    under(kShafii, receives("consanguineBrothers.excluded", "gf=1 bf=1", "bf", 1, 2)),
    under(kShafii, nothing("consanguineBrothers.excluded", "gf=1 b=1 bf=1", "bf")),
    under(kHanbali, nothing("consanguineBrothers.excluded", "bf=1 d=1 si=1", "bf")),
    under(kMaliki, nothing("consanguineBrothers.excluded", "h=1 m=1 gf=1 bm=2 bf=1", "bf")),
    byPath("consanguineBrothers.kindred", "w=1 bf.d=1", "bf.d", 3, 4),
    // The uterine brothers and sisters.
    fixed("uterineSiblings.fixed", "bm=1 u=1", "bm", 1, 6),
    fixed("uterineSiblings.fixed", "bm=3 u=1", "bm", 1, 3),
    nothing("uterineSiblings.excluded", "bm=1 gd=1", "bm"),
    nothing("uterineSiblings.excluded", "bm=1 f=1", "bm"),
    nothing("uterineSiblings.excluded", "bm=1 gf=1", "bm"),
    fixed("uterineSiblings.mushtaraka", "h=1 m=1 bm=2 b=1", "bm", 1, 3),
    under(kShafii, receives("uterineSiblings.mushtaraka", "h=1 m=1 bm=2 b=1", "bm", 2, 9)),
    announced("uterineSiblings.mulzima", "h=1 m=1 bm=2", Mulzima),
    bases("uterineSiblings.mulzima", "h=1 m=1 bm=2", 6, 6),
    parts("uterineSiblings.mulzima", "h=1 m=1 bm=2", "h", 3, 6),
    parts("uterineSiblings.mulzima", "h=1 m=1 bm=2", "m", 1, 6),
    parts("uterineSiblings.mulzima", "h=1 m=1 bm=2", "bm", 2, 6),
    // Their children (the Sirajiyya, Jones p.540; Sharh al-Fusul 733).
    byPath("uterineSiblings.kindred", "bm.s=1 b.d=1", "bm.s", 1, 6),
    under(kAbuYusuf, byPath("uterineSiblings.kindred", "bm.s=1 b.d=1", "bm.s", 0, 1)),
    under(kHanbali, byPath("uterineSiblings.kindred", "bm.s=1 b.d=1", "bm.s", 1, 6)),
    under(kShafii, byPath("uterineSiblings.kindred", "bm.s=1 bm.d=1", "bm.s", 1, 2)),
    under(kShafii, byPath("uterineSiblings.kindred", "bm.s=1 sim.d=1", "bm.s", 1, 2)),
    under(kNoReturn, byPath("uterineSiblings.kindred", "bm.s=1", "bm.s", 0, 1)),
};

// The part of the estate the relative written `relative` receives in a case
// written by path: all his heads'.
Fraction relativePart(const Check& check)
{
    const std::vector<RelativeEntry> entries = testing::entriesOf(check.counts);
    const PathComputation computation = computeCase(entries, check.positions);
    if (computation.refused()) throw std::invalid_argument(computation.resolution.refusal);
    std::istringstream written{check.counts};
    std::string item;
    for (std::size_t i = 0; written >> item; ++i) {
        if (item.substr(0, item.find('=')) == check.kind) return shareOf(computation, entries, i).ofEstate();
    }
    throw std::invalid_argument(std::string("no such relative: ") + check.kind);
}

QString describe(const ShareResult& share)
{
    return QString("value %1, fraction %2/%3, label \"%4\"")
        .arg(share.value)
        .arg(share.numerator)
        .arg(share.denominator)
        .arg(QString::fromUtf8(labelText(share.label).data(), static_cast<int>(labelText(share.label).size())));
}

}  // namespace

class PageContentTest : public QObject {
    Q_OBJECT

private slots:
    void statementHoldsInTheComputation_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kChecks)); ++row) {
            const Check& c = kChecks[row];
            const bool byPersons = c.positions.kindredMethod == KindredMethod::AbuYusuf;
            QTest::addRow("%s: %s (%s) %s%s", c.statement, c.counts, c.kind, schoolInfo(c.positions.school).key.data(),
                          byPersons ? " abu-yusuf" : "")
                << row;
        }
    }

    void statementHoldsInTheComputation()
    {
        QFETCH(int, row);
        const Check& check = kChecks[row];
        if (check.claim == Claim::RelativeReceives) {
            const Fraction part = relativePart(check);
            QVERIFY2(part == Fraction::of(check.numerator, check.denominator),
                     QByteArray::number(qlonglong(part.num)) + "/" + QByteArray::number(qlonglong(part.den)));
            return;
        }
        const CaseComputation computation = computeCase(testing::countsOf(check.counts), check.positions);

        if (check.claim == Claim::Announced) {
            QVERIFY(std::find(computation.messages.begin(), computation.messages.end(), check.message) !=
                    computation.messages.end());
            return;
        }
        QCOMPARE(computation.outcome, CaseOutcome::Computed);
        if (check.claim == Claim::Bases) {
            QCOMPARE(computation.result.base, std::int64_t{check.numerator});
            QCOMPARE(increasedOrReducedBaseOf(computation.result), std::int64_t{check.denominator});
            return;
        }
        const HeirKind kind = *kindFromCode(check.kind);
        const ShareResult& share = computation.result[kind];
        const QByteArray got = describe(share).toUtf8();
        switch (check.claim) {
        case Claim::Fraction:
            QVERIFY2(share.numerator == check.numerator && share.denominator == check.denominator, got);
            break;
        case Claim::Residuary: QVERIFY2(share.isResiduary() && share.label == check.label, got); break;
        case Claim::Nothing: QVERIFY2(share.value == 0.0, got); break;
        case Claim::Receives: {
            const std::int64_t parts = partsOf(kind, computation.result);
            const std::int64_t base = finalBaseOf(computation.result);
            QVERIFY2(parts * check.denominator == base * check.numerator,
                     QByteArray::number(qlonglong(parts)) + " of " + QByteArray::number(qlonglong(base)));
            break;
        }
        case Claim::Parts:
            QCOMPARE(partsOf(kind, computation.result), std::int64_t{check.numerator});
            QCOMPARE(finalBaseOf(computation.result), std::int64_t{check.denominator});
            break;
        case Claim::Bases:
        case Claim::Announced:
        case Claim::RelativeReceives: break;
        }
    }

    // Every statement of every page is checked by at least one row under a
    // school it is shown for, and every row names a statement that a page
    // shows under the row's school.
    void everyStatementIsChecked()
    {
        for (const PageText& page : pageTexts()) {
            QVERIFY(!page.statements.empty());
            for (const PageStatement& statement : page.statements) {
                const bool checked = std::any_of(std::begin(kChecks), std::end(kChecks), [&](const Check& check) {
                    return QString(check.statement) == statement.id && holdsUnder(statement.holds, check.positions);
                });
                QVERIFY2(checked, statement.text);
            }
        }
        for (const Check& check : kChecks) {
            bool shown = false;
            for (const PageText& page : pageTexts()) {
                for (const PageStatement& statement : statementsOf(page.topic, check.positions)) {
                    shown = shown || QString(check.statement) == statement.id;
                }
            }
            QVERIFY2(shown, check.statement);
        }
    }

    // Under every school and positions a page makes each of its points once,
    // in the one statement of the answer in force.
    void everyPointOnceUnderEverySchool()
    {
        const Positions everyChoice[] = {{},
                                         kMaliki,
                                         kShafii,
                                         kHanbali,
                                         kNoReturn,
                                         kSpouseReturn,
                                         {Maliki, false, true},
                                         {Hanbali, true, false},
                                         kAbuYusuf};
        for (const Positions& positions : everyChoice) {
            for (const PageText& page : pageTexts()) {
                QSet<QString> all;
                for (const PageStatement& statement : page.statements) all.insert(statement.id);
                QSet<QString> shown;
                int statements = 0;
                for (const PageStatement& statement : statementsOf(page.topic, positions)) {
                    shown.insert(statement.id);
                    ++statements;
                }
                QCOMPARE(shown, all);
                QCOMPARE(statements, static_cast<int>(all.size()));
            }
        }
    }
};

}  // namespace qismaru::help

QTEST_MAIN(qismaru::help::PageContentTest)
#include "page_content_test.moc"
