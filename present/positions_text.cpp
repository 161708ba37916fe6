#include "present/positions_text.h"

#include "engine/kind_groups.h"
#include "model/case_entry.h"

namespace qismaru {

namespace {

// The scholars of a school, as a sentence names them: "عند المالكية".
std::string_view scholarsOf(School school)
{
    switch (school) {
    case School::Hanafi: return "الحنفية";
    case School::Maliki: return "المالكية";
    case School::Shafii: return "الشافعية";
    case School::Hanbali: return "الحنابلة";
    }
    return "";
}

}  // namespace

std::string positionsLine(const Positions& positions)
{
    std::string line = "المذهب: " + std::string(schoolInfo(positions.school).name);
    if (positions.spouseReturn) line += "، مع الرد على أحد الزوجين";
    if (positions.noReturn) line += "، ولا رد: ما فضل لبيت المال";
    if (positions.kindredMethod == KindredMethod::AbuYusuf) line += "، وذوو الأرحام على قول أبي يوسف";
    return line;
}

std::string surplusNote(const CaseComputation& computation)
{
    const CaseResult& result = computation.result;
    if (computation.outcome != CaseOutcome::Computed || !computation.positions.noReturn ||
        !result.undistributedRemainder) {
        return {};
    }
    std::int64_t distributed = 0;
    for (const std::int64_t parts : result.parts) distributed += parts;
    return "لا رد على هذا القول: ما فضل عن الفروض، " + std::to_string(result.finalBase - distributed) + " من " +
           std::to_string(result.finalBase) + "، لبيت المال، ولا يوزع على الورثة.";
}

PlacedText positionsOnPage(const Positions& positions)
{
    return {page_positions::kX, page_positions::kY, positionsLine(positions)};
}

std::string positionHindrance(PositionsProblem problem, bool ofNoReturn)
{
    switch (problem) {
    case PositionsProblem::None: return "";
    case PositionsProblem::NoReturnOutsideItsSchools:
        return "عدم الرد قول المتقدمين من المالكية والشافعية وحدهم: اختر أحد المذهبين ليتاح";
    case PositionsProblem::BothReturns:
        return ofNoReturn ? "لا يجتمع عدم الرد والرد على أحد الزوجين: ألغِ الرد على أحد الزوجين ليتاح"
                          : "لا يجتمع الرد على أحد الزوجين وعدم الرد: ألغِ عدم الرد ليتاح";
    }
    return "";
}

std::string differsFromHanafiNote(const Positions& positions)
{
    // Under the Hanafi school only the return to a spouse, and Abu Yusuf's
    // rule among distant kindred, can change the answer.
    if (positions.school == School::Hanafi) {
        const bool abuYusuf = positions.kindredMethod == KindredMethod::AbuYusuf;
        if (abuYusuf && !positions.spouseReturn) {
            return "تخالف هذه النتيجة جواب المذهب الحنفي على قول محمد في ذوي الأرحام";
        }
        return std::string("تخالف هذه النتيجة جواب المذهب الحنفي دون الرد على أحد الزوجين") +
               (abuYusuf ? " وعلى قول محمد في ذوي الأرحام" : "");
    }
    return "تخالف هذه النتيجة جواب المذهب الحنفي في هذه المسألة";
}

std::string differenceMark(const KindCounts& counts, const CaseComputation& computation)
{
    const Positions& positions = computation.positions;
    // A lone spouse is answered alike by every school: only the return to
    // the spouse can change it. A surplus left to the treasury is what no
    // return changes; the schools' own differences leave no surplus.
    if (positions.spouseReturn && spouseAlone(counts)) return "النتيجة على القول بالرد على أحد الزوجين";
    if (positions.noReturn && computation.result.undistributedRemainder) return "النتيجة على القول بعدم الرد";
    return "النتيجة تخالف المذهب الحنفي";
}

std::string grandmotherLimitText(School school, const KindCounts& counts)
{
    const std::string scholars(scholarsOf(school));
    const std::string refused = "، فلا تقبل هذه المسألة على المذهب " + std::string(schoolInfo(school).name) + ". أدخل ";
    const std::string otherwise = "، أو اختر مذهباً آخر من قائمة المذهب.";
    const GrandmotherLimit limit = grandmotherLimitOf(counts, school);
    if (limit.besideFather) {
        return "يحجب الأبُ أمَّه عند " + scholars + "، فلا ترث معه إلا جدة واحدة، هي التي من جهة الأم" + refused +
               "جدة واحدة" + otherwise;
    }
    if (limit.besideGrandfather) {
        return "يحجب الجدُّ أمَّه عند " + scholars + "، فلا ترث معه أكثر من جدتين، واحدة من جهة الأم وأخرى من جهة الأب" +
               refused + "جدتين أو أقل" + otherwise;
    }
    const std::string number = limit.most == 2 ? "جدتين" : "ثلاث جدات";
    return "لا يرث عند " + scholars + " أكثر من " + number + " معاً" + refused + "عدداً أقل" + otherwise;
}

}  // namespace qismaru
