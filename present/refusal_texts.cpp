#include "present/refusal_texts.h"

#include "present/positions_text.h"

namespace qismaru {

std::string pressRefusalText(PressOutcome outcome, School school, const KindCounts& asked)
{
    switch (outcome) {
    case PressOutcome::SpouseConflict: return kSpouseConflictText;
    case PressOutcome::TooManyGrandmothers: return grandmotherLimitText(school, asked);
    case PressOutcome::Ignored:
    case PressOutcome::Entered:
    case PressOutcome::AskCount: return {};
    }
    return {};
}

std::string countRefusalText(CountOutcome outcome, School school, const KindCounts& asked)
{
    switch (outcome) {
    case CountOutcome::TooManyWives: return "لا يزيد عدد الزوجات على أربع";
    case CountOutcome::TooManyGrandmothers: return grandmotherLimitText(school, asked);
    case CountOutcome::Ignored:
    case CountOutcome::Recorded: return {};
    }
    return {};
}

std::string countLimitText() { return "لا يزيد العدد على " + std::to_string(kMaxCount); }

}  // namespace qismaru
