// qismaru-calc, run in-process: refusals of bad input, the JSON result, the
// batch mode, and the terminal table.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/calc/calculator.h"

namespace qismaru::calc {
namespace {

struct CalcRun {
    int status;
    std::string out;
    std::string err;
};

CalcRun run(OutputForm form, const std::vector<std::string>& arguments, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCalculator(form, arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

struct BadInput {
    std::vector<std::string> arguments;
    std::string complaint;
};

TEST(Calculator, RefusesBadInputWithOneLineAndStatusTwo)
{
    const BadInput cases[] = {
        {{"x=1"}, "unknown heir code 'x' (valid codes: bm gm s gs b bf sb sbf u uf su suf w d gd si sif m gf f h)"},
        {{"s=1.5"}, "the count of 's' is not a whole number: '1.5'"},
        {{"s=abc"}, "the count of 's' is not a whole number: 'abc'"},
        {{"s="}, "the count of 's' is not a whole number: ''"},
        {{"s=-2"}, "the count of 's' is negative: -2"},
        {{"s=32768"}, "the count of 's' is above 32767: 32768"},
        {{"s=99999999999999999999"}, "the count of 's' is above 32767: 99999999999999999999"},
        {{"m=2"}, "'m' is a single heir: its count is 0 or 1, not 2"},
        {{"h=1", "f=3"}, "'f' is a single heir"},
        {{"s=1", "s=2"}, "heir code 's' is given twice"},
        {{"sons"}, "'sons' is not CODE=N"},
        {{}, "no heir given"},
        {{"s=0"}, "no heir given"},
    };
    for (const BadInput& c : cases) {
        for (const OutputForm form : {OutputForm::Text, OutputForm::Json}) {
            const CalcRun r = run(form, c.arguments);
            EXPECT_EQ(r.status, kExitBadInput) << c.complaint;
            EXPECT_EQ(r.out, "") << "no half result for " << c.complaint;
            EXPECT_NE(r.err.find(c.complaint), std::string::npos) << r.err;
            EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        }
    }
}

TEST(Calculator, LetsTheEnginesOwnChecksThrough)
{
    // Husband with wives and more than four wives reach the engine's validation stop.
    for (const auto& [arguments, message] :
         {std::pair{std::vector<std::string>{"h=1", "w=1"}, "لايجتمع الزوجان في مسألةواحدة"},
          std::pair{std::vector<std::string>{"w=5", "d=1"}, "لايزيدعددالزوجات عن أربع"}}) {
        const CalcRun r = run(OutputForm::Json, arguments);
        ASSERT_EQ(r.status, kExitOk);
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_TRUE(json["stopped"].get<bool>());
        EXPECT_EQ(json["messages"], nlohmann::json::array({message}));
        EXPECT_TRUE(json["screen"].empty());
        EXPECT_TRUE(json["print"].empty());
    }
}

TEST(Calculator, JsonCarriesEveryKeyInOrder)
{
    const CalcRun r = run(OutputForm::Json, {"w=3", "d=2", "m=1"});
    ASSERT_EQ(r.status, kExitOk);
    const auto json = nlohmann::ordered_json::parse(r.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"counts", "stopped", "messages", "shares", "Base", "Correction",
                                              "ShareScale", "BaseDivisor", "ReturnFactor", "SpouseScale", "screen",
                                              "print"}));
    EXPECT_EQ(json["counts"], nlohmann::ordered_json::parse(R"({"w":3,"d":2,"m":1})"));
    EXPECT_EQ(json["shares"].size(), 21u);
    EXPECT_EQ(json["shares"]["w"], nlohmann::ordered_json::parse(
                                       R"({"value":0.125,"numerator":1,"denominator":8,"label":""})"));
    EXPECT_EQ(json["Base"], 40);
    EXPECT_EQ(json["Correction"].get<double>(), 3.0);
    EXPECT_EQ(json["screen"][0], nlohmann::ordered_json::parse(R"({"x":6000,"y":600,"text":"أم"})"));
}

TEST(Calculator, DoublesInTheirShortestExactForm)
{
    const std::string out = run(OutputForm::Json, {"m=1", "f=1", "d=2"}).out;
    EXPECT_NE(out.find(R"("f":{"value":0.16666666666666674,"numerator":0,"denominator":0,"label":"1/6+ الباقي"})"),
              std::string::npos);
    const std::string scaled = run(OutputForm::Json, {"w=3", "d=2", "m=1"}).out;
    EXPECT_NE(scaled.find(R"("ShareScale":1.05,)"), std::string::npos);
    for (const std::string& text : {out, scaled}) {
        const auto json = nlohmann::json::parse(text);
        EXPECT_EQ(json["shares"]["d"]["value"].get<double>(), 2.0 / 3.0);  // reads back bit for bit
    }
}

TEST(Calculator, BeyondExactRangeIsAnErrorWithStatusThree)
{
    const std::vector<std::string> huge = {"gm=32717", "w=4", "d=32693", "b=32609", "si=32653"};
    const CalcRun json = run(OutputForm::Json, huge);
    EXPECT_EQ(json.status, kExitBeyondExactRange);
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_TRUE(parsed.contains("error"));
    EXPECT_FALSE(parsed.contains("shares"));
    EXPECT_EQ(parsed["counts"]["gm"], 32717);

    const CalcRun text = run(OutputForm::Text, huge);
    EXPECT_EQ(text.status, kExitBeyondExactRange);
    EXPECT_EQ(text.out, "");
    EXPECT_NE(text.err.find("2^53"), std::string::npos);
}

TEST(Calculator, BatchAnswersEachLineAsJsonWould)
{
    const std::vector<std::vector<std::string>> cases = {
        {"h=1", "m=1", "f=1"}, {"w=3", "d=2", "m=1"}, {"d=3"}, {"h=1", "w=2"}, {"s=5", "d=7", "w=4", "f=1"}};
    std::string input;
    std::string expected;
    for (const auto& arguments : cases) {
        nlohmann::json line = nlohmann::json::object();
        for (const std::string& argument : arguments) {
            const auto eq = argument.find('=');
            line[argument.substr(0, eq)] = std::stoi(argument.substr(eq + 1));
        }
        input += line.dump() + "\n";
        expected += run(OutputForm::Json, arguments).out;
    }
    const CalcRun batch = run(OutputForm::Batch, {}, input);
    EXPECT_EQ(batch.status, kExitOk);
    EXPECT_EQ(batch.out, expected);
}

TEST(Calculator, BatchGoesOnPastBadLines)
{
    const CalcRun r = run(OutputForm::Batch, {},
                      "{\"s\": 2}\nnot json\n\n{\"s\": 1.5}\n[1]\n{\"x\": 1}\n{\"counts\": {\"d\": 3}}\n");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 7u);
    const auto errorOf = [&](int i) { return nlohmann::json::parse(out[i]).value("error", std::string()); };
    EXPECT_EQ(errorOf(0), "");
    EXPECT_EQ(errorOf(1), "not a JSON object: not json");
    EXPECT_EQ(errorOf(2), "an empty line is not a case");
    EXPECT_EQ(errorOf(3), "the count of 's' is not a whole number: 1.5");
    EXPECT_NE(errorOf(4).find("must be a JSON object"), std::string::npos);
    EXPECT_NE(errorOf(5).find("unknown heir code 'x'"), std::string::npos);
    EXPECT_EQ(errorOf(6), "");  // a result's own "counts" object is accepted as input
    EXPECT_EQ(nlohmann::json::parse(out[3])["line"], 4);
}

TEST(Calculator, TextTableRowByRow)
{
    const CalcRun r = run(OutputForm::Text, {"h=1", "m=1", "f=1"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                                "أم | ثلث الباقي | 1 |  | %16.66",
                                "زوج | 1 / 2 | 3 |  | %50",
                                "أب | الباقي | 2 |  | %33.33",
                                "6 | النسبةالمئوية",
                                "6 =أصل المسألة",
                                "Base 6, Correction 1, ShareScale 1, BaseDivisor 1, ReturnFactor 1, SpouseScale 1",
                                "هذه المسألةهي إحدىالمسألتين العمريتين",
                            }));
}

TEST(Calculator, TextAfterAValidationStopHasNoTable)
{
    const CalcRun r = run(OutputForm::Text, {"h=1", "w=1"});
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{"validation stop: no table", "لايجتمع الزوجان في مسألةواحدة"}));
}

}  // namespace
}  // namespace qismaru::calc
