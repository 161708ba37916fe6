#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/case_json.h"
#include "engine/combined_base.h"
#include "estate/combined_settlement.h"
#include "present/combined_sentences.h"

namespace qismaru::calc {

// What the calculator says about a case with later deaths, computed once:
// the first death as a single case (with the settlement of its estate),
// each later death's own case, and the combined table that joins them.
struct LaterDeathsAnswer {
    CaseAnswer first;
    std::vector<LaterDeath> later;
    std::vector<CaseAnswer> laterAnswers;
    std::vector<DeathCase> deaths;  // every death's case, the first at 0, as the engine joins them
    CombinedTable table;
    DeathsRefusal refusal;
    std::optional<estate::CombinedSettlement> settlement;  // with an estate, by the combined table
    std::vector<CombinedStep> steps;                       // with --explain

    bool beyondExactRange() const;
};

LaterDeathsAnswer answerLaterDeaths(const CaseInput& input, bool explain, const Positions& positions);

// Why the deaths could not be joined, naming the death: "death 2: ...".
std::string refusalText(const LaterDeathsAnswer& answer);

}  // namespace qismaru::calc
