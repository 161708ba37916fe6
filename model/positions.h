#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qismaru {

// The school of law whose answer the user wants. The Hanafi answer is the
// program's original one; the others differ on the grandfather with
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
};

inline constexpr std::array<SchoolInfo, kSchoolCount> kSchools{{
    {School::Hanafi, "hanafi", "الحنفي", 0},
    {School::Maliki, "maliki", "المالكي", 2},
    {School::Shafii, "shafii", "الشافعي", 0},
    {School::Hanbali, "hanbali", "الحنبلي", 3},
}};

constexpr const SchoolInfo& schoolInfo(School school) { return kSchools[static_cast<int>(school)]; }

constexpr std::optional<School> schoolFromKey(std::string_view key)
{
    for (const SchoolInfo& info : kSchools)
        if (info.key == key) return info.school;
    return std::nullopt;
}

// The positions a case is answered by: the school, and two positions that
// later scholars of several schools and modern courts take on their own.
struct Positions {
    School school = School::Hanafi;
    // A spouse who is the only heir takes the whole, the rest by return.
    bool spouseReturn = false;
    // The early Maliki and Shafi'i doctrine: no return at all; what the fixed
    // shares leave goes to the public treasury. Only those two schools hold it.
    bool noReturn = false;

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

// The positions as the engine applies them: no return is ignored in the
// schools that never held it.
constexpr Positions effectivePositions(Positions positions)
{
    if (!schoolMayRefuseReturn(positions.school)) positions.noReturn = false;
    return positions;
}

}  // namespace qismaru
