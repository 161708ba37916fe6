#include "present/refusal_texts.h"

#include "present/positions_text.h"

namespace qismaru {

namespace {

// More grandmothers than the school lets inherit together with these heirs.
std::string grandmothersRefusalText(School school, KindCounts asked, HeirKind kind, int count)
{
    asked.set(kind, count);
    return grandmotherLimitText(school, asked);
}

}  // namespace

std::string pressRefusalText(PressOutcome outcome, const KindCounts& before, HeirKind kind, School school)
{
    switch (outcome) {
    case PressOutcome::SpouseConflict: return kSpouseConflictText;
    case PressOutcome::TooManyGrandmothers: return grandmothersRefusalText(school, before, kind, 1);
    case PressOutcome::Ignored:
    case PressOutcome::Entered:
    case PressOutcome::AskCount: return {};
    }
    return {};
}

std::string countRefusalText(const CountResult& result, const KindCounts& before, int count, School school)
{
    switch (result.outcome) {
    case CountOutcome::TooManyWives: return kTooManyWivesText;
    case CountOutcome::TooManyGrandmothers: return grandmothersRefusalText(school, before, result.kind, count);
    case CountOutcome::Ignored:
    case CountOutcome::Recorded: return {};
    }
    return {};
}

std::string countLimitText() { return "لا يزيد العدد على " + std::to_string(kMaxCount); }

}  // namespace qismaru
