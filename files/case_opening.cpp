#include "files/case_opening.h"

#include "present/positions_text.h"

namespace qismaru::estate {

OpenedCase openCaseFile(std::string_view text) { return openCaseFile(readCaseFile(text)); }

OpenedCase openCaseFile(const CaseFileReading& reading)
{
    OpenedCase opened;
    if (!reading.ok()) {
        opened.problem = arabicProblemText(reading);
        return opened;
    }
    opened.state = caseWithHeirs(reading.file->heirs, reading.file->positions.school);
    // The reader applies the entry rules already; this is their last word.
    if (!opened.state) {
        opened.problem = "لا يمكن إدخال ورثة هذا الملف في مسألة، فلم يفتح.";
        return opened;
    }
    opened.file = reading.file;
    return opened;
}

std::string positionsTakenFromFileText(const Positions& kept)
{
    return "حُفظت هذه المسألة على غير ما كان مختاراً في قائمة المذهب، فصار المختار ما حُفظت عليه:\n" + positionsLine(kept);
}

}  // namespace qismaru::estate
