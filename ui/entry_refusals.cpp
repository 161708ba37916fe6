#include "ui/entry_refusals.h"

#include "present/positions_text.h"

namespace qismaru::ui {

namespace {

// More grandmothers than the school lets inherit together with these heirs.
QString grandmothersRefusalText(School school, KindCounts asked, HeirKind kind, int count)
{
    asked.set(kind, count);
    return QString::fromStdString(grandmotherLimitText(school, asked));
}

}  // namespace

QString pressRefusalText(PressOutcome outcome, const KindCounts& counts, HeirKind kind, School school)
{
    switch (outcome) {
    case PressOutcome::SpouseConflict: return kSpouseConflictText;
    case PressOutcome::TooManyGrandmothers: return grandmothersRefusalText(school, counts, kind, 1);
    case PressOutcome::Ignored:
    case PressOutcome::Entered:
    case PressOutcome::AskCount: break;
    }
    return {};
}

QString countRefusalText(const CountResult& result, const KindCounts& counts, int count, School school)
{
    switch (result.outcome) {
    case CountOutcome::TooManyWives: return kTooManyWivesText;
    case CountOutcome::TooManyGrandmothers: return grandmothersRefusalText(school, counts, result.kind, count);
    case CountOutcome::Ignored:
    case CountOutcome::Recorded: break;
    }
    return {};
}

}  // namespace qismaru::ui
