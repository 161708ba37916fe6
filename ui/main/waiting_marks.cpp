#include "ui/main/waiting_marks.h"

#include "present/waiting_names.h"

namespace qismaru::ui {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// The unborn child of the deceased is «حمل»; of another relation, named by it.
QString unbornMark(const UnbornChild& unborn)
{
    if (unborn.as.kind == HeirKind::Sons) return "حمل";
    return fromStd("حمل (" + countedHeirs(unborn.as.kind, 1) + ")");
}

}  // namespace

std::vector<EntryMark> waitingMarks(const CaseSession& session)
{
    std::vector<EntryMark> marks;
    if (const std::optional<estate::WaitingEntry>& w = session.waiting()) {
        WaitingCase wait;
        wait.unclear = w->unclear;
        if (w->unborn) marks.push_back({unbornMark(*w->unborn), std::nullopt});
        if (w->missing) {
            const Claimant missing{ClaimantRole::Missing, w->missing->relation.kind, w->missing->count, {}, {}};
            marks.push_back({fromStd(claimantName(missing, wait)), std::nullopt});
        }
        if (w->unclear) {
            const Claimant unclear{ClaimantRole::Unclear, w->unclear->as.kind, 1, {}, {}};
            const int n = w->unclear->count;
            marks.push_back({fromStd(claimantName(unclear, wait)), n > 1 ? std::optional<int>(n) : std::nullopt});
        }
    }
    if (const std::optional<DiedTogether>& t = session.together()) {
        marks.push_back({"ماتوا معًا:", std::nullopt});
        for (const TogetherDeath& death : t->deaths) marks.push_back({fromStd(death.name), std::nullopt});
    }
    return marks;
}

}  // namespace qismaru::ui
