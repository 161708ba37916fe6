// qismaru-calc with heirs who died before the division: the batch member
// "later", the result's "later" and "combined", their refusals, the case
// file that keeps them, and the text and steps of the combined base.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "calc/calculator.h"
#include "present/positions_text.h"
#include "tests/support/calculator_run.h"

namespace qismaru::calc {
namespace {

using nlohmann::ordered_json;

using testing::CalcRun;
using testing::runOnce;

CalcRun batch(const std::string& input, bool explain = false)
{
    CalcOptions options;
    options.form = OutputForm::Batch;
    options.explain = explain;
    return runOnce(options, input);
}

// The books' first example: the son dies leaving his mother (the wife) and his sister (the daughter).
const std::string kClassic =
    R"({"counts": {"w": 1, "s": 1, "d": 1}, "later": [{"deceased": "1:s", "counts": {"m": 1, "si": 1}, )"
    R"("same": {"m": "1:w", "si": "1:d"}}]})";

TEST(CalculatorLaterDeaths, CombinedAsTheBooksHaveIt)
{
    const CalcRun r = batch(kClassic + "\n");
    ASSERT_EQ(r.status, kExitOk) << r.out;
    const ordered_json result = ordered_json::parse(r.out);
    EXPECT_EQ(
        result["combined"].dump(),
        R"({"base":120,"reducedBy":1,"deaths":[{"death":1,"base":24,"multiplier":5},{"death":2,"base":5,"multiplier":14,)"
        R"("deceasedParts":14,"relation":"coprime","commonFactor":1,"earlierMultiplier":5,"caseMultiplier":14,)"
        R"("combinedBase":120}],"heirs":[{"ref":"1:w","also":["2:m"],"count":1,"parts":43,"fraction":"43/120"},)"
        R"({"ref":"1:d","also":["2:si"],"count":1,"parts":77,"fraction":"77/120"}],)"
        R"("undistributed":{"parts":0,"fraction":"0"}})");
    // Death 1 as a single case; each later death in the same form, named by its deceased and links.
    CalcOptions single;
    single.form = OutputForm::Json;
    single.caseArguments = {"w=1", "s=1", "d=1"};
    ordered_json first = result;
    first.erase("later");
    first.erase("combined");
    EXPECT_EQ(first.dump() + "\n", runOnce(single).out);
    single.caseArguments = {"m=1", "si=1"};
    ordered_json later = result["later"][0];
    EXPECT_EQ(later["deceased"], "1:s");
    EXPECT_EQ(later["same"].dump(), R"({"si":"1:d","m":"1:w"})");
    later.erase("deceased");
    later.erase("same");
    EXPECT_EQ(later.dump() + "\n", runOnce(single).out);
    // A result line reads back as its question.
    EXPECT_EQ(batch(r.out).out, r.out);
}

TEST(CalculatorLaterDeaths, EachRefusalIsAnErrorObjectAndTheBatchGoesOn)
{
    const auto line = [](const std::string& first, const std::string& later) {
        return R"({"counts": )" + first + R"(, "later": )" + later + "}";
    };
    const std::string wsd = R"({"w": 1, "s": 1, "d": 1})";
    // Each daughter leaves 30000 daughters: the combined base grows 30000-fold a death.
    std::string chain = R"([{"deceased": "1:s", "counts": {"d": 30000}})";
    for (const char* deceased : {"2:d", "3:d", "4:d"}) {
        chain += R"(, {"deceased": ")" + std::string(deceased) + R"(", "counts": {"d": 30000}})";
    }
    chain += "]";
    // A line of 6,400 later deaths, each son leaving a son: refused before a death is computed.
    std::string sons = R"([{"deceased": "1:s", "counts": {"s": 1}})";
    for (int d = 2; d <= 6400; ++d) sons += R"(, {"deceased": ")" + std::to_string(d) + R"(:s", "counts": {"s": 1}})";
    sons += "]";
    const std::pair<std::string, std::string> rows[] = {
        {line(wsd, R"([{"deceased": "1:f", "counts": {"m": 1}}])"),
         "death 2: no group '1:f' among the heirs of an earlier death"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"m": 1}}, {"deceased": "1:s", "counts": {"m": 1}}])"),
         "death 3: every member of '1:s' has died before this death"},
        {line(R"({"s": 1, "b": 1})", R"([{"deceased": "1:b", "counts": {"s": 1}}])"),
         "death 2: '1:b' received nothing of the estate"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"si": 2}, "same": {"si": "1:d"}}])"),
         "death 2: 'si' counts 2 heirs, but '1:d' has 1 surviving members"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"s": 1}, "same": {"s": "1:s"}}])"),
         "death 2: the deceased '1:s' is linked into his own case"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"m": 1, "si": 1}, "same": {"m": "1:w", "si": "1:w"}}])"),
         "death 2: the group '1:w' is linked twice"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"f": 1}, "same": {"f": "1:d"}}])"),
         "death 2: \"same\" links 'f' to '1:d', but 'f' is male and '1:d' female"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"h": 1}}])"),
         "death 2: the deceased '1:s' is a man: he leaves no husband"},
        {line(R"({"m": 1, "bm": 2})", R"([{"deceased": "1:bm", "counts": {"h": 1, "w": 1}}])"),
         "death 2: the husband and wives never stand in one case"},
        {R"({"counts": {"s": 1}, "school": "maliki", "later": [{"deceased": "1:s", "counts": {"gm": 3}}]})",
         "death 2: the maliki school lets at most 2 grandmothers inherit together, not 3 (gm)"},
        {R"({"counts": {"s": 1}, "school": "shafii", "later": [{"deceased": "1:s", "counts": {"gm": 2, "f": 1}}]})",
         "death 2: the father excludes his own mother under the shafii school: beside him only one grandmother"},
        {line(R"({"s": 1})", chain), "death 5: the combined base passes 2^53"},
        {line(R"({"s": 2})", sons), "death 52: a case holds at most 50 later deaths"},
        {line(wsd, R"([{"deceased": "s", "counts": {"m": 1}}])"), "death 2: \"deceased\" must name a group"},
        {line(wsd, R"([{"deceased": "1:s.x", "counts": {"m": 1}}])"), "death 2: \"deceased\" must name a group"},
        {line(wsd, R"([{"deceased": "1:f.m", "counts": {"s": 1}}])"),
         "death 2: no group '1:f.m' among the heirs of an earlier death"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"m.m": 1, "gm": 1}}])"), "death 2: "},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"m": 1}, "sam": {"m": "1:w"}}])"),
         "death 2: unknown member 'sam'"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"m": 1}, "same": {"m": "w"}}])"),
         "death 2: \"same\" links a kind of heirs to an earlier group"},
        {line(wsd, R"([{"deceased": "1:s", "counts": {"m": 1}, "same": {"mm": "1:w"}}])"),
         "death 2: unknown heir code 'mm' in \"same\""},
        {line(wsd, R"([{"deceased": "1:s", "counts": {}}])"), "death 2: no heir given"},
        {line(wsd, R"([{"deceased": "1:s"}])"), "death 2: no heir given"},
        {line(wsd, R"([{"counts": {"m": 1}}])"), "death 2: name the heir who died"},
        {line(wsd, R"({"deceased": "1:s"})"), "\"later\" must be a list of later deaths"},
    };
    std::string input;
    for (const auto& [text, why] : rows) input += text + "\n";
    input += kClassic + "\n";
    const CalcRun r = batch(input);
    EXPECT_EQ(r.status, kExitSomeLinesFailed);
    std::istringstream out(r.out);
    std::string answer;
    long number = 0;
    for (const auto& [text, why] : rows) {
        ASSERT_TRUE(std::getline(out, answer));
        const ordered_json error = ordered_json::parse(answer);
        EXPECT_NE(error.value("error", "").find(why), std::string::npos) << text << "\n" << answer;
        EXPECT_EQ(error["line"], ++number);
    }
    ASSERT_TRUE(std::getline(out, answer));
    EXPECT_EQ(ordered_json::parse(answer)["combined"]["base"], 120);
}

// Relatives by path in the deaths (worked in tests/engine/combined_base_test.cpp): the later deceased's
// heirs by path, linked by their paths; the first deceased's heirs by path, the deceased named by his.
TEST(CalculatorLaterDeaths, RelativesByPathInTheDeaths)
{
    const std::pair<std::string, std::string> rows[] = {
        {R"({"counts": {"h": 1, "m": 1, "s": 1, "d": 1}, "later": [{"deceased": "1:s", )"
         R"("counts": {"f": 1, "m.m": 1, "si": 1}, "same": {"f": "1:h", "m.m": "1:m", "si": "1:d"}}]})",
         R"({"ref":"1:d","also":["2:si"],"count":1,"parts":21,"fraction":"7/36"},)"
         R"({"ref":"1:m","also":["2:m.m"],"count":1,"parts":25,"fraction":"25/108"},)"
         R"({"ref":"1:h","also":["2:f"],"count":1,"parts":62,"fraction":"31/54"})"},
        {R"({"counts": {"w": 1, "f.m": 1, "s.s.s": 1}, "later": [{"deceased": "1:s.s.s", "counts": {"s": 2}}]})",
         R"({"ref":"1:w","also":[],"count":1,"parts":6,"fraction":"1/8"},)"
         R"({"ref":"1:f.m","also":[],"count":1,"parts":8,"fraction":"1/6"},)"
         R"({"ref":"2:s","also":[],"count":2,"parts":34,"fraction":"17/24"})"},
    };
    for (const auto& [question, heirs] : rows) {
        const CalcRun r = batch(question + "\n", true);
        ASSERT_EQ(r.status, kExitOk) << r.out;
        const ordered_json result = ordered_json::parse(r.out);
        EXPECT_EQ(result["combined"]["heirs"].dump(), "[" + heirs + "]") << question;
        EXPECT_FALSE(result["combined"]["steps"].empty());
        // A result line reads back as its question.
        EXPECT_EQ(batch(r.out, true).out, r.out);
    }
}

TEST(CalculatorLaterDeaths, MoneyAndStepsOfTheCombinedTable)
{
    // A brother leaves only a wife: she keeps her quarter, the rest goes to no heir.
    const std::string input =
        kClassic.substr(0, kClassic.size() - 1) + R"(, "estate": {"gross": "120000.05"}})" + "\n" +
        R"({"counts": {"w": 1, "b": 1}, "later": [{"deceased": "1:b", "counts": {"w": 1}}], "estate": {"gross": "1000"}})" +
        "\n" + R"({"counts": {"s": 3}, "later": [{"deceased": "1:s", "counts": {"b": 2}, "same": {"b": "1:s"}}]})" +
        "\n";
    const CalcRun r = batch(input, true);
    ASSERT_EQ(r.status, kExitOk) << r.out;
    std::istringstream out(r.out);
    std::string line;
    std::getline(out, line);
    const ordered_json classic = ordered_json::parse(line)["combined"];
    EXPECT_EQ(classic["heirs"][0]["amount"], "43000.01");       // 120000.05 × 43/120 = 43000.017…, cut down
    EXPECT_EQ(classic["heirs"][1]["exact"], "184800077/2400");  // 120000.05 × 77/120
    EXPECT_EQ(classic["estate"]["net"], "120000.05");
    // The result's own "estate" divides the estate: by the combined table,
    // never paying by kind the son who died before the division.
    const ordered_json estate = ordered_json::parse(line)["estate"];
    EXPECT_EQ(estate["kinds"].dump(), "{}") << "the first table would pay the dead son";
    EXPECT_EQ(estate["net"], classic["estate"]["net"]);
    EXPECT_EQ(estate["undistributed"], classic["estate"]["undistributed"]);
    EXPECT_EQ(estate["roundingDifference"], classic["estate"]["roundingDifference"]);
    std::vector<std::string> texts;
    for (const auto& step : classic["steps"]) texts.push_back(step["text"]);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_NE(texts[0].find("وبين 14 و5 تباين، فتُضرب مسألته كاملة 5 في المسألة الأولى 24 فتكون الجامعة 120"),
              std::string::npos)
        << texts[0];
    EXPECT_EQ(texts[2], "للزوجة في الأولى، الأم في الثانية: 3 × 5 + 2 × 14 = 43 من 120.");
    std::getline(out, line);
    const ordered_json alone = ordered_json::parse(line)["combined"];
    EXPECT_EQ(alone["undistributed"].dump(), R"({"parts":9,"fraction":"9/16"})");
    EXPECT_EQ(alone["estate"]["undistributed"], "562.50");
    EXPECT_EQ(alone["heirs"][1]["amount"], "187.50");
    // The books reduce the combined table as a single case: 6 by 3 to 2, and say so.
    std::getline(out, line);
    const ordered_json reduced = ordered_json::parse(line)["combined"];
    EXPECT_EQ(reduced["base"], 2);
    EXPECT_EQ(reduced["reducedBy"], 3);
    EXPECT_EQ(reduced["steps"][1].dump(),
              R"({"step":"reduction","text":"سهام كل وارث والجامعة 6 تنقسم كلها على 3، فتُختصر الجامعة: 6 ÷ 3 = 2.",)"
              R"("parts":2,"by":3})");
    EXPECT_EQ(reduced["steps"][3]["text"],
              "للابنين في الأولى، الأخوين الشقيقين في الثانية: (2 × 2 + 2 × 1) ÷ 3 = 2 من 2.");
}

TEST(CalculatorLaterDeaths, ACaseFileKeepsThemAndTheTerminalShowsTheCombinedTable)
{
    const std::string path = ::testing::TempDir() + "later-deaths.qismaru";
    std::ofstream(path) << R"({"format": "qismaru-case", "version": 3,
        "heirs": [{"code": "w", "count": 1}, {"code": "s", "count": 1}, {"code": "d", "count": 1}],
        "later": [{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}, {"code": "si", "count": 1}],
                   "same": {"m": "1:w", "si": "1:d"}}], "estate": {"gross": "120000.05"}})";
    CalcOptions options;
    options.caseFile = path;
    // The school first; the money by the combined table, with the steps as
    // with the tables, never the first table's own division, which pays the son who died.
    const std::string money = "زوجة 1، أم في الثانية | 1 | 43/120 | 43 | 43000.01 | 43000.01\n";
    const std::string sonPaid = "ابن | 1 | شريك في الباقي | 14 | 70000.02";
    CalcRun text{};
    for (const bool explain : {true, false}) {
        options.explain = explain;
        text = runOnce(options);
        ASSERT_EQ(text.status, kExitOk) << text.err;
        EXPECT_EQ(text.out.rfind(positionsLine({}) + "\n", 0), 0u) << text.out;
        EXPECT_NE(text.out.find(money), std::string::npos) << explain << text.out;
        EXPECT_EQ(text.out.find(sonPaid), std::string::npos) << text.out;
    }
    for (const char* line : {"الميت الثاني: الابن في المسألة الأولى، مات قبل القسمة\n",
                             "الورثة | المسألة الأولى 24 × 5 | المسألة الثانية 5 × 14 | الجامعة 120\n",
                             "زوجة 1، أم في الثانية | 3 | 2 | 43\n", "ابن 1 | 14 |  | الميت الثاني\n"}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line << text.out;
    }
    options.form = OutputForm::Json;
    EXPECT_EQ(ordered_json::parse(runOnce(options).out)["combined"]["base"], 120);

    std::ofstream(path) << R"({"format": "qismaru-case", "version": 3, "heirs": [{"code": "s", "count": 1}],
        "later": [{"deceased": "1:d", "heirs": [{"code": "m", "count": 1}]}]})";
    const CalcRun refused = runOnce(options);
    EXPECT_EQ(refused.status, kExitBadInput);
    EXPECT_NE(refused.err.find("death 2: no group '1:d'"), std::string::npos) << refused.err;

    // Relatives by path in both deaths: each death's table by path, and the groups named by their paths.
    std::ofstream(path) << R"({"format": "qismaru-case", "version": 4, "heirs": [{"code": "w", "count": 1}],
        "relatives": [{"path": "f.m", "count": 1}, {"path": "s.s.s", "count": 1}],
        "later": [{"deceased": "1:f.m", "heirs": [], "relatives": [{"path": "b.s.s", "count": 1}]}]})";
    options.form = OutputForm::Text;
    options.explain = false;
    text = runOnce(options);
    ASSERT_EQ(text.status, kExitOk) << text.err;
    for (const char* line :
         {"الميتة الثانية: أم الأب في المسألة الأولى، ماتت قبل القسمة\n", "ابن ابن أخ شقيق 1 |  | 1 | 4\n",
          "أم الأب | 4 |  | الميتة الثانية\n", "ابن ابن ابن 1 | 17 |  | 17\n"}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line << text.out;
    }
    std::remove(path.c_str());
}

}  // namespace
}  // namespace qismaru::calc
