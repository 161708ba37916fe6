#pragma once

#include <span>
#include <string_view>

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
    const char* form;
    std::span<const PageStatement> statements;
};

std::span<const PageText> pageTexts();
// Empty for a form that has no explanation page.
std::span<const PageStatement> statementsOf(std::string_view form);

}  // namespace qismaru::help
