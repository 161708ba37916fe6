#include "present/refusal_texts.h"

#include "present/positions_text.h"

namespace qismaru {

std::string countRefusalText(CountOutcome outcome, School school)
{
    switch (outcome) {
    case CountOutcome::TooManyWives: return "لا يزيد عدد الزوجات على أربع";
    case CountOutcome::TooManyGrandmothers: return grandmotherLimitText(school);
    case CountOutcome::Ignored:
    case CountOutcome::Recorded: return {};
    }
    return {};
}

std::string countLimitText() { return "لا يزيد العدد على " + std::to_string(kMaxCount); }

}  // namespace qismaru
