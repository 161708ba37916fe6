#pragma once

#include <cstdint>

namespace qismaru::help {

// What an explanation page teaches: the rules of one heir kind. The two
// spouses share a page, as do the uterine brothers and sisters. The tables of
// the pages' windows, of their statements and of the index boxes are all
// keyed by it.
enum class HelpTopic : std::uint8_t {
    Mother,
    Father,
    FullSisters,
    SonsDaughters,
    Grandfather,
    Grandmothers,
    SonsSons,
    Spouses,
    Daughters,
    ConsanguineSisters,
    Sons,
    FullBrothersSons,
    ConsanguineBrothersSons,
    FullUnclesSons,
    ConsanguineUnclesSons,
    FullUncles,
    ConsanguineUncles,
    FullBrothers,
    ConsanguineBrothers,
    UterineSiblings,
};

inline constexpr int kHelpTopicCount = static_cast<int>(HelpTopic::UterineSiblings) + 1;

constexpr int topicIndex(HelpTopic topic) { return static_cast<int>(topic); }
constexpr HelpTopic topicAt(int index) { return static_cast<HelpTopic>(index); }

// True when a table keyed by topic lists every topic once, in this order.
template <typename Table>
constexpr bool inTopicOrder(const Table& table)
{
    int expected = 0;
    for (const auto& row : table) {
        if (topicIndex(row.topic) != expected++) return false;
    }
    return expected == kHelpTopicCount;
}

}  // namespace qismaru::help
