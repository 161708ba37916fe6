// The case document's commands for the cases that wait and for those who
// died together: their dialogs, the outcome recorded, and their window.

#include "ui/document/case_document.h"
#include "ui/kit/window_placement.h"
#include "ui/printing/pdf_fallback.h"
#include "ui/printing/text_page.h"
#include "ui/reports/waiting_page.h"

namespace qismaru::ui {

void CaseDocument::markWaiting()
{
    if (waitingDialog_ && waitingDialog_->isVisible()) return;
    waitingDialog_ = new WaitingDialog(
        session_.waiting(), [this](std::optional<estate::WaitingEntry> waiting) { return setWaiting(waiting); },
        &window_);
    waitingDialog_->setAttribute(Qt::WA_DeleteOnClose);
    waitingDialog_->open();
}

std::string CaseDocument::setWaiting(std::optional<estate::WaitingEntry> waiting)
{
    std::string refused = session_.setWaiting(std::move(waiting));
    if (!refused.empty()) return refused;
    emit marksChanged();
    changed();
    return "";
}

std::string CaseDocument::recordOutcome(const std::string& outcome)
{
    std::string refused = session_.recordOutcome(outcome);
    if (!refused.empty()) return refused;
    changed();
    emit done("سُجّل ما ظهر، ودُفع الموقوف لمستحقيه");
    return "";
}

void CaseDocument::enterTogether()
{
    if (togetherDialog_ && togetherDialog_->isVisible()) return;
    togetherDialog_ = new TogetherDialog(
        session_.together(), [this](const DiedTogether& together) { return setTogether(together); }, &window_);
    togetherDialog_->setAttribute(Qt::WA_DeleteOnClose);
    togetherDialog_->open();
}

// Nothing else is entered in such a case: it is divided at once, and a case
// its school refuses is taken back, leaving the case as it was.
std::string CaseDocument::setTogether(const DiedTogether& together)
{
    const std::optional<DiedTogether> before = session_.together();
    if (std::string refused = session_.setTogether(together); !refused.empty()) return refused;
    const Calculation calculation = session_.calculate();
    if (calculation.outcome != Calculation::Outcome::Answered) {
        session_.setTogether(before);
        std::string why;
        for (const std::string& said : calculation.said) why += (why.empty() ? "" : "\n") + said;
        return why;
    }
    emit marksChanged();
    changed();
    showWaiting();
    return "";
}

void CaseDocument::showWaiting()
{
    if (!hasWaitingTables(answer())) return;
    if (!waitingWindow_) {
        waitingWindow_ = new WaitingWindow([this](const std::string& outcome) { return recordOutcome(outcome); },
                                           waitingPrintCommands(messages_, std::make_shared<ModalPdfFallbackDialogs>(),
                                                                printDialogFor(kWaitingTitle)));
        // The window shows the division of the answer on screen, or goes
        // when the answer has none.
        connect(this, &CaseDocument::answerChanged, waitingWindow_, [this, shown = waitingWindow_.data()] {
            if (hasWaitingTables(answer()))
                shown->showAnswer(answer());
            else
                shown->close();
        });
        waitingWindow_->showAnswer(answer());
    }
    places_.showBeside(*waitingWindow_, window_);
}

}  // namespace qismaru::ui
