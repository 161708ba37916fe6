#include "calc/case_input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "calc/heir_codes.h"
#include "calc/later_deaths_input.h"
#include "calc/plain_estate_line.h"
#include "calc/plain_line.h"
#include "calc/waiting_input.h"
#include "files/estate_json.h"
#include "files/json_document.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

using nlohmann::json;

// A count far above the limit, for numbers too long to read: they are
// refused as "above the limit" or "negative" all the same.
constexpr long long kFarAboveLimit = 1000000;

std::string echoed(std::string_view text) { return std::string(cutAtCharacter(text, kEchoedBytes)); }

std::string inQuotes(std::string_view text)
{
    std::string result = "'";
    result += cutAtCharacter(text, kEchoedBytes);
    result += '\'';
    return result;
}

// Collects a request one member at a time and keeps the first reason to
// refuse. The entry rules the engine checks again (husband with wives, more
// than four wives) are let through on purpose: the calculator then reports
// the validation stop exactly as Calculate would.
class CaseBuilder {
public:
    // `shown` is the count as the user wrote it, for the error message.
    bool add(std::string_view code, long long count, std::string_view shown)
    {
        const std::optional<HeirKind> kind = kindFromCode(code);
        if (!kind) return addPath(code, count, shown);
        if (given_[indexOf(*kind)]) return refuse("heir code '" + echoed(code) + "' is given twice");
        given_[indexOf(*kind)] = true;
        if (count < 0) return refuse("the count of '" + echoed(code) + "' is negative: " + echoed(shown));
        if (count > kMaxCount) {
            return refuse("the count of '" + echoed(code) + "' is above " + std::to_string(kMaxCount) + ": " +
                          echoed(shown));
        }
        if (infoOf(*kind).entry == EntryKind::Single && count > 1) {
            return refuse(inQuotes(code) + " is a single heir: its count is 0 or 1, not " + echoed(shown));
        }
        input_.counts.set(*kind, static_cast<int>(count));
        if (count > 0) input_.relatives.push_back({RelativePath::ofKind(*kind), true, static_cast<int>(count), ""});
        return true;
    }

    // A relative by path ("s.s.s=1", "d.d@1=2"); a count of 0 enters no one,
    // as for a code.
    bool addPath(std::string_view written, long long count, std::string_view shown)
    {
        const PathReading read = readRelative(written);
        if (!read.relative) return refuse(read.error);
        if (count < 0) return refuse("the count of '" + echoed(written) + "' is negative: " + echoed(shown));
        if (count > kMaxCount) {
            return refuse("the count of '" + echoed(written) + "' is above " + std::to_string(kMaxCount) + ": " +
                          echoed(shown));
        }
        if (count > 0) input_.relatives.push_back(relativeEntry(*read.relative, static_cast<int>(count)));
        input_.byPath = true;
        return true;
    }

    // An heir code, or a path: a name with a "." or "@" is read as a path and
    // refused in its own words; any other unknown name as an unknown code.
    bool knowsCode(std::string_view code)
    {
        if (kindFromCode(code)) return true;
        const PathReading read = readRelative(code);
        if (read.relative) return true;
        if (code.find_first_of(".@") != std::string_view::npos) return refuse(read.error);
        return refuse("unknown heir code '" + echoed(code) + "' (valid codes: " + validCodes() + ")");
    }

    bool refuse(std::string why)
    {
        if (input_.error.empty()) input_.error = std::move(why);
        return false;
    }

    // A case by path: what no school divides is refused here.
    void finishByPath()
    {
        if (std::string why = relativesProblem(input_.relatives); !why.empty()) refuse(std::move(why));
    }

    bool refused() const { return !input_.ok(); }
    CaseInput& input() { return input_; }

    CaseInput finish()
    {
        if (std::string why = waitingRequestProblem(input_); !why.empty()) refuse(std::move(why));
        if (input_.ok() && input_.byPath) finishByPath();
        // The unborn, the missing or the khuntha may be the only heir named;
        // those who died together name their heirs under each death.
        const bool othersNamed = input_.unborn || input_.missing || input_.unclear || input_.together;
        if (input_.ok() && !othersNamed && input_.counts.empty() && input_.relatives.empty()) {
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
    if (digits.size() - significant > 6) return negative ? -kFarAboveLimit : kFarAboveLimit;
    const long long value = std::stoll(digits);
    return negative ? -value : value;
}

// One heir code's count from a batch line. JSON reads a whole number too long
// for 64 bits as a double: its text tells that it is whole, and too large.
void readCount(const estate::JsonDocument& line, const std::string& code, const json& count, CaseBuilder& builder)
{
    if (!builder.knowsCode(code)) return;
    if (count.is_number_unsigned()) {
        // Unsigned JSON numbers may not fit a signed one; anything that large is above the limit anyway.
        const auto n = count.get<std::uint64_t>();
        builder.add(code, static_cast<long long>(std::min<std::uint64_t>(n, kFarAboveLimit)), std::to_string(n));
        return;
    }
    if (count.is_number_integer()) {
        const auto n = count.get<std::int64_t>();
        builder.add(code, n, std::to_string(n));
        return;
    }
    const std::string_view written = line.numberText(count);
    if (estate::isWholeNumberText(written)) {
        builder.add(code, written.front() == '-' ? -kFarAboveLimit : kFarAboveLimit, written);
        return;
    }
    const std::string shown =
        written.empty() ? count.dump(-1, ' ', false, json::error_handler_t::replace) : std::string(written);
    builder.refuse("the count of '" + echoed(code) + "' is not a whole number: " + echoed(shown));
}

// The "counts" member of a result line read back as a case.
void readCountsMember(const estate::JsonDocument& line, const json& counts, CaseBuilder& builder)
{
    if (!counts.is_object()) {
        builder.refuse("\"counts\" must be a JSON object such as {\"h\": 1, \"m\": 1, \"f\": 1}");
        return;
    }
    for (const auto& [code, count] : line.membersInOrder(counts)) {
        readCount(line, std::string(code), *count, builder);
        if (builder.refused()) return;
    }
}

// The members of a batch line that are not heir codes, each with its reader.
// A new kind of request member is one row here and one field of CaseInput.
struct LineKey {
    std::string_view name;
    void (*read)(const estate::JsonDocument& line, const json& value, CaseBuilder& builder);
};

// The estate of the case: its amounts as JSON strings, read exactly.
void readEstateMember(const estate::JsonDocument&, const json& value, CaseBuilder& builder)
{
    estate::EstateReading reading = estate::estateFromJson(value);
    if (!reading.ok()) {
        builder.refuse(reading.error);
        return;
    }
    builder.input().estate = std::move(reading.inputs);
}

void readSchoolMember(const estate::JsonDocument&, const json& value, CaseBuilder& builder)
{
    std::optional<School> school;
    if (value.is_string()) school = schoolFromKey(value.get_ref<const std::string&>());
    if (!school) {
        std::string why = "\"school\" must be one of";
        for (const SchoolInfo& info : kSchools) {
            why += ' ';
            why += info.key;
        }
        builder.refuse(std::move(why));
        return;
    }
    builder.input().school = school;
}

// "spouseReturn" and "noReturn": true or false.
template <std::optional<bool> CaseInput::*position>
void readPositionMember(const estate::JsonDocument&, const json& value, CaseBuilder& builder)
{
    if (!value.is_boolean()) {
        builder.refuse(std::string("\"") + (position == &CaseInput::spouseReturn ? "spouseReturn" : "noReturn") +
                       "\" must be true or false");
        return;
    }
    builder.input().*position = value.get<bool>();
}

void readKindredMethodMember(const estate::JsonDocument&, const json& value, CaseBuilder& builder)
{
    std::optional<KindredMethod> method;
    if (value.is_string()) method = kindredMethodFromKey(value.get_ref<const std::string&>());
    if (!method) {
        builder.refuse("\"kindredMethod\" must be muhammad or abu-yusuf");
        return;
    }
    builder.input().kindredMethod = method;
}

// A later death's heirs, or one of those who died together, by the rules of
// the line's own "counts"; they are divided by the 21 kinds, and a path
// beyond them would be lost.
std::string readDeathCounts(const estate::JsonDocument& line, const json& counts, KindCounts& heirs)
{
    CaseInput read = countsFromJson(line, counts);
    heirs = read.counts;
    if (read.ok() && read.byPath) return "a death's heirs are given by heir codes (valid codes: " + validCodes() + ")";
    return std::move(read.error);
}

// A later death's heirs, by heir codes or by path as the first deceased's.
std::string readLaterHeirs(const estate::JsonDocument& line, const json& counts, LaterDeath& later)
{
    CaseInput read = countsFromJson(line, counts);
    if (!read.ok()) return std::move(read.error);
    if (!read.byPath) {
        later.counts = read.counts;
        return "";
    }
    if (std::string why = relativesProblem(read.relatives); !why.empty()) return why;
    later.relatives = std::move(read.relatives);
    return "";
}

void readLaterMember(const estate::JsonDocument& line, const json& value, CaseBuilder& builder)
{
    std::string why = readLaterDeaths(line, value, builder.input().later, readLaterHeirs);
    if (!why.empty()) builder.refuse(std::move(why));
}

// An unborn child, missing heirs, heirs of unclear sex, those who died together.
template <typename Member, std::optional<Member> CaseInput::*field,
          std::string (*read)(const json&, std::optional<Member>&)>
void readWaitingMember(const estate::JsonDocument&, const json& value, CaseBuilder& builder)
{
    std::string why = read(value, builder.input().*field);
    if (!why.empty()) builder.refuse(std::move(why));
}

void readTogether(const estate::JsonDocument& line, const json& value, CaseBuilder& builder)
{
    std::string why = readTogetherMember(line, value, builder.input().together, readDeathCounts);
    if (!why.empty()) builder.refuse(std::move(why));
}

void readOutcome(const estate::JsonDocument&, const json& value, CaseBuilder& builder)
{
    std::string why = readOutcomeMember(value, builder.input().outcome);
    if (!why.empty()) builder.refuse(std::move(why));
}

constexpr LineKey kLineKeys[] = {
    {"counts", readCountsMember},
    {"later", readLaterMember},
    {"estate", readEstateMember},
    {"school", readSchoolMember},
    {"spouseReturn", readPositionMember<&CaseInput::spouseReturn>},
    {"noReturn", readPositionMember<&CaseInput::noReturn>},
    {"kindredMethod", readKindredMethodMember},
    {"unborn", readWaitingMember<UnbornChild, &CaseInput::unborn, readUnbornMember>},
    {"missing", readWaitingMember<MissingHeirs, &CaseInput::missing, readMissingMember>},
    {"khuntha", readWaitingMember<UnclearHeirs, &CaseInput::unclear, readKhunthaMember>},
    {"together", readTogether},
    {"outcome", readOutcome},
};

const LineKey* lineKeyNamed(std::string_view name)
{
    for (const LineKey& key : kLineKeys) {
        if (key.name == name) return &key;
    }
    return nullptr;
}

// Why a line is not a JSON document, in the words of a batch.
std::string lineProblem(const estate::JsonDocument& line, std::string_view text)
{
    using estate::JsonProblem;
    if (line.problem == JsonProblem::RepeatedMember && kindFromCode(line.repeatedMember)) {
        return "heir code '" + echoed(line.repeatedMember) + "' is given twice";
    }
    if (line.problem != JsonProblem::NotJson) return line.error;
    if (text.empty()) return "an empty line is not a case";
    return "not a JSON object: " + echoed(text);
}

}  // namespace

CaseInput countsFromArguments(const std::vector<std::string>& arguments, const WaitingOptions& waiting)
{
    CaseBuilder builder;
    if (std::string why = addWaitingOptions(waiting, builder.input()); !why.empty()) builder.refuse(std::move(why));
    for (const std::string& argument : arguments) {
        if (builder.refused()) break;
        const auto eq = argument.find('=');
        if (eq == std::string::npos) {
            builder.refuse(inQuotes(argument) + " is not CODE=N (valid codes: " + validCodes() + ")");
            break;
        }
        const std::string code = argument.substr(0, eq);
        const std::string countText = argument.substr(eq + 1);
        if (!builder.knowsCode(code)) break;
        const std::optional<long long> count = wholeNumber(countText);
        if (!count) {
            builder.refuse("the count of '" + echoed(code) + "' is not a whole number: '" + echoed(countText) + "'");
            break;
        }
        if (!builder.add(code, *count, countText)) break;
    }
    return builder.finish();
}

CaseInput countsFromJson(const estate::JsonDocument& line, const json& counts)
{
    CaseBuilder builder;
    readCountsMember(line, counts, builder);
    return std::move(builder.input());
}

CaseInput caseFromLine(std::string_view text)
{
    if (const std::optional<KindCounts> counts = readPlainLine(text)) return CaseInput{*counts, {}};
    if (std::optional<PlainEstateLine> withEstate = readPlainEstateLine(text)) {
        CaseInput input{withEstate->counts, {}};
        input.estate = std::move(withEstate->estate);
        return input;
    }
    return caseFromLineInFull(text);
}

CaseInput caseFromLineInFull(std::string_view text)
{
    CaseBuilder builder;
    const estate::JsonDocument line = estate::readJsonDocument(text);
    if (!line.ok()) {
        builder.refuse(lineProblem(line, text));
        return builder.finish();
    }
    if (!line.root.is_object()) {
        builder.refuse("a case must be a JSON object such as {\"h\": 1, \"m\": 1, \"f\": 1}");
        return builder.finish();
    }
    // A result line names its case under "counts"; its other members are the
    // results, not the question.
    const bool resultLine = line.root.contains("counts");
    for (const auto& [name, value] : line.membersInOrder(line.root)) {
        if (const LineKey* key = lineKeyNamed(name)) {
            key->read(line, *value, builder);
        } else if (!resultLine) {
            readCount(line, std::string(name), *value, builder);
        }
        if (builder.refused()) break;
    }
    return builder.finish();
}

}  // namespace qismaru::calc
