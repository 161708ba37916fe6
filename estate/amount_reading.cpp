// Reading a sum of money exactly as it was typed: digits of either script,
// either decimal separator, and digit groups where they are accepted.
#include "estate/amount.h"

#include <array>

#include "present/utf8_text.h"

namespace qismaru::estate {

namespace {

// Longer texts are refused before they are looked at: 18 digits, five group
// separators, the decimal separator and three decimals, with room for blanks.
constexpr std::size_t kMaxCodePoints = 64;

// What a code point means in an amount.
enum class Sign : char { Digit, Decimal, Group, Blank, Minus, Invisible, Other };

struct Symbol {
    Sign sign = Sign::Other;
    char digit = 0;  // '0' to '9' for a digit, the ASCII group mark ',' or ' ' for a group
};

Symbol classify(char32_t c)
{
    if (c >= U'0' && c <= U'9') return {Sign::Digit, static_cast<char>('0' + (c - U'0'))};
    if (c >= U'\u0660' && c <= U'\u0669') return {Sign::Digit, static_cast<char>('0' + (c - U'\u0660'))};
    // The extended (Persian) digits, which Arabic keyboards on some systems type.
    if (c >= U'\u06F0' && c <= U'\u06F9') return {Sign::Digit, static_cast<char>('0' + (c - U'\u06F0'))};
    switch (c) {
    case U'.':
    case U'\u066B': return {Sign::Decimal};
    case U',':
    case U'\u066C': return {Sign::Group, ','};
    case U' ':
    case U'\u00A0':
    case U'\u202F': return {Sign::Blank, ' '};
    case U'-':
    case U'\u2212': return {Sign::Minus};
    // Direction marks that copying Arabic text often carries along.
    case U'\u200E':
    case U'\u200F':
    case U'\u061C': return {Sign::Invisible};
    default: return {};
    }
}

// A text's code points as signs, at most kMaxCodePoints of them: an amount
// is read without allocating, as a batch reads four of them a line.
struct Symbols {
    std::array<Symbol, kMaxCodePoints> at{};
    std::size_t first = 0;
    std::size_t end = 0;

    bool empty() const { return first == end; }
    const Symbol* begin() const { return at.data() + first; }
    const Symbol* finish() const { return at.data() + end; }
};

// False when the text is too long; a byte that is not UTF-8 becomes a sign
// of its own kind (Other), which no amount contains.
bool readSymbols(std::string_view utf8, Symbols& symbols)
{
    for (std::size_t i = 0; i < utf8.size();) {
        if (symbols.end >= kMaxCodePoints) return false;
        // Only well-formed UTF-8 is decoded: a lead byte followed by an
        // ASCII letter is not an Arabic-Indic digit in disguise.
        const std::size_t length = utf8SequenceLength(utf8.data() + i, utf8.data() + utf8.size());
        if (length == 0) {
            symbols.at[symbols.end++] = {};
            break;
        }
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        symbols.at[symbols.end++] = classify(c);
        i += length;
    }
    return true;
}

bool isGap(const Symbol& s) { return s.sign == Sign::Blank || s.sign == Sign::Invisible; }

AmountReading refused(AmountProblem problem) { return {std::nullopt, problem}; }

// The digits of an amount as they are read: the whole part with its group
// marks checked (the groups after the first of three digits each, one mark
// throughout) and taken out, then the decimals.
class DigitCollector {
public:
    bool addWholeDigit(char digit)
    {
        ++groupLength_;
        return put(digit, wholeDigits_);
    }

    bool addGroupMark(char mark)
    {
        const bool badPlace = groupLength_ == 0 || (grouped_ && groupLength_ != 3) || (grouped_ && mark != mark_) ||
                              (!grouped_ && groupLength_ > 3);
        grouped_ = true;
        mark_ = mark;
        groupLength_ = 0;
        return !badPlace;
    }

    bool endOfWholePart() const { return !grouped_ || groupLength_ == 3; }

    bool addDecimal(char digit) { return put(digit, decimals_); }

    int wholeDigits() const { return wholeDigits_; }
    int decimals() const { return decimals_; }
    // The digits after leading zeros, for the length check.
    int significantWholeDigits() const
    {
        int zeros = 0;
        while (zeros < wholeDigits_ && text_[zeros] == '0') ++zeros;
        return wholeDigits_ - zeros;
    }

    // The amount in minor units: the decimals padded to `decimals`. The
    // lengths are checked first, so it is below kMaxAmount.
    Minor minor(int decimals)
    {
        while (decimals_ < decimals) put('0', decimals_);
        Minor value = 0;
        for (std::size_t i = 0; i < length_; ++i) value = value * 10 + (text_[i] - '0');
        return value;
    }

private:
    bool put(char digit, int& count)
    {
        if (length_ + 1 >= text_.size()) return false;
        text_[length_++] = digit;
        ++count;
        return true;
    }

    std::array<char, kMaxCodePoints + kMaxDecimals + 1> text_{};
    std::size_t length_ = 0;
    int wholeDigits_ = 0;
    int decimals_ = 0;
    int groupLength_ = 0;
    char mark_ = 0;
    bool grouped_ = false;
};

}  // namespace

AmountReading readAmount(std::string_view utf8, int decimals, DigitGrouping grouping)
{
    Symbols symbols;
    if (!readSymbols(utf8, symbols)) return refused(AmountProblem::TooLong);
    while (!symbols.empty() && isGap(symbols.at[symbols.end - 1])) --symbols.end;
    while (!symbols.empty() && isGap(symbols.at[symbols.first])) ++symbols.first;
    if (symbols.empty()) return refused(AmountProblem::Empty);
    if (symbols.begin()->sign == Sign::Minus) return refused(AmountProblem::Negative);

    DigitCollector digits;
    bool afterDecimal = false;
    bool badGrouping = false;
    bool hasGroups = false;
    for (const Symbol* s = symbols.begin(); s != symbols.finish(); ++s) {
        switch (s->sign) {
        case Sign::Digit:
            if (afterDecimal) {
                digits.addDecimal(s->digit);
            } else {
                digits.addWholeDigit(s->digit);
            }
            break;
        case Sign::Decimal:
            if (afterDecimal) return refused(AmountProblem::NotANumber);
            afterDecimal = true;
            badGrouping = badGrouping || !digits.endOfWholePart();
            break;
        case Sign::Group:
        case Sign::Blank:
            if (afterDecimal) return refused(AmountProblem::NotANumber);
            hasGroups = true;
            badGrouping = badGrouping || !digits.addGroupMark(s->digit);
            break;
        default: return refused(AmountProblem::NotANumber);
        }
    }
    if (!afterDecimal) badGrouping = badGrouping || !digits.endOfWholePart();
    if (hasGroups && grouping == DigitGrouping::Refused) return refused(AmountProblem::GroupingNotAccepted);
    if (badGrouping) return refused(AmountProblem::BadGrouping);
    if (digits.wholeDigits() == 0 && digits.decimals() == 0) return refused(AmountProblem::NotANumber);
    if (digits.significantWholeDigits() > kMaxWholeDigits) return refused(AmountProblem::TooLong);
    if (digits.decimals() > decimals) return refused(AmountProblem::TooManyDecimals);
    return {digits.minor(decimals), AmountProblem::Empty};
}

}  // namespace qismaru::estate
