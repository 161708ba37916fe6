#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "answer/case_answer.h"
#include "calc/json_writer.h"
#include "engine/compute_case.h"
#include "engine/path_case.h"
#include "present/solution_steps.h"

namespace qismaru::calc {

// One death's case as the members of a result give it: the first death's,
// or a later death's inside "later".
struct DeathResult {
    const KindCounts& counts;
    const CaseComputation& computation;
    // The solution, written under "steps" when it was asked for (--explain).
    const std::vector<SolutionStep>* steps = nullptr;
    // The division of the estate, when this death's result gives it: by its
    // table, or by the combined table of later deaths, whose settlement
    // speaks of no kind of heirs (`settledHeirs` empty).
    const estate::Settlement* settlement = nullptr;
    const KindCounts* settledHeirs = nullptr;
    // A case by path: its relatives as entered and its division by path.
    std::span<const RelativeEntry> relatives{};
    const PathComputation* byPath = nullptr;
};

// The first death of an answer as its result members give it, with its
// solution when the answer was asked with its steps.
struct FirstDeathResult {
    explicit FirstDeathResult(const CaseAnswer& answer);
    FirstDeathResult(const FirstDeathResult&) = delete;
    FirstDeathResult& operator=(const FirstDeathResult&) = delete;
    std::vector<SolutionStep> steps;
    DeathResult death;
};

// Which sections of a result object are written: all of them unless the user
// chose some with --fields.
class ResultFields {
public:
    static ResultFields all();
    // A comma-separated list of section names, such as "shares,case"; the
    // sections are written in their own order whatever the list's.
    static std::optional<ResultFields> fromList(std::string_view list, std::string& error);
    // "counts stopped ...": every section's name, in the order written.
    static std::string names();

    bool has(std::size_t section) const { return (bits_ >> section & 1u) != 0; }
    // Whether the section of that name is written.
    bool has(std::string_view name) const;
    bool hasLater() const;
    bool hasCombined() const;

private:
    std::uint32_t bits_ = 0;
};

// One computed case as the calculator's JSON object, on the writer's current
// line: the counts, whether a validation stop happened, the messages, every
// kind's share, the six case-wide values, the placed texts of the screen
// and the paper, the solution under "steps" when it was asked for, and the
// settlement of its estate if it has one, or those of them that `fields`
// selects. A case beyond the exact range gives {"counts": ..., "error": ...}
// instead, and in a batch its line number, and its estate's claims without
// a division.
void writeCaseResult(JsonWriter& json, const CaseAnswer& answer, ResultFields fields,
                     std::optional<long> lineNumber = std::nullopt);

// The members of a computed case's object without its braces, as a later
// death's result repeats them.
void writeCaseMembers(JsonWriter& json, const DeathResult& death, ResultFields fields);

// Whether a case's result object has a member of this name besides its
// question (its "counts"): what a result read back as a question passes over.
bool isResultMember(std::string_view name);

// The member "counts" of the 21 kinds, and the members "school" and
// "positions" (and "kindredMethod" where it is asked for), as every result
// writes them.
void writeCounts(JsonWriter& json, const KindCounts& counts);
void writeSchool(JsonWriter& json, const Positions& positions);

// A batch line that could not be read as a case: {"error": ..., "line": n}.
void writeLineError(JsonWriter& json, std::string_view why, long lineNumber);

// What the calculator says of a case whose corrected base passes 2^53.
extern const char* const kBeyondExactRangeError;

}  // namespace qismaru::calc
