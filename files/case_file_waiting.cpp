#include "files/case_file_waiting.h"

#include <nlohmann/json.hpp>

namespace qismaru::estate {

std::string readWaitingOfFile(const nlohmann::json& waiting, int version, CaseFile& file)
{
    if (version < kWaitingVersion) return "what waits in a case needs format version 5";
    WaitingEntry entry;
    if (std::string why = readWaitingEntry(waiting, entry); !why.empty()) return why;
    // The division of a case that waits is made for the heirs of the
    // buttons alone, and a later death cannot join heirs not yet known.
    if (!file.later.empty() || !file.relatives.empty())
        return "a case that waits has no later deaths and no relatives by path";
    if (std::string why = outcomeProblem(entry, countsOf(file.heirs), file.positions); !why.empty()) return why;
    file.waiting = std::move(entry);
    return "";
}

}  // namespace qismaru::estate
