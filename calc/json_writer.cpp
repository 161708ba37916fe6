#include "calc/json_writer.h"

#include <charconv>
#include <cmath>

#include "present/number_text.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

void JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {  // JSON has no infinity; the engine never produces one
        out_ += "null";
        return;
    }
    appendShortestDecimal(out_, number);
}

void JsonWriter::value(std::int64_t number)
{
    separate();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_.append(buffer, result.ptr);
}

void JsonWriter::writeString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    out_ += '"';
    const char* p = text.data();
    const char* const end = p + text.size();
    // Runs of bytes that need no escape are copied in one piece.
    const char* run = p;
    while (p < end) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
            ++p;
            continue;
        }
        // Arabic letters are two bytes: C2..DF and one continuation byte.
        if (byte >= 0xC2 && byte <= 0xDF && p + 1 < end && (static_cast<unsigned char>(p[1]) & 0xC0) == 0x80) {
            p += 2;
            continue;
        }
        std::size_t letter = 0;
        if (byte >= 0x80 && (letter = utf8SequenceLength(p, end)) > 0) {
            p += letter;
            continue;
        }
        out_.append(run, p);
        if (byte == '"' || byte == '\\') {
            out_ += '\\';
            out_ += static_cast<char>(byte);
        } else if (byte < 0x20) {
            out_ += "\\u00";
            out_ += kHex[byte >> 4];
            out_ += kHex[byte & 0xF];
        } else {
            out_ += kReplacement;
        }
        run = ++p;
    }
    out_.append(run, p);
    out_ += '"';
}

}  // namespace qismaru::calc
