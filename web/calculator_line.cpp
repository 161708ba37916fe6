#include "web/calculator_line.h"

#include <sstream>

#include "calc/calculator.h"
#include "calc/command_line.h"

namespace qismaru::web {

namespace {

std::string withoutFinalLineBreak(std::string text)
{
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string utf8FromScript(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, unit);  // a lone surrogate too, as its own three bytes
        }
    }
    return out;
}

LineReply answerBatchLine(std::string_view line, const std::vector<std::string>& flags)
{
    if (line.find('\n') != std::string_view::npos) {
        return {{}, "qismaru-calc: a batch line holds no line break", calc::kExitBadInput};
    }
    std::vector<std::string> arguments{"--batch"};
    arguments.insert(arguments.end(), flags.begin(), flags.end());
    std::istringstream in(std::string(line) + '\n');
    std::ostringstream out;
    std::ostringstream err;
    const int status = calc::runCommandLine(arguments, in, out, err);
    // Refusing the flags, or failing to read or write, the calculator writes
    // no result line, only why on standard error.
    if (status == calc::kExitBadInput || status == calc::kExitInputOutputFailed) {
        std::string why = withoutFinalLineBreak(err.str());
        if (why.empty()) why = "qismaru-calc: exit status " + std::to_string(status);
        return {{}, std::move(why), status};
    }
    return {withoutFinalLineBreak(out.str()), {}, status};
}

}  // namespace qismaru::web
