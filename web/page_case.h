#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "model/case_entry.h"

namespace qismaru::web {

// The case being entered on the web page, kept by the entry rules of the
// desktop window (model/case_entry.h). Each method is one press or command
// of the page and answers in JSON, with the refusal's sentence where the
// window would show one in a message box.
class PageCase {
public:
    // An heir's button under the school: {"outcome": "entered" | "askCount" |
    // "refused" | "ignored", "row": n, "message": "..."}.
    std::string press(const std::string& code, const std::string& school);
    // OK of the count dialog for the kind pressed last, under the school:
    // {"outcome": "recorded" | "refused" | "ignored", "message": "..."}; the
    // dialog stays open unless the count was recorded.
    std::string confirmCount(int count, const std::string& school);
    // Cancel, Escape or the close box of the count dialog.
    void cancelCount();
    // Cancel last choice: the row it emptied, or 0.
    int cancelLast();
    void newCase();

    // [{"code", "name", "count", "counted", "row"}], in the order of entry.
    std::string entries() const;
    bool canCalculate() const;
    bool computed() const { return state_.computed; }
    void markComputed();
    // The answer was withdrawn (the school changed, or refused the case).
    void reopen();

    // Why Calculate refuses the case under the school (more grandmothers
    // than it lets inherit), or "".
    std::string refusalUnder(const std::string& school) const;

    // The case as one line of qismaru-calc --batch: the counts in the order
    // of entry, the positions {"school", "spouseReturn", "noReturn"} and the
    // estate (a JSON object as a batch line carries it, or "null").
    std::string batchLine(const std::string& positions, const std::string& estate) const;

    // The heirs of a link "h=1,m=1,f=1" entered as their buttons would enter
    // them under the school, in place of the case: {"ok": true} or
    // {"ok": false, "message": "..."} with the case left as it was.
    std::string enterLink(const std::string& heirs, const std::string& school);

    // A .qismaru file's text opened in place of the case: {"ok": true,
    // "positions": {...}, "positionsMessage": "..." when they differ from
    // `positions`, "estate": {...} or null, "form": the estate form's texts},
    // or {"ok": false, "message": "..."} with the case left as it was.
    std::string openFile(const std::string& text, const std::string& positions);
    // The case as a .qismaru file's text, with the positions and the estate.
    std::string fileText(const std::string& positions, const std::string& estate) const;

private:
    nlohmann::ordered_json pressed(HeirKind kind, School school);
    nlohmann::ordered_json counted(int count, School school);

    CaseState state_;
};

}  // namespace qismaru::web
