#pragma once

#include <span>
#include <string>

#include "model/relative_case.h"

namespace qismaru {

// One step outwards from the person reached so far, as the user reads it:
// who of him ("ابن", "أخ شقيق", "المعتِق").
struct RelationStep {
    Link link;
    const char* caption;
};

// The steps the relation builder shows, in the order it shows them.
std::span<const RelationStep> relationSteps();

// The relation builder "قريب آخر", without its controls: a relative beyond
// the heir buttons built outwards from the deceased one link at a time (his
// son, then that son's son, ...; his father, then the father's brother,
// ...; the emancipator and his agnates). Only the steps that lead to a
// relative who may stand in a case are offered. The desktop's dialog and
// the web page's panel both show it, so that they offer the same steps and
// say the same names.
class RelationBuilder {
public:
    const RelativePath& path() const { return path_; }

    // Whether one step more names someone a case may hold: read as the
    // notation reads it, and a relative of the deceased or an agnate of his
    // emancipator.
    bool offers(Link link) const;
    // The step taken when it is offered; false, and the path kept, when not.
    bool step(Link link);
    void back();
    void restart() { path_ = {}; }

    // The relative as built, as the table names him ("أم أبي الأب"); before
    // the first step, what to choose.
    std::string name(bool uterineSexGiven) const;
    // Of one person (the father, a grandmother, the husband) the count is one.
    int maxCount() const;
    // A relative is added to a case still open, once a step is taken.
    bool mayAdd(bool caseAnswered) const { return !caseAnswered && !path_.empty(); }

    // The relative as entered with a count and a label of his line.
    RelativeEntry entry(int count, const std::string& label) const { return {path_, false, count, label}; }

private:
    RelativePath path_;
};

// Why a label typed for a relative's line cannot be kept, in the user's
// words, or "" for a clean one or none.
std::string labelRefusal(const std::string& label);

// One of a later death's relatives by path as his form lists him, beside
// his count: "ابن ابن أخ شقيق @1".
std::string listedRelativeName(const RelativeEntry& entry, bool uterineSexGiven);

// A relative added to a case, as the builder's list names him, counted,
// with the label of his line: "ثلاثة أبناء ابن ابن @1".
std::string addedRelativeName(const RelativeEntry& entry, bool uterineSexGiven);

}  // namespace qismaru
