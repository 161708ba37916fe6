// The C++ behind the web page, natively: the calculator run on one line,
// the case entered from a link and written as a batch line, and the view of
// an answer with its heirs named, and the help cards it shows.

#include <sstream>

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

// The codes and counts of the page's entry list, as its link writes them.
std::string entryCodes(const PageCase& page)
{
    std::string codes;
    for (const json& entry : json::parse(page.entries())) {
        codes += (codes.empty() ? "" : ",") + entry["code"].get<std::string>() + "=" +
                 std::to_string(entry["count"].get<int>());
    }
    return codes;
}

TEST(PageApi, RelativesBuiltStepByStep)
{
    // The builder offers what the desktop's dialog offers, and the session
    // refuses what it refuses, in the same words.
    struct Row {
        const char* steps;  // letters pressed, in order; a letter not offered is ignored
        int count;
        const char* label;
        const char* path;        // the path as built
        const char* name;        // as the builder names it
        int maxCount;            // the count allowed
        const char* refusal;     // a part of the refusal, or nothing when added
        const char* afterwards;  // the entry list once added
    } const rows[] = {
        {"s s s", 2, "", "s.s.s", "ابن ابن ابن", kMaxCount, nullptr, "s.s.s=2"},
        {"f m", 1, "", "f.m", "أم الأب", 1, nullptr, "f.m=1"},
        {"f m", 2, "", "f.m", "أم الأب", 1, "شخص واحد", ""},
        {"h m", 1, "", "h", "زوج", 1, nullptr, "h=1"},  // of a spouse no relative is offered
        {"d d", 1, "1", "d.d", "بنت بنت", kMaxCount, nullptr, "d.d@1=1"},
        {"d d", 1, "two lines", "d.d", "بنت بنت", kMaxCount, "علامة الفرع", ""},
        {"", 1, "", "", "اختر صلته بالميت", kMaxCount, "اختر صلته", ""},
    };
    for (const Row& row : rows) {
        PageCase page;
        std::string letters = row.steps;
        for (std::size_t at = 0; at < letters.size();) {
            const std::size_t space = std::min(letters.find(' ', at), letters.size());
            page.relativeStep(letters.substr(at, space - at));
            at = space + 1;
        }
        const json form = json::parse(page.relativeForm());
        EXPECT_EQ(form["path"], row.path) << row.steps;
        EXPECT_NE(form["name"].get<std::string>().find(row.name), std::string::npos)
            << row.steps << ": " << form["name"];
        EXPECT_EQ(form["maxCount"], row.maxCount) << row.steps;
        const json added = json::parse(page.addRelative(row.count, row.label));
        EXPECT_EQ(added["ok"], row.refusal == nullptr) << row.steps;
        if (row.refusal) {
            EXPECT_NE(added["message"].get<std::string>().find(row.refusal), std::string::npos) << added["message"];
        }
        EXPECT_EQ(entryCodes(page), row.afterwards) << row.steps;
    }

    PageCase page;
    page.enterLink("d=1", "hanafi");
    for (const char* letter : {"s", "s", "s"}) page.relativeStep(letter);
    EXPECT_EQ(json::parse(page.addRelative(2, ""))["ok"], true);
    EXPECT_NE(json::parse(page.addRelative(1, ""))["message"].get<std::string>().find("سبق إدخال"), std::string::npos);
    EXPECT_EQ(json::parse(page.relativeForm())["added"], json::array({"ابنا ابن ابن"}));
    EXPECT_TRUE(page.removeLastRelative());
    EXPECT_EQ(entryCodes(page), "d=1");
    page.addRelative(2, "");
    // A case of relatives by path is the same case as the batch line that writes them.
    page.calculate();
    EXPECT_EQ(page.view(), viewOfLine(R"({"counts":{"d":1,"s.s.s":2}})"));
    EXPECT_FALSE(json::parse(page.relativeForm())["canAdd"]);
}

TEST(PageApi, LinksWithRelativesByPath)
{
    struct Row {
        const char* link;
        const char* entered;  // the entry list, or nothing when refused
        const char* refusal;  // a part of the refusal
    } const rows[] = {
        {"d=1,s.s.s=2", "d=1,s.s.s=2", ""},
        {"s.s.s=2,d=1", "d=1,s.s.s=2", ""},  // the buttons' heirs come first, as on the page
        {"h=1,d.d@1=1,d.d@2=2", "h=1,d.d@1=1,d.d@2=2", ""},
        {"gs@1=1,gs@2=1", "gs@1=1,gs@2=1", ""},
        {"s.s=1,m.m=1,s.s.s=0", "s.s=1,m.m=1", ""},
        {"s.s.s=1,s.s.s=2", nullptr, "لا يدل"},
        {"h.m=1", nullptr, "لا يدل"},
        {"s.x=1", nullptr, "لا يدل"},
        {"gs=1,s.s=1", nullptr, "لا يدل"},
    };
    for (const Row& row : rows) {
        PageCase page;
        page.enterLink("m=1", "hanafi");
        const json entered = json::parse(page.enterLink(row.link, "hanafi"));
        EXPECT_EQ(entered["ok"], row.entered != nullptr) << row.link;
        if (row.entered) {
            EXPECT_EQ(entryCodes(page), row.entered) << row.link;
            EXPECT_TRUE(page.canCalculate()) << row.link;
            continue;
        }
        EXPECT_NE(entered["message"].get<std::string>().find(row.refusal), std::string::npos) << row.link;
        EXPECT_EQ(entryCodes(page), "m=1") << row.link;
    }
}

// A later deceased's relatives by path, built step by step and given to
// the later death's form: the combined answer is the batch line's that
// writes them, and the form refuses what his heirs cannot hold.
TEST(PageApi, LaterDeathWithRelativesByPath)
{
    struct Row {
        const char* first;    // the first death's heirs
        const char* buttons;  // his heirs by the buttons: code and count, or "code=ref" linked
        const char* steps;    // his relative by path, letters spaced
        int count;
        const char* line;   // the batch line of both deaths
        const char* named;  // the relative by path as his heirs line names him
    } const rows[] = {
        // The son dies leaving his father and full sister, who are the
        // first death's husband and daughter, and his mother's mother.
        {"h=1,m=1,s=1,d=1", "f=1:h si=1:d", "m m", 1,
         R"({"counts":{"h":1,"m":1,"s":1,"d":1},"later":[{"deceased":"1:s","counts":{"f":1,"si":1,"m.m":1},)"
         R"("same":{"f":"1:h","si":"1:d"}}]})",
         "أم الأم"},
        // He leaves a wife and two sons of his full brother's son.
        {"w=1,s=1,d=2", "w", "b s s", 2,
         R"({"counts":{"w":1,"s":1,"d":2},"later":[{"deceased":"1:s","counts":{"w":1,"b.s.s":2}}]})", "ابنا ابن أخ"},
    };
    for (const Row& row : rows) {
        PageCase page;
        page.enterLink(row.first, "hanafi");
        page.calculate();
        ASSERT_EQ(json::parse(page.laterStart())["ok"], true) << row.line;
        const json form = json::parse(page.laterForm());
        for (const json& choice : form["deceased"]) {
            if (choice["ref"] == "1:s") page.laterChoose(choice["group"].get<int>());
        }
        std::istringstream buttons(row.buttons);
        for (std::string heir; buttons >> heir;) {
            const std::string code = heir.substr(0, heir.find('='));
            if (json::parse(page.laterPress(code))["outcome"] == "askCount") page.laterCount(1);
            if (code != heir) page.laterLink(code, heir.substr(heir.find('=') + 1));
        }
        std::istringstream steps(row.steps);
        for (std::string letter; steps >> letter;) page.relativeStep(letter);
        EXPECT_EQ(json::parse(page.laterAddRelative(row.count, ""))["ok"], true) << row.line;
        EXPECT_NE(json::parse(page.laterAddRelative(1, ""))["message"].get<std::string>().find("سبق إدخال"),
                  std::string::npos)
            << row.line;
        EXPECT_EQ(json::parse(page.laterRelativeForm())["added"].size(), 1u) << row.line;
        EXPECT_TRUE(page.laterRemoveLastRelative()) << row.line;
        EXPECT_TRUE(json::parse(page.laterForm())["relatives"].empty()) << row.line;
        page.laterAddRelative(row.count, "");
        const json joined = json::parse(page.laterAdd());
        ASSERT_EQ(joined["ok"], true) << row.line << joined.dump();
        EXPECT_EQ(page.view(), viewOfLine(row.line));
        // His heirs line names his relative by path, not his heirs by button alone.
        const std::string heirs = json::parse(page.view())["later"]["deaths"][0]["heirs"];
        EXPECT_NE(heirs.find(row.named), std::string::npos) << heirs;
    }
}

// The figures of a case that waits, as the calculator writes them for a line:
// a row per claimant, each outcome's fraction, what he is given now; then the
// reserve.
std::vector<std::vector<std::string>> calculatorFigures(const json& waiting)
{
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < waiting["given"].size(); ++i) {
        std::vector<std::string> row;
        for (const json& outcome : waiting["outcomes"]) row.push_back(outcome["heirs"][i]["fraction"]);
        row.push_back(waiting["given"][i]["fraction"]);
        rows.push_back(row);
    }
    rows.push_back({waiting["reserve"].get<std::string>()});
    return rows;
}

// The same figures from the page's grid: the heir's name dropped, and only
// the given column of the last row, «موقوف».
std::vector<std::vector<std::string>> gridFigures(const json& grid)
{
    std::vector<std::vector<std::string>> rows;
    for (const json& row : grid["rows"]) rows.emplace_back(row.begin() + 1, row.end());
    rows.back() = {rows.back().back()};
    return rows;
}

TEST(PageApi, UnbornChildMarkedRecordedAndKeptInItsFile)
{
    // A pregnant widow and the father under the Hanbali school, which
    // provides for two children (the-law.md, the unborn child).
    const std::string line = R"({"counts":{"w":1,"f":1},"school":"hanbali","unborn":{"as":"s"}})";
    PageCase page;
    page.setPositions(R"({"school":"hanbali"})");
    page.enterLink("w=1,f=1", "hanbali");
    ASSERT_EQ(json::parse(page.setWaiting(R"({"unborn":{"as":"s"}})"))["ok"], true);
    EXPECT_EQ(json::parse(page.calculate())["outcome"], "answered");
    EXPECT_EQ(page.view(), viewOfLine(line));
    const json view = json::parse(page.view());
    EXPECT_EQ(view["outcome"], "waiting");
    EXPECT_FALSE(view["steps"].empty());
    const json native = json::parse(answerBatchLine(line, {}).output);
    const json& division = view["waiting"]["division"];
    EXPECT_EQ(gridFigures(division), calculatorFigures(native["waiting"]));
    EXPECT_EQ(division["rows"].back()[0], "موقوف");
    EXPECT_EQ(view["waiting"]["outcomes"].size(), native["waiting"]["outcomes"].size());

    // The birth of a son, recorded: the page's answer is the line's with it.
    ASSERT_EQ(json::parse(page.recordOutcome("1m"))["ok"], true);
    const std::string born = R"({"counts":{"w":1,"f":1},"school":"hanbali","unborn":{"as":"s"},"outcome":"1m"})";
    EXPECT_EQ(page.view(), viewOfLine(born));
    const json recorded = json::parse(page.view())["waiting"];
    EXPECT_EQ(recorded["outcome"], "1m");
    const json bornNative = json::parse(answerBatchLine(born, {}).output);
    const json& heirs = bornNative["waiting"]["recorded"]["heirs"];
    ASSERT_EQ(recorded["recorded"]["rows"].size(), heirs.size());
    for (std::size_t i = 0; i < heirs.size(); ++i) EXPECT_EQ(recorded["recorded"]["rows"][i][1], heirs[i]["fraction"]);

    // Refused in the session's words, and nothing changes.
    const json alive = json::parse(page.recordOutcome("alive"));
    EXPECT_EQ(alive["ok"], false);
    EXPECT_NE(alive["message"].get<std::string>().find("alive"), std::string::npos) << alive.dump();
    EXPECT_EQ(json::parse(page.setWaiting("null"))["ok"], false) << "the case is answered";
    EXPECT_EQ(json::parse(page.setWaiting(R"({"unborn":{"as":"m"}})"))["ok"], false);
    EXPECT_EQ(page.view(), viewOfLine(born));

    // Saved and opened again: the mark and the outcome come back.
    PageCase opened;
    ASSERT_EQ(json::parse(opened.openFile(page.fileText()))["ok"], true);
    EXPECT_EQ(opened.waiting(), page.waiting());
    EXPECT_FALSE(opened.hasUnsavedWork());
    opened.calculate();
    EXPECT_EQ(opened.view(), page.view());
}

// A khuntha son's sex recorded under the Shafi'i school, which holds back a
// reserve; the Hanafi school settles him at once, so the outcome is none of
// its own: it is withdrawn, and said so, rather than refusing every answer.
TEST(PageApi, OutcomeOfAnotherSchoolIsWithdrawn)
{
    PageCase page;
    page.setPositions(R"({"school":"shafii"})");
    page.enterLink("s=1", "shafii");
    ASSERT_EQ(json::parse(page.setWaiting(R"({"khuntha":{"as":"s"}})"))["ok"], true);
    page.calculate();
    ASSERT_EQ(json::parse(page.recordOutcome("male"))["ok"], true);
    const json hanafi = json::parse(page.setPositions(R"({"school":"hanafi"})"));
    EXPECT_EQ(hanafi["outcome"], "answered") << hanafi.dump();
    EXPECT_NE(hanafi["said"].dump().find("حُذف"), std::string::npos) << hanafi.dump();
    EXPECT_EQ(page.view(), viewOfLine(R"({"counts":{"s":1},"school":"hanafi","khuntha":{"as":"s"}})"));
}

TEST(PageApi, DiedTogetherByTheSchool)
{
    // A woman and her son drown together, her husband and brother and his
    // father alive (docs/calculator.md): the Hanbali school lets each inherit
    // from the other's old property, the Hanafi none from another.
    const std::string together = R"({"deaths":[{"name":"woman","counts":{"h":1,"b":1}},)"
                                 R"({"name":"son","counts":{"f":1}}],)"
                                 R"("relations":{"woman":{"son":"s"},"son":{"woman":"m"}}})";
    // Where the heirs dispute who died first, the Hanbalis too let none inherit.
    const std::string disputed = together.substr(0, together.size() - 1) + R"(,"dispute":true})";
    struct Row {
        const char* school;
        const std::string& deaths;
        std::size_t tables;  // each estate, and what passes on from it
    } const rows[] = {{"hanbali", together, 4}, {"hanafi", together, 2}, {"hanbali", disputed, 2}};
    for (const Row& row : rows) {
        PageCase page;
        page.setPositions(std::string(R"({"school":")") + row.school + "\"}");
        ASSERT_EQ(json::parse(page.setTogether(row.deaths))["ok"], true) << row.school;
        EXPECT_EQ(json::parse(page.calculate())["outcome"], "answered") << row.school;
        const std::string line = "{\"together\":" + row.deaths + ",\"school\":\"" + row.school + "\"}";
        EXPECT_EQ(page.view(), viewOfLine(line)) << row.school;
        const json view = json::parse(page.view());
        EXPECT_EQ(view["outcome"], "together");
        EXPECT_EQ(view["waiting"]["together"].size(), row.tables) << row.school;
        EXPECT_FALSE(view["steps"].empty()) << row.school;

        // A case file opened after them is its own case, without them.
        PageCase plain;
        plain.setPositions(std::string(R"({"school":")") + row.school + "\"}");
        plain.enterLink("h=1,m=1", row.school);
        page.newCase();
        page.setTogether(together);
        ASSERT_EQ(json::parse(page.openFile(plain.fileText()))["ok"], true);
        page.calculate();
        EXPECT_EQ(page.view(), viewOfLine(R"({"counts":{"h":1,"m":1},"school":")" + std::string(row.school) + "\"}"))
            << row.school;
    }
    PageCase page;
    page.enterLink("h=1", "hanafi");
    EXPECT_EQ(json::parse(page.setTogether(together))["ok"], false) << "heirs are entered";
    EXPECT_EQ(json::parse(page.setTogether(R"({"deaths":[{"name":"A","counts":{"zz":1}}]})"))["ok"], false);
}

}  // namespace
}  // namespace qismaru::web
