#pragma once

#include <string>

#include "engine/compute_case.h"
#include "engine/decision_trace.h"
#include "present/heir_names.h"
#include "present/relatives_by_kind.h"

namespace qismaru {

// What every sentence of a solution may read: the case, its result, and the
// decisions recorded while it was computed. In a case written by path the
// counts are those of the kinds it was divided over, and the relatives
// standing in each kind are named in its place.
struct SolutionContext {
    const KindCounts& counts;
    const CaseComputation& computation;
    const DecisionTrace& trace;
    const RelativesByKind* relatives = nullptr;

    const CaseResult& result() const { return computation.result; }
    std::string name(HeirKind kind, GrammaticalCase grammaticalCase) const
    {
        if (relatives) return relatives->name(kind, grammaticalCase);
        return heirName(kind, counts.of(kind), grammaticalCase);
    }
    std::string names(KindSet kinds, GrammaticalCase grammaticalCase) const
    {
        if (relatives) return relatives->names(kinds, grammaticalCase);
        return heirNames(kinds, counts, grammaticalCase);
    }
    // "للبنتين": a name after "لـ" is genitive.
    std::string forName(HeirKind kind) const { return withLam(name(kind, Genitive)); }
    std::string forNames(KindSet kinds) const { return withLam(names(kinds, Genitive)); }
    Agreement agreement(HeirKind kind) const
    {
        return relatives ? relatives->agreement(kind) : agreementOf(kind, counts.of(kind));
    }
    Agreement agreement(KindSet kinds) const
    {
        return relatives ? relatives->agreement(kinds) : agreementOf(kinds, counts);
    }
    // Whether the kind's place is held by relatives of another path: a lower
    // level of descendants in the daughters' place, say.
    bool inPlaceOf(HeirKind kind) const { return relatives && !relatives->ownPathOnly(kind); }
    RelativesByKind::Wala walaOf(HeirKind kind) const
    {
        return relatives ? relatives->walaOf(kind) : RelativesByKind::Wala::None;
    }
    // The lower level of son's daughters who hold the completing sixth.
    std::string completingSixthName(GrammaticalCase grammaticalCase) const
    {
        return relatives ? relatives->completingSixthName(grammaticalCase)
                         : name(HeirKind::SonsDaughters, grammaticalCase);
    }
    bool hasMessage(CaseMessage message) const;
    bool wasExcluded(HeirKind kind) const;
    // The husband or the wives, whichever the case has.
    HeirKind spouse() const { return counts.has(HeirKind::Husband) ? HeirKind::Husband : HeirKind::Wives; }
};

// A figure of a sentence: "12", "1/6", "1.5".
std::string figure(std::int64_t n);
std::string figure(Fraction f);
std::string figure(double x);

// "النصف", "الثلثان", ... for the six fixed fractions; the figure otherwise.
std::string shareWord(Fraction share);

}  // namespace qismaru
