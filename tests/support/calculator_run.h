#pragma once

#include <sstream>
#include <string>

#include "calc/calculator.h"

namespace qismaru::testing {

// One run of qismaru-calc in-process: its exit status and what it wrote on
// its two outputs.
struct CalcRun {
    int status;
    std::string out;
    std::string err;
};

inline CalcRun runOnce(const calc::CalcOptions& options, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = calc::runCalculator(options, in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace qismaru::testing
