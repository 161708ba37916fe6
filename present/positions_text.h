#pragma once

#include <string>

#include "engine/compute_case.h"
#include "model/positions.h"
#include "present/result_table.h"

namespace qismaru {

// "المذهب: الشافعي، مع الرد على أحد الزوجين": the school and the positions a
// case was answered by, as the title, the printed page, the solution and the
// estate name them.
std::string positionsLine(const Positions& positions);

// Why a position cannot be chosen with the others (no return under a school
// that never held it, or beside the return to a spouse), said where the user
// looks for it beside the disabled switch; "" for PositionsProblem::None.
std::string positionHindrance(PositionsProblem problem, bool ofNoReturn);

// Said where an answer differs from the Hanafi school's without the extra
// positions: the default answer, the one every other school and position is
// marked against.
std::string differsFromHanafiNote(const Positions& positions);

// The mark beside the school menu while the answer differs from the Hanafi
// one: "النتيجة تخالف المذهب الحنفي" where the school makes it differ, and
// the position's own name where a return position does, so that it never
// stands beside "المذهب: الحنفي" as a contradiction.
std::string differenceMark(const KindCounts& counts, const CaseComputation& computation);

// "لا رد على هذا القول: ما فضل عن الفروض، 2 من 6، لبيت المال": said after
// Calculate when the user chose no return and a divided case leaves part of
// the estate to no heir, which the table shows only as parts that fall short
// of its total; "" in every other case.
std::string surplusNote(const CaseComputation& computation);

// On the printed page the line of the school stands below the grid, left of
// the totals block, where the page is empty; it is fitted into the room up
// to that block.
namespace page_positions {
inline constexpr int kX = 600;
inline constexpr int kY = table_geometry::kTotalsY;
inline constexpr int kRoom = table_geometry::kTotalsX - 240 - kX;
}  // namespace page_positions

PlacedText positionsOnPage(const Positions& positions);

// "لا يرث عند المالكية أكثر من جدتين": why a case with more grandmothers
// than the school lets inherit together in it is refused; beside the
// father, that he excludes his own mother.
std::string grandmotherLimitText(School school, const KindCounts& counts);

}  // namespace qismaru
