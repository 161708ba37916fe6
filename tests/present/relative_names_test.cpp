// Names generated from a relative's path, as the books write them.

#include <gtest/gtest.h>

#include "present/relative_names.h"

namespace qismaru {
namespace {

struct NameRow {
    std::string_view path;
    NameForm form;
    std::string_view name;
};

RelativePath pathOf(std::string_view written) { return readRelative(written).relative->path; }

TEST(RelativeNames, NamedFromThePathInNumberAndCase)
{
    const NameRow rows[] = {
        {"s.s.s", {}, "ابن ابن ابن"},
        {"s.s.s", {1, Nominative, true}, "ابن ابن الابن"},
        {"s.s.d", {2, Nominative, true}, "بنتا ابن الابن"},
        {"s.s.d", {2, Genitive, true}, "بنتي ابن الابن"},
        {"s.s.s", {3, Nominative, true}, "أبناء ابن الابن"},
        {"f.f.m", {}, "أم أبي الأب"},
        {"f.f.f", {1, Nominative, true}, "أبو أبي الأب"},
        {"f.f.f", {1, Accusative, true}, "أبا أبي الأب"},
        {"m.m.m", {}, "أم أم الأم"},
        {"f.m", {1, Genitive, true}, "أم الأب"},
        {"f.f.b", {}, "عم الأب الشقيق"},
        {"f.f.b", {2, Nominative, true}, "عما الأب الشقيقان"},
        {"f.f.b.s", {}, "ابن عم الأب الشقيق"},
        {"f.f.bf.s", {1, Nominative, true}, "ابن عم الأب لأب"},
        {"b.s.s", {}, "ابن ابن أخ شقيق"},
        {"b.s.s", {2, Accusative, true}, "ابني ابن الأخ الشقيق"},
        {"f.b.s.s", {1, Nominative, true}, "ابن ابن العم الشقيق"},
        {"sim", {2, Nominative, true}, "الأختان لأم"},
        {"bm", {3, Nominative, true, true}, "الإخوة لأم"},
        {"mut", {1, Nominative, true}, "المعتق"},
        {"mut.s", {}, "ابن المعتق"},
        {"mut.b", {1, Genitive, true}, "أخي المعتق الشقيق"},
        {"mut.mut", {}, "معتق المعتق"},
        {"m.f.m", {}, "أم أبي الأم"},
        // The 21 kinds keep their names.
        {"f.b.s", {}, "ابن عم شقيق"},
        {"gs", {2, Genitive, true}, "ابني الابن"},
        {"f.f", {}, "جد"},
        {"bm", {1, Nominative, true}, "الأخ لأم"},
    };
    for (const NameRow& row : rows) EXPECT_EQ(relativeName(pathOf(row.path), row.form), row.name) << row.path;

    EXPECT_EQ(countedRelatives(pathOf("s.s.s"), 3), "ثلاثة أبناء ابن ابن");
    EXPECT_EQ(countedRelatives(pathOf("s.s.d"), 4), "أربع بنات ابن ابن");
    EXPECT_EQ(countedRelatives(pathOf("mut"), 12), "معتقون عددهم 12");
    EXPECT_EQ(countedRelatives(pathOf("sim"), 2), "أختان لأم");
    EXPECT_EQ(agreementOf(pathOf("f.f.m"), 1), (Agreement{true, 1}));
    EXPECT_EQ(agreementOf(pathOf("s.s.s"), 2), (Agreement{false, 2}));
}

}  // namespace
}  // namespace qismaru
