#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qismaru::calc {

enum class OutputForm { Text, Json, Batch };

// Exit statuses of qismaru-calc.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitBeyondExactRange = 3;

// Runs the calculator on parsed options; all I/O goes through the streams so
// that tests can run it in-process.
int runCalculator(OutputForm form, const std::vector<std::string>& caseArguments, std::istream& in,
                  std::ostream& out, std::ostream& err);

}  // namespace qismaru::calc
