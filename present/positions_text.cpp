#include "present/positions_text.h"

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
    return line;
}

std::string surplusToTreasuryText(const CaseResult& result)
{
    std::int64_t distributed = 0;
    for (const std::int64_t parts : result.parts) distributed += parts;
    return "لا رد على هذا القول: ما فضل عن الفروض، " + std::to_string(result.finalBase - distributed) + " من " +
           std::to_string(result.finalBase) + "، لبيت المال، ولا يوزع على الورثة.";
}

PlacedText positionsOnPage(const Positions& positions)
{
    return {page_positions::kX, page_positions::kY, positionsLine(positions)};
}

std::string differsFromHanafiNote(const Positions& positions)
{
    // Under the Hanafi school only the return to a spouse can change the answer.
    if (positions.school == School::Hanafi) return "تخالف هذه النتيجة جواب المذهب الحنفي دون الرد على أحد الزوجين";
    return "تخالف هذه النتيجة جواب المذهب الحنفي في هذه المسألة";
}

std::string grandmotherLimitText(School school)
{
    const int limit = schoolInfo(school).grandmotherLimit;
    const std::string number = limit == 2 ? "جدتين" : "ثلاث جدات";
    return "لا يرث عند " + std::string(scholarsOf(school)) + " أكثر من " + number +
           " معاً، فلا تقبل هذه المسألة على المذهب " + std::string(schoolInfo(school).name) +
           ". أدخل عدداً أقل، أو اختر مذهباً آخر من قائمة المذهب.";
}

}  // namespace qismaru
