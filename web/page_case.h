#pragma once

#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "answer/case_session.h"
#include "answer/later_death_form.h"
#include "present/relation_builder.h"
#include "web/page_json.h"

namespace qismaru::web {

// The case on the web page: its session (answer/case_session.h), as the
// desktop's document keeps it, with each press or command of the page
// answered in JSON, and the sentence to show where the window would show one
// in a message box.
class PageCase {
public:
    // An heir's button: {"outcome": "entered" | "askCount" | "refused" |
    // "ignored", "row": n, "message": "..."}.
    std::string press(const std::string& code);
    // OK of the count dialog for the kind pressed last: {"outcome":
    // "recorded" | "refused" | "ignored", "message": "..."}; the dialog
    // stays open unless the count was recorded.
    std::string confirmCount(int count);
    // Cancel, Escape or the close box of the count dialog.
    void cancelCount();
    // Cancel last choice: the row it emptied, or 0.
    int cancelLast();
    void newCase();

    // [{"code", "name", "count", "counted", "row"}], in the order of entry:
    // the heirs of the buttons, then the relatives by path, whose code is
    // their path with its label ("s.s.s", "d.d@1"), named counted, row 0.
    std::string entries() const;
    bool canCalculate() const;
    bool computed() const;

    // Calculate, and the positions chosen: {"outcome": "unchanged" | "open"
    // | "refused" | "beyond" | "answered", "said": [...], "positions": {...}}.
    std::string calculate();
    std::string setPositions(const std::string& positions);
    // {"school", "spouseReturn", "noReturn"}, as the engine applies them.
    std::string positions() const;
    // The answer's view (page_view.h).
    std::string view() const;

    // The estate as a batch line carries it, or "null" for none.
    void setEstate(const std::string& estate);

    // The heirs of a link "h=1,m=1,f=1,s.s.s=2,d.d@1=1", read as the
    // calculator reads its CODE=N and PATH=N arguments (h=0 is no husband),
    // the codes entered as their buttons would enter them under the school
    // and the paths as the relation builder adds them, in place of the case:
    // {"ok": true} or {"ok": false, "message": "..."} with the case left as
    // it was.
    std::string enterLink(const std::string& heirs, const std::string& school);

    // A .qismaru file's text opened in place of the case: {"ok": true,
    // "positions": {...}, "positionsMessage": "..." when they differ from
    // the ones chosen, "form": the estate form's texts or null}, or
    // {"ok": false, "message": "..."} with the case left as it was.
    std::string openFile(const std::string& text);
    // The case as a .qismaru file's text; markSaved() once it is saved.
    std::string fileText() const;
    void markSaved();
    bool hasUnsavedWork() const;

    // A later death entered in its dialog (answer/later_death_form.h):
    // laterStart() opens the form on the divided case ({"ok"} or why not);
    // laterForm() is its state, {"death", "deathName" ("الثاني", ...),
    // "deceased": [{"group", "name"}],
    // "chosen", "buttons": [{"code", "name"}], "heirs": [{"code", "name",
    // "count", "same": [{"ref", "name"}], "linked"}], "relatives": [{"code",
    // "name", "count"}] (his relatives by path), "incomplete"};
    // laterAdd() joins the death to the case, {"ok": true} or
    // {"ok": false, "message": "..."} with the form left open.
    std::string laterStart();
    std::string laterForm() const;
    void laterChoose(int group);
    std::string laterPress(const std::string& code);
    std::string laterCount(int count);
    void laterCancelCount();
    void laterCancelLast();
    void laterLink(const std::string& code, const std::string& ref);
    std::string laterAdd();
    void removeLastLater();

    // The relation builder "قريب آخر" (present/relation_builder.h), in
    // page_relatives.cpp: relativeForm() is its state, {"path", "name",
    // "steps": [{"letter", "caption", "offered"}], "maxCount", "canAdd",
    // "canRemoveLast", "added": ["ثلاثة أبناء ابن ابن @1", ...]}; a step
    // is taken by its letter ("s", "f", "mut"); addRelative() adds the
    // relative as built to the case, {"ok": true} or {"ok": false,
    // "message": "..."} with the case left as it was.
    std::string relativeForm() const;
    void relativeStep(const std::string& letter);
    void relativeBack();
    void relativeRestart();
    std::string addRelative(int count, const std::string& label);
    bool removeLastRelative();
    // The same builder for the later death's form: its state, with the
    // relatives given to the later deceased, and his relative added to or
    // withdrawn from the form.
    std::string laterRelativeForm() const;
    std::string laterAddRelative(int count, const std::string& label);
    bool laterRemoveLastRelative();

    // What waits beside the heirs (an unborn child, missing heirs, heirs of
    // unclear sex), in page_waiting.cpp. setWaiting takes the case file's
    // notation, {"unborn": {"as": "s", "most": 2}, "missing": {"path": "s",
    // "count": 1}, "khuntha": {"as": "s", "count": 1, "hope": true}}, or
    // "null" for nothing, while the case is open; waiting() gives it back
    // with the outcome recorded ("outcome": "1m"), or "null". recordOutcome
    // records the outcome once known ("" withdraws it). Each answers {"ok":
    // true} or {"ok": false, "message": "..."} with the case left as it was.
    std::string setWaiting(const std::string& waiting);
    std::string waiting() const;
    std::string recordOutcome(const std::string& name);
    // Those who died together, as a batch line's "together" writes them,
    // {"deaths": [{"name": "A", "counts": {"w": 1}}], "relations": {"A":
    // {"B": "b"}}}, in place of the heirs entered; "null" for none.
    std::string setTogether(const std::string& together);

private:
    Json relativeEntries() const;
    std::string builderForm(bool sexGiven, bool canAdd, bool canRemoveLast, const Json& added) const;
    std::string addBuilt(int count, const std::string& label,
                         const std::function<std::string(const RelativeEntry&)>& add);

    CaseSession session_;
    RelationBuilder builder_;
    std::unique_ptr<LaterDeathForm> later_;
};

}  // namespace qismaru::web
