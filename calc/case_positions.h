#pragma once

#include <string>

#include "answer/case_answer.h"
#include "calc/case_input.h"
#include "model/positions.h"

namespace qismaru::calc {

// The school and positions one case is answered by: those of the command
// line, with a batch line's own "school", "spouseReturn", "noReturn" and
// "kindredMethod" in their place; or why the case cannot be answered by them.
struct PositionsChoice {
    Positions positions;
    std::string error;  // empty when the positions can be used

    bool ok() const { return error.empty(); }
};

PositionsChoice positionsFor(const CaseInput& input, const Positions& defaults);

// The question a usable request asks under the chosen positions.
CaseQuestion questionOf(const CaseInput& input, const Positions& positions);

// "hanafi maliki shafii hanbali", for messages and help.
std::string schoolKeys();

}  // namespace qismaru::calc
