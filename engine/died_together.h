#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/compute_case.h"
#include "engine/fraction.h"
#include "engine/waiting_case.h"

namespace qismaru {

// Those who died together (الغرقى والهدمى): two or more heirs of one another
// who died in one drowning, fire or collapse, the order of their deaths
// unknown. Each estate is divided apart, as a fraction of that death's own
// property.

struct TogetherDeath {
    std::string name;
    WaitingCounts counts;  // his living heirs
};

// `who`'s relation to `of`, as a path or an heir code: {"A", "B", "b"} says
// B is A's full brother.
struct TogetherRelation {
    std::string of;
    std::string who;
    std::string path;
};

struct DiedTogether {
    std::vector<TogetherDeath> deaths;
    std::vector<TogetherRelation> relations;
    // The heirs dispute who died first: each side swears, and the Hanbalis
    // too then let none of the dead inherit from another.
    bool heirsDispute = false;
};

// The Hanafis, Malikis and Shafi'is (and a Hanbali narration) let none of
// them inherit from another: each estate goes to his own living heirs. The
// Hanbali school, when the heirs do not dispute, supposes each to die first
// in turn, and lets the others inherit from his old property only, never
// from what he inherited from them.
constexpr bool inheritFromOneAnother(School school, bool heirsDispute)
{
    return school == School::Hanbali && !heirsDispute;
}

// One heir of a death's estate: a living kind, or one of those who died with him.
struct TogetherHeir {
    int dead = -1;  // the death (index into deaths) he is; -1 for living heirs
    HeirKind kind = HeirKind::Sons;
    int count = 1;
    Fraction fraction;  // of this death's own estate
};

// What one of the dead inherits from another passes to his own living heirs,
// as fractions of the other's estate; what none of them takes goes to no heir.
struct PassedOn {
    int dead = -1;
    Fraction portion;
    std::vector<TogetherHeir> heirs;
    Fraction noHeir;
};

struct TogetherEstate {
    // The case his own property is divided by: his living heirs, and those who
    // died with him where they inherit from him.
    WaitingCounts counts;
    CaseComputation computation;  // not computed when he leaves no heir
    std::vector<TogetherHeir> heirs;
    Fraction noHeir;  // what no heir takes: the treasury or the distant kindred
    std::vector<PassedOn> passedOn;
};

enum class TogetherProblem : std::uint8_t {
    None,
    TooFewDeaths,      // fewer than two deaths
    NameMissing,       // a death without a name
    NameTwice,         // two deaths with one name
    UnknownName,       // a relation names no one who died
    OwnRelation,       // a relation of a death to himself
    UnknownRelation,   // a path the engine does not know as an heir
    RelationTwice,     // two relations given between the same two
    SingleKindTaken,   // a second father, mother, grandfather or husband
    CountOutOfRange,   // a kind beyond kMaxCount
    ValidationStop,    // a husband beside wives, or more than four wives
    SchoolRefuses,     // more grandmothers than the school lets inherit together
    BeyondExactRange,  // a corrected base or a figure beyond the exact range
};

struct TogetherRefusal {
    TogetherProblem problem = TogetherProblem::None;
    int death = -1;  // the death it was found in, where there is one

    bool refused() const { return problem != TogetherProblem::None; }
};

struct TogetherDivision {
    bool mutual = false;                  // they inherit from one another
    std::vector<TogetherEstate> estates;  // one per death, in the order given
    TogetherRefusal refusal;
};

TogetherDivision divideDiedTogether(const DiedTogether& together, const Positions& positions);

}  // namespace qismaru
