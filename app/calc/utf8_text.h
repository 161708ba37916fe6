#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qismaru::calc {

// The length of the well-formed UTF-8 sequence that begins at `p` (1 to 4
// bytes), or 0 when the bytes there are not UTF-8: a stray continuation byte,
// an overlong form, a surrogate, a code point above U+10FFFF or a sequence
// cut short by `end`.
std::size_t utf8SequenceLength(const char* p, const char* end);

// At most `maxBytes` bytes of `text`, cut before a letter rather than inside
// one, so that an echoed Arabic word never ends in half a letter.
std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes);

// `text` fit for one line of a terminal: control characters (C0, DEL and
// C1) and bytes that are not UTF-8 written as \xNN or \uNNNN, so that an
// echoed argument can neither break the line nor move the cursor.
std::string printableText(std::string_view text);

}  // namespace qismaru::calc
