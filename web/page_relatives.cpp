// The relation builder on the web page, and the relatives by path it adds
// to the case: the same builder as the desktop's dialog, the same
// session's rules and refusals.

#include "model/relative_path.h"
#include "present/relation_builder.h"
#include "web/page_case.h"

namespace qismaru::web {

namespace {

Json refusedJson(const std::string& message) { return Json{{"ok", false}, {"message", message}}; }

}  // namespace

Json PageCase::relativeEntries() const
{
    Json list = Json::array();
    const bool sexGiven = uterineSexGiven(session_.allRelatives());
    for (const RelativeEntry& relative : session_.relativesByPath()) {
        list.push_back({{"code", relative.writtenWithLabel()},
                        {"name", addedRelativeName(relative, sexGiven)},
                        {"count", relative.count},
                        {"counted", false},
                        {"row", 0}});
    }
    return list;
}

std::string PageCase::relativeForm() const
{
    Json steps = Json::array();
    for (const RelationStep& step : relationSteps()) {
        steps.push_back({{"letter", std::string(letterOf(step.link))},
                         {"caption", step.caption},
                         {"offered", builder_.offers(step.link)}});
    }
    Json added = Json::array();
    for (const Json& entry : relativeEntries()) added.push_back(entry["name"]);
    const bool answered = session_.state().computed;
    return Json{{"path", builder_.path().text()},
                {"name", builder_.name(uterineSexGiven(session_.allRelatives()))},
                {"steps", steps},
                {"maxCount", builder_.maxCount()},
                {"canAdd", builder_.mayAdd(answered)},
                {"canRemoveLast", !answered && !session_.relativesByPath().empty()},
                {"added", added}}
        .dump();
}

void PageCase::relativeStep(const std::string& letter)
{
    for (const RelationStep& step : relationSteps()) {
        if (letterOf(step.link) == letter) builder_.step(step.link);
    }
}

void PageCase::relativeBack() { builder_.back(); }

void PageCase::relativeRestart() { builder_.restart(); }

std::string PageCase::addRelative(int count, const std::string& label)
{
    if (builder_.path().empty()) return refusedJson("اختر صلته بالميت أولًا.").dump();
    if (const std::string why = labelRefusal(label); !why.empty()) return refusedJson(why).dump();
    const std::string refused = session_.addRelative(builder_.entry(count, label));
    if (!refused.empty()) return refusedJson(refused).dump();
    return Json{{"ok", true}}.dump();
}

bool PageCase::removeLastRelative() { return session_.removeLastRelative(); }

}  // namespace qismaru::web
