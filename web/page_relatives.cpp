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
    Json added = Json::array();
    for (const Json& entry : relativeEntries()) added.push_back(entry["name"]);
    const bool answered = session_.state().computed;
    return builderForm(uterineSexGiven(session_.allRelatives()), builder_.mayAdd(answered),
                       !answered && !session_.relativesByPath().empty(), added);
}

std::string PageCase::builderForm(bool sexGiven, bool canAdd, bool canRemoveLast, const Json& added) const
{
    Json steps = Json::array();
    for (const RelationStep& step : relationSteps()) {
        steps.push_back({{"letter", std::string(letterOf(step.link))},
                         {"caption", step.caption},
                         {"offered", builder_.offers(step.link)}});
    }
    return Json{{"path", builder_.path().text()},
                {"name", builder_.name(sexGiven)},
                {"steps", steps},
                {"maxCount", builder_.maxCount()},
                {"canAdd", canAdd},
                {"canRemoveLast", canRemoveLast},
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
    return addBuilt(count, label, [this](const RelativeEntry& relative) { return session_.addRelative(relative); });
}

std::string PageCase::addBuilt(int count, const std::string& label,
                               const std::function<std::string(const RelativeEntry&)>& add)
{
    if (builder_.path().empty()) return refusedJson("اختر صلته بالميت أولًا.").dump();
    if (const std::string why = labelRefusal(label); !why.empty()) return refusedJson(why).dump();
    const std::string refused = add(builder_.entry(count, label));
    if (!refused.empty()) return refusedJson(refused).dump();
    return Json{{"ok", true}}.dump();
}

bool PageCase::removeLastRelative() { return session_.removeLastRelative(); }

// The later deceased's relatives by path: the same builder, added to the
// later death's form, which refuses in its own words; his heirs are still
// being entered, so the answer of the first death does not close it.
std::string PageCase::laterRelativeForm() const
{
    if (!later_) return "null";
    const bool sexGiven = uterineSexGiven(later_->allRelatives());
    Json added = Json::array();
    for (const RelativeEntry& relative : later_->relatives()) added.push_back(addedRelativeName(relative, sexGiven));
    return builderForm(sexGiven, !builder_.path().empty(), !later_->relatives().empty(), added);
}

std::string PageCase::laterAddRelative(int count, const std::string& label)
{
    if (!later_) return refusedJson("تُدخل وفاة وارث قبل القسمة بعد «الحساب» لمسألة قُسمت.").dump();
    return addBuilt(count, label, [this](const RelativeEntry& relative) { return later_->addRelative(relative); });
}

bool PageCase::laterRemoveLastRelative() { return later_ && later_->removeLastRelative(); }

}  // namespace qismaru::web
