// qismaru-calc --explain: the solution as text, and under "steps" in the
// JSON results in the form other tools rely on.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "present/solution_steps.h"
#include "tests/support/case_text.h"

namespace qismaru::calc {
namespace {

std::string output(OutputForm form, const std::vector<std::string>& arguments, bool explain,
                   const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CalcOptions options{form, arguments, {}};
    options.explain = explain;
    EXPECT_EQ(runCalculator(options, in, out, err), kExitOk) << err.str();
    return out.str();
}

const std::vector<std::string> kWorkedExample = {"h=1", "m=1", "d=3", "bm=1"};

nlohmann::json stepOf(const nlohmann::json& steps, const std::string& type, const std::string& kind = "")
{
    for (const nlohmann::json& step : steps) {
        if (step["step"] == type && (kind.empty() || step["kind"] == kind)) return step;
    }
    return nullptr;
}

TEST(Explain, PrintsTheSolutionText)
{
    const KindCounts counts = testing::countsOf("h=1 m=1 d=3 bm=1");
    EXPECT_EQ(output(OutputForm::Text, kWorkedExample, true),
              "المذهب: الحنفي\n" + solutionText(counts, solveWithSteps(counts)));
}

TEST(Explain, JsonStepsKeepTheirContract)
{
    const nlohmann::json result = nlohmann::json::parse(output(OutputForm::Json, kWorkedExample, true));
    const nlohmann::json& steps = result.at("steps");
    for (const nlohmann::json& step : steps) {
        EXPECT_TRUE(step.at("step").is_string());
        EXPECT_FALSE(step.at("text").get<std::string>().empty());
    }
    EXPECT_EQ(stepOf(steps, "excluded", "bm").at("by"), nlohmann::json::array({"d"}));
    const nlohmann::json husband = stepOf(steps, "fixed", "h");
    EXPECT_EQ(husband.at("share"), "1/4");
    EXPECT_EQ(husband.at("basis"), "4:12");
    EXPECT_EQ(stepOf(steps, "base").at("value"), 12);
    EXPECT_EQ(stepOf(steps, "increase").at("from"), 12);
    EXPECT_EQ(stepOf(steps, "increase").at("to"), 13);
    EXPECT_EQ(stepOf(steps, "correction").at("factor"), 3);
    EXPECT_EQ(stepOf(steps, "correction").at("reduced_by"), 1);
    EXPECT_EQ(stepOf(steps, "correction").at("to"), 39);
    EXPECT_EQ(stepOf(steps, "correction").at("groups"),
              nlohmann::json::parse(R"([{"kinds": ["d"], "parts": 8, "heads": 3, "factor": 3}])"));
    const nlohmann::json daughters = stepOf(steps, "division", "d");
    EXPECT_EQ(daughters.at("parts"), 24);
    EXPECT_EQ(daughters.at("per_head"), 8);

    // Three daughters alone: the table's correction is 1.5 (3 of the reduced 2),
    // the step's multiplier whole, with the reduction after it.
    const nlohmann::json daughtersAlone = nlohmann::json::parse(output(OutputForm::Json, {"d=3"}, true));
    const nlohmann::json correction = stepOf(daughtersAlone.at("steps"), "correction");
    EXPECT_EQ(correction.at("factor"), 3);
    EXPECT_EQ(correction.at("reduced_by"), 2);
    EXPECT_EQ(correction.at("to"), 3);

    const nlohmann::json pair = nlohmann::json::parse(output(OutputForm::Json, {"s=1", "d=2"}, true));
    EXPECT_EQ(stepOf(pair.at("steps"), "residue", "s").at("with"), nlohmann::json::array({"d"}));
    const nlohmann::json mushtaraka =
        nlohmann::json::parse(output(OutputForm::Json, {"h=1", "m=1", "bm=2", "b=1"}, true));
    EXPECT_FALSE(stepOf(mushtaraka.at("steps"), "nothing_left", "b").is_null());
    EXPECT_EQ(stepOf(mushtaraka.at("steps"), "named").size(), 2u);  // step and text only
}

// A school's rule names the kinds whose parts it decides, so that every
// entered kind is accounted for under every school.
TEST(Explain, SchoolStepsNameTheKindsTheyDecide)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CalcOptions options{OutputForm::Json, {"gf=1", "si=1", "bf=1"}, {}};
    options.explain = true;
    options.school = "shafii";
    ASSERT_EQ(runCalculator(options, in, out, err), kExitOk) << err.str();
    const nlohmann::json result = nlohmann::json::parse(out.str());
    const nlohmann::json grandfather = stepOf(result.at("steps"), "school");
    EXPECT_EQ(grandfather.at("rule"), "grandfather");
    EXPECT_EQ(grandfather.at("kinds"), nlohmann::json::array({"bf", "si", "gf"}));
    EXPECT_EQ(grandfather.at("share"), "2/5");
}

TEST(Explain, StepsOnlyWhenAskedFor)
{
    EXPECT_FALSE(nlohmann::json::parse(output(OutputForm::Json, kWorkedExample, false)).contains("steps"));
    const std::string batch = output(OutputForm::Batch, {}, true, "{\"h\":1,\"m\":1,\"f\":1}\n{\"h\":1,\"w\":1}\n");
    std::istringstream lines(batch);
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(nlohmann::json::parse(first).at("steps").empty());
    // A case the validation stops is not divided: it has no steps.
    EXPECT_TRUE(nlohmann::json::parse(second).at("steps").empty());
}

}  // namespace
}  // namespace qismaru::calc
