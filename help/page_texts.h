#pragma once

#include <span>

#include "help/help_topic.h"

namespace qismaru::help {

// One statement of an explanation page: a rule of the heir kind exactly as
// the share computation applies it. The id names the statement, so that
// each one can be checked against the computation.
struct PageStatement {
    const char* id;
    const char* text;
};

// What an explanation page teaches: the statements shown in its picture,
// in reading order.
struct PageText {
    HelpTopic topic;
    std::span<const PageStatement> statements;
};

// One per topic, in topic order.
std::span<const PageText> pageTexts();
std::span<const PageStatement> statementsOf(HelpTopic topic);

}  // namespace qismaru::help
