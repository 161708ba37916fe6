#include "estate/estate_report.h"

#include <algorithm>

#include "engine/kind_groups.h"
#include "present/heir_names.h"
#include "present/result_table.h"

namespace qismaru::estate {

namespace {

std::string shareText(const ShareResult& share)
{
    if (share.isFraction()) return std::to_string(share.numerator) + "/" + std::to_string(share.denominator);
    std::string label(labelText(share.label));
    while (!label.empty() && label.back() == ' ') label.pop_back();
    return label;
}

class ReportWriter {
public:
    ReportWriter(const Settlement& s, Grouping grouping) : s_(s), grouping_(grouping) {}

    std::string money(const Minor& minor) const { return amountText(minor, s_.inputs.decimals, grouping_); }

    void writeClaims(EstateReport& report) const
    {
        const Claims& c = s_.claims;
        const auto line = [&](const char* label, const Minor& amount) {
            report.claims.push_back({label, money(amount), ""});
        };
        line("التركة", s_.inputs.gross);
        line("مؤن التجهيز", c.funeralPaid);
        if (c.unpaidFuneral > 0) line("مؤن تجهيز لم تفِ بها التركة", c.unpaidFuneral);
        line("الديون المسددة", c.debtsPaid);
        if (c.unpaidDebts > 0) line("ديون لم تسدد", c.unpaidDebts);
        line("الوصية المطلوبة", c.bequestAsked);
        line("الوصية النافذة", c.bequestAllowed);
        line("صافي التركة للورثة", c.net);
    }

    void writeKinds(EstateReport& report, const KindCounts& counts, const CaseResult& result) const
    {
        for (const HeirKind kind : rowOrder(TableMedium::Screen)) {
            const auto amount =
                std::find_if(s_.kinds.begin(), s_.kinds.end(), [kind](const KindAmount& k) { return k.kind == kind; });
            if (amount == s_.kinds.end()) continue;
            report.kinds.push_back({kind, std::string(infoOf(kind).displayName), std::to_string(counts.of(kind)),
                                    shareText(result[kind]), std::to_string(amount->parts), money(amount->amount),
                                    money(amount->perHead), exactText(amount->exact), exactText(amount->perHeadExact)});
        }
    }

    void writeClosing(EstateReport& report) const
    {
        report.closing.push_back({"ما لا يوزع على الورثة", money(s_.undistributed), exactText(s_.undistributedExact)});
        report.closing.push_back({"فرق التقريب", money(s_.roundingDifference), ""});
    }

    void writeNotes(EstateReport& report, const KindCounts& counts) const
    {
        const Claims& c = s_.claims;
        auto& notes = report.notes;
        if (c.unpaidFuneral > 0) {
            notes.push_back("التركة لا تفي بمؤن التجهيز: يبقى منها " + money(c.unpaidFuneral) +
                            " على من تلزمه نفقة الميت في حياته، فإن لم يكن فعلى بيت المال.");
        }
        if (c.unpaidDebts > 0) {
            notes.push_back("التركة لا تفي بالديون: يبقى منها " + money(c.unpaidDebts) +
                            " بلا سداد، فلا تنفذ وصية ولا يبقى للورثة شيء.");
        } else if (c.bequestCut() && !s_.inputs.heirsConsent) {
            notes.push_back("الوصية أكثر من ثلث ما بقي بعد التجهيز والديون، فينفذ منها الثلث (" +
                            money(c.bequestAllowed) +
                            ") وحده، وما زاد عليه لا ينفذ إلا بإجازة الورثة. والثلث مقرب إلى أدنى وحدة صغرى.");
        } else if (c.bequestCut()) {
            notes.push_back("الوصية أكثر مما بقي بعد التجهيز والديون، فينفذ منها ما بقي (" + money(c.bequestAllowed) +
                            ").");
        } else if (c.bequestAllowed > c.bequestThird) {
            notes.push_back("أجاز الورثة ما زاد من الوصية على الثلث، فنفذت كلها.");
        }
        switch (s_.division) {
        case Division::NotDividedStopped: notes.push_back("لم تقسم التركة: أوقف التحقق حساب هذه المسألة."); return;
        case Division::NotDividedBeyondRange:
            notes.push_back("لم تقسم التركة: أصل هذه المسألة بعد التصحيح أكبر من أن يحسب حساباً تاماً.");
            return;
        case Division::Divided: break;
        }
        if (s_.undistributedExact.num > 0) notes.push_back(undistributedNote(counts));
        if (s_.roundingDifference != 0) {
            notes.push_back(
                "قرب نصيب كل فرد إلى أقرب وحدة صغرى (والنصف إلى الزوجي)، ومبلغ الصنف نصيب الفرد في العدد؛ "
                "وفرق التقريب ما بين الصافي ومجموع المبالغ المقربة مع ما لا يوزع.");
        }
    }

private:
    std::string undistributedNote(const KindCounts& counts) const
    {
        if (!spouseAlone(counts)) {
            return "يبقى " + money(s_.undistributed) + " لا يوزع على الورثة في هذه المسألة؛ يذهب إلى بيت المال.";
        }
        const HeirKind spouse = counts.has(HeirKind::Husband) ? HeirKind::Husband : HeirKind::Wives;
        const Agreement heirs = agreementOf(spouse, counts.of(spouse));
        return "لا وارث غير " + heirName(spouse, counts.of(spouse), Genitive) + "، فلا " +
               std::string(verbAfter(kTakes, heirs)) + " إلا فرض" + std::string(pronoun(heirs)) + "، ويبقى " +
               money(s_.undistributed) +
               " لا يوزع؛ يذهب إلى ذوي الأرحام عند من يورثهم، فإن لم يوجدوا فإلى بيت المال. "
               "ومن متأخري الفقهاء من يرده على الزوجين إذا لم يوجد ذو رحم.";
    }

    const Settlement& s_;
    Grouping grouping_;
};

}  // namespace

std::array<std::string, kKindColumns> kindColumnTitles(const EstateReport& report)
{
    return {"الوارث", "العدد",     report.shareTitle, "السهام من " + std::to_string(report.finalBase),
            "المبلغ", "نصيب الفرد"};
}

std::array<std::string, kKindColumns> cellsOf(const KindLine& line)
{
    return {line.name, line.count, line.share, line.parts, line.amount, line.perHead};
}

EstateReport buildEstateReport(const Settlement& settlement, const KindCounts& counts, const CaseResult& result,
                               Grouping grouping)
{
    EstateReport report;
    report.finalBase = settlement.finalBase;
    const ReportWriter writer(settlement, grouping);
    writer.writeClaims(report);
    if (settlement.division == Division::Divided) {
        writer.writeKinds(report, counts, result);
        writer.writeClosing(report);
    }
    writer.writeNotes(report, counts);
    return report;
}

std::string reportText(const EstateReport& report, std::string_view separator)
{
    const std::string gap(separator);
    std::string text = std::string(kEstateTitle) + "\n\n";
    const auto amounts = [&](const std::vector<AmountLine>& lines) {
        for (const AmountLine& line : lines) text += line.label + gap + line.amount + "\n";
    };
    const auto row = [&](const std::array<std::string, kKindColumns>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? gap : "") + cells[i];
        text += "\n";
    };
    amounts(report.claims);
    if (!report.kinds.empty()) {
        text += "\n";
        row(kindColumnTitles(report));
        for (const KindLine& line : report.kinds) row(cellsOf(line));
        text += "\n";
    }
    amounts(report.closing);
    for (const std::string& note : report.notes) text += "\n" + note + "\n";
    return text;
}

}  // namespace qismaru::estate
