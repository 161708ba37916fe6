// qismaru-calc settling an estate: the options and batch members that carry
// it, the case file, and the "estate" member of a result.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "calc/calculator.h"
#include "calc/plain_estate_line.h"
#include "tests/support/calculator_run.h"

namespace qismaru::calc {
namespace {

using nlohmann::ordered_json;

using testing::CalcRun;
using testing::runOnce;

// The README's worked example with its estate, as options.
CalcOptions workedExample(OutputForm form)
{
    CalcOptions options;
    options.form = form;
    options.caseArguments = {"h=1", "m=1", "d=3", "bm=1"};
    options.estate.gross = "120000.50";
    options.estate.funeral = "1000";
    options.estate.debts = "5000";
    options.estate.bequest = "50000";
    return options;
}

TEST(CalculatorEstate, RefusesABadEstateInOneLine)
{
    const struct {
        void (*change)(CalcOptions&);
        const char* complaint;
    } rows[] = {
        {[](CalcOptions& o) { o.estate.gross = "-5"; }, "the gross estate amount is negative"},
        {[](CalcOptions& o) { o.estate.funeral = "1.005"; }, "the funeral costs amount has more than 2 decimals"},
        {[](CalcOptions& o) { o.estate.debts = "1,000"; }, "the debts amount has digit grouping"},
        {[](CalcOptions& o) { o.estate.bequest = "fifty"; }, "the bequest amount is not a number"},
        {[](CalcOptions& o) { o.estate.gross = "\xd9\x61\xd9\x61"; }, "the gross estate amount is not a number"},
        {[](CalcOptions& o) { o.estate.gross = "1" + std::string(18, '0'); }, "at most 18 digits"},
        {[](CalcOptions& o) { o.estate.decimals = "4"; }, "--decimals is the number of decimals"},
        {[](CalcOptions& o) { o.estate.decimals = "010"; }, "--decimals is the number of decimals"},
        {[](CalcOptions& o) { o.estate.decimals = ""; }, "--decimals is the number of decimals"},
        {[](CalcOptions& o) {
             o.fields = "estate";
             o.estate = {};
         },
         "the case has no estate"},
        {[](CalcOptions& o) { o.fields = "shares,steps"; }, "--fields names steps, which are written only with"},
        {[](CalcOptions& o) { o.estate.gross.reset(); }, "go with --estate"},
        {[](CalcOptions& o) { o.caseFile = "case.qismaru"; }, "not both"},
    };
    for (const auto& row : rows) {
        CalcOptions options = workedExample(OutputForm::Json);
        row.change(options);
        const CalcRun r = runOnce(options);
        EXPECT_EQ(r.status, kExitBadInput) << row.complaint;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(row.complaint), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(CalculatorEstate, JsonEstateMemberAsSpecified)
{
    const CalcRun r = runOnce(workedExample(OutputForm::Json));
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const ordered_json estate = ordered_json::parse(r.out)["estate"];
    std::vector<std::string> keys;
    for (const auto& [key, value] : estate.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"gross", "funeral", "unpaidFuneral", "debts", "bequestAsked", "bequest",
                                              "net", "unpaidDebts", "kinds", "bequestFromRest", "undistributed",
                                              "undistributedExact", "roundingDifference", "notes"}));
    // 114,000.50 is left after the funeral and the debts; its third, cut to the cent, is 38,000.16.
    EXPECT_EQ(estate["bequest"], "38000.16");
    EXPECT_EQ(estate["net"], "76000.34");
    EXPECT_EQ(estate["kinds"].size(), 3u);  // the uterine brother is excluded: no row, no amount
    EXPECT_EQ(estate["kinds"]["d"], ordered_json::parse(R"({"count":3,"exact":"1169236/25","perHeadExact":"1169236/75",
                                                             "amount":"46769.43","perHead":"15589.81"})"));
    EXPECT_EQ(estate["kinds"]["h"]["amount"], "17538.54");
    EXPECT_EQ(estate["undistributed"], "0.00");
    EXPECT_EQ(estate["roundingDifference"], "0.01");
    // The notes as the window gives them: the bequest cut, the rounding rule, what is left out.
    std::string notes;
    for (const auto& note : estate["notes"]) notes += note.get<std::string>() + "\n";
    for (const char* said : {"فينفذ منها الثلث (38000.16)", "إلى الوحدة الصغرى التي دونه", "الدين المتعلق بعين التركة",
                             "والوصية لوارث لا تنفذ إلا بإجازة سائر الورثة", "فإن أجاز بعضهم"}) {
        EXPECT_NE(notes.find(said), std::string::npos) << said;
    }
}

TEST(CalculatorEstate, BatchLinesCarryTheirEstate)
{
    const std::string input = R"({"counts": {"h": 1}, "estate": {"gross": "1001", "decimals": 0}}
{"w": 2, "estate": {"gross": "100", "debts": "150", "bequest": "10"}}
{"d": 1, "estate": {"gross": 1000}}
{"d": 1, "estate": {"gross": "1000", "bequests": "5"}}
{"d": 1}
)";
    CalcOptions options;
    options.form = OutputForm::Batch;
    const CalcRun r = runOnce(options, input);
    EXPECT_EQ(r.status, kExitSomeLinesFailed);
    std::vector<ordered_json> answers;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) answers.push_back(ordered_json::parse(line));
    ASSERT_EQ(answers.size(), 5u);
    // The husband alone keeps his half; the rest is shown, and no heir takes
    // it. Both halves of 1001 are cut down to 500: the unit left over is the
    // rounding difference.
    EXPECT_EQ(answers[0]["estate"]["kinds"]["h"]["exact"], "1001/2");
    EXPECT_EQ(answers[0]["estate"]["kinds"]["h"]["amount"], "500");
    EXPECT_EQ(answers[0]["estate"]["undistributedExact"], "1001/2");
    EXPECT_EQ(answers[0]["estate"]["undistributed"], "500");
    EXPECT_EQ(answers[0]["estate"]["roundingDifference"], "1");
    // Insolvent: the debts take everything, the bequest and the heirs nothing.
    EXPECT_EQ(answers[1]["estate"]["unpaidDebts"], "50.00");
    EXPECT_EQ(answers[1]["estate"]["bequest"], "0.00");
    EXPECT_EQ(answers[1]["estate"]["kinds"]["w"]["amount"], "0.00");
    EXPECT_NE(answers[2]["error"].get<std::string>().find("must be a JSON string"), std::string::npos);
    EXPECT_NE(answers[3]["error"].get<std::string>().find("unknown key"), std::string::npos);
    EXPECT_FALSE(answers[4].contains("estate"));
}

// The shortcut for the common estate line reads what the full JSON reading
// reads, and leaves every other line to it.
TEST(CalculatorEstate, PlainEstateLinesReadAsInFull)
{
    const char* const taken[] = {
        R"({"counts": {"h":1,"d":3}, "estate": {"gross": "120000.50", "funeral": "1000", "debts": "0", "bequest": "50000", "heirsConsent": false, "decimals": 2}})",
        R"({ "estate" : { "decimals" : 0 , "gross" : " 7 " , "heirsConsent" : true } , "counts" : { "w" : 4 } })",
    };
    for (const char* line : taken) {
        const std::optional<PlainEstateLine> plain = readPlainEstateLine(line);
        const CaseInput full = caseFromLineInFull(line);
        ASSERT_TRUE(plain && full.ok()) << line << ": " << full.error;
        EXPECT_EQ(plain->counts.count, full.counts.count) << line;
        EXPECT_EQ(plain->estate, full.estate) << line;
    }
    const char* const left[] = {
        R"({"counts": {"h":1}, "estate": {"gross": "1.005"}})",  // too many decimals: the full reading says so
        R"({"counts": {"h":1}, "estate": {"gross": "5", "gross": "6"}})",  // a member twice
        R"({"counts": {"h":1}, "estate": {"gross": "\u0035"}})",           // an escape
        R"({"counts": {"h":1}, "estate": {"gross": "٥"}})",                // Arabic-Indic digits: read in full
        R"({"counts": {"h":1}, "estate": {"gross": "5", "decimals": 4}})",
        R"({"counts": {"h":1}, "estate": {"gross": "5", "bequests": "1"}})",
        R"({"counts": {"h":1}, "estate": {"funeral": "5"}})",
        R"({"counts": {"h":1}, "estate": {"gross": "5"}, "stopped": false})",
        R"({"h": 1, "estate": {"gross": "5"}})",
        R"({"counts": {"h":1}, "estate": {"gross": "5"}} x)",
    };
    for (const char* line : left) EXPECT_FALSE(readPlainEstateLine(line)) << line;
}

TEST(CalculatorEstate, ACaseFileIsReadAsTheWindowSavedIt)
{
    const std::string path = ::testing::TempDir() + "worked-example.qismaru";
    std::ofstream(path) << R"({"format": "qismaru-case", "version": 1,
        "heirs": [{"code": "h", "count": 1}, {"code": "m", "count": 1}, {"code": "d", "count": 3}, {"code": "bm", "count": 1}],
        "estate": {"gross": "120000.50", "funeral": "1000", "debts": "5000", "bequest": "50000", "heirsConsent": false, "decimals": 2}})";
    CalcOptions fromFile;
    fromFile.form = OutputForm::Json;
    fromFile.caseFile = path;
    EXPECT_EQ(runOnce(fromFile).out, runOnce(workedExample(OutputForm::Json)).out);

    // An estate on the command line takes the place of the file's.
    fromFile.estate.gross = "39000";
    EXPECT_EQ(ordered_json::parse(runOnce(fromFile).out)["estate"]["kinds"]["d"]["perHead"], "8000.00");

    // A file saved under the Shafi'i school is answered by it: the
    // grandfather divides with the brother instead of excluding him. A
    // school on the command line takes the place of the file's school and
    // positions; a position on it is added to the file's.
    std::ofstream(path) << R"({"format": "qismaru-case", "version": 2, "school": "shafii",
        "spouseReturn": false, "noReturn": true, "heirs": [{"code": "gf", "count": 1}, {"code": "b", "count": 1}]})";
    fromFile.estate = {};
    const struct {
        std::optional<std::string> school;
        bool spouseReturn;
        const char* answer;  // the school and positions answered by, or the refusal
    } overrides[] = {
        {std::nullopt, false, R"("school":"shafii","positions":{"spouseReturn":false,"noReturn":true})"},
        {"hanafi", false, R"("school":"hanafi","positions":{"spouseReturn":false,"noReturn":false})"},
        {"maliki", true, R"("school":"maliki","positions":{"spouseReturn":true,"noReturn":false})"},
        {std::nullopt, true, "contradict each other"},
    };
    for (const auto& row : overrides) {
        fromFile.school = row.school;
        fromFile.spouseReturn = row.spouseReturn;
        const CalcRun r = runOnce(fromFile);
        EXPECT_NE((r.out + r.err).find(row.answer), std::string::npos) << r.out << r.err;
    }
    fromFile.school.reset();
    fromFile.spouseReturn = false;
    const ordered_json shafii = ordered_json::parse(runOnce(fromFile).out);
    EXPECT_EQ(shafii["shares"]["b"]["value"], shafii["shares"]["gf"]["value"]);

    // Relatives by path after the buttons' heirs, under Abu Yusuf's rule:
    // answered as the same case on the command line.
    std::ofstream(path) << R"({"format": "qismaru-case", "version": 4, "school": "hanafi", "spouseReturn": false,
        "noReturn": false, "kindredMethod": "abu-yusuf", "heirs": [{"code": "w", "count": 1}],
        "relatives": [{"path": "d.d.s", "count": 1}, {"path": "d.s.d@2", "count": 1}]})";
    CalcOptions byPath;
    byPath.form = OutputForm::Json;
    byPath.caseArguments = {"w=1", "d.d.s=1", "d.s.d@2=1"};
    byPath.kindredMethod = "abu-yusuf";
    const CalcRun asked = runOnce(byPath);
    ASSERT_EQ(asked.status, kExitOk) << asked.err;
    EXPECT_EQ(runOnce(fromFile).out, asked.out);
    // Muhammad's rule counts the roots, and gives the other answer; a
    // school named on the command line answers without the file's rule.
    byPath.kindredMethod.reset();
    EXPECT_NE(runOnce(fromFile).out, runOnce(byPath).out);
    fromFile.school = "hanafi";
    EXPECT_EQ(runOnce(fromFile).out, runOnce(byPath).out);
    fromFile.school.reset();

    std::ofstream(path) << R"({"format": "qismaru-case", "version": 9, "heirs": []})";
    const CalcRun newer = runOnce(fromFile);
    EXPECT_EQ(newer.status, kExitBadInput);
    EXPECT_NE(newer.err.find("newer than this program reads"), std::string::npos) << newer.err;
    std::remove(path.c_str());
}

// After the table, or after the solution with --explain; the school first.
TEST(CalculatorEstate, TextShowsTheSettlementAfterTheTable)
{
    for (const bool explain : {false, true}) {
        CalcOptions options = workedExample(OutputForm::Text);
        options.explain = explain;
        const CalcRun r = runOnce(options);
        ASSERT_EQ(r.status, kExitOk);
        EXPECT_EQ(r.out.rfind("المذهب: الحنفي\n", 0), 0u) << r.out;
        for (const char* line : {"صافي التركة للورثة | 76000.34\n", "بنت | 3 | 2/3 | 24 | 46769.43 | 15589.81\n",
                                 "فرق التقريب | 0.01\n"}) {
            EXPECT_NE(r.out.find(line), std::string::npos) << line;
        }
        EXPECT_LT(r.out.find(explain ? "القسمة" : "=التصحيح"), r.out.find("توزيع التركة"));
    }
}

// A case by path is settled relative by relative: the worked example with
// the son's daughters written by their path gets the daughters' amounts, and
// the uterine brother, kept out, no line.
TEST(CalculatorEstate, RelativesByPathOneByOne)
{
    CalcOptions options = workedExample(OutputForm::Text);
    options.caseArguments = {"h=1", "m=1", "s.d=3", "bm=1"};
    const CalcRun text = runOnce(options);
    ASSERT_EQ(text.status, kExitOk) << text.err;
    EXPECT_NE(text.out.find("بنت ابن | 3 | 2/3 | 24 | 46769.43 | 15589.81\n"), std::string::npos) << text.out;
    options.form = OutputForm::Json;
    const ordered_json estate = ordered_json::parse(runOnce(options).out)["estate"];
    EXPECT_TRUE(estate["kinds"].empty());
    ASSERT_EQ(estate["relatives"].size(), 3u);
    EXPECT_EQ(estate["relatives"][2], ordered_json::parse(R"({"path":"s.d","label":"","count":3,"exact":"1169236/25",
                                                              "perHeadExact":"1169236/75","amount":"46769.43",
                                                              "perHead":"15589.81"})"));
    // The emancipator beside a daughter: half of the net each.
    options.caseArguments = {"d=1", "mut=1"};
    options.estate = {};
    options.estate.gross = "1000";
    EXPECT_EQ(ordered_json::parse(runOnce(options).out)["estate"]["relatives"][1]["amount"], "500.00");
    // Distant kindred beside a wife: her quarter, the rest to the daughter's
    // two sons, on the base of 8 that holds both, nothing left over.
    options.caseArguments = {"w=1", "d.s=2"};
    options.estate.gross = "800";
    const ordered_json kindred = ordered_json::parse(runOnce(options).out)["estate"];
    EXPECT_EQ(kindred["relatives"][0]["amount"], "200.00");
    EXPECT_EQ(kindred["relatives"][1]["perHead"], "300.00");
    EXPECT_EQ(kindred["undistributed"], "0.00");
    // A bequest beyond the third beside them: the legatee comes before the
    // treasury only, and what the wife leaves is theirs (al-Sirajiyya's order
    // of the claimants: the distant kindred before the legatee of more than
    // the third). Of 1200, the third 400; the wife 200, the sons 300 each.
    for (const char* school : {"hanafi", "hanbali"}) {
        options.school = school;
        options.estate.gross = "1200";
        options.estate.bequest = "800";
        const ordered_json beyond = ordered_json::parse(runOnce(options).out)["estate"];
        EXPECT_EQ(beyond["bequestFromRest"], "0.00");
        EXPECT_EQ(beyond["relatives"][1]["perHead"], "300.00");
    }
}

}  // namespace
}  // namespace qismaru::calc
