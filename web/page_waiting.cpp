// What waits on the web page (an unborn child, missing heirs, heirs of
// unclear sex, and those who died together): read by the readers of the case
// file and the batch line, kept by the session, which judges and refuses in
// its own words.

#include "calc/case_input.h"
#include "files/json_document.h"
#include "files/waiting_entries.h"
#include "web/page_case.h"

namespace qismaru::web {

namespace {

Json refusedJson(const std::string& message) { return Json{{"ok", false}, {"message", message}}; }

Json answered(const std::string& refusal) { return refusal.empty() ? Json{{"ok", true}} : refusedJson(refusal); }

constexpr const char* kWaitingUnread =
    "لا يدل هذا على ما يوقف من المسألة: يذكر الحمل بصلته، والمفقود والخنثى بصلتهما وعددهما.";
constexpr const char* kTogetherUnread =
    "لا يدل هذا على من ماتوا معًا: يذكر لكل ميت اسمه وورثته الأحياء برموزهم وأعدادهم، مثل w=1,s=2، "
    "ومن مات معه من ورثته بصلته، مثل B=b.";

}  // namespace

std::string PageCase::setWaiting(const std::string& waiting)
{
    const estate::JsonDocument read = estate::readJsonDocument(waiting);
    if (!read.ok()) return refusedJson(kWaitingUnread).dump();
    if (read.root.is_null()) return answered(session_.setWaiting(std::nullopt)).dump();
    estate::WaitingEntry entry;
    if (!estate::readWaitingEntry(read.root, entry).empty()) return refusedJson(kWaitingUnread).dump();
    return answered(session_.setWaiting(entry)).dump();
}

std::string PageCase::waiting() const
{
    const std::optional<estate::WaitingEntry>& entry = session_.waiting();
    return entry ? estate::waitingEntryToJson(*entry).dump() : "null";
}

std::string PageCase::recordOutcome(const std::string& name) { return answered(session_.recordOutcome(name)).dump(); }

std::string PageCase::setTogether(const std::string& together)
{
    // Checked as one JSON document first, so that the line below holds the
    // member and nothing else; then read as the calculator reads a batch
    // line's "together", the order of each death's heirs kept.
    const estate::JsonDocument read = estate::readJsonDocument(together);
    if (!read.ok()) return refusedJson(kTogetherUnread).dump();
    if (read.root.is_null()) return answered(session_.setTogether(std::nullopt)).dump();
    const calc::CaseInput input = calc::caseFromLine("{\"together\": " + together + "}");
    if (!input.ok() || !input.together) return refusedJson(kTogetherUnread).dump();
    return answered(session_.setTogether(input.together)).dump();
}

}  // namespace qismaru::web
