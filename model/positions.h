#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qismaru {

// The school of law whose answer the user wants. The Hanafi answer is the
// default; the others differ on the grandfather with
// siblings, the Mushtaraka and how many grandmothers inherit.
enum class School : std::uint8_t { Hanafi, Maliki, Shafii, Hanbali };

inline constexpr int kSchoolCount = 4;

struct SchoolInfo {
    School school;
    std::string_view key;   // in the calculator's options and JSON: "hanafi", ...
    std::string_view name;  // in the window: "الحنفي", ...
    // How many grandmothers of the same degree can inherit together; 0 for
    // no limit.
    int grandmotherLimit;
    // Beside the father only one grandmother whose side is not given ("gm")
    // is entered: the school has him keep his own mother (and every
    // grandmother related through him) out, as he keeps out the grandfather.
    // The Hanbalis let a grandmother inherit beside her son. The Hanafi
    // books hold as the Malikis and the Shafi'is do; but "gm" gives a count,
    // not the sides, so under the Hanafi answer the grandmothers counted
    // beside the father share their sixth whatever their number, and the
    // solution points to the grandmothers by their side (m.m, f.m) for the
    // school's own answer.
    bool oneGrandmotherBesideFather;
};

inline constexpr std::array<SchoolInfo, kSchoolCount> kSchools{{
    {School::Hanafi, "hanafi", "الحنفي", 0, false},
    {School::Maliki, "maliki", "المالكي", 2, true},
    {School::Shafii, "shafii", "الشافعي", 0, true},
    {School::Hanbali, "hanbali", "الحنبلي", 3, false},
}};

constexpr const SchoolInfo& schoolInfo(School school) { return kSchools[static_cast<int>(school)]; }

constexpr std::optional<School> schoolFromKey(std::string_view key)
{
    for (const SchoolInfo& info : kSchools)
        if (info.key == key) return info.school;
    return std::nullopt;
}

// How many grandmothers can inherit together in a case under a school. Of
// the true grandmothers of one degree only one is related through the
// mother (the mother's mother, her mother, ...); every other one is related
// through the father. So where the father excludes his own mother, one
// grandmother at most inherits beside him.
struct GrandmotherLimit {
    int most = 0;  // 0: no limit
    bool besideFather = false;
    bool besideGrandfather = false;
};

// The father keeps his own mother out, and every grandmother related
// through him, as the grandfather keeps out his: so the Hanafis, the Malikis
// and the Shafi'is. The Hanbalis let a grandmother inherit beside her son.
constexpr bool ascendantExcludesHisMother(School school) { return school != School::Hanbali; }

// A nearer grandmother on the father's side keeps out a farther one on the
// mother's side under the Hanafi and Hanbali schools; under the Maliki and
// Shafi'i schools the two share the sixth. (A nearer one on the mother's
// side keeps out a farther one on the father's under every school.)
constexpr bool nearerPaternalGrandmotherExcludesMaternal(School school)
{
    return school == School::Hanafi || school == School::Hanbali;
}

// The Hanafis: a nearer grandmother keeps a farther one out though she is
// herself excluded ("وارثة كانت القربى أو محجوبة"): beside the father, the
// father's mother keeps out the mother's mother's mother.
constexpr bool excludedGrandmotherStillExcludes(School school) { return school == School::Hanafi; }

constexpr GrandmotherLimit grandmotherLimit(School school, bool fatherPresent, bool grandfatherPresent = false)
{
    const SchoolInfo& info = schoolInfo(school);
    if (fatherPresent && info.oneGrandmotherBesideFather) return {1, true, false};
    // Of the true grandmothers of one degree, all but two (the mother's
    // mothers' line and the father's mothers' line) are related through the
    // grandfather, who keeps them out.
    constexpr int kBesideGrandfather = 2;
    const bool stricter = info.grandmotherLimit == 0 || info.grandmotherLimit > kBesideGrandfather;
    if (!fatherPresent && grandfatherPresent && ascendantExcludesHisMother(school) && stricter) {
        return {kBesideGrandfather, false, true};
    }
    return {info.grandmotherLimit, false, false};
}

// How the Hanafi school divides among distant kindred of one class once the
// nearer are preferred. Muhammad ibn al-Hasan looks to the roots through whom
// they are related, down to the first generation where the roots' sexes
// differ, each root counted as many as his branches; the Sirajiyya and its
// commentaries follow him, and so do the courts that take it as their text.
// Abu Yusuf looks to the persons themselves (and, among the children of
// brothers and sisters, to the strength of their relation first); the
// Syrian courts follow him by decree.
enum class KindredMethod : std::uint8_t { Muhammad, AbuYusuf };

struct KindredMethodInfo {
    KindredMethod method;
    std::string_view key;  // in the calculator's options and JSON: "muhammad", "abu-yusuf"
};

inline constexpr std::array<KindredMethodInfo, 2> kKindredMethods{{
    {KindredMethod::Muhammad, "muhammad"},
    {KindredMethod::AbuYusuf, "abu-yusuf"},
}};

constexpr std::string_view kindredMethodKey(KindredMethod method)
{
    return kKindredMethods[static_cast<std::size_t>(method)].key;
}

constexpr std::optional<KindredMethod> kindredMethodFromKey(std::string_view key)
{
    for (const KindredMethodInfo& info : kKindredMethods)
        if (info.key == key) return info.method;
    return std::nullopt;
}

// The positions a case is answered by: the school, and the positions that
// later scholars of several schools and modern courts take on their own.
struct Positions {
    School school = School::Hanafi;
    // A spouse who is the only heir takes the whole, the rest by return.
    bool spouseReturn = false;
    // The early Maliki and Shafi'i doctrine: no return at all; what the fixed
    // shares leave goes to the public treasury. Only those two schools hold it.
    bool noReturn = false;
    // Among distant kindred, under the Hanafi school only: the other schools
    // place each relative in the position of the heir he is related through.
    KindredMethod kindredMethod = KindredMethod::Muhammad;

    bool operator==(const Positions&) const = default;
};

// The grandfather without the father shares with the full and consanguine
// brothers and sisters (the way of Zayd ibn Thabit) instead of excluding them.
constexpr bool grandfatherSharesWithSiblings(School school) { return school != School::Hanafi; }

// The Mushtaraka: the full siblings share the uterine siblings' third.
constexpr bool fullSiblingsShareUterineThird(School school)
{
    return school == School::Maliki || school == School::Shafii;
}

// Only the Maliki and Shafi'i schools ever held that there is no return.
constexpr bool schoolMayRefuseReturn(School school) { return fullSiblingsShareUterineThird(school); }

// Which positions go together. No return is asked only of the two schools
// that held it, and it leaves nothing to return to a spouse either.
enum class PositionsProblem : std::uint8_t {
    None,
    NoReturnOutsideItsSchools,
    BothReturns,  // the return to a lone spouse beside no return at all
};

constexpr PositionsProblem problemOf(const Positions& positions)
{
    if (positions.noReturn && !schoolMayRefuseReturn(positions.school)) {
        return PositionsProblem::NoReturnOutsideItsSchools;
    }
    if (positions.noReturn && positions.spouseReturn) return PositionsProblem::BothReturns;
    return PositionsProblem::None;
}

// Why the positions cannot be used together, in English, as the calculator,
// the desktop program's command line and the case files say it; "" when
// they can.
std::string positionsProblemText(const Positions& positions);

// The positions as the engine applies them: no return is ignored in the
// schools that never held it, and where it holds there is no return to a
// spouse either; the rule among distant kindred is the Hanafi school's alone.
constexpr Positions effectivePositions(Positions positions)
{
    if (!schoolMayRefuseReturn(positions.school)) positions.noReturn = false;
    if (positions.noReturn) positions.spouseReturn = false;
    if (positions.school != School::Hanafi) positions.kindredMethod = KindredMethod::Muhammad;
    return positions;
}

}  // namespace qismaru
