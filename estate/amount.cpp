#include "estate/amount.h"

#include <vector>

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

// The text's code points, or nothing when it is not valid UTF-8 or too long.
std::optional<std::vector<Symbol>> symbolsOf(std::string_view utf8)
{
    std::vector<Symbol> symbols;
    for (std::size_t i = 0; i < utf8.size();) {
        if (symbols.size() >= kMaxCodePoints) return std::nullopt;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > utf8.size()) {
            symbols.push_back({});
            break;
        }
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        symbols.push_back(classify(c));
        i += length;
    }
    return symbols;
}

bool isGap(const Symbol& s) { return s.sign == Sign::Blank || s.sign == Sign::Invisible; }

AmountReading refused(AmountProblem problem) { return {std::nullopt, problem}; }

// The whole part's digits with the group marks taken out, checking that the
// groups after the first have three digits each and use one mark.
std::optional<std::string> ungrouped(const std::vector<Symbol>& whole, AmountProblem& problem)
{
    std::string digits;
    int groupLength = 0;
    char mark = 0;
    bool grouped = false;
    for (const Symbol& s : whole) {
        if (s.sign == Sign::Digit) {
            digits += s.digit;
            ++groupLength;
            continue;
        }
        const bool badPlace = groupLength == 0 || (grouped && groupLength != 3) || (grouped && s.digit != mark) ||
                              (!grouped && groupLength > 3);
        if (badPlace) {
            problem = AmountProblem::BadGrouping;
            return std::nullopt;
        }
        grouped = true;
        mark = s.digit;
        groupLength = 0;
    }
    if (grouped && groupLength != 3) {
        problem = AmountProblem::BadGrouping;
        return std::nullopt;
    }
    return digits;
}

}  // namespace

Minor minorPerMajor(int decimals)
{
    Minor scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
    return scale;
}

AmountReading readAmount(std::string_view utf8, int decimals, Grouping grouping)
{
    const auto read = symbolsOf(utf8);
    if (!read) return refused(AmountProblem::TooLong);
    std::vector<Symbol> symbols = *read;
    while (!symbols.empty() && isGap(symbols.back())) symbols.pop_back();
    std::size_t first = 0;
    while (first < symbols.size() && isGap(symbols[first])) ++first;
    symbols.erase(symbols.begin(), symbols.begin() + static_cast<std::ptrdiff_t>(first));
    if (symbols.empty()) return refused(AmountProblem::Empty);
    if (symbols.front().sign == Sign::Minus) return refused(AmountProblem::Negative);

    std::vector<Symbol> whole;
    std::string fraction;
    bool afterDecimal = false;
    bool hasGroups = false;
    for (const Symbol& s : symbols) {
        switch (s.sign) {
        case Sign::Digit:
            if (afterDecimal) {
                fraction += s.digit;
            } else {
                whole.push_back(s);
            }
            break;
        case Sign::Decimal:
            if (afterDecimal) return refused(AmountProblem::NotANumber);
            afterDecimal = true;
            break;
        case Sign::Group:
        case Sign::Blank:
            if (afterDecimal) return refused(AmountProblem::NotANumber);
            hasGroups = true;
            whole.push_back(s);
            break;
        default: return refused(AmountProblem::NotANumber);
        }
    }
    if (hasGroups && grouping == Grouping::Refused) return refused(AmountProblem::GroupingNotAccepted);
    AmountProblem problem = AmountProblem::NotANumber;
    const std::optional<std::string> digits = ungrouped(whole, problem);
    if (!digits) return refused(problem);
    if (digits->empty() && fraction.empty()) return refused(AmountProblem::NotANumber);
    const std::size_t significant = digits->find_first_not_of('0');
    if (significant != std::string::npos && digits->size() - significant > kMaxWholeDigits) {
        return refused(AmountProblem::TooLong);
    }
    if (static_cast<int>(fraction.size()) > decimals) return refused(AmountProblem::TooManyDecimals);

    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    const std::string all = *digits + fraction;
    return {Minor(all.empty() ? std::string("0") : all, 10), AmountProblem::Empty};
}

std::string amountText(const Minor& minor, int decimals, Grouping grouping)
{
    const bool negative = minor < 0;
    std::string digits = Minor(abs(minor)).get_str();
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t wholeLength = digits.size() - static_cast<std::size_t>(decimals);
    std::string text = negative ? "-" : "";
    for (std::size_t i = 0; i < wholeLength; ++i) {
        if (grouping == Grouping::Accepted && i > 0 && (wholeLength - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    if (decimals > 0) text += '.' + digits.substr(wholeLength);
    return text;
}

std::string exactText(const mpq_class& major)
{
    // GMP writes a canonical rational as "n/d", and as "n" when d is 1.
    return major.get_str();
}

Minor roundedHalfEven(const mpq_class& q)
{
    Minor floor;
    mpz_fdiv_q(floor.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    const mpq_class rest = q - mpq_class(floor);
    const int toHalf = cmp(rest, mpq_class(1, 2));
    if (toHalf > 0 || (toHalf == 0 && mpz_odd_p(floor.get_mpz_t()))) ++floor;
    return floor;
}

}  // namespace qismaru::estate
