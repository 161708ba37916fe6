// Published solved cases as a cross-check of the rules: each case's heirs and
// the fraction of the estate that each kind of heir receives, as published.
// "qias-" ids come from the QIAS 2026 inheritance data set
// (bouchekif/mawarith_qias2026), "ilmsummit-" ids from the test page of
// inheritance.ilmsummit.org. Both sides are grouped by this program's kinds
// (maternal brothers and sisters are one kind, as are the two grandmothers).
// Chosen so that each exercises a rule that is easy to get wrong: the
// increase, the return with and without a spouse, the grandfather, son's
// daughters beside a daughter, sisters beside daughters, the remote agnates.

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "engine/compute_case.h"
#include "engine/parts.h"
#include "tests/support/case_text.h"

namespace qismaru {
namespace {

using testing::countsOf;

struct PublishedCase {
    const char* id;
    std::string_view heirs;
    std::string_view expected;  // "code=numerator/denominator ...", fractions of the estate
};

const PublishedCase kPublished[] = {
    {"qias-nk6e9y6m", "h=1 sif=3 su=4", "h=3/7 sif=4/7"},                                // awl
    {"qias-nh8h9u7n_4", "gd=5 h=1 gf=1 si=3", "gd=8/13 h=3/13 gf=2/13"},                 // awl
    {"qias-nr2k9v8r_4", "h=1 gm=1 sif=1 uf=4", "h=3/7 gm=1/7 sif=3/7"},                  // awl
    {"qias-ng3b9o6e", "d=1 bf=3 sif=5", "d=1/2 bf=3/11 sif=5/22"},                       // bf_sif
    {"qias-nj7v8f2b_4", "h=1 bm=3 bf=4 sif=5", "h=1/2 bm=1/3 bf=4/39 sif=5/78"},         // bf_sif
    {"qias-ni0s8m5r_6", "gm=2 bf=1 sif=5 uf=1 su=4", "gm=1/6 bf=5/21 sif=25/42"},        // bf_sif
    {"qias-ny1o2m8e_5", "d=1 gd=1 h=1 gm=1 uf=1", "d=6/13 gd=2/13 h=3/13 gm=2/13"},      // gd_d
    {"ilmsummit-61", "d=1 gd=1 w=1 m=1 b=1", "d=1/2 gd=1/6 w=1/8 m=1/6 b=1/24"},         // gd_d
    {"qias-nj4j6d0l", "d=2 gd=5 m=1 sb=1", "d=2/3 m=1/6 sb=1/6"},                        // gd_d
    {"qias-nr2j3a5y", "h=1 gf=1 bm=1 uf=4", "h=1/2 gf=1/2"},                             // gf
    {"qias-nu1a4h7g", "d=1 gd=1 m=1 gf=1 su=1", "d=1/2 gd=1/6 m=1/6 gf=1/6"},            // gf
    {"qias-ne2z3p5o", "m=1 gf=1 sb=2", "m=1/3 gf=2/3"},                                  // gf
    {"qias-ng8y7h3g_5", "gd=4 gf=1 gm=2 bf=3", "gd=2/3 gf=1/6 gm=1/6"},                  // grandmothers
    {"qias-no8d8u8b_5", "s=4 gm=2 bm=4 suf=3", "s=5/6 gm=1/6"},                          // grandmothers
    {"qias-nl1c4i1l_8", "s=4 d=3 gm=2 bf=3 sbf=2 su=5 suf=3", "s=20/33 d=5/22 gm=1/6"},  // grandmothers
    {"qias-nx6x0e1a_2", "bf=2 u=5", "bf=1"},                                             // plain
    {"qias-nr1u3v4m_2", "s=2 suf=5", "s=1"},                                             // plain
    {"qias-ao6h5b5k_1", "gs=1", "gs=1"},                                                 // plain
    {"qias-nx4s8e3d_1", "bm=2", "bm=1"},                                                 // radd
    {"qias-nt9v4y8w_2", "m=1 bm=3", "m=1/3 bm=2/3"},                                     // radd
    {"qias-na1r3d7g_1", "gm=1", "gm=1"},                                                 // radd
    {"qias-nr0t1j3s_2", "gd=5 w=1", "gd=7/8 w=1/8"},                                     // radd_spouse
    {"qias-nx6d4d6c", "w=2 gm=1 bm=3", "w=1/4 gm=1/4 bm=1/2"},                           // radd_spouse
    {"qias-nu2l0s3q", "w=3 si=5 sif=2", "w=1/4 si=3/4"},                                 // radd_spouse
    {"qias-nq5b3g7u_2", "gd=1 u=1", "gd=1/2 u=1/2"},                                     // remote
    {"qias-no3r1j3a", "gd=2 bm=3 si=1 sif=1 su=3 suf=5", "gd=2/3 si=1/3"},               // remote
    {"qias-ns4q1j4k_3", "si=5 sbf=2 suf=3", "si=2/3 sbf=1/3"},                           // remote
    {"qias-na9u7u3s_4", "gm=1 si=4 sif=5 sbf=1", "gm=1/6 si=2/3 sbf=1/6"},               // sif_si
    {"qias-np7o6c5j", "f=1 gf=1 si=2 sif=1 sbf=5 suf=1", "f=1"},                         // sif_si
    {"qias-nh7h4e2v_4", "gs=1 f=1 si=3 sif=3", "gs=5/6 f=1/6"},                          // sif_si
    {"qias-nm3n9u5t", "gd=4 gm=1 bm=4 sif=2", "gd=2/3 gm=1/6 sif=1/6"},                  // sister_with_daughter
    {"qias-nz8d6l1z_3", "gd=5 si=2 su=2", "gd=2/3 si=1/3"},                              // sister_with_daughter
    {"qias-nd8b8q3a", "d=1 sif=5 sbf=2 su=5 suf=1", "d=1/2 sif=1/2"},                    // sister_with_daughter
    {"qias-nb8r6b5t_4", "m=1 bm=2 sif=3 suf=1", "m=1/7 bm=2/7 sif=4/7"},                 // uterine
    {"qias-nn7m3t4s_2", "bm=1 su=4", "bm=1/6 su=5/6"},                                   // uterine
    {"qias-nn1y9m0b", "w=3 gm=1 bm=2 si=1 su=2", "w=1/5 gm=2/15 bm=4/15 si=2/5"},        // uterine
    {"qias-nm6v8y0x", "s=3 w=4 bm=1 u=1 uf=3", "s=7/8 w=1/8"},                           // wives
    {"qias-no0f4j3s", "w=2 gm=1 si=5 bf=5 su=4", "w=3/13 gm=2/13 si=8/13"},              // wives
    {"qias-nn5b0x6p_4", "w=4 gm=1 b=2 sbf=4", "w=1/4 gm=1/6 b=7/12"},                    // wives
};

// A reduced fraction as the published cases write it: "1/6", or "1" for the whole estate.
std::string reducedFraction(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t g = std::gcd(numerator, denominator);
    if (denominator == g) return std::to_string(numerator / g);  // the whole estate
    return std::to_string(numerator / g) + "/" + std::to_string(denominator / g);
}

std::string fractionsOfEstate(const KindCounts& counts)
{
    const CaseResult result = computeCase(counts).result;
    std::string text;
    for (const std::string_view code : {"s", "d",  "gs", "gd",  "h",  "w",   "m", "f",  "gf", "gm", "bm",
                                        "b", "si", "bf", "sif", "sb", "sbf", "u", "uf", "su", "suf"}) {
        const std::int64_t parts = partsOf(*kindFromCode(code), result);
        if (parts == 0) continue;
        if (!text.empty()) text += ' ';
        text += std::string(code) + "=" + reducedFraction(parts, finalBaseOf(result));
    }
    return text;
}

TEST(PublishedCases, FractionOfTheEstatePerKind)
{
    for (const PublishedCase& c : kPublished) {
        EXPECT_EQ(fractionsOfEstate(countsOf(c.heirs)), c.expected) << c.id << ": " << c.heirs;
    }
}

}  // namespace
}  // namespace qismaru
