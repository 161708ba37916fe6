#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

namespace qismaru::calc {

// Writes compact JSON text straight into a string: the calculator's results
// are written this way, without building a document first, so that a batch
// keeps up with the engine. Every double is written in the shortest form that
// reads back to the same double (0.16666666666666674, 1.05, 3). Every string
// comes out as valid UTF-8 whatever it was given: a byte that is not part of
// a UTF-8 letter becomes U+FFFD, so that strict readers accept every line.
class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view name)
    {
        separate();
        if (isPlain(name)) {
            out_ += '"';
            out_ += name;
            out_ += '"';
        } else {
            writeString(name);
        }
        out_ += ':';
        needComma_ = false;
    }

    void value(std::string_view text)
    {
        separate();
        writeString(text);
    }
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(std::int64_t number);
    void value(int number) { value(std::int64_t{number}); }
    void value(bool flag)
    {
        separate();
        out_ += flag ? "true" : "false";
    }

    // A text of the program's own, valid UTF-8 without quotes, backslashes or
    // control characters (the estate's Arabic notes and their figures): put
    // in quotes as it stands, without the check every other string gets.
    void ownText(std::string_view text)
    {
        assert(std::none_of(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\'; }));
        separate();
        out_ += '"';
        out_ += text;
        out_ += '"';
    }

    // A member or element already written by a JsonWriter, put in as it stands.
    void written(std::string_view json)
    {
        separate();
        out_ += json;
    }

    // Ends one line of JSON Lines; the next value starts a new document.
    void endLine()
    {
        out_ += '\n';
        needComma_ = false;
    }

    const std::string& text() const { return out_; }
    std::string take() { return std::move(out_); }
    // Empties the text but keeps its memory, for the next lines.
    void clear()
    {
        out_.clear();
        needComma_ = false;
    }

private:
    void separate()
    {
        if (needComma_) out_ += ',';
        needComma_ = true;
    }
    void open(char bracket)
    {
        separate();
        out_ += bracket;
        needComma_ = false;
    }
    void close(char bracket)
    {
        out_ += bracket;
        needComma_ = true;
    }
    // Printable ASCII without quote or backslash: written as it stands.
    static bool isPlain(std::string_view text)
    {
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte >= 0x80 || byte == '"' || byte == '\\') return false;
        }
        return true;
    }
    void writeString(std::string_view text);

    std::string out_;
    bool needComma_ = false;
};

}  // namespace qismaru::calc
