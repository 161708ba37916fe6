#include "present/utf8_text.h"

namespace qismaru {

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high) { return byte >= low && byte <= high; }

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

constexpr char kHex[] = "0123456789ABCDEF";

void appendHexEscape(std::string& out, const char* prefix, unsigned value, int digits)
{
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

}  // namespace

std::size_t utf8SequenceLength(const char* p, const char* end)
{
    const auto lead = static_cast<unsigned char>(p[0]);
    if (lead < 0x80) return 1;
    // The second byte's range depends on the lead byte: this is what rules
    // out overlong forms (E0 80..9F, F0 80..8F), surrogates (ED A0..BF) and
    // code points past U+10FFFF (F4 90..BF).
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (end - p < static_cast<std::ptrdiff_t>(length)) return 0;
    if (!inRange(static_cast<unsigned char>(p[1]), low, high)) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(p[i]))) return 0;
    }
    return length;
}

std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    // A UTF-8 letter is at most four bytes: step back over at most three
    // continuation bytes to the letter's first byte.
    for (int step = 0; step < 3 && cut > 0 && isContinuation(static_cast<unsigned char>(text[cut])); ++step) --cut;
    return text.substr(0, cut);
}

std::string printableText(std::string_view text, std::size_t maxBytes)
{
    std::string out;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const auto byte = static_cast<unsigned char>(*p);
        const std::size_t length = utf8SequenceLength(p, end);
        std::string piece;
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            appendHexEscape(piece, "\\x", byte, 2);
            ++p;
        } else if (byte == 0xC2 && static_cast<unsigned char>(p[1]) < 0xA0) {
            // U+0080 to U+009F: the C1 controls, which some terminals obey.
            appendHexEscape(piece, "\\u", static_cast<unsigned char>(p[1]), 4);
            p += 2;
        } else {
            piece.assign(p, length);
            p += length;
        }
        if (out.size() + piece.size() > maxBytes) break;
        out += piece;
    }
    return out;
}

}  // namespace qismaru
