// The claims on an estate in their order, and the net divided by the table,
// to the minor unit, checked against sums a teacher does by hand.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/kind_groups.h"
#include "estate/estate_report.h"
#include "estate/settlement.h"
#include "present/result_table.h"
#include "tests/support/case_text.h"
#include "tests/sweep/case_sweep.h"

namespace qismaru::estate {
namespace {

using testing::countsOf;

Minor amount(const char* text, int decimals) { return *readAmount(text, decimals, DigitGrouping::Refused).minor; }

// GMP's rationals as the independent check of the 128-bit arithmetic: an
// exact amount read back from its text, a whole amount from its digits.
mpq_class rational(const Ratio& q) { return mpq_class(exactText(q)); }
mpz_class integer(Minor n) { return mpz_class(decimalText(n)); }
mpq_class cents(Minor n)
{
    mpq_class q(integer(n), 100);
    q.canonicalize();
    return q;
}

EstateInputs inputs(const char* gross, const char* funeral, const char* debts, const char* bequest, bool consent,
                    int decimals = 2)
{
    return {amount(gross, decimals),
            amount(funeral, decimals),
            amount(debts, decimals),
            amount(bequest, decimals),
            consent,
            decimals};
}

struct ClaimsRow {
    const char* name;
    EstateInputs in;
    // funeral paid, funeral unpaid, debts paid, debts unpaid, bequest allowed, net
    std::array<const char*, 6> expected;
};

TEST(Claims, FuneralThenDebtsThenTheBequestWithinItsThird)
{
    const ClaimsRow rows[] = {
        {"third of what the claims leave, cut to the cent",
         inputs("120000.50", "1000", "0", "50000", false),
         {"1000.00", "0.00", "0.00", "0.00", "39666.83", "79333.67"}},
        {"the heirs allow the whole bequest",
         inputs("120000.50", "1000", "0", "50000", true),
         {"1000.00", "0.00", "0.00", "0.00", "50000.00", "69000.50"}},
        {"a bequest within the third is met whole",
         inputs("90000", "0", "0", "20000", false),
         {"0.00", "0.00", "0.00", "0.00", "20000.00", "70000.00"}},
        {"the third is of what the debts leave",
         inputs("100", "10", "60", "50", false),
         {"10.00", "0.00", "60.00", "0.00", "10.00", "20.00"}},
        {"insolvent: nothing for the bequest or the heirs",
         inputs("10000", "500", "20000", "1000", true),
         {"500.00", "0.00", "9500.00", "10500.00", "0.00", "0.00"}},
        {"funeral costs beyond the estate",
         inputs("100", "150", "50", "0", false),
         {"100.00", "50.00", "0.00", "50.00", "0.00", "0.00"}},
        {"with consent, at most all that is left",
         inputs("100", "0", "0", "500", true),
         {"0.00", "0.00", "0.00", "0.00", "100.00", "0.00"}},
        {"no decimals: the third of 100 is 33",
         inputs("100", "0", "0", "100", false, 0),
         {"0", "0", "0", "0", "33", "67"}},
    };
    for (const ClaimsRow& row : rows) {
        const Claims c = settleClaims(row.in);
        const int d = row.in.decimals;
        const std::array<std::string, 6> got = {amountText(c.funeralPaid, d),    amountText(c.unpaidFuneral, d),
                                                amountText(c.debtsPaid, d),      amountText(c.unpaidDebts, d),
                                                amountText(c.bequestAllowed, d), amountText(c.net, d)};
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], row.expected[i]) << row.name << ", item " << i;
        EXPECT_TRUE(c.funeralPaid + c.debtsPaid + c.bequestAllowed + c.net == row.in.gross) << row.name;
    }
}

struct KindMoney {
    const char* amount;
    const char* perHead;
    const char* exact;
};

struct DivisionRow {
    const char* counts;
    const char* net;
    std::map<std::string, KindMoney> kinds;
    const char* undistributed;
    const char* roundingDifference;
    int decimals = 2;
};

TEST(Settlement, TheNetDividedByTheTableToTheMinorUnit)
{
    const DivisionRow rows[] = {
        // The README's worked example: 9, 6 and 24 parts of 39; the uterine brother is excluded.
        {"h=1 m=1 d=3 bm=1",
         "39000",
         {{"h", {"9000.00", "9000.00", "9000"}},
          {"m", {"6000.00", "6000.00", "6000"}},
          {"d", {"24000.00", "8000.00", "24000"}}},
         "0.00",
         "0.00"},
        // The spouse alone keeps the spouse's fraction; the rest is shown, not divided.
        {"h=1", "1000", {{"h", {"500.00", "500.00", "500"}}}, "500.00", "0.00"},
        {"w=3", "1000", {{"w", {"249.99", "83.33", "250"}}}, "750.00", "0.01"},
        // Each head cut down to the cent, never rounded up past the net.
        {"s=1 d=1", "100", {{"s", {"66.66", "66.66", "200/3"}}, {"d", {"33.33", "33.33", "100/3"}}}, "0.00", "0.01"},
        {"s=3", "100", {{"s", {"99.99", "33.33", "100"}}}, "0.00", "0.01"},
        {"d=2", "100.03", {{"d", {"100.02", "50.01", "10003/100"}}}, "0.00", "0.01"},
        {"b=2", "0.03", {{"b", {"0.02", "0.01", "3/100"}}}, "0.00", "0.01"},
        {"h=1 m=1 si=1",
         "7",
         {{"h", {"2", "2", "21/8"}}, {"m", {"1", "1", "7/4"}}, {"si", {"2", "2", "21/8"}}},
         "0",
         "2",
         0},
        // The return: 1/6 and 2/3 become 1/5 and 4/5.
        {"m=1 d=2", "100", {{"m", {"20.00", "20.00", "20"}}, {"d", {"80.00", "40.00", "80"}}}, "0.00", "0.00"},
    };
    for (const DivisionRow& row : rows) {
        const KindCounts counts = countsOf(row.counts);
        const int d = row.decimals;
        const Settlement s = settleEstate(inputs(row.net, "0", "0", "0", false, d), counts, computeCase(counts));
        ASSERT_EQ(s.division, NetOutcome::Divided) << row.counts;
        ASSERT_EQ(s.kinds.size(), row.kinds.size()) << row.counts;
        for (const KindAmount& k : s.kinds) {
            const KindMoney& want = row.kinds.at(std::string(infoOf(k.kind).code));
            EXPECT_EQ(amountText(k.amount, d), want.amount) << row.counts;
            EXPECT_EQ(amountText(k.perHead, d), want.perHead) << row.counts;
            EXPECT_EQ(exactText(k.exact), want.exact) << row.counts;
        }
        EXPECT_EQ(amountText(s.undistributed, d), row.undistributed) << row.counts;
        EXPECT_EQ(amountText(s.roundingDifference, d), row.roundingDifference) << row.counts;
    }
}

struct LegateeRow {
    Positions positions;
    const char* counts;
    const char* bequest;
    const char* fromRest;  // the rest of the bequest, out of what the spouse leaves
    const char* spouse;
    const char* undistributed;
};

// A lone spouse and a bequest beyond the third, of an estate of 1200: the
// Hanafi and Hanbali legatee takes the rest of it before the treasury, and
// only from what the spouse leaves; the Maliki and Shafi'i treasury is an
// heir that does not consent; a spouse who takes the whole can object.
TEST(Settlement, TheLegateeBeforeTheTreasuryBesideALoneSpouse)
{
    using enum School;
    const LegateeRow rows[] = {
        {{Hanafi}, "w=1", "1200", "600.00", "200.00", "0.00"},
        {{Hanbali}, "w=1", "1200", "600.00", "200.00", "0.00"},
        {{Hanafi}, "h=1", "500", "100.00", "400.00", "300.00"},  // no more than was asked
        {{Hanafi}, "w=1", "300", "0.00", "225.00", "675.00"},    // within the third: nothing beyond it
        {{Maliki}, "w=1", "1200", "0.00", "200.00", "600.00"},
        {{Shafii, false, true}, "h=1", "1200", "0.00", "400.00", "400.00"},
        {{Hanafi, true, false}, "w=2", "1200", "0.00", "800.00", "0.00"},
        {{Hanafi}, "w=1 d=1", "1200", "0.00", "100.00", "0.00"},  // an heir who can object
    };
    for (const LegateeRow& row : rows) {
        const KindCounts counts = countsOf(row.counts);
        const std::string name = std::string(schoolInfo(row.positions.school).key) + ": " + row.counts;
        const Settlement s =
            settleEstate(inputs("1200", "0", "0", row.bequest, false), counts, computeCase(counts, row.positions));
        EXPECT_EQ(amountText(s.bequestFromRest, 2), row.fromRest) << name;
        const auto spouse = std::find_if(s.kinds.begin(), s.kinds.end(), [](const KindAmount& k) {
            return k.kind == HeirKind::Husband || k.kind == HeirKind::Wives;
        });
        ASSERT_NE(spouse, s.kinds.end()) << name;
        EXPECT_EQ(amountText(spouse->amount, 2), row.spouse) << name;
        EXPECT_EQ(amountText(s.undistributed, 2), row.undistributed) << name;
    }
}

TEST(Settlement, ACaseWithoutATableIsNotDivided)
{
    for (const char* text : {"h=1 w=1", "w=5 d=1"}) {
        const KindCounts counts = countsOf(text);
        const Settlement s = settleEstate(inputs("1000", "0", "0", "0", false), counts, computeCase(counts));
        EXPECT_EQ(s.division, NetOutcome::NotDividedStopped) << text;
        EXPECT_TRUE(s.kinds.empty()) << text;
        EXPECT_EQ(decimalText(s.claims.net), "100000") << text;
    }
}

// The note on a spouse who is the only heir names the husband, the wife, two
// wives or more as they are, and its verb and pronoun agree with them.
TEST(Settlement, TheLoneSpouseNoteAgreesWithTheSpouse)
{
    const std::pair<const char*, const char*> rows[] = {
        {"h=1", "لا وارث غير الزوج، فلا يأخذ إلا فرضه؛"},
        {"w=1", "لا وارث غير الزوجة، فلا تأخذ إلا فرضها؛"},
        {"w=2", "لا وارث غير الزوجتين، فلا تأخذان إلا فرضهما؛"},
        {"w=3", "لا وارث غير الزوجات، فلا يأخذن إلا فرضهن؛"},
    };
    for (const auto& [heirs, expected] : rows) {
        const KindCounts counts = countsOf(heirs);
        const CaseComputation computation = computeCase(counts);
        const Settlement s = settleEstate(inputs("1000", "0", "0", "0", false), counts, computation);
        const std::string text = reportText(buildEstateReport(s, counts, computation.result, DigitGrouping::Refused));
        EXPECT_NE(text.find(expected), std::string::npos) << text;
    }
}

// 10^15 in thousandths over a corrected base of 6,636,725,670,927,168: the
// wives' eighth and the grandmothers' sixth come out as a teacher writes them.
TEST(Settlement, ExactAtAQuadrillionOverANearLimitBase)
{
    const KindCounts counts = countsOf("w=4 gm=32587 d=32531 gs=32561 gd=92");
    const CaseComputation c = computeCase(counts);
    ASSERT_EQ(c.result.finalBase, 6636725670927168);
    const Settlement s = settleEstate(inputs("1000000000000000", "0", "0", "0", false, 3), counts, c);
    std::map<HeirKind, const KindAmount*> by;
    mpq_class total = 0;
    for (const KindAmount& k : s.kinds) {
        by[k.kind] = &k;
        total += rational(k.exact);
    }
    EXPECT_EQ(exactText(by.at(HeirKind::Wives)->exact), "125000000000000");
    EXPECT_EQ(exactText(by.at(HeirKind::Wives)->perHeadExact), "31250000000000");
    EXPECT_EQ(exactText(by.at(HeirKind::Grandmothers)->exact), "500000000000000/3");
    EXPECT_EQ(amountText(by.at(HeirKind::Grandmothers)->perHead, 3),
              "5114513967.737");  // 10^15 / (6 × 32587), cut down
    EXPECT_EQ(exactText(by.at(HeirKind::Daughters)->exact), "2000000000000000/3");
    EXPECT_EQ(total, mpq_class(1000000000000000));
}

// Every case of the reduced sweep under every school and position, with an
// odd estate that no base divides and a bequest beyond the third: the exact
// amounts add up to the net (summed by GMP), the amounts with the rest of
// the bequest, the undistributed part and the rounding difference too; no
// head receives more than its exact share, nor a minor unit less; the
// difference is never negative; and the division has the table's rows.
TEST(Settlement, ReconcilesOverTheReducedSweepUnderEverySchool)
{
    using enum School;
    const EstateInputs in = inputs("987654321.07", "0", "0", "987654321.07", false);
    for (const Positions positions : {Positions{Hanafi}, Positions{Maliki}, Positions{Shafii}, Positions{Hanbali},
                                      Positions{Hanbali, true, false}, Positions{Maliki, false, true}}) {
        std::int64_t divided = 0;
        sweep::forEachCase(sweep::SweepSize::Reduced, [&](const KindCounts& counts) {
            const CaseComputation c = computeCase(counts, positions);
            if (c.outcome != CaseOutcome::Computed) return;
            ++divided;
            // Named only when a check fails: the sweep is long.
            const auto name = [&] {
                return std::string(schoolInfo(positions.school).key) + ": " + testing::textOf(counts);
            };
            const Settlement s = settleEstate(in, counts, c);
            const mpq_class net = cents(s.claims.net);
            mpq_class exact = rational(s.undistributedExact) + cents(s.bequestFromRest);
            mpz_class paid = integer(s.bequestFromRest) + integer(s.undistributed) + integer(s.roundingDifference);
            int heads = 0;
            for (const KindAmount& k : s.kinds) {
                exact += rational(k.exact);
                ASSERT_EQ(rational(k.perHeadExact) * k.count, rational(k.exact)) << name();
                const mpq_class over = cents(k.perHead) - rational(k.perHeadExact);
                ASSERT_TRUE(over <= 0 && over > mpq_class(-1, 100)) << name();
                paid += integer(k.amount);
                heads += k.count;
            }
            ASSERT_EQ(exact, net) << name();
            ASSERT_EQ(paid, integer(s.claims.net)) << name();
            ASSERT_GE(s.roundingDifference, 0) << name();
            ASSERT_LE(s.roundingDifference, heads) << name();
            ASSERT_EQ(s.undistributedExact.num > 0 || s.bequestFromRest > 0, c.result.undistributedRemainder) << name();
            const ResultTable table = buildResultTable(counts, c.result, TableMedium::Screen);
            std::size_t rows = 0;
            for (const PlacedText& item : table.placedTexts()) rows += item.x == table_geometry::kHeirX;
            ASSERT_EQ(s.kinds.size(), rows) << name();
        });
        EXPECT_GT(divided, 90000);
    }
}

}  // namespace
}  // namespace qismaru::estate
