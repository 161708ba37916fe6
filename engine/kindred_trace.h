#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/fraction.h"
#include "model/heir_kind.h"
#include "model/relative_path.h"

namespace qismaru {

// What was decided about the distant kindred of a case, in the order it was
// decided: the record the solution's sentences about them are written from
// («تُنزَّل بنت البنت منزلة البنت …»). Entries are named by their place in
// the case as entered; persons between the deceased and an entry (a
// daughter whose daughter is entered) by their path and label. Every share
// is a fraction of what the kindred divide, unless it says otherwise.
namespace kindred_step {

// A sharer or residuary inherits: the distant kindred take nothing.
struct HeirsFirst {
    std::size_t heir;  // the first such entry
};

// No return (the early Maliki and Shafi'i doctrine): what the shares leave
// goes to the public treasury, and the distant kindred take nothing.
struct ToTreasury {};

// The distant kindred inherit: no sharer but a spouse and no residuary.
// The spouse takes the full share and no return; they divide the rest.
struct Inherit {
    std::optional<HeirKind> spouse;
    Fraction remainder;  // of the estate
};

// Placing: the entry is placed in the position of the heir through whom he
// is related, reached in `steps` steps.
enum class Direction : std::uint8_t {
    Sonship,     // through a daughter or a son's daughter
    Fatherhood,  // through the father: his side, the brothers and sisters
    Motherhood,  // through the mother: her side
};
struct Placed {
    std::size_t entry;
    RelativePath heir;
    std::string label;  // of the heir's line, where the heir may be one of several
    int steps;
    Direction direction;
};

// Why an entry is kept out by another of the kindred.
enum class Nearness : std::uint8_t {
    NearerToAnHeir,  // placing: one direction, fewer steps to an heir
    EarlierClass,    // the Hanafi classes: descendants, false ascendants, the siblings' lines, the uncles' and aunts'
    NearerDegree,    // fewer generations from the deceased
    NearerLevel,     // the uncles and aunts of the deceased before those of his parents
    ChildOfAnHeir,   // at one degree, the child of an heir before the child of one of the kindred
    Stronger,        // full before consanguine before uterine
};
struct KeptOut {
    std::size_t entry;
    std::size_t by;
    Nearness nearness;
};

// The placed heirs divided as a case of heirs.
struct PlacedCase {
    struct Heir {
        RelativePath path;
        std::string label;
        Fraction share;
    };
    std::vector<Heir> heirs;
};

// A person's share passed on to those below him or beside him.
enum class Passing : std::uint8_t {
    Alike,       // equally, male as female: one relation to him (Hanbali), or a uterine line
    TwoToOne,    // his children or siblings of one relation, the male twice the female
    AsHisHeirs,  // he is taken as the deceased and they as his heirs
};
struct Branch {
    RelativePath path;
    std::string label;
    int heads;
    Fraction share;
};
struct Passed {
    RelativePath from;
    std::string label;
    Fraction share;
    Passing passing;
    std::vector<Branch> to;
};

// The Hanafi class that inherits.
struct Class {
    int number;  // 1 to 4
};

// The father's side two thirds, the mother's one third (false ascendants,
// uncles and aunts): the ancestors they are related through.
struct Sides {
    RelativePath father;
    RelativePath mother;
    Fraction fatherShare;
    Fraction motherShare;
};

// Muhammad's rule among the children of brothers and sisters: the brothers
// and sisters inherit as heirs, each counted as many as his branches.
struct RootsAsHeirs {
    std::vector<Branch> roots;  // heads: the branches he is counted by
};

// Muhammad's rule: the first generation where the sexes differ, each root
// counted as many as his branches, the male twice the female.
struct ByRoots {
    int generation;
    std::vector<Branch> roots;  // heads: the branches he is counted by
};

// The persons themselves, the male twice the female.
struct ByPersons {
    std::vector<std::size_t> entries;
    Fraction share;
};

}  // namespace kindred_step

using KindredDecision =
    std::variant<kindred_step::HeirsFirst, kindred_step::ToTreasury, kindred_step::Inherit, kindred_step::Placed,
                 kindred_step::KeptOut, kindred_step::PlacedCase, kindred_step::Passed, kindred_step::Class,
                 kindred_step::Sides, kindred_step::RootsAsHeirs, kindred_step::ByRoots, kindred_step::ByPersons>;

class KindredTrace {
public:
    void add(KindredDecision step) { steps_.push_back(std::move(step)); }
    const std::vector<KindredDecision>& steps() const { return steps_; }
    void clear() { steps_.clear(); }

private:
    std::vector<KindredDecision> steps_;
};

}  // namespace qismaru
