// The distant kindred under each school's method: worked cases from the
// books (the source beside each row), then one generated family of kindred
// checked against the laws every division of them keeps.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "engine/path_case.h"
#include "tests/support/path_text.h"

namespace qismaru {
namespace {

using testing::entriesOf;
using enum School;

constexpr KindredMethod kRoots = KindredMethod::Muhammad;
constexpr KindredMethod kPersons = KindredMethod::AbuYusuf;

// The corrected base and each entry's parts, in the order entered: "7: 1 2 2 1 1".
std::string partsText(const PathComputation& p, std::span<const RelativeEntry> entries)
{
    if (p.refused()) return "refused: " + p.resolution.refusal;
    std::ostringstream text;
    text << p.correctedBase() << ":";
    for (const RelativeShare& share : sharesOf(p, entries)) text << ' ' << share.parts;
    return text.str();
}

struct BookCase {
    const char* source;
    std::vector<Positions> positions;
    std::string_view heirs;
    std::string_view parts;
};

const std::vector<Positions> kPlacing{{Hanbali}, {Shafii}, {Maliki}};
const std::vector<Positions> kHanafi{{Hanafi, false, false, kRoots}, {Hanafi, false, false, kPersons}};
const std::vector<Positions> kAll{{Hanbali}, {Shafii}, {Maliki}, {Hanafi}, {Hanafi, false, false, kPersons}};

const BookCase kBookCases[] = {
    // Who inherits, and beside whom (shamela 384/7599; shamela 139/512; islamweb 18/10218).
    {"the return to the mother comes before the maternal uncle", kAll, "m=1 m.b=1", "1: 1 0"},
    {"مولى العتاقة عصبة مقدم على الرد وعلى ذوي الأرحام", kAll, "mut=1 d.d=1", "1: 1 0"},
    {"a residuary however far before the distant kindred", kAll, "f.b.s.s=1 d.s=1", "1: 1 0"},
    {"the husband beside them takes his half, not reduced by the daughter's son", kAll, "h=1 d.s=1", "2: 1 1"},
    {"the wife's quarter in full, the rest among them as if it were the whole",
     {{Hanbali}},
     "w=1 d.d=1 s.d.d=1",
     "16: 4 9 3"},
    {"al-Najm al-Wahhaj 2705: the early doctrine, the treasury instead",
     {{Maliki, false, true}, {Shafii, false, true}},
     "w=1 d.d=1",
     "4: 1 0"},
    // Placing (al-Najm al-Wahhaj, https://mail.shamela.ws/book/1202/465; al-Mughni 15/4224; Hanbali
    // examples of https://shamela.ws/book/11192/2693; Shafi'i: https://shamela.app/book/12018/721).
    {"بنت بنت وبنت بنت ابن: من أربعة", kPlacing, "d.d=1 s.d.d=1", "4: 3 1"},
    {"خالة وبنات أختين شقيقتين وبنات أختين لأم: من ستة وتعول إلى سبعة", kPlacing,
     "m.si=1 si.d@1=1 si.d@2=1 sim.d@1=1 sim.d@2=1", "7: 1 2 2 1 1"},
    {"the wife's quarter in full, the khala case's seven on the rest",
     {{Hanbali}, {Shafii}},
     "w=1 m.si=1 si.d@1=1 si.d@2=1 sim.d@1=1 sim.d@2=1",
     "28: 7 3 6 6 3 3"},
    {"Sharh al-Fusul 733: three separated maternal uncles, the mother's heirs", kPlacing, "m.b=1 m.bf=1 m.bm=1",
     "6: 5 0 1"},
    {"al-Mughni: ابن بنت ابن وبنت ابن بنت ابن: المال للابن لأنه أقرب إلى الوارث", kAll, "s.d.s=1 s.d.s.d=1", "1: 1 0"},
    {"بنت بنت بنت وبنت بنت ابن: المال للثانية", kAll, "d.d.d=1 s.d.d=1", "1: 0 1"},
    {"خالة وأم أبي أم: المال للخالة لأنها تلقى الأم بأول درجة", {{Hanbali}}, "m.si=1 m.f.m=1", "1: 1 0"},
    {"بنت بنت بنت وبنت أخ لأم: الكل لبنت بنت البنت، جدتها البنت تسقط الأخ لأم",
     {{Hanbali}},
     "d.d.d=1 bm.d=1",
     "1: 1 0"},
    {"خالات الأب وخالات الأم المفترقات: بمنزلة الجدتين، وتصح من عشرة",
     {{Hanbali}},
     "f.m.si=1 f.m.sif=1 f.m.sim=1 m.m.si=1 m.m.sif=1 m.m.sim=1",
     "10: 3 1 1 3 1 1"},
    {"لخالات الأب والأم السدس بينهما نصفين وتسقط عمات الأم، والباقي لعمات الأب بمنزلة الجد",
     {{Hanbali}},
     "f.m.si=1 m.m.si=1 m.f.si=1 f.f.si=1",
     "12: 1 1 0 10"},
    {"خالة أب وأم أبي أم: الكل للثانية لأنها بمنزلة الأم", {{Hanbali}}, "f.m.si=1 m.f.m=1", "1: 0 1"},
    {"ولد أخ لأم وأربعة أولاد أخ لأم آخر وبنت أخ لأب: ٢٤", {{Shafii}}, "bm.s@1=1 bm.s@2=4 bf.d=1", "24: 4 4 16"},
    {"the Hanbalis: the children of one heir alike, male as female", {{Hanbali}}, "d.s.d=1 d.d.s=1", "2: 1 1"},
    {"the Shafi'is: the roots' part passes to their branches, the male twice the female (al-'Aziz)",
     {{Shafii}},
     "d.s.d=1 d.d.s=1",
     "3: 2 1"},
    {"the daughter's daughter as the daughter, the brother's daughter as the brother", kPlacing, "d.d=1 b.d=1",
     "2: 1 1"},
    // The Hanafi classes (al-Mabsut 30/4; the Sirajiyya, Jones p.540; https://shamela.ws/book/9851/4736;
    // https://shamela.ws/book/384/7615-7616; Nihayat al-Matlab 4858).
    {"the first class before the third", kHanafi, "d.d=1 b.d=1", "1: 1 0"},
    {"the false grandfather before the maternal aunt", kHanafi, "m.si=1 m.f.m=1", "1: 0 1"},
    {"عند أهل القرابة للخال الثلث والباقي للعمة", kAll, "m.b=1 f.si=1", "3: 1 2"},
    {"عمة لأب وعمة لأم: المال للأولى، وهذا هو المفتى به", kHanafi, "f.sif=1 f.sim=1", "1: 1 0"},
    {"three separated maternal uncles: the strongest", kHanafi, "m.b=1 m.bf=1 m.bm=1", "1: 1 0 0"},
    {"daughter's son and daughter's daughter: 2:1 by either rule", kHanafi, "d.s=1 d.d=1", "3: 2 1"},
    {"Muhammad: the daughter of a daughter's son 2/3", {{Hanafi, false, false, kRoots}}, "d.s.d=1 d.d.s=1", "3: 2 1"},
    {"Abu Yusuf: the son of a daughter's daughter 2/3",
     {{Hanafi, false, false, kPersons}},
     "d.s.d=1 d.d.s=1",
     "3: 1 2"},
    {"Muhammad: 8, two each to the three, one each to the two",
     {{Hanafi, false, false, kRoots}},
     "d.d.d=2 d.s.d=3",
     "8: 2 6"},
    {"Abu Yusuf: five equal parts", {{Hanafi, false, false, kPersons}}, "d.d.d=2 d.s.d=3", "5: 2 3"},
    {"Muhammad: the full brother's daughter 2/3, the full sister's son 1/3",
     {{Hanafi, false, false, kRoots}},
     "si.s=1 b.d=1",
     "3: 1 2"},
    {"Abu Yusuf: the son 2/3, the daughter 1/3", {{Hanafi, false, false, kPersons}}, "si.s=1 b.d=1", "3: 2 1"},
    {"Muhammad: daughters of three separated brothers, the uterine one a sixth",
     {{Hanafi, false, false, kRoots}},
     "b.d=1 bf.d=1 bm.d=1",
     "6: 5 0 1"},
    {"Abu Yusuf: all to the full brother's daughter",
     {{Hanafi, false, false, kPersons}},
     "b.d=1 bf.d=1 bm.d=1",
     "1: 1 0 0"},
    {"the husband's half, then Muhammad's rule on the rest",
     {{Hanafi, false, false, kRoots}},
     "h=1 d.s.d=1 d.d.s=1",
     "6: 3 2 1"},
    {"the husband's half, then Abu Yusuf's rule on the rest",
     {{Hanafi, false, false, kPersons}},
     "h=1 d.s.d=1 d.d.s=1",
     "6: 3 1 2"},
    {"Muhammad: daughters of three separated sisters, fifths 3:1:1",
     {{Hanafi, false, false, kRoots}},
     "si.d=1 sif.d=1 sim.d=1",
     "5: 3 1 1"},
    {"Abu Yusuf: all to the full sister's daughter",
     {{Hanafi, false, false, kPersons}},
     "si.d=1 sif.d=1 sim.d=1",
     "1: 1 0 0"},
};

TEST(KindredCases, WorkedCasesFromTheBooks)
{
    for (const BookCase& c : kBookCases) {
        for (const Positions& positions : c.positions) {
            const std::vector<RelativeEntry> entries = entriesOf(c.heirs);
            EXPECT_EQ(partsText(computeCase(entries, positions), entries), c.parts)
                << c.source << " (" << schoolInfo(positions.school).key << ", "
                << kindredMethodKey(positions.kindredMethod) << ")";
        }
    }
}

// How many steps a relative takes to reach an heir, towards the deceased.
int stepsToAnHeir(const RelativePath& path, School school)
{
    for (int links = path.size() - 1; links > 0; --links) {
        RelativePath prefix;
        for (int i = 0; i < links; ++i) prefix.add(path[i]);
        if (!isDistantKindred(kinshipOf(prefix), school)) return path.size() - links;
    }
    return path.size();
}

// The Hanafi class and the nearness within it, one number: lower is nearer.
int hanafiRank(const RelativePath& path)
{
    int up = 0;
    while (up < path.size() && isParent(path[up])) ++up;
    const bool sibling = up < path.size() && isSibling(path[up]);
    const int klass = !sibling ? (up == 0 ? 1 : 2) : (up == 0 ? 3 : 4);
    return klass * 10000 + (klass == 4 ? up * 100 : 0) + path.size();  // class 4: the level, then the degree
}

// The laws a division with distant kindred keeps, for one case.
std::string lawBroken(std::span<const RelativeEntry> entries, const PathComputation& p, const Positions& positions)
{
    const std::vector<RelativeShare> shares = sharesOf(p, entries);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        total += shares[i].parts;
        if (p.resolution.standings[i].way == StandingWay::Excluded && shares[i].parts != 0)
            return "one kept out is paid";
    }
    if (!p.kindred) return "";
    if (total != p.correctedBase()) return "the parts do not add up";
    const bool placing = positions.school != Hanafi;
    for (std::size_t a = 0; a < entries.size(); ++a) {
        const Kinship ka = kinshipOf(entries[a].path);
        if (ka.kind == KinshipKind::Husband && shares[a].ofEstate() != Fraction::of(1, 2)) return "the husband reduced";
        if (ka.kind == KinshipKind::Wife && shares[a].ofEstate() != Fraction::of(1, 4)) return "the wives reduced";
        if (!isDistantKindred(ka, positions.school)) continue;
        for (std::size_t b = 0; b < entries.size(); ++b) {
            const RelativePath& pa = entries[a].path;
            const RelativePath& pb = entries[b].path;
            if (shares[b].parts == 0 || !isDistantKindred(kinshipOf(pb), positions.school)) continue;
            const bool sameDirection =
                (pa[0] == Link::Mother) == (pb[0] == Link::Mother) && isChild(pa[0]) == isChild(pb[0]);
            const bool fartherPaid =
                placing ? sameDirection && stepsToAnHeir(pa, positions.school) < stepsToAnHeir(pb, positions.school)
                        : hanafiRank(pa) < hanafiRank(pb);
            if (fartherPaid) return entries[b].written() + " is paid beside the nearer " + entries[a].written();
        }
    }
    return "";
}

// Whether the kindred's roots agree in sex and strength: every path alike
// but for the sex of its last link. Then Muhammad's rule and Abu Yusuf's
// are one.
bool rootsAgree(std::span<const RelativeEntry> entries)
{
    const RelativeEntry* first = nullptr;
    for (const RelativeEntry& e : entries) {
        if (!isDistantKindred(kinshipOf(e.path), Hanafi)) continue;
        if (!first) {
            first = &e;
            continue;
        }
        if (e.path.size() != first->path.size()) return false;
        for (int i = 0; i + 1 < e.path.size(); ++i) {
            if (e.path[i] != first->path[i]) return false;
        }
        const Link a = e.path.last();
        const Link b = first->path.last();
        const bool oneRelation = (isChild(a) && isChild(b)) || (isParent(a) && isParent(b)) ||
                                 (isSibling(a) && isSibling(b) && strengthOf(a) == strengthOf(b));
        if (!oneRelation) return false;
    }
    return true;
}

// Up to three relatives, most of them distant kindred of every class and
// direction, some beside a spouse, an heir or a woman of the wala, under
// every school and method, and with no return where a school held it.
TEST(KindredCases, GeneratedFamilyKeepsTheLaws)
{
    const char* const pool[] = {"h",     "w",     "m",      "mut.d", "d.d",    "d.s",   "d.d@2",  "s.d.d", "d.s.d",
                                "d.d.s", "si.s",  "si.d",   "b.d",   "bf.d",   "bm.s",  "sim.d",  "b.s.d", "m.b",
                                "m.si",  "m.bm",  "f.si",   "f.sif", "f.bm",   "f.b.d", "m.b.s",  "m.f",   "m.f.m",
                                "f.m.f", "m.m.f", "f.f.si", "f.m.b", "si.d.d", "f.f.m", "f.f.f.m"};
    constexpr std::size_t kPool = std::size(pool);
    const Positions everyWay[] = {{Hanbali}, {Shafii}, {Maliki}, {Maliki, false, true}, {Hanafi}};
    long divided = 0;
    std::vector<RelativeEntry> entries;
    const std::function<void(std::size_t)> extend = [&](std::size_t from) {
        for (const Positions& positions : everyWay) {
            if (entries.empty()) break;
            const PathComputation p = computeCase(entries, positions);
            std::string text;
            for (const RelativeEntry& e : entries)
                text += e.written() + "@" + e.label + "=" + std::to_string(e.count) + " ";
            ASSERT_TRUE(!p.refused() || !p.resolution.kindred) << text << p.resolution.refusal;
            if (!p.divided()) continue;
            ++divided;
            std::string broken = lawBroken(entries, p, positions);
            if (broken.empty() && positions.school == Hanafi && rootsAgree(entries)) {
                const Positions byPersons{Hanafi, false, false, kPersons};
                const PathComputation q = computeCase(entries, byPersons);
                for (std::size_t i = 0; i < entries.size() && broken.empty(); ++i) {
                    if (shareOf(p, entries, i).ofEstate() != shareOf(q, entries, i).ofEstate()) {
                        broken = "Muhammad's rule and Abu Yusuf's differ where the roots agree";
                    }
                }
            }
            ASSERT_TRUE(broken.empty()) << text << "(" << schoolInfo(positions.school).key << "): " << broken;
        }
        if (entries.size() == 3) return;
        for (std::size_t k = from; k < kPool; ++k) {
            for (const int count : {1, 2}) {
                if (count == 2 && entries.size() == 2) continue;
                RelativeEntry e = entriesOf(std::string(pool[k]) + "=" + std::to_string(count))[0];
                const bool onePerson = relativesProblem(std::vector<RelativeEntry>{e}).size() > 0;
                const bool spouseTwice = std::any_of(entries.begin(), entries.end(), [&](const RelativeEntry& x) {
                    return (x.path[0] == Link::Husband || x.path[0] == Link::Wife) &&
                           (e.path[0] == Link::Husband || e.path[0] == Link::Wife);
                });
                if (onePerson || spouseTwice) continue;
                entries.push_back(e);
                extend(k + 1);
                entries.pop_back();
            }
        }
    };
    extend(0);
    EXPECT_GT(divided, 100000);
}

}  // namespace
}  // namespace qismaru
