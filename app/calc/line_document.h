#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace qismaru::calc {

// How deep one batch line may nest. A case needs two levels (a result line's
// "counts"), a result line three; the limit keeps a hostile line of a
// million brackets from costing more than a refusal.
inline constexpr int kMaxLineNesting = 64;

// One line of batch input read as JSON, or why it could not be.
struct LineDocument {
    nlohmann::json root;
    std::string error;  // empty when `root` holds the line

    // The numbers that JSON reads as doubles (1.5, 2e3, or a whole number
    // with more digits than 64 bits hold), as they were written, for the
    // members of objects: so that a message can show the number the user
    // wrote, and a reader that needs it exactly can have it.
    std::vector<std::pair<const nlohmann::json*, std::string>> numberTexts;

    bool ok() const { return error.empty(); }
    // The text of `value` if it is such a number, else empty.
    std::string_view numberText(const nlohmann::json& value) const;
};

// Reads one line as a JSON document, refusing what JSON readers commonly take
// silently: a member given twice in one object (the last would win), a NUL
// byte (the text after it would be ignored), and nesting past `maxNesting`.
LineDocument readLineDocument(std::string_view line, int maxNesting = kMaxLineNesting);

// Whether a number's text is a whole number: digits with an optional minus,
// no fraction and no exponent, however many digits.
bool isWholeNumberText(std::string_view text);

}  // namespace qismaru::calc
