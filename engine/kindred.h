#pragma once

#include <cstdint>
#include <vector>

#include "engine/fraction.h"
#include "engine/kindred_trace.h"
#include "model/positions.h"

namespace qismaru {

// The distant kindred (ذوو الأرحام): relatives who are neither sharers nor
// residuaries (a daughter's children, a sister's children, a brother's
// daughter, the maternal uncle and aunt, the paternal aunt, the maternal
// grandfather, ...). They inherit only where no residuary by kinship or wala
// and no sharer but a spouse inherits: the return to the blood sharers comes
// before them, and a spouse beside them takes the full half or quarter and
// no return.
//
// How the schools divide among them:
// - the people of placing (أهل التنزيل), the Hanbali school and the later
//   Shafi'i and Maliki scholars: each is placed in the position of the heir
//   through whom he is related, step by step until an heir is reached; the
//   placed heirs are divided as a case of heirs; what an heir takes passes
//   to those placed in his position. The Hanbalis give their males and
//   females alike, the Shafi'is and Malikis the male twice the female but
//   in the uterine siblings' lines. The early Maliki and Shafi'i doctrine
//   gives what the shares leave to the public treasury instead.
// - the people of kinship (أهل القرابة), the Hanafi school: four classes in
//   order, the nearest first within a class, then by the roots (Muhammad)
//   or by the persons (Abu Yusuf), as residuaries are ordered.
enum class KindredWay : std::uint8_t {
    PlacingAlike,      // Hanbali: placing, male and female alike
    PlacingTwoToOne,   // later Shafi'i and Maliki: placing, the male twice the female
    ClassesByRoots,    // Hanafi, Muhammad's rule
    ClassesByPersons,  // Hanafi, Abu Yusuf's rule
};

KindredWay kindredWayOf(const Positions& positions);

// The part of every entry of a case in which distant kindred inherit.
struct KindredDivision {
    KindredWay way = KindredWay::ClassesByRoots;
    Fraction remainder;              // of the estate, what the kindred divide: all, or what the spouse leaves
    std::vector<Fraction> perHead;   // of the estate, for every entry in the order entered; 0 for one who takes nothing
    std::int64_t correctedBase = 1;  // the least base on which every head's part is whole
};

}  // namespace qismaru
