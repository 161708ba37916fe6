#include "present/solution_context.h"

#include "present/number_text.h"

namespace qismaru {

bool SolutionContext::hasMessage(CaseMessage message) const
{
    for (const CaseMessage m : computation.messages) {
        if (m == message) return true;
    }
    return false;
}

bool SolutionContext::wasExcluded(HeirKind kind) const
{
    for (const Decision& s : trace.steps()) {
        if (const auto* excluded = std::get_if<decision::Excluded>(&s); excluded && excluded->kind == kind) return true;
    }
    return false;
}

std::string figure(std::int64_t n) { return std::to_string(n); }
std::string figure(Fraction f) { return f.text(); }
std::string figure(double x) { return plainDecimal(x); }

std::string shareWord(Fraction share)
{
    struct Word {
        Fraction share;
        const char* word;
    };
    static constexpr Word kWords[] = {{{1, 2}, "النصف"},   {{1, 4}, "الربع"}, {{1, 8}, "الثمن"},
                                      {{2, 3}, "الثلثان"}, {{1, 3}, "الثلث"}, {{1, 6}, "السدس"}};
    for (const Word& w : kWords) {
        if (w.share == share) return w.word;
    }
    return figure(share);
}

}  // namespace qismaru
