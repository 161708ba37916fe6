#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qismaru::web {

// What `qismaru-calc --batch FLAGS` writes for one line of input, run by the
// calculator's own command line (runCommandLine): its options, checks, results and error objects
// are those of the program in a terminal, whatever they come to be.
struct LineReply {
    std::string output;  // what it wrote, without the final line break
    std::string error;   // what it wrote to standard error when it refused to run
    int status = 0;      // its exit status

    bool ok() const { return error.empty(); }
};

// `flags` are the calculator's own, as on its command line after --batch:
// {"--fields", "shares,case"}, {"--explain"}, {"--school", "shafii"}.
// A line with a line break in it is two lines to the calculator; it is
// refused, so that one line always gets one answer.
LineReply answerBatchLine(std::string_view line, const std::vector<std::string>& flags);

// A text of the page's script, which holds it as UTF-16 code units, in
// UTF-8. A surrogate without its other half is no character, and no UTF-8
// holds it: it is written as the three bytes its code unit would take, which
// the calculator refuses as it refuses any malformed UTF-8, rather than
// taking the character after it for its other half and answering another
// line than the one given.
std::string utf8FromScript(std::u16string_view text);

}  // namespace qismaru::web
