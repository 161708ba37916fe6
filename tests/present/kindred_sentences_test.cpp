// The solution's sentences about the distant kindred, from the decisions of
// their division: each row a case and a sentence its solution must hold.

#include <gtest/gtest.h>

#include "present/kindred_sentences.h"
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
        {"m.si=1 si.d@1=1 si.d@2=1 sim.d@1=1 sim.d@2=1", {School::Hanbali}, "وتصح المسألة من 7."},
        {"m.b=1 m.bf=1 m.bm=1", {School::Hanbali}, "فتُجعل كأنها الميتة ويُقسم نصيبها (الكل) بينهم كما يرثونها"},
        {"d.s.d=1 d.d.s=1", {School::Shafii}, "بين من أدلوا بها للذكر مثل حظ الأنثيين: لابن البنت 2/3، لبنت البنت 1/3"},
        {"d.d.d=1 s.d.d=1", {School::Hanbali}, "لا شيء لبنت بنت البنت: تُقدَّم عليها بنت بنت الابن لأنها أسبق إلى وارث"},
        {"w=1 d.d=1", {School::Hanafi}, "ليس في المسألة صاحب فرض غير الزوجة ولا عاصب، فتأخذ الزوجة ربعها كاملًا"},
        {"w=1 d.d=1", {School::Maliki, false, true}, "فما بقي لبيت المال"},
        {"m=1 m.b=1", {School::Hanafi}, "وفي المسألة الأم؛ فلا شيء لهم."},
        {"d.d.d=2 d.s.d=3", {School::Hanafi}, "لبنت البنت (فروعها 2) 1/4، لابن البنت (فروعه 3) 3/4"},
        {"f.si=1 m.b=1", {School::Hanafi}, "ولقرابة الأب الثلثان (2/3)، ولقرابة الأم الثلث (1/3)"},
        {"f.sif=1 f.sim=1", {School::Hanafi}, "لا شيء للعمة لأم: تُقدَّم عليها العمة لأب لأنها أقوى قرابة."},
        {"si.s=1 b.d=1", {School::Hanafi, false, false, KindredMethod::AbuYusuf}, "على قول أبي يوسف"},
    };
    for (const SentenceRow& row : rows) {
        const std::vector<RelativeEntry> entries = testing::entriesOf(row.heirs);
        KindredTrace trace;
        const PathComputation computation = computeCase(entries, row.positions, nullptr, &trace);
        std::string solution;
        for (const std::string& sentence : kindredSentences(entries, computation, trace)) solution += sentence + "\n";
        EXPECT_NE(solution.find(row.sentence), std::string::npos) << row.heirs << "\n" << solution;
    }
}

}  // namespace
}  // namespace qismaru
