#include "app/calc/json_writer.h"

#include <charconv>
#include <cmath>

namespace qismaru::calc {

void JsonWriter::separate()
{
    if (needComma_) out_ += ',';
    needComma_ = true;
}

void JsonWriter::beginObject()
{
    separate();
    out_ += '{';
    needComma_ = false;
}

void JsonWriter::endObject()
{
    out_ += '}';
    needComma_ = true;
}

void JsonWriter::beginArray()
{
    separate();
    out_ += '[';
    needComma_ = false;
}

void JsonWriter::endArray()
{
    out_ += ']';
    needComma_ = true;
}

void JsonWriter::key(std::string_view name)
{
    separate();
    writeString(name);
    out_ += ':';
    needComma_ = false;
}

void JsonWriter::value(std::string_view text)
{
    separate();
    writeString(text);
}

void JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {  // JSON has no infinity; the engine never produces one
        out_ += "null";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_.append(buffer, result.ptr);
}

void JsonWriter::value(std::int64_t number)
{
    separate();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_.append(buffer, result.ptr);
}

void JsonWriter::value(bool flag)
{
    separate();
    out_ += flag ? "true" : "false";
}

void JsonWriter::writeString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out_ += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (byte < 0x20) {
            out_ += "\\u00";
            out_ += kHex[byte >> 4];
            out_ += kHex[byte & 0xF];
        } else {
            out_ += c;  // UTF-8 passes through unchanged
        }
    }
    out_ += '"';
}

}  // namespace qismaru::calc
