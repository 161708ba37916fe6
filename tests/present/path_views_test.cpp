// A case written by path as the table and the solution show it: a row for
// each relative, and sentences that name the relatives with the books'
// reasons (the source beside each row), then one generated family of paths
// whose every table and solution is checked against its division.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "present/result_table.h"
#include "present/solution_steps.h"
#include "tests/support/path_text.h"

namespace qismaru {
namespace {

using testing::entriesOf;
using enum School;

struct PathSentence {
    const char* name;
    std::string_view heirs;
    std::string_view expected;  // a part of the solution's text
    School school = Hanafi;
    bool markedWrong = false;  // the solution must not say it
};

std::string PrintToString(const PathSentence& s) { return s.name; }

class PathSolutionTest : public ::testing::TestWithParam<PathSentence> {};

TEST_P(PathSolutionTest, SolutionSays)
{
    const std::vector<RelativeEntry> entries = entriesOf(GetParam().heirs);
    const std::string text = solutionText(entries, solveWithSteps(entries, Positions{GetParam().school}));
    EXPECT_EQ(text.find(GetParam().expected) == std::string::npos, GetParam().markedWrong) << text;
}

const PathSentence kPathSentences[] = {
    {"heirs_as_entered", "w=1 s.s.s=2 f.m=1 b.s.s@1=3",
     "الورثة: زوجة، وابنا ابن ابن، وأم الأب، وثلاثة أبناء ابن أخ شقيق (@1)\n"},
    // A son's son's son who inherits by the sons' rules is named as he is.
    {"lower_son_by_his_name", "s.s.s=1 b=1", "- يُحجب الأخ الشقيق حجب حرمان لوجود ابن ابن الابن، فلا شيء له."},
    {"lower_son_never_the_son", "s.s.s=1 b=1", "للابن", Hanafi, true},
    // al-Bayan (shamela 21721/4396-4397).
    {"completing_sixth_a_level_down", "d=1 s.d=2 s.s.s=1",
     "- لبنتي الابن السدس فرضًا مع البنت الواحدة، تكملة للثلثين، ولا يعصبهما ابن ابن الابن، لأنه أنزل منهما ولهما "
     "فرض في الثلثين (السنة: حديث ابن مسعود، رواه البخاري)؛ وهذا حجب نقصان من الثلثين إلى السدس."},
    {"completing_sixth_heads", "d=1 s.d=2 s.s.s=1", "- سهام بنتي الابن 1، وعدد الرؤوس 2، ولا تنقسم عليه؛"},
    {"blessed_kinsman", "d=2 s.d=1 s.s.s=1",
     "وابن ابن الابن هو القريب المبارك: عصّب بنت الابن وهو أنزل منها، إذ لا شيء لها في الثلثين."},
    {"below_the_nearest_male", "d=1 s.s=1 s.s.d=1",
     "- تُحجب بنت ابن الابن حجب حرمان لوجود ابن الابن، وهو أقرب إلى الميت منها، فلا شيء لها؛"},
    {"two_thirds_complete", "d=1 s.d=1 s.s.d=2",
     "- تُحجب بنتا ابن الابن حجب حرمان لاستكمال البنت وبنت الابن الثلثين وعدم المعصب، فلا شيء لهما."},
    {"daughters_place_a_level_down", "s.d=1 s.s.s=1",
     "- لبنت الابن النصف فرضًا للانفراد، ولعدم الفرع الوارث الأعلى منها والمعصب (النساء 11، وبنات الابن كالبنات"},
    // The grandmothers (FIQH chapter 1: al-Fiqh al-Manhaji 877; Bidayat al-Mujtahid 822; Majma' al-Anhur).
    {"mother_excludes_grandmothers", "m=1 m.m=1 s=1",
     "- تُحجب أم الأم حجب حرمان لوجود الأم، فلا شيء لها؛ تحجب الأمُّ الجداتِ من كل جهة بالإجماع."},
    {"father_excludes_his_mother", "f=1 f.m=1 m.m=1", "- تُحجب أم الأب حجب حرمان لوجود الأب، لأنها تدلي به", Shafii},
    {"grandmother_with_her_son", "f=1 f.m=1 m.m=1", "- لأم الأب وأم الأم السدس فرضًا لعدم الأم، بالسوية بين", Hanbali},
    {"excluded_nearer_still_blocks", "f=1 f.m=1 m.m.m=1",
     "والقربى تحجب البعدى عند الحنفية وارثةً كانت أو محجوبة، وعند المالكية والشافعية ترث أم أم الأم"},
    {"nearer_maternal_excludes", "s=1 m.m=1 f.m.m=1",
     "- تُحجب أم أم الأب حجب حرمان لوجود أم الأم، وهي أقرب منها، فلا شيء لها؛ والقربى من جهة الأم تحجب البعدى من "
     "جهة الأب باتفاق المذاهب."},
    {"nearer_paternal_excludes", "s=1 f.m=1 m.m.m=1",
     "والقربى من جهة الأب تحجب البعدى من جهة الأم عند الحنفية والحنابلة", Hanbali},
    {"farther_grandfather", "f=1 f.f=1 f.f.f=1",
     "- يُحجب أبو أبي الأب حجب حرمان لوجود الأب، فلا شيء له؛ والأقرب يحجب الأبعد."},
    // The agnates in their order (shamela 9851/4610).
    {"nearer_consanguine_nephew", "bf.s=1 b.s.s=1",
     "لوجود ابن الأخ لأب، وهو أقرب منه درجة، فلا شيء له؛ والأقرب درجة مقدم على الأبعد وإن كان الأبعد أقوى قرابة."},
    {"cousin_before_fathers_uncle", "f.bf.s.s.s=1 f.f.b=1", "؛ وجهة العمومة مقدمة على جهة عمومة الأب."},
    {"by_whoever_keeps_the_nearest_out", "f=1 b=1 b.s.s=1",
     "- يُحجب ابن ابن الأخ الشقيق حجب حرمان لوجود الأب، فلا شيء له."},
    {"lines_told_apart", "h=1 b.s.s@1=1 b.s.s@2=2", "- لابني ابن الأخ الشقيق (@2) 2 من 6، لكل واحد 1."},
    // The emancipator (FIQH chapter 3).
    {"emancipator_by_cause", "d=1 mut=1",
     "- للمعتق الباقي (1/2) تعصيبًا، عصبةً بالسبب (الولاء)، لحديث «إنما الولاء لمن أعتق»، رواه البخاري ومسلم؛"},
    {"kinsmen_before_the_wala", "u=1 mut=1",
     "- يُحجب المعتق حجب حرمان لوجود العم الشقيق، فلا شيء له؛ والعصبة بالنسب مقدمون على العصبة بالسبب."},
    {"women_of_the_emancipator", "mut.s=1 mut.d=1",
     "- لا شيء لبنت المعتق، فليس للنساء من الولاء إلا ما أعتقن أو أعتق من أعتقن."},
    {"emancipators_sons_before_his_father", "mut.f=1 mut.s.s=1", "وجهة البنوة مقدمة على جهة الأبوة."},
};

INSTANTIATE_TEST_SUITE_P(Cases, PathSolutionTest, ::testing::ValuesIn(kPathSentences),
                         [](const auto& info) { return std::string(info.param.name); });

// The rows of a table, each as its cells in reading order joined by "|".
std::vector<std::string> rowsOf(const ResultTable& table)
{
    std::vector<std::string> rows;
    for (const TableRow& row : table.rows) {
        std::string line;
        for (const TableColumn column : kTableColumns) {
            std::string cell = row.text(column);
            cell.erase(0, cell.find_first_not_of(' '));
            cell.erase(cell.find_last_not_of(' ') + 1);
            line += (column == TableColumn::Heir ? "" : "|") + cell;
        }
        rows.push_back(line);
    }
    return rows;
}

TEST(PathTable, ARowForEveryRelative)
{
    struct Row {
        std::string_view heirs;
        School school;
        std::vector<std::string> rows;
    };
    const Row examples[] = {
        {"d=1 s.d=2 s.s.s=1",
         Hanafi,
         {"بنت 1|1 / 2|6||%50", "بنت ابن 2|1 / 6|2|1  لكل|%16.66", "ابن ابن ابن 1|الباقي|4||%33.33"}},
        // Two grandmothers share the sixth; a grandmother is one person, and
        // a woman of the emancipator's family is no heir of his.
        {"s=1 m.m=1 f.m=1 mut.d=1",
         Shafii,
         {"ابن 1|الباقي|10||%83.33", "أم الأم|شريكة في السدس|1||%8.333", "أم الأب|شريكة في السدس|1||%8.333",
          "بنت المعتق 1|لا شيء|0||"}},
        {"w=1 s.s.s=2 b=1 f.m=1 f=1",
         Hanafi,
         {"زوجة 1|1 / 8|6||%12.5", "ابن ابن ابن 2|الباقي|34|17  لكل|%70.83", "أخ شقيق 1|محجوب|0||", "أم الأب|محجوب|0||",
          "أب|1 / 6|8||%16.66"}},
        // The Mushtaraka by path: the full brother left nothing, his son kept out.
        {"h=1 m=1 bm=2 b=1 b.s=1",
         Hanafi,
         {"زوج|1 / 2|3||%50", "أم|1 / 6|1||%16.66", "إخوة لأم 2|1 / 3|2|1  لكل|%33.33", "أخ شقيق 1|لا شيء|0||",
          "ابن أخ شقيق 1|محجوب|0||"}},
        {"h=1 b.s.s@1=1 b.s.s@2=2",
         Hanafi,
         {"زوج|1 / 2|3||%50", "ابن ابن أخ شقيق @1 1|شريك في الباقي|1||%16.66",
          "ابن ابن أخ شقيق @2 2|شريك في الباقي|2|1  لكل|%33.33"}},
    };
    for (const Row& example : examples) {
        const std::vector<RelativeEntry> entries = entriesOf(example.heirs);
        const PathComputation p = computeCase(entries, Positions{example.school});
        ASSERT_TRUE(p.divided()) << example.heirs;
        EXPECT_EQ(rowsOf(buildResultTable(entries, p, TableMedium::Screen)), example.rows) << example.heirs;
    }
    // Distant kindred beside the wife: her quarter of 4, the rest theirs,
    // corrected to 8 over the daughter's two sons; the header says so.
    const std::vector<RelativeEntry> kindred = entriesOf("w=1 d.s=2");
    const ResultTable table = buildResultTable(kindred, computeCase(kindred, Positions{Hanafi}), TableMedium::Screen);
    EXPECT_EQ(rowsOf(table), (std::vector<std::string>{"زوجة 1|1 / 4|2||%25", "ابن بنت 2|بالرحم|6|3  لكل|%75"}));
    EXPECT_EQ(table.base, " 8 ");
    EXPECT_EQ(table.totals, (std::vector<std::string>{" 4 =أصل المسألة", " 8 =التصحيح"}));
}

// What a table and a solution of a case by path must hold: a row for every
// relative with his parts, a division step for every one paid with his
// parts, a step about every one who is not, and sentences that are whole.
std::string viewBroken(std::span<const RelativeEntry> entries, const PathComputation& p,
                       const std::vector<SolutionStep>& steps)
{
    const ResultTable table = buildResultTable(entries, p, TableMedium::Screen);
    if (table.rows.size() != entries.size()) return "a relative has no row";
    for (const SolutionStep& s : steps) {
        if (s.text.empty() || s.text.starts_with("؛") || s.text.find("  ") != std::string::npos) {
            return "a broken sentence: " + s.text;
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string written =
            entries[i].label.empty() ? entries[i].written() : entries[i].written() + "@" + entries[i].label;
        const RelativeShare share = shareOf(p, entries, i);
        const bool toldOf = std::any_of(steps.begin(), steps.end(), [&](const SolutionStep& s) {
            const bool about = std::find(s.relatives.begin(), s.relatives.end(), written) != s.relatives.end();
            if (share.parts > 0) return about && s.type == StepType::Division && s.value == share.parts;
            return about && (s.type == StepType::Excluded || s.type == StepType::NothingLeft ||
                             s.type == StepType::School || s.type == StepType::Kindred);
        });
        if (!toldOf) return written + ": no step tells his part";
    }
    return "";
}

// Up to three relatives from every chapter, the distant kindred too, under
// every school.
TEST(PathViews, GeneratedFamilyIsToldWhole)
{
    const char* const pool[] = {"s",       "d",     "s.d", "s.s.s", "s.s.d", "s.s.s.s", "f",    "f.f",   "f.f.f",
                                "m",       "m.m",   "f.m", "f.f.m", "m.m.m", "gm",      "h",    "w",     "b",
                                "si",      "bf",    "sif", "bm",    "sim",   "b.s",     "bf.s", "b.s.s", "f.b",
                                "f.b.s.s", "f.f.b", "mut", "mut.s", "mut.d", "mut.b",   "d.d",  "si.s",  "m.b"};
    long told = 0;
    std::vector<RelativeEntry> entries;
    const std::function<void(std::size_t)> extend = [&](std::size_t from) {
        for (const School school : {Hanafi, Maliki, Shafii, Hanbali}) {
            if (entries.empty()) break;
            DecisionTrace trace;
            KindredTrace kindredTrace;
            const PathComputation p = computeCase(entries, Positions{school}, &trace, &kindredTrace);
            if (!p.divided()) continue;
            ++told;
            const std::string broken = viewBroken(entries, p, solutionSteps(entries, p, trace, kindredTrace));
            if (broken.empty()) continue;
            std::string text;
            for (const RelativeEntry& e : entries) text += e.written() + "=" + std::to_string(e.count) + " ";
            FAIL() << text << "(" << schoolInfo(school).key << "): " << broken;
        }
        if (entries.size() == 3) return;
        for (std::size_t k = from; k < std::size(pool); ++k) {
            // Two of the first kind, for the heads of a row and a sentence.
            for (const int count : {1, 2}) {
                if (count == 2 && !entries.empty()) continue;
                entries.push_back(entriesOf(std::string(pool[k]) + "=" + std::to_string(count))[0]);
                extend(k + 1);
                entries.pop_back();
            }
        }
    };
    extend(0);
    EXPECT_GT(told, 20000);
}

}  // namespace
}  // namespace qismaru
