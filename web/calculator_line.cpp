#include "web/calculator_line.h"

#include <iostream>
#include <sstream>

#include "calc/calculator.h"

// qismaru-calc's main(), compiled once more under this name for the page.
int qismaruCalcMain(int argc, char** argv);

namespace qismaru::web {

namespace {

// Points a standard stream at a string's buffer for as long as it lives.
class StreamSwap {
public:
    StreamSwap(std::ios& stream, std::streambuf* buffer) : stream_(stream), saved_(stream.rdbuf(buffer)) {}
    ~StreamSwap()
    {
        stream_.rdbuf(saved_);
        stream_.clear();
    }
    StreamSwap(const StreamSwap&) = delete;
    StreamSwap& operator=(const StreamSwap&) = delete;

private:
    std::ios& stream_;
    std::streambuf* saved_;
};

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
    std::vector<std::string> arguments{"qismaru-calc", "--batch"};
    arguments.insert(arguments.end(), flags.begin(), flags.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The calculator's main() unties the standard streams from C's stdio,
    // which in libstdc++ gives them new buffers the first time: done here
    // first, it leaves the buffers below in place.
    std::ios::sync_with_stdio(false);
    std::istringstream in(std::string(line) + '\n');
    std::ostringstream out;
    std::ostringstream err;
    int status = 0;
    {
        const StreamSwap input(std::cin, in.rdbuf());
        const StreamSwap output(std::cout, out.rdbuf());
        const StreamSwap errors(std::cerr, err.rdbuf());
        status = qismaruCalcMain(static_cast<int>(arguments.size()), argv.data());
        std::cout.flush();
    }
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
