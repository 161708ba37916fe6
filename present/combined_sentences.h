#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/combined_base.h"
#include "present/heir_names.h"
#include "present/solution_steps.h"

namespace qismaru {

// The solution of successive deaths as a teacher writes it: each later
// death's own case, then how it joins the combined base (الجامعة), then what
// each surviving person takes of it.

// "الأول", "الثاني", ... for a deceased, "الأولى", "الثانية", ... for his
// case (مسألة), to the tenth; the figure beyond ("رقم 11").
std::string deceasedOrdinal(int death);
std::string caseOrdinal(int death);

// Who died, as a sentence names him or her: "الابن في المسألة الأولى", or
// one of a group, "إحدى البنات في المسألة الأولى"; a uterine sibling, whose
// sex is not entered, "ولد الأم في المسألة الأولى".
std::string deceasedName(const GroupRef& ref, const std::vector<DeathCase>& deaths);

// The deceased of a later death by number, agreeing with a deceased of
// `kind`: "الميت الثاني", "الميتة الثانية".
std::string deceasedTitle(int death, const GroupRef& ref);

// Why a deceased's row of the combined table holds no total: "ماتت قبل
// القسمة، فانتقلت سهامها إلى ورثتها".
std::string passedOnNote(const GroupRef& ref);

// A group named in a sentence, definite ("الزوجة", "ابن ابن الابن"), whether
// it is a kind's or a relative's by path; and as the table's heading names
// it ("زوجة", "ابن ابن ابن @1").
std::string groupName(const GroupRef& ref, int count, GrammaticalCase grammaticalCase);
std::string groupDisplayName(const GroupRef& ref);
// Whether a member of the group is spoken of as a woman.
bool groupFeminine(const GroupRef& ref);

enum class CombinedStepType : std::uint8_t {
    Join,           // death: a later death joined to the combined base
    Reduction,      // parts, by: the combined base divided by what all its figures share (الاختصار)
    Base,           // parts: the combined base
    Heirs,          // ref, parts: a group of surviving persons and its parts
    Undistributed,  // parts: what no heir takes
};

struct CombinedStep {
    CombinedStepType type = CombinedStepType::Join;
    int death = 0;
    GroupRef ref{};
    std::int64_t parts = 0;
    std::string text;     // the Arabic sentence
    std::int64_t by = 0;  // Reduction: what the figures were divided by
};

// From a joined table: every join in order, its reduction if any, the
// combined base, each group of surviving persons with parts (their parts of
// each death times its multiplier, divided as the base was), and what no
// heir takes, if anything.
std::vector<CombinedStep> combinedSteps(const std::vector<DeathCase>& deaths, const std::vector<LaterDeath>& later,
                                        const CombinedTable& table);

// The line that opens a death's solution: his heirs, by path where his case is.
std::string deathHeirsLine(const DeathCase& death);

// The whole solution as plain text: the first death's solution, each later
// death's under a line naming its deceased, then the combined base by its
// steps (combinedSteps). What `--explain` prints.
std::string successiveDeathsText(const std::vector<DeathCase>& deaths, const std::vector<LaterDeath>& later,
                                 const std::vector<std::vector<SolutionStep>>& solutions,
                                 const std::vector<CombinedStep>& combined);

// "الميت الثاني: الابن في المسألة الأولى، مات قبل القسمة", "الميتة الثالثة:
// البنت في المسألة الأولى، ماتت قبل القسمة": the line above a later death's
// own case.
std::string laterDeathHeading(int death, const LaterDeath& later, const std::vector<DeathCase>& deaths);

}  // namespace qismaru
