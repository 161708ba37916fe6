// The notation of a relative as a path, and the refusals of what is no heir.

#include <gtest/gtest.h>

#include "model/relative_case.h"
#include "tests/support/path_text.h"

namespace qismaru {
namespace {

using enum KinshipKind;

struct Reading {
    std::string_view written;
    std::string_view text;  // the path read back, or the start of the refusal
    std::optional<KinshipKind> kinship = std::nullopt;
};

TEST(RelativePath, ReadsTheNotationAndItsRefusals)
{
    const Reading rows[] = {
        {"s.s.s", "s.s.s", Descendant},
        {"gs", "s.s", Descendant},
        {"gf.m", "f.f.m", Grandmother},
        {"f.f.bf.s", "f.f.bf.s", Agnate},
        {"mut.b.s", "mut.b.s", EmancipatorsAgnate},
        {"mut.mut", "mut.mut", Emancipator},
        {"mut.d", "mut.d", EmancipatorsWoman},
        {"bm.s", "bm.s", DistantKindred},
        {"m.f.m", "m.f.m", DistantKindred},
        {"f.si", "f.si", DistantKindred},
        {"s.d.s", "s.d.s", DistantKindred},
        {"mut.d.s", "mut.d.s", NotOfTheWala},
        {"h.m", "h.m", NotRelative},
        {"s.w", "s.w", NotRelative},
        {"gm", "gm", GrandmotherSide},
        {"f.s", "'f.s': 's' after 'f' turns back"},
        {"s.b", "'s.b': 'b' after 's' turns back"},
        {"s..s", "'s..s': a letter is missing"},
        {"x.s", "'x.s': unknown letter 'x'"},
        {"gm.m", "'gm.m': 'gm' (a grandmother whose side is not given) stands alone"},
        {"s.mut", "'s.mut': 'mut' (the emancipator) begins a path"},
        {"d.d@", "'d.d@': the label after '@'"},
    };
    for (const Reading& row : rows) {
        const PathReading read = readRelative(row.written);
        if (!row.kinship) {
            EXPECT_FALSE(read.relative) << row.written;
            EXPECT_EQ(read.error.substr(0, row.text.size()), row.text) << row.written;
            continue;
        }
        ASSERT_TRUE(read.relative) << row.written << ": " << read.error;
        EXPECT_EQ(read.relative->path.text(), row.text);
        EXPECT_EQ(kinshipOf(read.relative->path).kind, *row.kinship) << row.written;
    }
    EXPECT_EQ(readRelative("d.d@line-2").relative->label, "line-2");
    EXPECT_EQ(RelativePath::ofKind(HeirKind::FullUnclesSons).text(), "f.b.s");
}

struct CaseRefusal {
    std::string_view heirs;
    std::string_view starts;  // "" for a case that is accepted
};

TEST(RelativeCase, RefusesWhatIsNoHeirInOneLine)
{
    const CaseRefusal rows[] = {
        {"m.f=2", "'m.f' is one person: the count is 1, not 2"},
        {"m.f.m@1=1 m.f.m@2=1", "'m.f.m' is one person: a label cannot tell two apart"},
        {"d.d@1=1 d.d@2=2 m.f.m=1 f.si=3", ""},
        {"h.m=1", "'h.m' is a spouse's relative"},
        {"mut.bm=1", "'mut.bm' is related to the emancipator through a woman"},
        {"f=2", "'f' is one person"},
        {"f.m@1=1 f.m@2=1", "'f.m' is one person"},
        {"gs=1 s.s=1", "'s.s' is given twice (as 'gs')"},
        {"d.d@1=1 d.d@1=2", "'d.d@1' is given twice"},
        {"gs@x=1 s.s@x=1", "'s.s@x' is given twice (as 'gs@x')"},
        {"gm=1 m.m=1", "a grandmother whose side is not given (gm) cannot stand beside"},
        {"s.s@1=1 s.s@2=2 m.m=1 mut.d=1", ""},
    };
    for (const CaseRefusal& row : rows) {
        const std::string why = relativesProblem(testing::entriesOf(row.heirs));
        EXPECT_EQ(why.substr(0, row.starts.size()), row.starts) << row.heirs;
        EXPECT_EQ(why.empty(), row.starts.empty()) << row.heirs << ": " << why;
    }
    // A grandmother of a line the school does not count is of the distant kindred there.
    const Kinship grandfathersMother = kinshipOf(RelativePath{Link::Father, Link::Father, Link::Mother});
    EXPECT_TRUE(isDistantKindred(grandfathersMother, School::Maliki));
    EXPECT_FALSE(isDistantKindred(grandfathersMother, School::Hanbali));
    EXPECT_TRUE(isDistantKindred(kinshipOf(readRelative("f.f.f.m").relative->path), School::Hanbali));
}

TEST(RelativeCase, TheTwentyOneKindsAreNamesOfPaths)
{
    const KindCounts counts = *kindCountsOf(testing::entriesOf("gs=2 f.b.s=1 m=1 bm=3"));
    EXPECT_EQ(counts.of(HeirKind::SonsSons), 2);
    EXPECT_EQ(counts.of(HeirKind::FullUnclesSons), 1);
    EXPECT_EQ(counts.of(HeirKind::UterineSiblings), 3);
    EXPECT_EQ(kindCountsOf(entriesOf(counts))->count, counts.count);
    EXPECT_FALSE(kindCountsOf(testing::entriesOf("sim=2 bm=1")));  // the sex given is more than the kind says
    EXPECT_FALSE(kindCountsOf(testing::entriesOf("gs@1=1")));
}

}  // namespace
}  // namespace qismaru
