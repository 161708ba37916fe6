// A case that waits is kept in its file with what waits and, once known,
// its outcome; older files are untouched, and a file that cannot hold
// together is refused.

#include <gtest/gtest.h>

#include "engine/waiting_relations.h"
#include "files/case_file.h"

namespace qismaru::estate {
namespace {

using enum HeirKind;

WaitingRelation relation(std::string_view path) { return *relationNamed(path); }

TEST(CaseFileWaiting, KeepsWhatWaitsAndTheRecordedOutcome)
{
    CaseFile unborn;
    unborn.heirs = {{Wives, 1}, {Sons, 1}};
    unborn.positions = {School::Hanbali, false, false};
    unborn.waiting = WaitingEntry{UnbornChild{relation("s"), 3}, std::nullopt, std::nullopt, "1m+1f"};
    unborn.estate = EstateInputs{240000, 0, 0, 0, false, 2};
    CaseFile missing;
    missing.heirs = {{Daughters, 2}, {SonsDaughters, 1}};
    missing.waiting = WaitingEntry{std::nullopt, MissingHeirs{relation("s.s"), 2}, std::nullopt, ""};
    CaseFile khuntha;
    khuntha.heirs = {{Sons, 1}};
    khuntha.positions = {School::Shafii, false, false};
    khuntha.waiting = WaitingEntry{std::nullopt, std::nullopt, UnclearHeirs{relation("s"), 2, false}, "female+male"};
    // The unborn child may be the only heir named.
    CaseFile aloneUnborn;
    aloneUnborn.waiting = WaitingEntry{UnbornChild{relation("b"), 0}, std::nullopt, std::nullopt, "none"};
    for (const CaseFile& file : {unborn, missing, khuntha, aloneUnborn}) {
        const std::string text = caseFileText(file);
        const CaseFileReading reading = readCaseFile(text);
        ASSERT_TRUE(reading.ok()) << reading.detail << "\n" << text;
        EXPECT_EQ(*reading.file, file) << text;
        EXPECT_NE(text.find(R"("version": 5,)"), std::string::npos) << text;
    }
    EXPECT_NE(caseFileText(unborn).find(R"("unborn": {
      "as": "s",
      "most": 3
    },
    "outcome": "1m+1f")"),
              std::string::npos)
        << caseFileText(unborn);
}

TEST(CaseFileWaiting, RefusesWhatDoesNotHoldTogether)
{
    const std::pair<std::string, std::string> files[] = {
        // An older version would divide as if no one waited.
        {R"("version": 4, "heirs": [], "waiting": {"unborn": {"as": "s"}})", "needs format version 5"},
        {R"("version": 5, "heirs": [], "waiting": {})", "names an unborn child, missing heirs or a khuntha"},
        {R"("version": 5, "heirs": [], "waiting": {"unborn": {"as": "d"}})", "the relation of \"unborn\""},
        {R"("version": 5, "heirs": [{"code": "w", "count": 1}], "waiting": {"unborn": {"as": "s"}, "outcome": "1x"})",
         "the outcome '1x' does not fit what waits"},
        {R"("version": 5, "heirs": [], "waiting": {"missing": {"path": "s"}, "outcome": "male"})",
         "the outcome 'male' does not fit"},
        {R"("version": 5, "heirs": [{"code": "w", "count": 1}], "relatives": [{"path": "s.s.s", "count": 1}], )"
         R"("waiting": {"unborn": {"as": "s"}})",
         "no later deaths and no relatives by path"},
        {R"("version": 5, "heirs": [], "waiting": {"unborn": {"as": "s"}, "born": 1})", "unknown member 'born'"},
    };
    for (const auto& [members, complaint] : files) {
        const CaseFileReading reading = readCaseFile(R"({"format": "qismaru-case", )" + members + "}");
        ASSERT_FALSE(reading.ok()) << members;
        EXPECT_EQ(reading.problem, CaseFileProblem::BadWaiting) << members;
        EXPECT_NE(reading.detail.find(complaint), std::string::npos) << reading.detail;
    }
}

}  // namespace
}  // namespace qismaru::estate
