#pragma once

#include <iosfwd>
#include <string_view>

namespace qismaru::calc {

// Exit statuses of qismaru-calc.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitBeyondExactRange = 3;
// The results could not be written (full disk, closed output, broken pipe)
// or the cases could not be read: whatever was done is incomplete.
inline constexpr int kExitInputOutputFailed = 4;
// A batch ran to its end, but some of its lines were answered with an error
// object instead of a result.
inline constexpr int kExitSomeLinesFailed = 5;

// Writes "qismaru-calc: WHY" as one line of bounded length, with control
// characters and bytes that are not UTF-8 shown as escapes.
void writeErrorLine(std::ostream& err, std::string_view why);

}  // namespace qismaru::calc
