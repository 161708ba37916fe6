#include "web/page_catalogue.h"
#include "present/heir_labels.h"

#include "engine/waiting_case.h"
#include "engine/waiting_relations.h"
#include "files/case_file.h"
#include "files/estate_json.h"
#include "help_texts/page_texts.h"
#include "help_texts/school_texts.h"
#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "present/waiting_names.h"
#include "web/page_json.h"

namespace qismaru::web {

namespace {

using help::HelpTopic;

// The help page that teaches each heir kind, in kind order: the two spouses
// share a page, as the uterine brothers and sisters do.
struct KindTopic {
    HeirKind kind;
    HelpTopic topic;
};

constexpr std::array<KindTopic, kHeirKindCount> kKindTopics{{
    {HeirKind::UterineSiblings, HelpTopic::UterineSiblings},
    {HeirKind::Grandmothers, HelpTopic::Grandmothers},
    {HeirKind::Sons, HelpTopic::Sons},
    {HeirKind::SonsSons, HelpTopic::SonsSons},
    {HeirKind::FullBrothers, HelpTopic::FullBrothers},
    {HeirKind::ConsanguineBrothers, HelpTopic::ConsanguineBrothers},
    {HeirKind::FullBrothersSons, HelpTopic::FullBrothersSons},
    {HeirKind::ConsanguineBrothersSons, HelpTopic::ConsanguineBrothersSons},
    {HeirKind::FullUncles, HelpTopic::FullUncles},
    {HeirKind::ConsanguineUncles, HelpTopic::ConsanguineUncles},
    {HeirKind::FullUnclesSons, HelpTopic::FullUnclesSons},
    {HeirKind::ConsanguineUnclesSons, HelpTopic::ConsanguineUnclesSons},
    {HeirKind::Wives, HelpTopic::Spouses},
    {HeirKind::Daughters, HelpTopic::Daughters},
    {HeirKind::SonsDaughters, HelpTopic::SonsDaughters},
    {HeirKind::FullSisters, HelpTopic::FullSisters},
    {HeirKind::ConsanguineSisters, HelpTopic::ConsanguineSisters},
    {HeirKind::Mother, HelpTopic::Mother},
    {HeirKind::Grandfather, HelpTopic::Grandfather},
    {HeirKind::Father, HelpTopic::Father},
    {HeirKind::Husband, HelpTopic::Spouses},
}};
static_assert(inKindOrder(kKindTopics));

Json schoolsJson()
{
    Json schools = Json::array();
    for (const SchoolInfo& info : kSchools) {
        schools.push_back({{"key", info.key},
                           {"name", info.name},
                           {"grandmotherLimit", info.grandmotherLimit},
                           {"mayRefuseReturn", schoolMayRefuseReturn(info.school)},
                           {"noReturnHindrance",
                            positionHindrance(problemOf(Positions{.school = info.school, .noReturn = true}), true)}});
    }
    return schools;
}

Json estateFormJson()
{
    Json fields = Json::array();
    for (const estate::EstateFormField& field : estate::kEstateFormFields) {
        fields.push_back({{"label", field.label}, {"hint", field.hint}});
    }
    return {{"fields", fields},
            {"consent", estate::kConsentCaption},
            {"decimalsLabel", estate::kDecimalsLabel},
            {"decimalsHint", estate::kDecimalsHint},
            {"noEstate", estate::kNoEstateCaption},
            {"noEstateHint", estate::kNoEstateHint},
            {"claimsNote", estate::kClaimsNote},
            {"fieldLength", estate::kAmountFieldLength},
            {"minDecimals", estate::kMinDecimals},
            {"maxDecimals", estate::kMaxDecimals},
            {"defaultDecimals", estate::kDefaultDecimals}};
}

// The relations a case that waits names, for the page's form: every one may
// be missing; a man's relation that may be either sex (never a parent or a
// spouse) may be unborn or of unclear sex, named then with the woman of the
// same relation where she inherits.
Json waitingRelationsJson()
{
    Json relations = Json::array();
    for (const WaitingRelation& relation : waitingRelations()) {
        relations.push_back({{"path", relation.path},
                             {"name", relationCaption(relation, false)},
                             {"eitherName", relationCaption(relation, true)},
                             {"mayBeUnclear", relation.mayBeUnclear}});
    }
    return {{"relations", relations}, {"mostChildren", kMostChildren}, {"mostUnclear", kMostUnclear}};
}

}  // namespace

std::string catalogue()
{
    Json kinds = Json::array();
    for (const HeirKindInfo& info : heirKinds()) {
        kinds.push_back({{"code", info.code},
                         {"caption", labelsOf(info.kind).buttonCaption},
                         {"name", labelsOf(info.kind).displayName},
                         {"counted", info.entry == EntryKind::Counted}});
    }
    return Json{{"kinds", kinds},
                {"schools", schoolsJson()},
                {"maxCount", kMaxCount},
                {"countLimitText", countLimitText()},
                {"beyondExactRangeText", kBeyondExactRangeText},
                {"estateForm", estateFormJson()},
                {"waiting", waitingRelationsJson()},
                {"caseFileSuffix", estate::kCaseFileSuffix},
                {"maxCaseFileBytes", estate::kMaxCaseFileBytes}}
        .dump();
}

std::string helpTexts(const std::string& positions)
{
    // The cards state the answer under the school and positions in force.
    const Positions chosen = effectivePositions(positionsFromJson(positions));
    Json kinds = Json::array();
    for (const KindTopic& entry : kKindTopics) {
        Json statements = Json::array();
        for (const help::PageStatement& statement : help::statementsOf(entry.topic, chosen)) {
            statements.push_back(statement.text);
        }
        kinds.push_back({{"code", infoOf(entry.kind).code},
                         {"name", labelsOf(entry.kind).displayName},
                         {"statements", statements}});
    }
    Json questions = Json::array();
    for (const help::SchoolQuestion& question : help::schoolQuestions()) {
        questions.push_back({{"heading", question.heading},
                             {"when", question.when},
                             {"holdings", question.holdings},
                             {"note", question.note}});
    }
    return Json{{"kinds", kinds}, {"schools", schoolsJson()}, {"questions", questions}}.dump();
}

std::string readEstateForm(const std::string& form)
{
    const estate::EstateFormReading reading = estate::readEstateForm(formFromJson(form));
    if (!reading.ok()) {
        return Json{{"ok", false}, {"field", static_cast<int>(*reading.refused)}, {"message", reading.problem}}.dump();
    }
    return Json{{"ok", true},
                {"estate", estate::estateToJson(*reading.inputs)},
                {"form", formToJson(estate::formOf(*reading.inputs))}}
        .dump();
}

}  // namespace qismaru::web
