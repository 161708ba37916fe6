#include "app/calc/plain_line.h"

namespace qismaru::calc {

namespace {

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

}  // namespace

std::optional<KindCounts> readPlainLine(std::string_view line)
{
    PlainReader reader(line);
    if (!reader.take('{')) return std::nullopt;
    KindCounts counts;
    std::array<bool, kHeirKindCount> given{};
    do {
        const std::optional<HeirKind> kind = reader.code();
        if (!kind || given[indexOf(*kind)] || !reader.take(':')) return std::nullopt;
        given[indexOf(*kind)] = true;
        const std::optional<int> count = reader.count();
        if (!count || (infoOf(*kind).entry == EntryKind::Single && *count > 1)) return std::nullopt;
        counts.set(*kind, *count);
    } while (reader.take(','));
    if (!reader.take('}')) return std::nullopt;
    reader.skipBlanks();
    if (!reader.atEnd() || counts.empty()) return std::nullopt;
    return counts;
}

}  // namespace qismaru::calc
