#include "app/calc/case_input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include <nlohmann/json.hpp>

namespace qismaru::calc {

namespace {

// Collects counts one code at a time and keeps the first reason to refuse.
// The entry rules the engine checks again (husband with wives, more than
// four wives) are let through on purpose: the calculator then reports the
// validation stop exactly as Calculate would.
class CountsBuilder {
public:
    // `shown` is the count as the user wrote it, for the error message.
    bool add(const std::string& code, long long count, const std::string& shown)
    {
        const std::optional<HeirKind> kind = kindFromCode(code);
        if (!kind) return refuse("unknown heir code '" + code + "' (valid codes: " + validCodes() + ")");
        if (given_[indexOf(*kind)]) return refuse("heir code '" + code + "' is given twice");
        given_[indexOf(*kind)] = true;
        if (count < 0) return refuse("the count of '" + code + "' is negative: " + shown);
        if (count > kMaxCount) {
            return refuse("the count of '" + code + "' is above " + std::to_string(kMaxCount) + ": " + shown);
        }
        if (infoOf(*kind).entry == EntryKind::Single && count > 1) {
            return refuse("'" + code + "' is a single heir: its count is 0 or 1, not " + shown);
        }
        input_.counts.set(*kind, static_cast<int>(count));
        return true;
    }

    bool refuse(std::string why)
    {
        if (input_.error.empty()) input_.error = std::move(why);
        return false;
    }

    CaseInput finish()
    {
        if (input_.ok() && input_.counts.empty()) {
            refuse("no heir given: write CODE=N for each kind of heir, for example h=1 m=1 f=1 (valid codes: " +
                   validCodes() + ")");
        }
        return std::move(input_);
    }

private:
    std::array<bool, kHeirKindCount> given_{};
    CaseInput input_;
};

bool allDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A whole number of at most 32767, read without overflowing: longer digit
// strings are simply "above the limit".
std::optional<long long> wholeNumber(const std::string& text)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    if (!allDigits(digits)) return std::nullopt;
    const auto significant = digits.find_first_not_of('0');
    if (significant == std::string::npos) return 0;
    if (digits.size() - significant > 6) return negative ? -1000000 : 1000000;
    const long long value = std::stoll(digits);
    return negative ? -value : value;
}

}  // namespace

std::string validCodes()
{
    std::string codes;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!codes.empty()) codes += ' ';
        codes += info.code;
    }
    return codes;
}

CaseInput countsFromArguments(const std::vector<std::string>& arguments)
{
    CountsBuilder builder;
    for (const std::string& argument : arguments) {
        const auto eq = argument.find('=');
        if (eq == std::string::npos) {
            builder.refuse("'" + argument + "' is not CODE=N (valid codes: " + validCodes() + ")");
            break;
        }
        const std::string code = argument.substr(0, eq);
        const std::string countText = argument.substr(eq + 1);
        const std::optional<long long> count = wholeNumber(countText);
        if (!count) {
            builder.refuse("the count of '" + code + "' is not a whole number: '" + countText + "'");
            break;
        }
        if (!builder.add(code, *count, countText)) break;
    }
    return builder.finish();
}

CaseInput countsFromJson(const nlohmann::json& value)
{
    CountsBuilder builder;
    if (!value.is_object()) {
        builder.refuse("a case must be a JSON object such as {\"h\": 1, \"m\": 1, \"f\": 1}");
        return builder.finish();
    }
    const nlohmann::json& counts = value.contains("counts") ? value["counts"] : value;
    if (!counts.is_object()) {
        builder.refuse("\"counts\" must be a JSON object such as {\"h\": 1, \"m\": 1, \"f\": 1}");
        return builder.finish();
    }
    for (const auto& [code, count] : counts.items()) {
        if (!count.is_number_integer()) {
            builder.refuse("the count of '" + code + "' is not a whole number: " + count.dump());
            break;
        }
        // Unsigned JSON numbers may not fit a signed one; anything that large is above the limit anyway.
        const long long n = count.is_number_unsigned()
                                ? static_cast<long long>(std::min<std::uint64_t>(count.get<std::uint64_t>(), 1000000))
                                : count.get<long long>();
        if (!builder.add(code, n, count.dump())) break;
    }
    return builder.finish();
}

}  // namespace qismaru::calc
