#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "help_texts/help_topic.h"
#include "model/positions.h"

namespace qismaru::help {

// Under which answer a statement holds, where the schools or the positions
// answer the point differently; the page shows the statement of the answer
// in force, which says briefly what the others hold.
enum class Holds : std::uint8_t {
    Always,
    GrandfatherExcludesSiblings,  // the Hanafi school
    GrandfatherSharesWithSiblings,
    ThirdNotShared,  // the Mushtaraka: the full siblings get nothing
    ThirdShared,     // the Mushtaraka: they share the uterine siblings' third
    Returned,        // what the sharers leave goes back to them
    NotReturned,     // no return: it goes to the public treasury
    SpouseKeepsShare,
    SpouseTakesWhole,  // a lone spouse takes the whole by return
    // How the distant kindred inherit where no residuary and no sharer but a
    // spouse does; under no return they take nothing (NotReturned).
    KindredByKinship,  // the Hanafi school: the four classes, the nearest first
    KindredByPlacing,  // each placed as the heir he is related through: the Hanbalis, the later Malikis and Shafi'is
};

bool holdsUnder(Holds holds, const Positions& positions);

// One statement of an explanation page: a rule of the heir kind exactly as
// the share computation applies it under the school and positions it holds
// under. The id names the point, so that each statement can be checked
// against the computation; the statements of one point under different
// answers share it.
struct PageStatement {
    const char* id;
    const char* text;
    Holds holds = Holds::Always;
};

// What an explanation page teaches: the statements of every answer, in
// reading order.
struct PageText {
    HelpTopic topic;
    std::span<const PageStatement> statements;
};

// One per topic, in topic order.
std::span<const PageText> pageTexts();

// The statements a page shows under the school and positions in force.
std::vector<PageStatement> statementsOf(HelpTopic topic, const Positions& positions);

}  // namespace qismaru::help
