// qismaru-calc, run in-process: refusals of bad input, the JSON result, the
// batch mode, and the terminal table.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "tests/support/calculator_run.h"

namespace qismaru::calc {
namespace {

using testing::CalcRun;
using testing::runOnce;

CalcRun run(OutputForm form, const std::vector<std::string>& arguments, const std::string& input = "",
            std::optional<std::string> fields = std::nullopt)
{
    return runOnce({form, arguments, std::move(fields)}, input);
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

// Relatives by path on the command line and on batch lines: each heir's
// parts, fraction and share per head under "heirs", in the order entered,
// and a path that is no heir refused in one line.
TEST(Calculator, AnswersRelativesByPath)
{
    struct Row {
        std::vector<std::string> arguments;
        const char* school;
        std::string heirs;  // "path parts fraction perHead ..." of each heir, or the start of the refusal
    };
    const Row rows[] = {
        {{"d=1", "s.d=2", "s.s.s=1"}, "hanafi", "12: d 6 1/2 1/2, s.d 2 1/6 1/12, s.s.s 4 1/3 1/3"},
        {{"f=1", "f.m=1", "m.m=1"}, "shafii", "6: f 5 5/6 5/6, f.m 0 0 0, m.m 1 1/6 1/6"},
        {{"f=1", "f.m=1", "m.m=1"}, "hanbali", "12: f 10 5/6 5/6, f.m 1 1/12 1/12, m.m 1 1/12 1/12"},
        {{"mut.s=1", "mut.d=1", "w=1"}, "hanafi", "4: mut.s 3 3/4 3/4, mut.d 0 0 0, w 1 1/4 1/4"},
        {{"h=1", "m=1", "f=1"}, "hanafi", "6: m 1 1/6 1/6, h 3 1/2 1/2, f 2 1/3 1/3"},  // the table's order
        {{"m.f.m=1", "s=1"}, "hanafi", "1: m.f.m 0 0 0, s 1 1 1"},                      // distant kindred, beside a son
        {{"f.s=1"}, "hanafi", "'f.s': 's' after 'f' turns back"},
        {{"s=1", "f.f.m=1"}, "maliki", "1: s 1 1 1, f.f.m 0 0 0"},  // of a line the school does not count
        {{"w=1", "d.d=1", "s.d.d=1"}, "hanbali", "16: w 4 1/4 1/4, d.d 9 9/16 9/16, s.d.d 3 3/16 3/16"},
        {{"m.f=2"}, "hanafi", "'m.f' is one person: the count is 1, not 2"},
    };
    for (const Row& row : rows) {
        CalcOptions options;
        options.form = OutputForm::Json;
        options.caseArguments = row.arguments;
        options.school = row.school;
        const CalcRun r = runOnce(options, "");
        if (r.status != kExitOk) {
            EXPECT_EQ(r.err.find("qismaru-calc: " + row.heirs), 0u) << r.err;
            EXPECT_EQ(lines(r.err).size(), 1u);
            continue;
        }
        const auto json = nlohmann::json::parse(r.out);
        std::string heirs = std::to_string(json["corrected"].get<long>()) + ":";
        for (const auto& h : json["heirs"]) {
            heirs += (heirs.back() == ':' ? " " : ", ") + h["path"].get<std::string>() + " " +
                     std::to_string(h["parts"].get<long>()) + " " + h["fraction"].get<std::string>() + " " +
                     h["perHead"].get<std::string>();
        }
        EXPECT_EQ(heirs, row.heirs);
    }
    // The solution names the relatives, and its steps say whom they are about.
    CalcOptions explained;
    explained.caseArguments = {"s.s.s=1", "b=1"};
    explained.explain = true;
    const CalcRun text = runOnce(explained);
    EXPECT_NE(text.out.find("- لابن ابن الابن التركة كلها تعصيبًا"), std::string::npos) << text.out;
    explained.form = OutputForm::Json;
    const auto steps = nlohmann::json::parse(runOnce(explained).out)["steps"];
    EXPECT_EQ(steps[0]["relatives"], nlohmann::json::array({"b"}));

    // A batch line names its relatives as the command line does, in the order written.
    const CalcRun batch = run(OutputForm::Batch, {},
                              R"({"counts": {"s.s.s": 1, "d": 2, "s.d": 1}})"
                              "\n");
    const auto json = nlohmann::json::parse(batch.out);
    EXPECT_EQ(json["heirs"][0]["name"], "ابن ابن ابن");
    EXPECT_EQ(json["heirs"][2]["fraction"], "1/9");
    EXPECT_EQ(json["counts"], nlohmann::json::parse(R"({"d": 2, "s.d": 1, "s.s.s": 1})"));

    // The Hanafi rule among distant kindred, from the command line or a line's own member.
    const CalcRun methods = run(OutputForm::Batch, {},
                                R"({"d.s.d": 1, "d.d.s": 1})"
                                "\n"
                                R"({"d.s.d": 1, "d.d.s": 1, "kindredMethod": "abu-yusuf"})"
                                "\n"
                                R"({"d.s.d": 1, "kindredMethod": "abu-yusuf", "school": "shafii"})"
                                "\n",
                                "heirs,school");
    const auto answered = lines(methods.out);
    ASSERT_EQ(answered.size(), 3u);
    const auto muhammad = nlohmann::json::parse(answered[0]);
    const auto abuYusuf = nlohmann::json::parse(answered[1]);
    const auto daughterOfTheSon = [](const nlohmann::json& answer) {
        for (const auto& h : answer["heirs"]) {
            if (h["path"] == "d.s.d") return h["fraction"].get<std::string>();
        }
        return std::string();
    };
    EXPECT_EQ(daughterOfTheSon(muhammad), "2/3");
    EXPECT_FALSE(muhammad.contains("kindredMethod"));
    EXPECT_EQ(daughterOfTheSon(abuYusuf), "1/3");
    EXPECT_EQ(abuYusuf["kindredMethod"], "abu-yusuf");
    EXPECT_NE(answered[2].find("the kindred method abu-yusuf is the Hanafi school's"), std::string::npos);
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
    EXPECT_EQ(keys, (std::vector<std::string>{"counts", "school", "positions", "stopped", "messages", "shares", "Base",
                                              "Correction", "ShareScale", "BaseDivisor", "ReturnFactor", "SpouseScale",
                                              "screen", "print", "corrected", "heirs"}));
    EXPECT_EQ(json["school"], "hanafi");
    EXPECT_EQ(json["positions"], nlohmann::ordered_json::parse(R"({"spouseReturn":false,"noReturn":false})"));
    EXPECT_EQ(json["counts"], nlohmann::ordered_json::parse(R"({"w":3,"d":2,"m":1})"));
    EXPECT_EQ(json["shares"].size(), 21u);
    EXPECT_EQ(json["shares"]["w"],
              nlohmann::ordered_json::parse(R"({"value":0.125,"numerator":1,"denominator":8,"label":""})"));
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
    const CalcRun r =
        run(OutputForm::Batch, {}, "{\"s\": 2}\nnot json\n\n{\"s\": 1.5}\n[1]\n{\"x\": 1}\n{\"counts\": {\"d\": 3}}\n");
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
    EXPECT_EQ(r.status, kExitSomeLinesFailed);
}

// What JSON readers commonly take silently, and lines built to exhaust the
// reader, are refused with the line's number; the lines after them are answered.
TEST(Calculator, BatchRefusesWhatJsonReadersLetPass)
{
    const std::string deep = "{\"d\":" + std::string(100000, '[') + "1" + std::string(100000, ']') + "}";
    const std::string huge = "{\"d\":[" + std::string(2 << 20, '1') + "]}";
    const std::pair<std::string, std::string> cases[] = {
        {R"({"h":1,"h":0})", "heir code 'h' is given twice"},
        {R"({"counts":{"d":1},"counts":{"d":2}})", "the member 'counts' is given twice"},
        {std::string("{\"h\":1}\0{\"x\":1}", 15), "a NUL byte at byte 8"},
        {R"({"s":99999999999999999999})", "the count of 's' is above 32767: 99999999999999999999"},
        {R"({"s":-99999999999999999999})", "the count of 's' is negative: -99999999999999999999"},
        {R"({"s":1e2})", "the count of 's' is not a whole number: 1e2"},
        {R"({"h":01})", "not a JSON object"},
        {R"({"m":2})", "'m' is a single heir"},
        {R"({"S":1})", "unknown heir code 'S'"},
        {deep, "nested more than 64 levels deep"},
        {huge, "the line is 2097160 bytes long; a case is at most 1048576 bytes"},
        {R"({"gm":32717,"w":4,"d":32693,"b":32609,"si":32653})", "passes 2^53"},
        {R"({"counts":{"gm":3},"school":"maliki"})", "the maliki school lets at most 2 grandmothers inherit together"},
        {R"({"gm":4,"school":"hanbali"})", "the hanbali school lets at most 3 grandmothers inherit together, not 4"},
        {R"({"gm":2,"f":1,"school":"shafii"})", "the father excludes his own mother under the shafii school"},
        {R"({"d":1,"school":"zahiri"})", "\"school\" must be one of hanafi maliki shafii hanbali"},
        {R"({"d":1,"noReturn":true})", "no return is the early Maliki and Shafi'i doctrine"},
        {R"({"d":1,"school":"shafii","noReturn":true,"spouseReturn":true})", "contradict each other"},
        {R"({"w":1,"spouseReturn":1})", "\"spouseReturn\" must be true or false"},
    };
    std::string input;
    for (const auto& [line, complaint] : cases) input += line + "\n";
    input += R"( { "h" : 1 , "m":1,"f" :1 } )";  // the last line, without a newline
    const CalcRun r = run(OutputForm::Batch, {}, input);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), std::size(cases) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto json = nlohmann::json::parse(out[i]);
        EXPECT_NE(json.value("error", std::string()).find(cases[i].second), std::string::npos) << out[i];
        EXPECT_EQ(json["line"], i + 1) << out[i];
    }
    EXPECT_EQ(nlohmann::json::parse(out.back())["counts"], nlohmann::json::parse(R"({"h":1,"m":1,"f":1})"));
    EXPECT_EQ(r.status, kExitSomeLinesFailed);
}

// The command line's school and positions answer every case; a batch line's
// own members take their place for that line; what a school refuses is
// refused in one line with status 2.
TEST(Calculator, SchoolAndPositions)
{
    CalcOptions options;
    options.form = OutputForm::Json;
    options.caseArguments = {"gf=1", "si=1", "bf=1"};
    options.school = "shafii";
    options.explain = true;
    const CalcRun shafii = runOnce(options);
    ASSERT_EQ(shafii.status, kExitOk) << shafii.err;
    const auto json = nlohmann::json::parse(shafii.out);
    EXPECT_EQ(json["school"], "shafii");
    EXPECT_EQ(json["shares"]["si"]["denominator"], 2);  // the full sister back to her half
    const auto& steps = json["steps"];
    EXPECT_TRUE(
        std::any_of(steps.begin(), steps.end(), [](const auto& s) { return s.value("rule", "") == "counted"; }));

    options.form = OutputForm::Batch;
    options.caseArguments.clear();
    const CalcRun batch = runOnce(options, R"({"gf":1,"si":1,"bf":1})"
                                           "\n"
                                           R"({"gf":1,"si":1,"bf":1,"school":"hanafi"})"
                                           "\n");
    const auto out = lines(batch.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0] + "\n", shafii.out);
    EXPECT_EQ(nlohmann::json::parse(out[1])["shares"]["si"]["value"], 0);  // the grandfather excludes her

    struct Refused {
        std::string heirs;
        std::string school;
        bool spouseReturn;
        bool noReturn;
        std::string complaint;
    };
    const Refused refused[] = {
        {"gm=3", "maliki", false, false, "at most 2 grandmothers"},
        {"d=1", "hanbali", false, true, "no return is the early"},
        {"w=1", "maliki", true, true, "contradict each other"},
        {"d=1", "Shafii", false, false, "unknown school 'Shafii'"},
    };
    for (const auto& [heirs, school, spouseReturn, noReturn, complaint] : refused) {
        CalcOptions refusedOptions;
        refusedOptions.caseArguments = {heirs};
        refusedOptions.school = school;
        refusedOptions.spouseReturn = spouseReturn;
        refusedOptions.noReturn = noReturn;
        const CalcRun r = runOnce(refusedOptions);
        EXPECT_EQ(r.status, kExitBadInput) << complaint;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(complaint), std::string::npos) << r.err;
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    }
}

// Strict readers refuse a line with bytes that are not UTF-8: every output
// line must be valid whatever the input, and terminal messages must hold no
// control characters and stay short.
TEST(Calculator, EveryEchoIsValidAndBounded)
{
    const std::string arabic = "ب";
    std::string cutInsideALetter = "x";
    for (int i = 0; i < 50; ++i) cutInsideALetter += arabic;
    const std::string badLines[] = {
        "\xff\xfe{",
        cutInsideALetter,
        "{\"" + arabic + "\":1",
        "{\"h\":\"\xc3\x28\"}",
        "{\"\xed\xa0\x80\":1}",  // a surrogate
        "{\"\xc0\xaf\":1}",      // an overlong slash
        "{\"h\":1}\x1b[2J",
    };
    std::string input;
    for (const std::string& line : badLines) input += line + "\n";
    const auto out = lines(run(OutputForm::Batch, {}, input + "\xF0\x9F\x98\x80{\n").out);
    for (const std::string& line : out) {
        EXPECT_TRUE(nlohmann::json::accept(line)) << line;  // nlohmann refuses ill-formed UTF-8
    }
    std::string before80 = "not a JSON object: x";
    for (int i = 0; i < 39; ++i) before80 += arabic;
    EXPECT_EQ(nlohmann::json::parse(out[1])["error"], before80);
    EXPECT_EQ(nlohmann::json::parse(out.back())["error"], "not a JSON object: \xF0\x9F\x98\x80{");

    const std::vector<std::string> badArguments[] = {
        {"h\x1b[31m=1"},
        {"h=1\nqismaru-calc: all is well"},
        {"h=1\xff"},
        {"h=1\xc2\x9b"},
        {"h=" + std::string(131072, '7')},
        {std::string(131072, 'x') + "=1"},
        {std::string(131072, 'x')},
        {std::string(200, '\x01') + "=1"},
    };
    for (const std::vector<std::string>& arguments : badArguments) {
        const CalcRun r = run(OutputForm::Text, arguments);
        EXPECT_EQ(r.status, kExitBadInput);
        ASSERT_FALSE(r.err.empty());
        EXPECT_LT(r.err.size(), 500u);
        EXPECT_NO_THROW(nlohmann::json(r.err).dump()) << "not UTF-8: " << r.err;
        const auto control =
            std::find_if(r.err.begin(), r.err.end() - 1, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
        EXPECT_EQ(control, r.err.end() - 1) << r.err;
        EXPECT_EQ(r.err.find("\xc2\x9b"), std::string::npos) << "a C1 control passed through";
    }
}

// A stream that takes nothing, as a full disk or a closed pipe.
class RefusingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Calculator, FailedOutputIsReportedNotSuccess)
{
    std::string manyCases;
    for (int i = 0; i < 20000; ++i) manyCases += "{\"h\":1,\"m\":1,\"f\":1}\n";
    for (const OutputForm form : {OutputForm::Text, OutputForm::Json, OutputForm::Batch}) {
        const bool batch = form == OutputForm::Batch;
        std::istringstream in(batch ? manyCases : "");
        RefusingBuffer refusing;
        std::ostream out(&refusing);
        std::ostringstream err;
        const int status = runCalculator(
            {form, batch ? std::vector<std::string>{} : std::vector<std::string>{"h=1"}, {}}, in, out, err);
        EXPECT_EQ(status, kExitInputOutputFailed);
        EXPECT_NE(err.str().find("cannot write the result"), std::string::npos) << err.str();
        EXPECT_EQ(lines(err.str()).size(), 1u);
        if (batch) {
            EXPECT_LT(in.tellg(), static_cast<std::streamoff>(manyCases.size())) << "read on after the output was gone";
        }
    }
}

// Cases that arrive one at a time, as from a program that sends a case and
// waits for its answer before it sends the next.
class OneCaseAtATime : public std::streambuf {
public:
    OneCaseAtATime(std::vector<std::string> cases, const std::ostringstream& answers)
        : cases_(std::move(cases)), answers_(answers)
    {
    }
    bool answeredBeforeEachWait = true;

protected:
    std::streamsize showmanyc() override { return 0; }  // nothing more without waiting
    int_type underflow() override
    {
        if (next_ == cases_.size()) return traits_type::eof();
        if (lines(answers_.str()).size() != next_) answeredBeforeEachWait = false;
        current_ = cases_[next_++] + "\n";
        setg(current_.data(), current_.data(), current_.data() + current_.size());
        return traits_type::to_int_type(current_[0]);
    }

private:
    std::vector<std::string> cases_;
    const std::ostringstream& answers_;
    std::size_t next_ = 0;
    std::string current_;
};

TEST(Calculator, BatchAnswersEachCaseBeforeWaitingForTheNext)
{
    std::ostringstream out;
    std::ostringstream err;
    OneCaseAtATime cases({R"({"h":1,"m":1,"f":1})", "not json", R"({"d":3})"}, out);
    std::istream in(&cases);
    EXPECT_EQ(runCalculator({OutputForm::Batch, {}, "case"}, in, out, err), kExitSomeLinesFailed);
    EXPECT_TRUE(cases.answeredBeforeEachWait);
    EXPECT_EQ(lines(out.str()).size(), 3u);
}

TEST(Calculator, FieldsChooseMembersOfTheFullResult)
{
    const std::string input = R"({"h":1,"m":1,"f":1})"
                              "\n"
                              R"({"h":1,"w":1})"
                              "\n"
                              R"({"w":3,"d":2,"m":1})"
                              "\n";
    const auto full = lines(run(OutputForm::Batch, {}, input).out);
    const CalcRun chosen = run(OutputForm::Batch, {}, input, "case,shares");
    EXPECT_EQ(chosen.status, kExitOk);
    const auto out = lines(chosen.out);
    ASSERT_EQ(out.size(), full.size());
    for (std::size_t i = 0; i < full.size(); ++i) {
        auto expected = nlohmann::ordered_json::parse(full[i]);
        for (const char* dropped :
             {"counts", "school", "positions", "stopped", "messages", "screen", "print", "corrected", "heirs"})
            expected.erase(dropped);
        EXPECT_EQ(out[i], expected.dump());
    }

    for (const auto& [form, fields] : {std::pair{OutputForm::Json, "shares,bases"}, std::pair{OutputForm::Json, ""},
                                       std::pair{OutputForm::Text, "shares"}}) {
        const CalcRun r = run(form, {"h=1"}, "", fields);
        EXPECT_EQ(r.status, kExitBadInput) << fields;
        EXPECT_EQ(r.out, "");
    }
}

TEST(Calculator, TextTableRowByRow)
{
    const CalcRun r = run(OutputForm::Text, {"h=1", "m=1", "f=1"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                                "المذهب: الحنفي",
                                "أم | ثلث الباقي | 1 |  | %16.66",
                                "زوج | 1 / 2 | 3 |  | %50",
                                "أب | الباقي | 2 |  | %33.33",
                                "6 | النسبةالمئوية",
                                "6 =أصل المسألة",
                                "Base 6, Correction 1, ShareScale 1, BaseDivisor 1, ReturnFactor 1, SpouseScale 1",
                                "هذه المسألةهي إحدىالمسألتين العمريتين",
                            }));
}

// Under no return the surplus goes to the treasury, and the text says so
// after the table, as the window and the web page do.
TEST(Calculator, TextSaysWhereTheSurplusGoes)
{
    CalcOptions options;
    options.caseArguments = {"m=1", "d=1"};
    options.school = "shafii";
    options.noReturn = true;
    const CalcRun r = runOnce(options);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(lines(r.out).back(), "لا رد على هذا القول: ما فضل عن الفروض، 2 من 6، لبيت المال، ولا يوزع على الورثة.")
        << r.out;
}

TEST(Calculator, TextAfterAValidationStopHasNoTable)
{
    const CalcRun r = run(OutputForm::Text, {"h=1", "w=1"});
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"المذهب: الحنفي", "validation stop: no table",
                                                      "لايجتمع الزوجان في مسألةواحدة"}));
}

}  // namespace
}  // namespace qismaru::calc
