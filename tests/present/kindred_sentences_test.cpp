// The solution of a case with distant kindred, told from the decisions of
// their division: each row a case and a sentence its solution must hold.

#include <gtest/gtest.h>

#include "present/solution_steps.h"
#include "tests/support/path_text.h"

namespace qismaru {
namespace {

struct SentenceRow {
    std::string_view heirs;
    Positions positions;
    std::string_view sentence;
};

TEST(KindredSentences, EachDecisionInTheBooksWords)
{
    const SentenceRow rows[] = {
        {"m.si=1 si.d@1=1 si.d@2=1 sim.d@1=1 sim.d@2=1", {School::Hanbali}, "تُنزَّل الخالة الشقيقة منزلة الأم."},
        {"m.si=1 si.d@1=1 si.d@2=1 sim.d@1=1 sim.d@2=1", {School::Hanbali}, "فتصح المسألة من 7."},
        // al-Mughni (islamweb 15/4224): "بنت بنت وبنت بنت ابن: من أربعة".
        {"d.d=1 s.d.d=1", {School::Hanbali}, "- لبنت البنت 3 من 4.\n- لبنت بنت الابن 1 من 4.\n"},
        // The spouse's full quarter, the rest theirs on one base: 2 of 8 and 3 to each.
        {"w=1 d.s=2", {School::Hanafi}, "\nالقسمة\n- للزوجة 2 من 8.\n- لابني البنت 6 من 8، لكل واحد 3.\n"},
        {"m.b=1 m.bf=1 m.bm=1", {School::Hanbali}, "فتُجعل كأنها الميتة ويُقسم نصيبها (الكل) بينهم كما يرثونها"},
        {"d.s.d=1 d.d.s=1",
         {School::Shafii},
         "بين من أدلوا بها للذكر مثل حظ الأنثيين: لابن البنت 2/3، ولبنت البنت 1/3"},
        {"d.d.d=1 s.d.d=1", {School::Hanbali}, "لا شيء لبنت بنت البنت: تُقدَّم عليها بنت بنت الابن لأنها أسبق إلى وارث"},
        {"w=1 d.d=1", {School::Hanafi}, "ليس في المسألة صاحب فرض غير الزوجة ولا عاصب، فتأخذ الزوجة ربعها كاملًا"},
        {"w=1 d.d=1", {School::Maliki, false, true}, "فيبقى 3/4 من التركة لبيت المال"},
        {"d.d=1", {School::Maliki, false, true}, "فما بقي لبيت المال"},
        {"m=1 m.b=1",
         {School::Hanafi},
         "\nالحجب\n- لا يرث ذوو الأرحام مع صاحب فرض غير الزوجين ولا مع عاصب، وفي المسألة الأم؛ فلا شيء للخال الشقيق."},
        {"d.d.d=2 d.s.d=3", {School::Hanafi}, "لبنت البنت (فروعها 2) 1/4، ولابن البنت (فروعه 3) 3/4"},
        {"f.si=1 m.b=1", {School::Hanafi}, "ولقرابة الأب الثلثان (2/3)، ولقرابة الأم الثلث (1/3)"},
        {"f.sif=1 f.sim=1", {School::Hanafi}, "لا شيء للعمة لأم: تُقدَّم عليها العمة لأب لأنها أقوى قرابة."},
        {"si.s=1 b.d=1", {School::Hanafi, false, false, KindredMethod::AbuYusuf}, "على قول أبي يوسف"},
        // The first generation that differs is the persons' own: their shares are said once.
        {"d.d@1=1 d.s@2=1",
         {School::Hanafi},
         "فيُقسم على أبدانهم للذكر مثل حظ الأنثيين: لبنت البنت (@1) 1/3، ولابن البنت (@2) 2/3.\n\nالتصحيح"},
        // One root takes all: no division among the roots is told.
        {"si.s=1 m.b=1", {School::Hanafi}, "لأنه من صنف مقدَّم.\n- ولابن الأخت الشقيقة الكل.\n\nالتصحيح"},
    };
    for (const SentenceRow& row : rows) {
        const std::vector<RelativeEntry> entries = testing::entriesOf(row.heirs);
        const std::string solution = solutionText(entries, solveWithSteps(entries, row.positions));
        EXPECT_NE(solution.find(row.sentence), std::string::npos) << row.heirs << "\n" << solution;
    }
}

}  // namespace
}  // namespace qismaru
