#include "engine/decision_trace.h"

#include <cassert>

namespace qismaru {

namespace {

// Replaces an earlier decision of the same sort about the same kind.
template <typename Record>
bool replaceDecision(std::span<Decision> steps, const Decision& step)
{
    const Record* incoming = std::get_if<Record>(&step);
    if (!incoming) return false;
    for (Decision& earlier : steps) {
        const Record* old = std::get_if<Record>(&earlier);
        if (old && old->kind == incoming->kind) {
            earlier = step;
            return true;
        }
    }
    return false;
}

}  // namespace

Fraction decision::GrandfatherOptions::taken() const
{
    switch (took) {
    case GrandfatherTook::WithSiblings: return division;
    case GrandfatherTook::ThirdOfWhole:
    case GrandfatherTook::ThirdOfRemainder: return third;
    case GrandfatherTook::SixthOfWhole: return sixth;
    case GrandfatherTook::WholeRemainder: return remainder;
    }
    return {};
}

void DecisionTrace::add(const Decision& step)
{
    const std::span<Decision> recorded(steps_.data(), size_);
    if (replaceDecision<decision::Fixed>(recorded, step) || replaceDecision<decision::Residue>(recorded, step)) return;
    assert(size_ < kCapacity);
    if (size_ < kCapacity) steps_[size_++] = step;
}

}  // namespace qismaru
