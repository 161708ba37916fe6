#include "engine/step_trace.h"

#include <cassert>

namespace qismaru {

namespace {

// Replaces an earlier decision of the same sort about the same kind.
template <typename Decision>
bool replaceDecision(std::span<Step> steps, const Step& step)
{
    const Decision* incoming = std::get_if<Decision>(&step);
    if (!incoming) return false;
    for (Step& earlier : steps) {
        const Decision* old = std::get_if<Decision>(&earlier);
        if (old && old->kind == incoming->kind) {
            earlier = step;
            return true;
        }
    }
    return false;
}

}  // namespace

Fraction step::GrandfatherOptions::taken() const
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

void StepTrace::add(const Step& step)
{
    const std::span<Step> recorded(steps_.data(), size_);
    if (replaceDecision<step::Fixed>(recorded, step) || replaceDecision<step::Residue>(recorded, step)) return;
    assert(size_ < kCapacity);
    if (size_ < kCapacity) steps_[size_++] = step;
}

}  // namespace qismaru
