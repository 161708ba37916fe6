#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "engine/combined_base.h"
#include "present/combined_sentences.h"
#include "present/solution_steps.h"

namespace qismaru {

// Heirs of the first deceased who died before the division (المناسخات),
// each with his own case, joined by the engine in the combined table
// (الجامعة), or the reason they do not join.
struct SuccessiveDeaths {
    std::vector<LaterDeath> later;
    CombinedComputation combined;  // every death's case, the first at 0, and their table

    bool joined() const { return !combined.refusal.refused(); }
    // A death's case, or the combined base, passes exact computation: no
    // fault of the question, said as a single case beyond it is.
    bool beyondExactRange() const;
    const std::vector<DeathCase>& deaths() const { return combined.deaths; }
    const CombinedTable& table() const { return combined.table; }

    // A later death's solution (0 is the second death's). Its decisions are
    // recorded when a view asks for them, by computing its case again: the
    // engine is exact and pure, so the figures are the ones joined.
    std::vector<SolutionStep> solution(std::size_t laterDeath) const;
    // How each later death joins the combined base, and what each surviving
    // person takes of it.
    std::vector<CombinedStep> combinedSteps() const;
    // "الميت الثاني: الابن في المسألة الأولى، مات قبل القسمة".
    std::string heading(std::size_t laterDeath) const;
    // Why they do not join ("" when they do): in Arabic, naming the death
    // and the fault; in English for the calculator, "death 2: ...".
    std::string refusalText() const;
    std::string englishRefusalText() const;
};

// The later deaths joined to the first death's heirs under the positions.
SuccessiveDeaths joinLaterDeaths(const KindCounts& first, std::vector<LaterDeath> later, const Positions& positions);
// The same, the first deceased's heirs given by path.
SuccessiveDeaths joinLaterDeaths(std::span<const RelativeEntry> first, std::vector<LaterDeath> later,
                                 const Positions& positions);

}  // namespace qismaru
