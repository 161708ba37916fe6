#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace qismaru::estate {

// How deep a case may nest. A batch line needs two levels (a result line's
// "counts"), a result line or a case file three; the limit keeps a hostile
// text of a million brackets from costing more than a refusal.
inline constexpr int kMaxJsonNesting = 64;

// Why a text was not taken as a JSON document.
enum class JsonProblem {
    None,
    NotJson,         // not JSON at all, or cut short
    NulByte,         // JSON readers stop there, as at the end of the text
    RepeatedMember,  // one object gives a member twice: the last would win
    TooDeep,         // nested past the limit
};

// A case's text read as a JSON document, or why it could not be: a batch
// line and a case file are read alike.
struct JsonDocument {
    nlohmann::json root;
    JsonProblem problem = JsonProblem::None;
    std::string error;           // English, for the calculator; empty for NotJson, which each reader words
    std::string repeatedMember;  // the member given twice, for RepeatedMember

    // The numbers that JSON reads as doubles (1.5, 2e3, or a whole number
    // with more digits than 64 bits hold), as they were written, for the
    // members of objects: so that a message can show the number the user
    // wrote, and a reader that needs it exactly can have it.
    std::vector<std::pair<const nlohmann::json*, std::string>> numberTexts;

    // Every member's name with its object, in the order written: an object
    // is read into a map sorted by name, and the order of a case's heirs is
    // the order of its rows. Both point into the maps, which stay in place
    // while the document lives.
    std::vector<std::pair<const nlohmann::json::object_t*, const std::string*>> memberOrder;

    bool ok() const { return problem == JsonProblem::None; }
    // The text of `value` if it is such a number, else empty.
    std::string_view numberText(const nlohmann::json& value) const;
    // The members of an object of this document as (name, value) in the
    // order written.
    std::vector<std::pair<std::string_view, const nlohmann::json*>> membersInOrder(const nlohmann::json& object) const;
};

// Reads a text as a JSON document, refusing what JSON readers commonly take
// silently: a member given twice in one object (the last would win), a NUL
// byte (the text after it would be ignored), and nesting past `maxNesting`.
JsonDocument readJsonDocument(std::string_view text, int maxNesting = kMaxJsonNesting);

// Whether a number's text is a whole number: digits with an optional minus,
// no fraction and no exponent, however many digits.
bool isWholeNumberText(std::string_view text);

}  // namespace qismaru::estate
