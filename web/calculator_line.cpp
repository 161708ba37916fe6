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

}  // namespace

LineAnswer answerBatchLine(std::string_view line, const std::vector<std::string>& flags)
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
