#pragma once

#include <string>

#include "engine/compute_case.h"
#include "engine/step_trace.h"
#include "present/heir_names.h"

namespace qismaru {

// What every sentence of a solution may read: the case, its result, and the
// decisions recorded while it was computed.
struct SolutionContext {
    const KindCounts& counts;
    const CaseComputation& computation;
    const StepTrace& trace;

    const CaseResult& result() const { return computation.result; }
    std::string name(HeirKind kind, GrammaticalCase grammaticalCase) const
    {
        return heirName(kind, counts.of(kind), grammaticalCase);
    }
    std::string names(KindSet kinds, GrammaticalCase grammaticalCase) const
    {
        return heirNames(kinds, counts, grammaticalCase);
    }
    // "للبنتين": a name after "لـ" is genitive.
    std::string forName(HeirKind kind) const { return withLam(name(kind, Genitive)); }
    std::string forNames(KindSet kinds) const { return withLam(names(kinds, Genitive)); }
    Agreement agreement(HeirKind kind) const { return agreementOf(kind, counts.of(kind)); }
    Agreement agreement(KindSet kinds) const { return agreementOf(kinds, counts); }
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
