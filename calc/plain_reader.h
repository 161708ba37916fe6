#pragma once

#include <optional>
#include <string_view>

#include "model/heir_kind.h"

namespace qismaru::calc {

// A cursor over the line that gives up at the first thing it does not expect.
class PlainReader {
public:
    explicit PlainReader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool atEnd() const { return p_ == end_; }

    void skipBlanks()
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\r' || *p_ == '\n')) ++p_;
    }

    bool take(char c)
    {
        skipBlanks();
        if (p_ == end_ || *p_ != c) return false;
        ++p_;
        return true;
    }

    // A member's name in quotes: ASCII letters only, so no escapes.
    std::optional<std::string_view> name()
    {
        if (!take('"')) return std::nullopt;
        const char* const start = p_;
        while (p_ < end_ && ((*p_ >= 'a' && *p_ <= 'z') || (*p_ >= 'A' && *p_ <= 'Z'))) ++p_;
        if (p_ == end_ || *p_ != '"') return std::nullopt;
        return std::string_view(start, static_cast<std::size_t>(p_++ - start));
    }

    // A string of printable ASCII without quotes or backslashes: no escapes
    // to undo, and nothing a full JSON reading would see differently.
    std::optional<std::string_view> plainString()
    {
        if (!take('"')) return std::nullopt;
        const char* const start = p_;
        while (p_ < end_ && *p_ >= 0x20 && *p_ < 0x7F && *p_ != '"' && *p_ != '\\') ++p_;
        if (p_ == end_ || *p_ != '"') return std::nullopt;
        return std::string_view(start, static_cast<std::size_t>(p_++ - start));
    }

    // true or false.
    std::optional<bool> boolean()
    {
        skipBlanks();
        for (const bool value : {true, false}) {
            const std::string_view word = value ? "true" : "false";
            if (static_cast<std::size_t>(end_ - p_) >= word.size() && std::string_view(p_, word.size()) == word) {
                p_ += word.size();
                return value;
            }
        }
        return std::nullopt;
    }

    // A heir code in quotes: lower-case letters only, so no escapes.
    std::optional<HeirKind> code()
    {
        if (!take('"')) return std::nullopt;
        const char* const start = p_;
        while (p_ < end_ && *p_ >= 'a' && *p_ <= 'z') ++p_;
        const std::string_view letters(start, static_cast<std::size_t>(p_ - start));
        if (p_ == end_ || *p_ != '"') return std::nullopt;
        ++p_;
        return kindFromCode(letters);
    }

    // A count as JSON writes whole numbers (no sign, no leading zero), within the limit.
    std::optional<int> count()
    {
        skipBlanks();
        if (p_ == end_ || *p_ < '0' || *p_ > '9') return std::nullopt;
        if (*p_ == '0') {
            ++p_;
            return 0;
        }
        int n = 0;
        for (int digits = 0; p_ < end_ && *p_ >= '0' && *p_ <= '9'; ++digits, ++p_) {
            if (digits == 5) return std::nullopt;
            n = n * 10 + (*p_ - '0');
        }
        if (n > kMaxCount) return std::nullopt;
        return n;
    }

private:
    const char* p_;
    const char* const end_;
};

// The counts object of a plain line, {"h":1,"m":1}, at the reader's place.
std::optional<KindCounts> readPlainCounts(PlainReader& reader);

}  // namespace qismaru::calc
