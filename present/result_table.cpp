#include "present/result_table.h"

#include "engine/parts.h"
#include "present/heir_labels.h"
#include "present/number_text.h"

namespace qismaru {

namespace {

using enum HeirKind;
using namespace table_geometry;

// Which share-column forms a kind can take: the fixed fraction, the label of
// a residuary share, or either.
enum class Forms { Fraction, Label, Both };
// Which factor scales the kind's percentage after an increase or a return.
enum class Scale { Shares, Spouse, None };

struct RowRule {
    HeirKind kind;
    Forms forms;
    Scale scale;
};

// How each kind's row is drawn, in kind order.
constexpr std::array<RowRule, kHeirKindCount> kRowRules{{
    {UterineSiblings, Forms::Both, Scale::Shares},  // a label where they share their third (the Mushtaraka)
    {Grandmothers, Forms::Fraction, Scale::Shares},
    {Sons, Forms::Label, Scale::None},
    {SonsSons, Forms::Label, Scale::None},
    {FullBrothers, Forms::Label, Scale::None},
    {ConsanguineBrothers, Forms::Label, Scale::None},
    {FullBrothersSons, Forms::Label, Scale::None},
    {ConsanguineBrothersSons, Forms::Label, Scale::None},
    {FullUncles, Forms::Label, Scale::None},
    {ConsanguineUncles, Forms::Label, Scale::None},
    {FullUnclesSons, Forms::Label, Scale::None},
    {ConsanguineUnclesSons, Forms::Label, Scale::None},
    {Wives, Forms::Fraction, Scale::Spouse},
    {Daughters, Forms::Both, Scale::Shares},
    {SonsDaughters, Forms::Both, Scale::Shares},
    {FullSisters, Forms::Both, Scale::Shares},
    {ConsanguineSisters, Forms::Both, Scale::Shares},
    {Mother, Forms::Both, Scale::Shares},
    {Grandfather, Forms::Both, Scale::Shares},
    {Father, Forms::Both, Scale::Shares},
    {Husband, Forms::Fraction, Scale::Spouse},
}};
static_assert(inKindOrder(kRowRules));

// On the screen each son stands beside his sisters.
constexpr std::array<HeirKind, kHeirKindCount> kScreenOrder{
    Mother,
    UterineSiblings,
    Grandmothers,
    Husband,
    Wives,
    Father,
    Grandfather,
    Sons,
    Daughters,
    SonsSons,
    SonsDaughters,
    FullBrothers,
    FullSisters,
    ConsanguineBrothers,
    ConsanguineSisters,
    FullBrothersSons,
    ConsanguineBrothersSons,
    FullUncles,
    ConsanguineUncles,
    FullUnclesSons,
    ConsanguineUnclesSons,
};

// On paper the male residuaries follow the wives directly, and the father,
// the grandfather, the daughters and the sisters come last.
constexpr std::array<HeirKind, kHeirKindCount> kPaperOrder{
    Mother,
    UterineSiblings,
    Grandmothers,
    Husband,
    Wives,
    Sons,
    SonsSons,
    FullBrothers,
    ConsanguineBrothers,
    FullBrothersSons,
    ConsanguineBrothersSons,
    FullUncles,
    ConsanguineUncles,
    FullUnclesSons,
    ConsanguineUnclesSons,
    Father,
    Grandfather,
    Daughters,
    SonsDaughters,
    FullSisters,
    ConsanguineSisters,
};

bool formApplies(const RowRule& rule, const ShareResult& share)
{
    switch (rule.forms) {
    case Forms::Fraction: return share.denominator > 0;
    case Forms::Label: return share.value > 0.0;
    case Forms::Both: return share.denominator > 0 || share.value > 0.0;
    }
    return false;
}

double scaleOf(Scale scale, const CaseResult& r)
{
    switch (scale) {
    case Scale::Shares: return r.shareScale;
    case Scale::Spouse: return r.spouseScale;
    case Scale::None: return 1.0;
    }
    return 1.0;
}

std::string heirText(HeirKind kind, int count, TableMedium medium)
{
    const HeirKindInfo& info = infoOf(kind);
    const HeirLabels& labels = labelsOf(kind);
    std::string name(medium == TableMedium::Paper ? labels.printedName : labels.displayName);
    if (info.entry == EntryKind::Counted) name += numberText(std::int64_t{count});
    return name;
}

class TableWriter {
public:
    TableWriter(const KindCounts& counts, const CaseResult& result, TableMedium medium)
        : counts_(counts), result_(result), medium_(medium)
    {
    }

    void writeRow(const RowRule& rule)
    {
        const int count = counts_.of(rule.kind);
        if (count <= 0) return;
        const ShareResult& share = result_[rule.kind];
        const bool drawn = formApplies(rule, share);
        const std::int64_t parts = partsOf(rule.kind, result_);
        if (drawn) {
            table_.rows.push_back({rule.kind, std::nullopt, line_++, {}});
            place(TableColumn::Heir, heirText(rule.kind, count, medium_));
            place(TableColumn::Share, shareCellText(share));
            place(TableColumn::Parts, numberText(parts));
        }
        if (share.value > 0.0) {
            place(TableColumn::Percentage, percentageText(100.0 * share.value * scaleOf(rule.scale, result_)));
        }
        if (infoOf(rule.kind).entry == EntryKind::Counted && count > 1 && drawn) {
            place(TableColumn::PerHead, perHeadCellText(parts, count));
        }
    }

    void writeHeader()
    {
        table_.base = numberText(finalBaseOf(result_));
        table_.percentageTitle = "النسبةالمئوية";
    }

    void writeTotals()
    {
        const auto line = [&](std::int64_t figure, const char* literal) {
            std::string text = numberText(figure);
            text += literal;
            table_.totals.push_back(std::move(text));
        };
        const CaseResult& r = result_;
        line(r.base, "=أصل المسألة");
        if (r.shareScale < 1.0) line(increasedOrReducedBaseOf(r), "=عالت إلى");
        if (r.shareScale > 1.0 && r.baseDivisor != 1.0) line(increasedOrReducedBaseOf(r), "=نقصت إلى");
        // A school's answer may reduce the base it formed from the heads (الاختصار).
        if (finalBaseOf(r) != increasedOrReducedBaseOf(r)) line(finalBaseOf(r), "=التصحيح");
    }

    ResultTable take() { return std::move(table_); }

private:
    // Items of a kind go to the last row drawn; before any, to a row of their own.
    void place(TableColumn column, std::string text)
    {
        if (table_.rows.empty()) table_.rows.push_back({std::nullopt, std::nullopt, -1, {}});
        table_.rows.back().cells.push_back({column, std::move(text)});
    }

    const KindCounts& counts_;
    const CaseResult& result_;
    const TableMedium medium_;
    int line_ = 0;
    ResultTable table_;
};

}  // namespace

std::string TableRow::text(TableColumn column) const
{
    for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell) {
        if (cell->column == column) return cell->text;
    }
    return {};
}

std::string shareCellText(const ShareResult& share)
{
    if (share.denominator > 0) return fractionText(share.numerator, share.denominator);
    return std::string(labelText(share.label));
}

// The parts of one heir: whole in every case the rules produce, but written
// as the division it is.
std::string perHeadCellText(std::int64_t parts, int count)
{
    std::string text = parts % count == 0 ? numberText(parts / count) : numberText(static_cast<double>(parts) / count);
    text += " لكل";
    return text;
}

std::vector<PlacedText> ResultTable::placedTexts() const
{
    std::vector<PlacedText> all;
    forEachPlaced([&all](int x, int y, const std::string& text) { all.push_back({x, y, text}); });
    return all;
}

const std::array<HeirKind, kHeirKindCount>& rowOrder(TableMedium medium)
{
    return medium == TableMedium::Screen ? kScreenOrder : kPaperOrder;
}

ResultTable buildResultTable(const KindCounts& counts, const CaseResult& result, TableMedium medium)
{
    TableWriter writer(counts, result, medium);
    for (const HeirKind kind : rowOrder(medium)) writer.writeRow(kRowRules[indexOf(kind)]);
    writer.writeHeader();
    writer.writeTotals();
    return writer.take();
}

}  // namespace qismaru
