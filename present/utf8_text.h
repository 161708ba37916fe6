#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qismaru {

// The length of the well-formed UTF-8 sequence that begins at `p` (1 to 4
// bytes), or 0 when the bytes there are not UTF-8: a stray continuation byte,
// an overlong form, a surrogate, a code point above U+10FFFF or a sequence
// cut short by `end`.
std::size_t utf8SequenceLength(const char* p, const char* end);

// How much of a user's text a message shows back.
inline constexpr std::size_t kEchoedBytes = 80;

// At most `maxBytes` bytes of `text`, cut before a letter rather than inside
// one, so that an echoed Arabic word never ends in half a letter.
std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes);

// `text` fit for one line of a terminal, in at most `maxBytes` bytes: control
// characters (C0, DEL and C1) and bytes that are not UTF-8 written as \xNN or
// \uNNNN, so that an echoed argument can neither break the line nor move
// the cursor; what does not fit is left off, never half a letter or escape.
std::string printableText(std::string_view text, std::size_t maxBytes);

}  // namespace qismaru
