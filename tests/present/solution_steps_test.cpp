// The Arabic of the step-by-step solution at the points a teacher checks
// first: the reason and basis of a share, who excludes whom, where the
// schools differ, and the correction as the program computed it. The sweep
// checks every figure of every solution against its result.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "present/combined_sentences.h"
#include "present/combined_table_text.h"
#include "present/heir_names.h"
#include "present/solution_steps.h"
#include "tests/support/death_text.h"

namespace qismaru {
namespace {

using testing::countsOf;

struct Sentence {
    const char* name;
    std::string_view counts;
    std::string_view expected;  // one sentence of the solution, or a part of one
    Positions positions{};
    bool markedWrong = false;  // a teacher marks these words wrong here: the solution must not say them
};

constexpr bool kMarkedWrong = true;

std::string PrintToString(const Sentence& s) { return s.name; }

class SolutionSentenceTest : public ::testing::TestWithParam<Sentence> {};

TEST_P(SolutionSentenceTest, SolutionSays)
{
    const KindCounts counts = countsOf(GetParam().counts);
    const std::string text = solutionText(counts, solveWithSteps(counts, GetParam().positions));
    EXPECT_EQ(text.find(GetParam().expected) == std::string::npos, GetParam().markedWrong) << text;
}

using enum School;

const Sentence kSentences[] = {
    {"heirs_as_a_teacher_lists_them", "w=1 d=3 m=1 bm=1", "الورثة: زوجة، وثلاث بنات، وأم، وأخ لأم\n"},
    {"heirs_two_and_many", "h=1 si=2 b=12 gd=8",
     "الورثة: زوج، وثماني بنات ابن، وإخوة أشقاء عددهم 12، وأختان شقيقتان\n"},
    {"spouse_reduced_by_descendant", "h=1 m=1 d=3 bm=1",
     "- للزوج الربع فرضًا لوجود الفرع الوارث (النساء 12)؛ وهذا حجب نقصان من النصف إلى الربع."},
    {"daughter_excludes_uterine", "h=1 m=1 d=3 bm=1", "- يُحجب الأخ لأم حجب حرمان لوجود البنات، فلا شيء له."},
    {"excluded_dual_is_a_subject", "f=1 si=2", "- تُحجب الأختان الشقيقتان حجب حرمان لوجود الأب، فلا شيء لهما."},
    {"excluded_plural_is_a_subject", "s=1 gd=3", "- تُحجب بنات الابن حجب حرمان لوجود الابن، فلا شيء لهن."},
    {"increase_from_the_table", "h=1 m=1 d=3 bm=1", "فتعول المسألة من 12 إلى 13"},
    {"correction_by_heads", "h=1 m=1 d=3 bm=1",
     "وبين 8 و3 تباين، فيُؤخذ عدد الرؤوس كاملًا 3؛ فجزء السهم 3، وتصح المسألة من 13 × 3 = 39."},
    {"heads_of_the_division", "h=1 m=1 d=3 bm=1", "- للبنات 24 من 39، لكل واحدة 8."},
    {"sixth_beside_a_daughter_from_the_sunnah", "d=1 gd=1",
     "تكملة للثلثين (السنة: حديث ابن مسعود، رواه البخاري)؛ وهذا حجب نقصان من النصف إلى السدس."},
    {"two_daughters_exclude_sons_daughters", "d=2 gd=1",
     "- تُحجب بنت الابن حجب حرمان لاستكمال البنتين الثلثين وعدم المعصب، فلا شيء لها."},
    {"an_excluded_excluder_is_not_named", "f=1 gf=1 b=1", "- يُحجب الأخ الشقيق حجب حرمان لوجود الأب، فلا شيء له."},
    {"sister_residuary_beside_a_daughter", "d=1 si=1 bf=1",
     "- يُحجب الأخ لأب حجب حرمان لوجود الأخت الشقيقة عصبةً مع البنت، فلا شيء له."},
    {"an_excluded_heir_is_no_reason", "d=2 gd=2 si=1 sif=2 bf=1 u=1",
     "- يُحجب الأخ لأب حجب حرمان لوجود الأخت الشقيقة عصبةً مع البنتين، فلا شيء له."},
    {"grandfather_and_brothers_by_school", "gf=1 b=1",
     "وحجب الجد للإخوة قول أبي حنيفة، وعند مالك والشافعي وأحمد وصاحبي أبي حنيفة يقاسمهم الجد."},
    {"grandmothers_beside_father_by_school", "gm=2 f=1", "ولا يحجب الأب الجدات هنا، وهو قول الحنابلة"},
    // Beside the father one grandmother is the mother's mother, whom no school excludes.
    {"one_grandmother_beside_father", "gm=1 f=1", "قول الحنابلة", {Shafii}, kMarkedWrong},
    // Which grandmother "gm" stands for decides the school's answer: the note says so, and where to write her side.
    {"lone_grandmother_is_the_mothers_mother",
     "gm=1 f=1",
     "والجدة مع الأب هي أم الأم، لأن الأب يحجب أمه عند الحنفية والمالكية والشافعية؛ ولجواب المذهب في أم الأب اكتب "
     "الجدة بجهتها: f.m.",
     {Shafii}},
    {"grandmothers_beside_father_by_their_side", "gm=2 f=1",
     "ولجواب المذهب اكتب كل جدة بجهتها: m.m لأم الأم، وf.m لأم الأب"},
    {"hanbali_grandmothers_need_no_side", "gm=2 f=1", "ولجواب المذهب", {Hanbali}, kMarkedWrong},
    {"grandfather_keeps_his_mother_out", "gm=2 gf=1", "ويحجب الجد أمه عند الحنفية والمالكية والشافعية", {Shafii}},
    {"mushtaraka_by_school", "h=1 m=1 bm=2 b=1", "وعند المالكية والشافعية يشاركون الإخوة لأم في ثلثهم."},
    {"umariyyatan_mother", "h=1 m=1 f=1", "- في العمريتين: للأم ثلث الباقي بعد فرض الزوج، وهو 1/6 من التركة"},
    {"umariyyatan_base", "h=1 m=1 f=1", "يُضرب الأصل في 3: 2 × 3 = 6."},
    {"father_sixth_when_nothing_is_left", "h=1 d=1 gd=1 m=1 f=1",
     "ولم يبق بعد الفروض شيء، فيُفرض له السدس وتعول به المسألة"},
    {"return_with_a_spouse", "w=1 d=2 gm=1",
     "ومسألة الزوجية من 8، للزوجة منها 1 ويبقى 7؛ وبين 7 و5 تباين، فيُضرب 5 في 8، فأصل المسألة 40."},
    {"return_without_a_spouse", "m=1 d=1", "فيُرد الباقي على البنت والأم بقدر فرضيهما، وتُرد المسألة من 6 إلى 4"},
    {"return_to_women", "d=3 gm=2", "فيُرد الباقي على البنات والجدتين بقدر فرضيهن"},
    {"return_to_three_kinds", "d=1 gd=1 gm=1 bm=0", "فيُرد الباقي على البنت وبنت الابن والجدة بقدر فروضهن"},
    {"return_to_men_and_women", "m=1 bm=2", "فيُرد الباقي على الأم والأخوين لأم بقدر فرضيهم"},
    {"one_step_of_euclid_told_as_computed", "w=2 d=6 gm=5",
     "فيضرب البرنامج أحدهما في الآخر: 60 (وهما في الحقيقة متوافقان بـ2، وأصغر عدد ينقسم عليهما 30)"},
    {"return_to_one_kind_from_its_heads", "d=3", "فالمسألة من عدد رؤوسهم؛ فتصح المسألة من 3."},
    {"return_to_one_kind_straight_to_its_heads", "gm=2", "من 6 إلى 1", {}, kMarkedWrong},
    {"return_to_one_heir_from_her_head", "m=1", "الرد كله للأم، وإذا كان أهل الرد صنفًا واحدًا فالمسألة من عدد"},
    {"no_return_to_a_spouse_alone", "h=1", "ولا يُرد على الزوجين عند جمهور الفقهاء، فيبقى 1/2 من التركة"},
    {"no_return_spouse_alone_leaves_to_the_treasury",
     "h=1",
     "ولا رد ولا يرث ذوو الأرحام في أصل المذهب الشافعي، فيبقى 1/2 من التركة لبيت المال؛",
     {Shafii, false, true}},
    {"son_and_daughters_two_to_one", "w=1 f=1 m=1 s=1 d=2",
     "- للابن والبنتين الباقي (13/24) تعصيبًا، للذكر مثل حظ الأنثيين (النساء 11)، والبنتان عصبة بالغير.\n"},
    {"sharers_of_the_remainder_told_once", "w=1 f=1 m=1 s=1 d=2", "للبنتين الباقي", {}, kMarkedWrong},
    {"pair_heads_in_persons", "b=1 si=2 h=1", "وعدد الرؤوس 4 (الذكر برأسين والأنثى برأس)"},
    {"named_case_spaced_as_written", "h=1 m=1 si=1", "- هذه المسألة تسمى مسألة المباهلة\n"},
    {"minbariyya", "w=1 f=1 m=1 d=2", "- هذه المسألة تسمى المنبرية: سُئل عنها علي رضي الله عنه وهو على المنبر"},
    {"dinariyya", "w=1 m=1 d=2 b=12 si=1", "- هذه المسألة تسمى الدينارية الكبرى: ترك الميت 600 دينار"},
    // The grandfather with the siblings, after Zayd.
    {"kharqa", "m=1 gf=1 sif=1", "- هذه المسألة تسمى الخرقاء", {Shafii}},
    {"ashriyya", "gf=1 si=1 bf=1", "- هذه المسألة تسمى العشرية (عشرية زيد)، لأنها تصح من 10", {Maliki}},
    {"ishriniyya", "gf=1 si=1 sif=2", "- هذه المسألة تسمى العشرينية، لأنها تصح من 20", {Hanbali}},
    {"mukhtasara", "gm=1 gf=1 si=1 bf=1 sif=1", "- هذه المسألة تسمى مختصرة زيد", {Shafii}},
    {"tisiniyya", "m=1 gf=1 si=1 bf=2 sif=1", "- هذه المسألة تسمى التسعينية (تسعينية زيد)، لأنها تصح من 90", {Hanbali}},
    {"options_equal",
     "gf=1 b=2",
     "وثلث المال 1/3؛ واستوت المقاسمة والثلث، فالنصيب واحد، ويأخذه بالمقاسمة في هذا البرنامج، ومن الفرضيين من "
     "يعبّر عنه بالثلث لقوة الفرض",
     {Hanbali}},
    {"heads_of_brothers_alone", "gf=1 b=2", "(يُعدّ الجد أخًا، فالرؤوس 3 وللجد منها رأس)", {Shafii}},
    {"heads_in_persons",
     "gf=1 si=1 bf=1",
     "(يُعدّ الجد أخًا، الذكر برأسين والأنثى برأس، فالرؤوس 5 وللجد منها رأسان)",
     {Shafii}},
    {"counted_brothers_give_back",
     "w=2 gf=1 b=2 si=1 bf=1",
     "- ويعُدّ الأخوان الشقيقان والأخت الشقيقة الأخ لأب على الجد ليقلّ نصيبه (المعادة)، ثم يأخذون منه ما كان له، "
     "1/7 من التركة؛",
     {Shafii}},
    {"counted_sisters_take_their_share",
     "gf=1 si=2 sif=2",
     "- وتعُدّ الأختان الشقيقتان الأختين لأب على الجد ليقلّ نصيبه (المعادة)، ثم تأخذان منهما ما يتمّ به فرضهما "
     "الثلثان؛",
     {Maliki}},
    {"counted_then_excluded",
     "gf=1 b=1 bf=1",
     "ولا معادة عند الحنفية إذ يحجب الجد الإخوة.\n- ثم يُحجب الأخ لأب حجب حرمان لوجود الأخ الشقيق، فلا شيء له.\n",
     {Shafii}},
    {"counted_sister_leaves_the_rest", "gf=1 si=1 bf=1", "ثم تأخذ منه ما يتمّ به فرضها النصف، ويبقى له 1/10", {Shafii}},
    {"malikiyya",
     "h=1 m=1 gf=1 bm=2 bf=2",
     "وهذه المالكية: لولا الجد لأخذ الإخوة لأم الثلث ولم يبق للأخوين لأب شيء، فلما حجبهم الجد كان أحق بالثلث "
     "منهم، فيأخذ الجد الباقي كله، ولا شيء للأخوين لأب؛ وهو قول مالك، وعليه المالكية،",
     {Maliki}},
    {"like_the_malikiyya",
     "h=1 m=1 gf=1 bm=2 b=1",
     "وهذه شبه المالكية: لولا الجد لكانت المشرَّكة، ولا يرث فيها الأخ الشقيق إلا بقرابة الأم؛ والجد يحجب ولد "
     "الأم، فيحجبه معهما؛ فيأخذ الجد الباقي كله، ولا شيء للأخ الشقيق؛ وهو قول مالك، وعليه المالكية،",
     {Maliki}},
    {"mushtaraka_shared",
     "h=1 m=1 bm=2 b=2",
     "فيشترك الأخوان الشقيقان مع الأخوين لأم في ثلثهما، ويُعدّون كلهم إخوة لأم",
     {Shafii}},
    {"mushtaraka_pooled_heads",
     "h=1 m=1 bm=2 b=2",
     "- سهام الأخوين الشقيقين والأخوين لأم في الثلث 2، وعدد رؤوسهم 4، ولا تنقسم عليه؛",
     {Maliki}},
    {"spouse_given_the_whole",
     "w=2",
     "فتُعطى الزوجتان الفرض 1/4 ويُرد عليهما الباقي، فتُرد المسألة من 4 إلى 1 وتأخذان التركة كلها؛",
     {Hanbali, true}},
};

INSTANTIATE_TEST_SUITE_P(Cases, SolutionSentenceTest, ::testing::ValuesIn(kSentences),
                         [](const auto& info) { return std::string(info.param.name); });

// Where the schools differ, the solution tells the school's rule with its
// figures, once, and no Hanafi exclusion of the siblings is left in it.
TEST(SolutionSteps, TheSchoolsRules)
{
    const std::tuple<Positions, std::string_view, std::string_view> cases[] = {
        {{Shafii}, "gf=1 si=1 bf=1", "فللجد الأحظ من أمرين: المقاسمة 2/5 (يُعدّ الجد أخًا، الذكر برأسين"},
        {{Hanbali}, "b=3 w=1 d=2 gf=1", "وثلث الباقي 5/72، وسدس المال 1/6؛ فالسدس أحظ له، ويبقى للإخوة الأشقاء 1/24"},
        {{Maliki}, "si=1 h=1 m=1 gf=1", "ويُفرض للأخت الشقيقة النصف فتعول المسألة إلى 9"},
        {{Maliki}, "bm=2 bf=1 h=1 m=1 gf=1", "فيأخذ الجد الباقي كله، ولا شيء للأخ لأب؛ وهو قول مالك"},
        {{Maliki}, "bm=2 b=1 h=1 m=1", "فيشترك الأخ الشقيق مع الأخوين لأم في ثلثهما"},
        {{Shafii, false, true}, "d=1 m=1", "يبقى 1/3 من التركة لبيت المال"},
        {{Hanbali, true, false}, "w=2", "فتُرد المسألة من 4 إلى 1 وتأخذان التركة كلها"},
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

// The books' named cases are named only where the program's division is
// theirs: not under the Hanafi school, whose grandfather excludes the
// siblings, and not for heirs that only resemble them.
TEST(SolutionSteps, NoBookNameForAnotherDivision)
{
    const std::pair<Positions, std::string_view> cases[] = {
        {{Hanafi}, "gf=1 si=1 bf=1"},  {{Hanafi}, "m=1 gf=1 si=1"},         {{Shafii}, "m=1 gf=1 si=2"},
        {{Shafii}, "w=1 f=1 m=1 d=3"}, {{Hanafi}, "w=1 m=1 d=2 b=11 si=1"}, {{Shafii}, "h=1 gf=1 si=1 bf=1"},
    };
    const std::string_view names[] = {"الخرقاء",   "العشرية",  "العشرينية", "مختصرة",
                                      "التسعينية", "المنبرية", "الدينارية"};
    for (const auto& [positions, heirs] : cases) {
        const KindCounts counts = countsOf(heirs);
        const std::string text = solutionText(counts, solveWithSteps(counts, positions));
        for (const std::string_view name : names) EXPECT_EQ(text.find(name), std::string::npos) << heirs << text;
    }
}

// Every counted kind at one, two, three and a large count: a dual subject
// is the nominative of the dual the other cases share (ان against ين, and
// a dual in construct ا against ي), a verb before a subject takes its
// gender alone, a verb after it its number too, and the list of the heirs
// counts them as Arabic counts.
TEST(HeirNames, EveryKindInItsCaseNumberAndGender)
{
    const auto nominativeOf = [](std::string oblique) {
        for (std::size_t at = oblique.find("ين"); at != std::string::npos; at = oblique.find("ين", at + 1)) {
            const std::size_t end = at + std::string_view("ين").size();
            if (end == oblique.size() || oblique[end] == ' ') oblique.replace(at, std::string_view("ين").size(), "ان");
        }
        const std::size_t firstEnd = oblique.find(' ');
        if (firstEnd != std::string::npos && oblique.compare(firstEnd - 2, 2, "ي") == 0) {
            oblique.replace(firstEnd - 2, 2, "ا");
        }
        return oblique;
    };
    for (const HeirKindInfo& info : heirKinds()) {
        if (info.entry != EntryKind::Counted) continue;
        for (const int n : {1, 2, 3, 12}) {
            const std::string nominative = heirName(info.kind, n, Nominative);
            const std::string genitive = heirName(info.kind, n, Genitive);
            EXPECT_EQ(heirName(info.kind, n, Accusative), genitive) << info.code << n;
            EXPECT_EQ(n == 2 ? nominativeOf(genitive) : genitive, nominative) << info.code << n;
            EXPECT_TRUE(n != 2 || nominative != genitive) << info.code;

            const Agreement heirs = agreementOf(info.kind, n);
            EXPECT_EQ(verbBefore(kTakes, heirs), heirs.feminine ? "تأخذ" : "يأخذ") << info.code << n;
            const std::string_view after[2][3] = {{"يأخذ", "يأخذان", "يأخذون"}, {"تأخذ", "تأخذان", "يأخذن"}};
            EXPECT_EQ(verbAfter(kTakes, heirs), after[heirs.feminine][std::min(n, 3) - 1]) << info.code << n;

            const std::string listed = countedHeirs(info.kind, n);
            const bool digits = listed.find_first_of("0123456789") != std::string::npos;
            EXPECT_EQ(digits, n > 10) << listed;
            EXPECT_TRUE(n != 3 || listed.starts_with(heirs.feminine ? "ثلاث " : "ثلاثة ")) << listed;
            EXPECT_TRUE(n != 12 || listed.ends_with(heirs.feminine ? "عددهن 12" : "عددهم 12")) << listed;
        }
    }
    const std::tuple<HeirKind, int, std::string_view> listed[] = {
        {HeirKind::Daughters, 3, "ثلاث بنات"},
        {HeirKind::FullBrothers, 3, "ثلاثة إخوة أشقاء"},
        {HeirKind::FullSisters, 8, "ثماني أخوات شقيقات"},
        {HeirKind::ConsanguineUncles, 10, "عشرة أعمام لأب"},
        {HeirKind::SonsSons, 2, "ابنا ابن"},
        {HeirKind::SonsDaughters, 11, "بنات ابن عددهن 11"},
        {HeirKind::FullUnclesSons, 25, "أبناء عم شقيق عددهم 25"},
        {HeirKind::UterineSiblings, 2, "أخوان لأم"},
        {HeirKind::Wives, 4, "أربع زوجات"},
    };
    for (const auto& [kind, n, expected] : listed) EXPECT_EQ(countedHeirs(kind, n), expected);
}

// A later deceased as the combined base's sentences, the heading of his or
// her case and the combined table name him or her: verb, pronouns, title and
// the row's note agree with a woman; a uterine sibling, whose sex is not
// entered, is "ولد الأم", masculine in grammar as the word is.
TEST(SuccessiveDeaths, TheDeceasedIsNamedInGender)
{
    using testing::died;
    const std::vector<LaterDeath> sonThenDaughter{died("1:s", "m=1 si=1", {{"m", "1:w"}, {"si", "1:d"}}),
                                                  died("1:d", "m=1", {{"m", "1:w"}})};
    const std::tuple<std::string_view, std::vector<LaterDeath>, std::string_view> rows[] = {
        {"si=2 u=1",
         {died("1:si", "si=1 u=1", {{"si", "1:si"}, {"u", "1:u"}})},
         "ماتت إحدى الأختين الشقيقتين في المسألة الأولى قبل القسمة، وهي الميتة الثانية، ومسألتها تصح من 2، "
         "وسهامها من المسألة الأولى 3 هي 1؛ وبين 1 و2 تباين، فتُضرب مسألتها كاملة 2"},
        {"w=1 s=1 d=1", sonThenDaughter, "الميتة الثالثة: البنت في المسألة الأولى، ماتت قبل القسمة\n"},
        {"w=1 s=1 d=1", sonThenDaughter, "|الميتة الثالثة\n"},
        {"w=1 s=1 d=1", sonThenDaughter, "ماتت قبل القسمة، فانتقلت سهامها إلى ورثتها\n"},
        {"w=1 s=1 d=1",
         {died("1:w", "s=1 d=1", {{"s", "1:s"}, {"d", "1:d"}})},
         "ماتت الزوجة في المسألة الأولى قبل القسمة، وهي الميتة الثانية، ومسألتها"},
        {"m=1 bm=2 u=1",
         {died("1:bm", "m=1 bm=1", {{"m", "1:m"}, {"bm", "1:bm"}})},
         "مات أحد ولدي الأم في المسألة الأولى قبل القسمة، وهو الميت الثاني، ومسألته"},
    };
    for (const auto& [first, later, expected] : rows) {
        const CombinedComputation c = computeSuccessiveDeaths(countsOf(first), later);
        ASSERT_FALSE(c.refusal.refused()) << first;
        std::string text;
        for (std::size_t i = 0; i < later.size(); ++i) {
            text += laterDeathHeading(static_cast<int>(i) + 2, later[i], c.deaths) + "\n";
        }
        for (const CombinedStep& step : combinedSteps(c.deaths, later, c.table)) text += step.text + "\n";
        const CombinedTableText table = combinedTableText(c.table);
        text += tableLines(table, "|");
        for (const std::string& note : table.notes) text += note + "\n";
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

TEST(SolutionSteps, ACaseTheValidationStopsHasNoSolution)
{
    EXPECT_TRUE(solveWithSteps(countsOf("h=1 w=1")).empty());
    EXPECT_TRUE(solveWithSteps(countsOf("w=5")).empty());
}

}  // namespace
}  // namespace qismaru
