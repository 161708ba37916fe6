#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/compute_case.h"
#include "engine/path_case.h"
#include "engine/successive_deaths.h"

namespace qismaru {

// The combined base (الجامعة) of successive deaths, by the classical method:
// J starts as the first death's corrected base; for each later death with
// corrected base B, whose deceased holds p parts of J, g = gcd(p, B): every
// part so far is multiplied by B/g, his own case's parts by p/g, and J
// becomes J × B/g. A person who inherits in several deaths takes the sum.
// When every death is joined, J and all the parts are divided by what they
// share (الاختصار).

// How the deceased's parts p stand to his own case's corrected base B.
enum class PartsRelation : std::uint8_t {
    Divides,  // B divides p (الانقسام): J stays, his heirs take p/B times their parts
    Agrees,   // a common factor g > 1 (التوافق): earlier parts × B/g, his case's × p/g
    Coprime,  // no common factor (التباين): earlier parts × B, his case's × p
};

// One later death joined to the combined base.
struct JoinStep {
    int death = 2;
    std::int64_t deceasedParts = 0;  // p, of the combined base before this death
    std::int64_t caseBase = 0;       // B
    std::int64_t commonFactor = 1;   // gcd(p, B)
    PartsRelation relation = PartsRelation::Divides;
    std::int64_t earlierMultiplier = 1;  // B/g: what every earlier part is multiplied by
    std::int64_t caseMultiplier = 1;     // p/g: what his case's parts are multiplied by
    std::int64_t baseBefore = 0;
    std::int64_t baseAfter = 0;
};

// A row of the combined table: persons who inherit together, known by one
// reference per death in which they are heirs (the wife of the first is the
// mother of the second): `ref` the earliest, `also` the others in order.
struct PersonGroup {
    GroupRef ref;
    std::vector<GroupRef> also;
    int count = 0;
    // Of the final combined base; 0 for a deceased, whose parts passed on.
    std::int64_t parts = 0;
    // The later death this person is the deceased of (2, 3, ...); 0 while alive.
    int diedAs = 0;

    bool alive() const { return diedAs == 0; }
    bool knownAs(GroupRef r) const;
};

// A group's parts of one death's own corrected base.
struct CasePart {
    std::size_t death = 0;  // the first at 0
    std::int64_t parts = 0;
};

struct CombinedTable {
    std::int64_t base = 0;  // J
    // Per death, the first at 0: its corrected base, and what its parts are
    // multiplied by to give parts of J: the columns as the books draw them.
    std::vector<std::int64_t> caseBases;
    std::vector<std::int64_t> multipliers;
    std::vector<JoinStep> joins;  // one per later death, in order
    // The first death's groups in kind order, then for each later death its
    // deceased (a member who died) and its heirs who are new persons.
    std::vector<PersonGroup> groups;
    // Parts of J that go to no heir: what a spouse alone leaves, or a
    // surplus kept from the return, in any of the deaths.
    std::int64_t undistributed = 0;
    // What J, every person's parts and what no heir takes were divided by
    // once every death was joined (الاختصار), 1 when nothing divides them
    // all: the columns' parts times their multipliers are the parts before
    // it, and the last join's base is J before it.
    std::int64_t reducedBy = 1;

    // A group's parts of a death's own corrected base (0 where it is no heir,
    // or is excluded), the first death at 0; and all of them, in the order
    // of the deaths.
    std::int64_t casePart(std::size_t group, std::size_t death) const;
    const std::vector<CasePart>& casePartsOf(std::size_t group) const { return caseParts[group]; }
    std::size_t deathCount() const { return deaths; }

    // While the table is built: room for the groups of `deathCount` deaths,
    // then each group appended with no parts in any death yet, and given
    // its parts death by death.
    void reserve(std::size_t deathCount, std::size_t groupCount);
    PersonGroup& addGroup(PersonGroup group);
    void setCasePart(std::size_t group, std::size_t death, std::int64_t parts);

private:
    std::size_t deaths = 0;
    // Per group, only the deaths it inherits in: a person is an heir in a
    // few of them, so the table grows with what it holds, not with groups
    // × deaths.
    std::vector<std::vector<CasePart>> caseParts;
};

// Why the deaths cannot be joined.
enum class DeathsProblem : std::uint8_t {
    None,
    TooManyDeaths,             // more than kMaxLaterDeaths later deaths
    NoHeirs,                   // a later death names no heir
    UnknownGroup,              // no such group in an earlier death
    DeadGroup,                 // every member of the group has died
    NeverInherited,            // the deceased's group received nothing: he leaves nothing of this estate
    HusbandOfMan,              // a man leaves no husband
    WivesOfWoman,              // a woman leaves no wives
    LinkedKindAbsent,          // "same" for a kind with no heirs in this death
    LinkedTwice,               // one group linked to two kinds of a death, or one kind linked twice
    DeceasedLinked,            // the deceased among his own heirs
    CountDiffers,              // linked to a group with another number of survivors
    OtherSex,                  // linked to a group of the other sex (ref: the reference that says so)
    SchoolRefuses,             // more grandmothers than the school lets inherit together
    PathsRefused,              // a death's relatives by path stand in no case the school divides
    ValidationStop,            // husband with wives, or more than four wives
    CaseBeyondExactRange,      // a death's own corrected base passes 2^53
    CombinedBeyondExactRange,  // the combined base passes 2^53
};

struct DeathsRefusal {
    DeathsProblem problem = DeathsProblem::None;
    int death = 0;                      // the death in which it was found (1 = the first)
    GroupRef ref{};                     // the reference at fault
    HeirKind kind = HeirKind::Husband;  // this death's kind, for the links
    GroupRef linkedHeirs{};             // this death's heirs, for the links: the kind's, or an entry's by path
    int heirs = 0;                      // CountDiffers: this death's heirs of the kind
    int survivors = 0;                  // CountDiffers: the surviving members of the group

    bool refused() const { return problem != DeathsProblem::None; }
};

// A man leaves no husband and a woman no wives: HusbandOfMan or WivesOfWoman
// where a deceased of `deceasedKind` cannot leave heirs of `heir`, else None.
// Beyond the spouse's side the program does not judge kinship.
DeathsProblem spouseSideProblem(HeirKind deceasedKind, HeirKind heir);
DeathsProblem spouseSideProblem(const GroupRef& deceased, HeirKind heir);

// A reference by which the group is known as a kind of the other sex than
// `kind`, whose heirs therefore cannot be its persons (a uterine brother once
// linked as a husband is a man); nothing when they may be.
std::optional<GroupRef> otherSexRef(const PersonGroup& group, HeirKind kind);
std::optional<GroupRef> otherSexRef(const PersonGroup& group, const GroupRef& heirs);

// One death's case, computed alone: its heirs of the 21 kinds, or, when
// `byPath` holds its division, its relatives by path (and `counts` empty);
// `computation` is then the division by the kinds they stand in.
struct DeathCase {
    KindCounts counts;
    CaseComputation computation;
    std::vector<RelativeEntry> relatives{};
    std::optional<PathComputation> byPath{};

    bool hasHeirs() const { return byPath ? !relatives.empty() : !counts.empty(); }
    // The corrected base its parts are counted in: with distant kindred who
    // inherit, theirs.
    std::int64_t correctedBase() const { return byPath ? byPath->correctedBase() : computation.result.finalBase; }
};

// A row of one death's case: the heirs of a kind, or the relatives of an
// entry by path, with their parts of its corrected base (0 for those kept out).
struct DeathRow {
    GroupRef ref;
    int count = 0;
    std::int64_t parts = 0;
};
// The rows of death `death` (1 the first): the kinds in their order, or the
// entries as given; their parts once the case is divided.
std::vector<DeathRow> rowsOf(const DeathCase& dc, int death);
// The persons a reference names in its own death's case; 0 for none.
int countOf(const DeathCase& dc, const GroupRef& ref);

// A death's case by the positions, its decisions recorded in `trace` when
// one is given. A death without heirs has no case: the joining refuses it.
DeathCase deathCaseOf(const KindCounts& counts, const Positions& positions, DecisionTrace* trace = nullptr);
// A death whose heirs are given by path, divided by path.
DeathCase deathCaseOf(std::span<const RelativeEntry> relatives, const Positions& positions,
                      DecisionTrace* trace = nullptr, KindredTrace* kindredTrace = nullptr);

// Joins computed cases: deaths[0] is the first death, deaths[i] the case of
// later[i - 1], each computed by the same school and positions, then
// reduces the table to its least figures, as a single case is. On a
// refusal the table is left incomplete; more than kMaxLaterDeaths later
// deaths are refused before anything is joined, at the first beyond them.
DeathsRefusal combineDeaths(const std::vector<DeathCase>& deaths, const std::vector<LaterDeath>& later,
                            CombinedTable& table);

struct CombinedComputation {
    std::vector<DeathCase> deaths;
    CombinedTable table;
    DeathsRefusal refusal;
};

// Computes every death by the positions, then joins them.
CombinedComputation computeSuccessiveDeaths(const KindCounts& first, const std::vector<LaterDeath>& later,
                                            const Positions& positions = {});
// The same, the first deceased's heirs given by path.
CombinedComputation computeSuccessiveDeaths(std::span<const RelativeEntry> first, const std::vector<LaterDeath>& later,
                                            const Positions& positions = {});

}  // namespace qismaru
