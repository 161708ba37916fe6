// The Arabic of the step-by-step solution at the points a teacher checks
// first: the reason and basis of a share, who excludes whom, where the
// schools differ, and the correction as the program computed it. The sweep
// checks every figure of every solution against its result.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "present/solution_steps.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using testing::countsOf;

struct Sentence {
    const char* name;
    std::string_view counts;
    std::string_view expected;  // one sentence of the solution, or a part of one
};

std::string PrintToString(const Sentence& s) { return s.name; }

class SolutionSentenceTest : public ::testing::TestWithParam<Sentence> {};

TEST_P(SolutionSentenceTest, SolutionSays)
{
    const KindCounts counts = countsOf(GetParam().counts);
    const std::string text = solutionText(counts, solveWithSteps(counts));
    EXPECT_NE(text.find(GetParam().expected), std::string::npos) << text;
}

const Sentence kSentences[] = {
    {"spouse_reduced_by_descendant", "h=1 m=1 d=3 bm=1", "- للزوج الربع فرضًا لوجود الفرع الوارث (النساء 12)."},
    {"daughter_excludes_uterine", "h=1 m=1 d=3 bm=1", "- لا شيء للأخ أو الأخت لأم لوجود البنات."},
    {"increase_from_the_table", "h=1 m=1 d=3 bm=1", "فتعول المسألة من 12 إلى 13"},
    {"correction_by_heads", "h=1 m=1 d=3 bm=1",
     "وبين 8 و3 تباين، فيُؤخذ عدد الرؤوس كاملًا 3؛ فجزء السهم 3، وتصح المسألة من 13 × 3 = 39."},
    {"heads_of_the_division", "h=1 m=1 d=3 bm=1", "- للبنات 24 من 39، لكل واحدة 8."},
    {"sixth_beside_a_daughter_from_the_sunnah", "d=1 gd=1", "تكملة للثلثين (السنة: حديث ابن مسعود، رواه البخاري)."},
    {"two_daughters_exclude_sons_daughters", "d=2 gd=1", "- لا شيء لبنت الابن لاستكمال البنتين الثلثين وعدم المعصب."},
    {"an_excluded_excluder_is_not_named", "f=1 gf=1 b=1", "- لا شيء للأخ الشقيق لوجود الأب."},
    {"sister_residuary_beside_a_daughter", "d=1 si=1 bf=1", "- لا شيء للأخ لأب لوجود الأخت الشقيقة عصبةً مع البنت."},
    {"grandfather_and_brothers_by_school", "gf=1 b=1",
     "وحجب الجد للإخوة قول أبي حنيفة، وعند مالك والشافعي وأحمد وصاحبي أبي حنيفة يقاسمهم الجد."},
    {"grandmother_beside_father_by_school", "gm=1 f=1", "ولا يحجب الأب الجدات هنا، وهو قول الحنابلة"},
    {"mushtaraka_by_school", "h=1 m=1 bm=2 b=1", "وعند المالكية والشافعية يشاركون الإخوة لأم في ثلثهم."},
    {"umariyyatan_mother", "h=1 m=1 f=1", "- في العمريتين: للأم ثلث الباقي بعد فرض الزوج، وهو 1/6 من التركة"},
    {"umariyyatan_base", "h=1 m=1 f=1", "يُضرب الأصل في 3: 2 × 3 = 6."},
    {"father_sixth_when_nothing_is_left", "h=1 d=1 gd=1 m=1 f=1",
     "ولم يبق بعد الفروض شيء، فيُفرض له السدس وتعول به المسألة"},
    {"return_with_a_spouse", "w=1 d=2 gm=1",
     "ومسألة الزوجية من 8، للزوجة منها 1 ويبقى 7؛ وبين 7 و5 تباين، فيُضرب 5 في 8، فأصل المسألة 40."},
    {"return_without_a_spouse", "m=1 d=1", "وتُرد المسألة من 6 إلى 4"},
    {"one_step_of_euclid_told_as_computed", "w=2 d=6 gm=5",
     "فيضرب البرنامج أحدهما في الآخر: 60 (وهما في الحقيقة متوافقان بـ2، وأصغر عدد ينقسم عليهما 30)"},
    {"return_to_one_kind_from_its_heads", "d=3", "فالمسألة من عدد رؤوسهم؛ فتصح المسألة من 3."},
    {"no_return_to_a_spouse_alone", "h=1", "ولا يُرد على الزوجين عند جمهور الفقهاء، فيبقى 1/2 من التركة"},
    {"son_and_daughters_two_to_one", "s=1 d=2 w=1",
     "- للابن الباقي (7/8) تعصيبًا بالنفس مع البنتين، للذكر مثل حظ الأنثيين (النساء 11)."},
    {"named_case_as_announced", "h=1 m=1 si=1", "- هذه المسألة تسمى مسألةالمباهلة"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SolutionSentenceTest, ::testing::ValuesIn(kSentences),
                         [](const auto& info) { return std::string(info.param.name); });

// Where the schools differ, the solution tells the school's rule with its
// figures, once, and no Hanafi exclusion of the siblings is left in it.
TEST(SolutionSteps, TheSchoolsRules)
{
    using enum School;
    const std::tuple<Positions, std::string_view, std::string_view> cases[] = {
        {{Shafii}, "gf=1 si=1 bf=1", "فللجد الأحظ من أمرين: المقاسمة 2/5 (يُعدّ الجد أخًا والأخت نصف أخ، فالرؤوس 5"},
        {{Shafii}, "gf=1 si=1 bf=1", "ثم تأخذ الأخت الشقيقة منه إلى تمام فرضها النصف، ويبقى للأخ لأب 1/10"},
        {{Hanbali}, "b=3 w=1 d=2 gf=1", "وثلث الباقي 5/72، وسدس المال 1/6؛ فالسدس أحظ له، ويبقى للإخوة الأشقاء 1/24"},
        {{Maliki}, "si=1 h=1 m=1 gf=1", "ويُفرض للأخت الشقيقة النصف فتعول المسألة إلى 9"},
        {{Maliki}, "bm=2 bf=1 h=1 m=1 gf=1", "فيأخذ الجد الباقي كله ولا شيء للأخ لأب؛ وهو قول مالك"},
        {{Maliki}, "bm=2 b=1 h=1 m=1", "فيشترك الأخ الشقيق مع الاثنين من الإخوة لأم في ثلثهم"},
        {{Shafii, false, true}, "d=1 m=1", "يبقى 1/3 من التركة لبيت المال"},
        {{Hanbali, true, false}, "w=2", "فتُرد المسألة من 4 إلى 1 ويأخذ التركة كلها"},
        // The base from the sharers, or from the heads, then the correction.
        {{Shafii}, "h=1 gf=1 b=1", "فأصل المسألة 2."},
        {{Shafii}, "h=1 gf=1 b=1", "2 × 2 = 4"},
        {{Hanbali}, "m=1 gf=1 si=1", "3 × 3 = 9"},
        {{Maliki}, "gf=1 si=1 bf=1", "(الذكر برأسين والأنثى برأس): 5."},
        {{Maliki}, "gf=1 si=1 bf=1", "5 × 2 = 10"},
        {{Shafii}, "h=1 gm=1 gf=1 si=1", "6 × 3 = 18"},
        {{Maliki}, "bf=1 sif=1 si=1 m=1 gf=1", "108 ÷ 2 = 54"},  // al-Mukhtasara, reduced as Zayd did
        {{Hanbali}, "b=3 m=1 gf=1", "6 × 3 = 18."},              // the third of what the mother leaves
        {{Hanbali}, "gf=1 si=1 sif=1", "4 ÷ 2 = 2"},             // reduced below the heads
    };
    for (const auto& [positions, heirs, expected] : cases) {
        const KindCounts counts = countsOf(heirs);
        const std::vector<SolutionStep> steps = solveWithSteps(counts, positions);
        const std::string text = solutionText(counts, steps);
        EXPECT_NE(text.find(expected), std::string::npos) << text;
        EXPECT_EQ(text.find("وحجب الجد للإخوة قول أبي حنيفة"), std::string::npos) << text;
        EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [](const SolutionStep& s) {
            return s.type == StepType::School && !s.rule.empty();
        })) << text;
    }
}

TEST(SolutionSteps, ACaseTheValidationStopsHasNoSolution)
{
    EXPECT_TRUE(solveWithSteps(countsOf("h=1 w=1")).empty());
    EXPECT_TRUE(solveWithSteps(countsOf("w=5")).empty());
}

}  // namespace
}  // namespace qismaru
