// The result table as placed texts: the exact items, their anchors and their
// order, for the screen and for the paper.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/compute_case.h"
#include "present/result_table.h"
#include "tests/support/case_text.h"

namespace qismaru {

void PrintTo(const PlacedText& item, std::ostream* os)
{
    *os << "{" << item.x << ", " << item.y << ", \"" << item.text << "\"}";
}

namespace {

using testing::countsOf;

std::vector<PlacedText> tableOf(std::string_view counts, TableMedium medium = TableMedium::Screen)
{
    const KindCounts c = countsOf(counts);
    return layoutResultTable(c, computeCase(c).result, medium);
}

struct TableExample {
    std::string name;
    std::string_view counts;
    std::vector<PlacedText> expected;
};

std::string PrintToString(const TableExample& e) { return e.name; }

class ResultTableTest : public ::testing::TestWithParam<TableExample> {};

TEST_P(ResultTableTest, ExactPlacedTexts) { EXPECT_EQ(tableOf(GetParam().counts), GetParam().expected); }

const TableExample kTables[] = {
    {"husband_mother_father",
     "h=1 m=1 f=1",
     {{6000, 600, "أم"},
      {4500, 600, "ثلث الباقي "},
      {3500, 600, " 1 "},
      {1000, 600, "%16.66"},
      {6000, 800, "زوج"},
      {4500, 800, " 1 / 2 "},
      {3500, 800, " 3 "},
      {1000, 800, "%50"},
      {6000, 1000, "أب"},
      {4500, 1000, "الباقي"},
      {3500, 1000, " 2 "},
      {1000, 1000, "%33.33"},
      {3500, 200, " 6 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 6 =أصل المسألة"}}},
    {"increase_six_to_eight",
     "h=1 si=2 m=1",
     {{6000, 600, "أم"},
      {4500, 600, " 1 / 6 "},
      {3500, 600, " 1 "},
      {1000, 600, "%12.5"},
      {6000, 800, "زوج"},
      {4500, 800, " 1 / 2 "},
      {3500, 800, " 3 "},
      {1000, 800, "%37.5"},
      {6000, 1000, "أخت شقيقة 2 "},
      {4500, 1000, " 2 / 3 "},
      {3500, 1000, " 4 "},
      {1000, 1000, "%50"},
      {2100, 1000, " 2  لكل"},
      {3500, 200, " 8 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 6 =أصل المسألة"},
      {4500, 3400, " 8 =عالت إلى"}}},
    {"father_and_mother_scaled_alike",
     "w=1 d=2 f=1 m=1",
     {{6000, 600, "أم"},
      {4500, 600, " 1 / 6 "},
      {3500, 600, " 4 "},
      {1000, 600, "%14.81"},
      {6000, 800, "زوجة 1 "},
      {4500, 800, " 1 / 8 "},
      {3500, 800, " 3 "},
      {1000, 800, "%11.11"},
      {6000, 1000, "أب"},
      {4500, 1000, " 1 / 6 "},
      {3500, 1000, " 4 "},
      {1000, 1000, "%14.81"},
      {6000, 1200, "بنت 2 "},
      {4500, 1200, " 2 / 3 "},
      {3500, 1200, " 16 "},
      {1000, 1200, "%59.25"},
      {2100, 1200, " 8  لكل"},
      {3500, 200, " 27 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 24 =أصل المسألة"},
      {4500, 3400, " 27 =عالت إلى"}}},
    {"three_daughters_reduced_and_corrected",
     "d=3",
     {{6000, 600, "بنت 3 "},
      {4500, 600, " 2 / 3 "},
      {3500, 600, " 3 "},
      {1000, 600, "%100"},
      {2100, 600, " 1  لكل"},
      {3500, 200, " 3 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 3 =أصل المسألة"},
      {4500, 3400, " 2 =نقصت إلى"},
      {4500, 3600, " 3 =التصحيح"}}},
    {"return_with_spouse_has_no_reduced_line",
     "h=1 d=3",
     {{6000, 600, "زوج"},
      {4500, 600, " 1 / 4 "},
      {3500, 600, " 1 "},
      {1000, 600, "%25"},
      {6000, 800, "بنت 3 "},
      {4500, 800, " 2 / 3 "},
      {3500, 800, " 3 "},
      {1000, 800, "%75"},
      {2100, 800, " 1  لكل"},
      {3500, 200, " 4 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 4 =أصل المسألة"}}},
    {"residuary_pair_and_per_head_fraction_free",
     "w=1 s=1 d=2",
     {{6000, 600, "زوجة 1 "},
      {4500, 600, " 1 / 8 "},
      {3500, 600, " 4 "},
      {1000, 600, "%12.5"},
      {6000, 800, "ابن 1 "},
      {4500, 800, "شريك في الباقي"},
      {3500, 800, " 14 "},
      {1000, 800, "%43.75"},
      {6000, 1000, "بنت 2 "},
      {4500, 1000, "شريك في الباقي"},
      {3500, 1000, " 14 "},
      {1000, 1000, "%43.75"},
      {2100, 1000, " 7  لكل"},
      {3500, 200, " 32 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 8 =أصل المسألة"},
      {4500, 3400, " 32 =التصحيح"}}},
    {"excluded_heirs_leave_no_gap",
     "f=1 gf=1 b=2 d=1",
     {{6000, 600, "أب"},
      {4500, 600, "1/6+ الباقي"},
      {3500, 600, " 1 "},
      {1000, 600, "%50"},
      {6000, 800, "بنت 1 "},
      {4500, 800, " 1 / 2 "},
      {3500, 800, " 1 "},
      {1000, 800, "%50"},
      {3500, 200, " 2 "},
      {800, 200, "النسبةالمئوية"},
      {4500, 3200, " 2 =أصل المسألة"}}},
};
INSTANTIATE_TEST_SUITE_P(Screen, ResultTableTest, ::testing::ValuesIn(kTables), ::testing::PrintToStringParamName());

std::vector<std::string> namesInOrder(const std::vector<PlacedText>& items)
{
    std::vector<std::string> names;
    for (const PlacedText& item : items) {
        if (item.x == table_geometry::kHeirX) names.push_back(item.text);
    }
    return names;
}

TEST(PaperTable, MaleResiduariesBeforeFatherAndDaughters)
{
    EXPECT_EQ(namesInOrder(tableOf("m=1 f=1 s=2 d=1")), (std::vector<std::string>{"أم", "أب", "ابن 2 ", "بنت 1 "}));
    EXPECT_EQ(namesInOrder(tableOf("m=1 f=1 s=2 d=1", TableMedium::Paper)),
              (std::vector<std::string>{"أم", "ابن 2 ", "أب", "بنت 1 "}));
}

TEST(PaperTable, SameItemsAsTheScreenRowByRow)
{
    // On paper only the row order and the uterine siblings' name differ.
    for (const std::string_view counts : {"h=1 m=1 f=1", "w=3 d=2 m=1", "m=1 f=1 s=2 d=1", "h=1 m=1 bm=2 b=1"}) {
        auto screen = tableOf(counts);
        auto paper = tableOf(counts, TableMedium::Paper);
        for (auto& item : screen) {
            if (item.text.rfind("إخوة لأم", 0) == 0) item.text.replace(0, std::string("إخوة لأم").size(), "إخوةلأم");
        }
        const auto byText = [](const PlacedText& a, const PlacedText& b) { return a.text < b.text; };
        for (auto* items : {&screen, &paper}) {
            for (auto& item : *items) item.y = 0;
            std::sort(items->begin(), items->end(), byText);
        }
        EXPECT_EQ(screen, paper) << counts;
    }
}

TEST(PaperTable, UterineSiblingsWithoutTheirBlank)
{
    EXPECT_EQ(namesInOrder(tableOf("h=1 m=1 bm=2")), (std::vector<std::string>{"أم", "إخوة لأم 2 ", "زوج"}));
    EXPECT_EQ(namesInOrder(tableOf("h=1 m=1 bm=2", TableMedium::Paper)),
              (std::vector<std::string>{"أم", "إخوةلأم 2 ", "زوج"}));
}

TEST(ResultTable, RowsFollowEachOther200TwipsApart)
{
    const auto items = tableOf("w=2 m=1 f=1 s=3 d=2 gm=1 b=1");
    int expectedY = 600;
    for (const PlacedText& item : items) {
        if (item.x != table_geometry::kHeirX) continue;
        EXPECT_EQ(item.y, expectedY) << item.text;
        expectedY += 200;
    }
}

}  // namespace
}  // namespace qismaru
