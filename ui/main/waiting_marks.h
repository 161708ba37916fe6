#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "answer/case_session.h"

namespace qismaru::ui {

// A row of the entry list for what the heir buttons do not enter: the one
// who waits («حمل»، «ابن (مفقود)»، «ابن أو بنت (خنثى مشكل)»), or one of those
// who died together; with a count where the name does not say it.
struct EntryMark {
    QString name;
    std::optional<int> count;
};

// The marks of the case, after its heirs, in the order the dialogs give them.
std::vector<EntryMark> waitingMarks(const CaseSession& session);

}  // namespace qismaru::ui
