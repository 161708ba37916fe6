// The C++ behind the web page, natively: the calculator run on one line,
// the case entered from a link and written as a batch line, and the view of
// an answer with its heirs named, and the help cards it shows.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "web/calculator_line.h"
#include "web/page_case.h"
#include "web/page_catalogue.h"
#include "web/page_view.h"

namespace qismaru::web {
namespace {

using nlohmann::json;

TEST(PageApi, OneBatchLineAnsweredAsTheCalculatorAnswersIt)
{
    struct Row {
        const char* line;
        std::vector<std::string> flags;
        const char* output;  // exactly, or nothing when refused
        const char* error;   // a part of the refusal
    } const rows[] = {
        {R"({"h":1,"m":1})", {"--fields", "counts"}, R"({"counts":{"m":1,"h":1}})", ""},
        {R"({"x":1})", {"--fields", "counts"}, nullptr, ""},
        {R"({"h":1})", {"--fields", "nonsense"}, nullptr, "nonsense"},
        {R"({"h":1})", {"--school", "zahiri"}, nullptr, "zahiri"},
        {"{\"h\":1}\n{\"m\":1}", {}, nullptr, "line break"},
    };
    for (const Row& row : rows) {
        const LineReply answer = answerBatchLine(row.line, row.flags);
        if (row.output) {
            EXPECT_EQ(answer.output, row.output) << row.line;
        } else if (*row.error) {
            EXPECT_NE(answer.error.find(row.error), std::string::npos) << row.line << ": " << answer.error;
            EXPECT_TRUE(answer.output.empty()) << row.line;
        } else {
            EXPECT_NE(answer.output.find(R"("line":1)"), std::string::npos) << row.line << ": " << answer.output;
        }
    }
}

TEST(PageApi, LinksEnteredByTheEntryRules)
{
    // A link is read as the calculator reads its CODE=N arguments: a count of
    // 0 is an heir absent, a count it refuses is no case; what it reads is
    // entered by the buttons' rules, refused in their words.
    struct Row {
        const char* heirs;
        const char* school;
        const char* refusal;       // a part of the message, or nothing when entered
        const char* entered = "";  // the codes entered, in order, when it is
    } const rows[] = {
        {"h=1,m=1,f=1", "hanafi", nullptr, "h m f"},
        {"gm=3", "hanbali", nullptr, "gm"},
        {"h=0,m=1,f=1", "hanafi", nullptr, "m f"},
        {"m=1,d=0,w=0,s=2", "hanafi", nullptr, "m s"},
        {"h=1,w=1", "hanafi", "الزوجان"},
        {"w=5", "hanafi", "أربع"},
        {"gm=3", "maliki", "جدتين"},
        {"d=0", "hanafi", "لا يدل"},
        {"h=0", "hanafi", "لا يدل"},
        {"d=99999", "hanafi", "لا يدل"},
        {"m=2", "hanafi", "لا يدل"},
        {"x=1", "hanafi", "لا يدل"},
        {"h=1,", "hanafi", "لا يدل"},
        {"h=1,h=0", "hanafi", "لا يدل"},
        {"", "hanafi", "لا يدل"},
    };
    for (const Row& row : rows) {
        PageCase page;
        page.enterLink("m=1", "hanafi");
        const json entered = json::parse(page.enterLink(row.heirs, row.school));
        EXPECT_EQ(entered["ok"], row.refusal == nullptr) << row.heirs;
        if (!row.refusal) {
            std::string codes;
            for (const json& entry : json::parse(page.entries())) {
                codes += (codes.empty() ? "" : " ") + entry["code"].get<std::string>();
            }
            EXPECT_EQ(codes, row.entered) << row.heirs;
            continue;
        }
        EXPECT_NE(entered["message"].get<std::string>().find(row.refusal), std::string::npos) << row.heirs;
        EXPECT_EQ(page.entries(), R"([{"code":"m","name":"أم","count":1,"counted":false,"row":1}])") << row.heirs;
    }
}

TEST(PageApi, TheCaseAsABatchLineAndItsView)
{
    PageCase page;
    page.enterLink("h=1,m=1,d=3,bm=1", "maliki");
    page.setPositions(R"({"school":"maliki","spouseReturn":false,"noReturn":true})");
    page.setEstate(R"({"gross":"120000.50","debts":"5000"})");
    page.calculate();
    // The page's case is this batch line's: the same view.
    const std::string line = R"({"counts":{"h":1,"m":1,"d":3,"bm":1},"school":"maliki","spouseReturn":false,)"
                             R"("noReturn":true,"estate":{"gross":"120000.50","debts":"5000"}})";
    EXPECT_EQ(page.view(), viewOfLine(line));

    const json view = json::parse(viewOfLine(line));
    EXPECT_EQ(view["outcome"], "computed");
    std::vector<std::string> rows;
    for (const json& row : view["table"]["rows"]) {
        rows.push_back(row["kind"].get<std::string>() + ":" + std::to_string(row["parts"].get<long long>()));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"m:6", "h:9", "d:24"}));
    EXPECT_EQ(view["table"]["base"], " 39 ");
    EXPECT_EQ(view["estate"]["notes"][0], view["positionsLine"]);
    EXPECT_FALSE(view.contains("surplus")) << "no return, but the increased base leaves nothing over";
    EXPECT_NE(view["text"].get<std::string>().find("بنت 3\t2 / 3\t24\t8  لكل\t%61.53\n"), std::string::npos);
    const json native = json::parse(answerBatchLine(line, {"--explain"}).output);
    for (const char* shownAsWritten : {"messages", "steps"}) EXPECT_EQ(view[shownAsWritten], native[shownAsWritten]);
    EXPECT_EQ(json::parse(viewOfLine(R"({"counts":{"m":1,"d":1},"school":"maliki","noReturn":true})"))["surplus"],
              "لا رد على هذا القول: ما فضل عن الفروض، 2 من 6، لبيت المال، ولا يوزع على الورثة.");
    EXPECT_EQ(json::parse(viewOfLine(R"({"counts":{"h":1},"spouseReturn":true})"))["differenceMark"],
              "النتيجة على القول بالرد على أحد الزوجين");
    EXPECT_EQ(json::parse(viewOfLine(R"({"counts":{"h":1},"school":"zahiri"})"))["outcome"], "refused");
}

// The page's cards read the help's texts: the daughters' card teaches how
// their children inherit as distant kindred by the answer in force.
TEST(PageApi, TheCardsTeachTheDistantKindredByTheSchoolInForce)
{
    struct Row {
        const char* positions;
        const char* taught;
    };
    const Row rows[] = {
        {R"({"school":"hanafi"})", "وهم الصنف الأول عند الحنفية"},
        {R"({"school":"hanbali"})", "بنت البنت تُنزَّل منزلة البنت"},
        {R"({"school":"maliki"})", "بنت البنت تُنزَّل منزلة البنت"},
        {R"({"school":"shafii","noReturn":true})", "ولا يرثون على القول بعدم الرد"},
    };
    for (const Row& row : rows) {
        int taught = 0;
        const json page = json::parse(helpTexts(row.positions));
        for (const json& card : page["kinds"]) {
            if (card["code"] != "d") continue;
            for (const json& statement : card["statements"]) {
                taught += statement.get<std::string>().find(row.taught) != std::string::npos;
            }
        }
        EXPECT_EQ(taught, 1) << row.positions;
    }
}

}  // namespace
}  // namespace qismaru::web
