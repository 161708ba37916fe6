#include "estate/estate_report.h"
#include "present/heir_labels.h"

#include <algorithm>
#include <functional>

#include "engine/kind_groups.h"
#include "present/heir_names.h"
#include "present/positions_text.h"
#include "present/result_table.h"

namespace qismaru::estate {

std::vector<AmountLine> claimLines(const EstateInputs& inputs, const Claims& c, DigitGrouping grouping)
{
    std::vector<AmountLine> lines;
    const auto line = [&](const char* label, const Minor& amount) {
        lines.push_back({label, amountText(amount, inputs.decimals, grouping), ""});
    };
    line("التركة", inputs.gross);
    line("مؤن التجهيز", c.funeralPaid);
    if (c.unpaidFuneral > 0) line("مؤن تجهيز لم تفِ بها التركة", c.unpaidFuneral);
    line("الديون المسددة", c.debtsPaid);
    if (c.unpaidDebts > 0) line("ديون لم تسدد", c.unpaidDebts);
    line("الوصية المطلوبة", c.bequestAsked);
    line("الوصية النافذة", c.bequestAllowed);
    line("صافي التركة للورثة", c.net);
    return lines;
}

namespace {

std::string shareText(const ShareResult& share)
{
    if (share.isFraction()) return std::to_string(share.numerator) + "/" + std::to_string(share.denominator);
    std::string label(labelText(share.label));
    while (!label.empty() && label.back() == ' ') label.pop_back();
    return label;
}

// The table writes a fraction with blanks between its figures (" 1 / 6 "),
// the settlement as "1/6"; its words it keeps.
std::string compactFraction(const std::string& cell)
{
    if (cell.find_first_not_of(" 0123456789/") != std::string::npos) return cell;
    std::string compact;
    for (const char ch : cell) {
        if (ch != ' ') compact += ch;
    }
    return compact;
}

class ReportWriter {
public:
    ReportWriter(const Settlement& s, DigitGrouping grouping) : s_(s), grouping_(grouping) {}

    std::string money(const Minor& minor) const { return amountText(minor, s_.inputs.decimals, grouping_); }

    void writeClaims(EstateReport& report) const { report.claims = claimLines(s_.inputs, s_.claims, grouping_); }

    void writeKinds(EstateReport& report, const KindCounts& counts, const CaseResult& result) const
    {
        for (const HeirKind kind : rowOrder(TableMedium::Screen)) {
            const auto amount =
                std::find_if(s_.kinds.begin(), s_.kinds.end(), [kind](const KindAmount& k) { return k.kind == kind; });
            if (amount == s_.kinds.end()) continue;
            report.kinds.push_back({kind, std::string(labelsOf(kind).displayName), std::to_string(counts.of(kind)),
                                    shareText(result[kind]), std::to_string(amount->parts), money(amount->amount),
                                    money(amount->perHead), exactText(amount->exact), exactText(amount->perHeadExact)});
        }
    }

    void writeRelatives(EstateReport& report, std::span<const RelativeEntry> entries, const PathComputation& p) const
    {
        const bool sexGiven = uterineSexGiven(entries);
        for (const RelativeAmount& a : s_.relatives) {
            const Standing& standing = p.resolution.standings[a.entry];
            const HeirKind kind = standing.way == StandingWay::Inherits ? standing.capacity : HeirKind::SonsDaughters;
            report.kinds.push_back({kind, relativeRowName(entries[a.entry], sexGiven, TableMedium::Screen),
                                    std::to_string(a.count), compactFraction(relativeShareText(entries, p, a.entry)),
                                    std::to_string(a.parts), money(a.amount), money(a.perHead), exactText(a.exact),
                                    exactText(a.perHeadExact)});
        }
    }

    void writeClosing(EstateReport& report, const KindCounts& counts) const
    {
        if (s_.bequestFromRest > 0) {
            report.closing.push_back(
                {"تتمة الوصية مما يبقى بعد فرض " + spouseName(counts), money(s_.bequestFromRest), ""});
        }
        report.closing.push_back({"ما لا يوزع على الورثة", money(s_.undistributed), exactText(s_.undistributedExact)});
        report.closing.push_back({"فرق التقريب", money(s_.roundingDifference), ""});
    }

    // Each note in turn to `add`, which takes a std::string_view: most are
    // fixed texts, and a batch writes them a line each.
    template <typename Add>
    void writeNotes(Add&& add, const KindCounts& counts) const
    {
        const Claims& c = s_.claims;
        if (c.unpaidFuneral > 0) {
            add("التركة لا تفي بمؤن التجهيز: يبقى منها " + money(c.unpaidFuneral) +
                " على من تلزمه نفقة الميت في حياته، فإن لم يكن فعلى بيت المال.");
        }
        if (c.unpaidDebts > 0) {
            add("التركة لا تفي بالديون: يبقى منها " + money(c.unpaidDebts) +
                " بلا سداد، فلا تنفذ وصية ولا يبقى للورثة شيء.");
        } else if (c.bequestCut() && !s_.inputs.heirsConsent) {
            add("الوصية أكثر من ثلث ما بقي بعد التجهيز والديون، فينفذ منها الثلث (" + money(c.bequestAllowed) +
                ") وحده، وما زاد عليه لا ينفذ إلا بإجازة الورثة. والثلث مقرب إلى أدنى وحدة صغرى.");
        } else if (c.bequestCut()) {
            add("الوصية أكثر مما بقي بعد التجهيز والديون، فينفذ منها ما بقي (" + money(c.bequestAllowed) + ").");
        } else if (c.bequestAllowed > c.bequestThird) {
            add("أجاز الورثة ما زاد من الوصية على الثلث، فنفذت كلها.");
        }
        switch (s_.division) {
        case NetOutcome::NotDividedStopped: add("لم تقسم التركة: أوقف التحقق حساب هذه المسألة."); break;
        case NetOutcome::NotDividedBeyondRange:
            add("لم تقسم التركة: أصل هذه المسألة بعد التصحيح أكبر من أن يحسب حساباً تاماً.");
            break;
        case NetOutcome::Divided: writeDivisionNotes(add, counts); break;
        }
        writeLeftOut(add);
    }

private:
    template <typename Add>
    void writeDivisionNotes(Add& add, const KindCounts& counts) const
    {
        if (spouseAlone(counts) && (s_.undistributedExact.num > 0 || s_.bequestFromRest > 0)) {
            add(spouseAloneNote(counts));
        } else if (s_.undistributedExact.num > 0) {
            add("يبقى " + money(s_.undistributed) + " لا يوزع على الورثة في هذه المسألة؛ يذهب إلى بيت المال.");
        }
        add("يُقطع نصيب كل فرد وما لا يوزع إلى الوحدة الصغرى التي دونه، فلا يُعطى أحد ما ليس في التركة؛ وفرق التقريب "
            "ما يبقى من الصافي بعد ذلك: لا يكون سالبًا، ولا يزيد على وحدة صغرى لكل فرد.");
    }

    // What this settlement does not count, and where the schools differ on it.
    template <typename Add>
    void writeLeftOut(Add& add) const
    {
        add("لم يدخل في الحساب: الدين المتعلق بعين التركة كالمرهون (يقدمه الجمهور على التجهيز ويؤخره الحنابلة عنه)، "
            "وديون الله كالزكاة والكفارات (تخرج من التركة عند الشافعية والحنابلة، وعلى تفصيل عند المالكية، ومن الثلث "
            "بوصية عند الحنفية): فأدخلها في الديون أو في الوصية على القول المتبع.");
        const Claims& c = s_.claims;
        if (c.bequestAsked > 0) add("الوصية هنا لغير وارث، والوصية لوارث لا تنفذ إلا بإجازة سائر الورثة.");
        if (c.bequestAsked > c.bequestThird) {
            add("الإجازة هنا إجازة الورثة جميعًا؛ فإن أجاز بعضهم نفذ الزائد على الثلث في حصصهم وحدهم.");
        }
    }

    static HeirKind spouseOf(const KindCounts& counts)
    {
        return counts.has(HeirKind::Husband) ? HeirKind::Husband : HeirKind::Wives;
    }
    // The lone spouse after "غير" or "فرض": "الزوج", "الزوجة", "الزوجتين", "الزوجات".
    static std::string spouseName(const KindCounts& counts)
    {
        const HeirKind spouse = spouseOf(counts);
        return heirName(spouse, counts.of(spouse), Genitive);
    }
    // "فرضه", "فرضها", "فرضهما" or "فرضهن", agreeing with the spouse.
    static std::string spouseShare(const KindCounts& counts)
    {
        const HeirKind spouse = spouseOf(counts);
        return "فرض" + std::string(pronoun(agreementOf(spouse, counts.of(spouse))));
    }
    // "فلا يأخذ إلا فرضه", "فلا تأخذان إلا فرضهما", ...
    static std::string onlyTheShare(const KindCounts& counts)
    {
        const HeirKind spouse = spouseOf(counts);
        const Agreement spouses = agreementOf(spouse, counts.of(spouse));
        return "فلا " + std::string(verbAfter(kTakes, spouses)) + " إلا " + spouseShare(counts);
    }

    // Where the estate beyond a lone spouse's fraction goes: to the legatee
    // of more than a third first under the Hanafi and Hanbali schools, to the
    // public treasury first under no return, else to the distant kindred.
    std::string spouseAloneNote(const KindCounts& counts) const
    {
        std::string note = "لا وارث غير " + spouseName(counts) + "، " + onlyTheShare(counts) + "؛ ";
        if (s_.bequestFromRest > 0) {
            note += std::string("ولا وارث يعترض على ما زاد من الوصية على الثلث فيما يبقى بعد ") + spouseShare(counts) +
                    "، فيأخذ الموصى له منه تتمة وصيته (" + money(s_.bequestFromRest) +
                    ") قبل بيت المال: وهو ترتيب الحنفية في مستحقي التركة، ومذهب الحنابلة، بشرط ألا يوجد ذو رحم "
                    "وارث فهو مقدم عليه؛ والمالكية والشافعية يعدون بيت المال وارثًا فلا ينفذ عندهم الزائد على الثلث.";
            if (s_.undistributedExact.num == 0) return note;
            note += ' ';
        } else if (s_.claims.bequestCut() && !s_.inputs.heirsConsent) {
            note += std::string("ولا تتم الوصية مما يبقى بعد ") + spouseShare(counts) +
                    ": فبيت المال عند المالكية والشافعية وارث لا يجيز، وأما الحنفية والحنابلة فيقدمون الموصى له بما "
                    "زاد على الثلث على بيت المال. ";
        }
        note += "ويبقى " + money(s_.undistributed) + " لا يوزع؛ ";
        if (s_.positions.noReturn) {
            return note +
                   "يذهب إلى بيت المال أولًا، فهو على أصل مذهب المالكية والشافعية وارث مقدم على ذوي الأرحام، "
                   "ولا رد فيه.";
        }
        return note +
               "يذهب إلى ذوي الأرحام عند من يورثهم، فإن لم يوجدوا فإلى بيت المال. "
               "ومن متأخري الفقهاء من يرده على الزوجين إذا لم يوجد ذو رحم.";
    }

    const Settlement& s_;
    DigitGrouping grouping_;
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
                               DigitGrouping grouping)
{
    EstateReport report;
    report.finalBase = settlement.finalBase;
    const ReportWriter writer(settlement, grouping);
    writer.writeClaims(report);
    if (settlement.division == NetOutcome::Divided) {
        writer.writeKinds(report, counts, result);
        writer.writeClosing(report, counts);
    }
    writer.writeNotes([&report](std::string_view note) { report.notes.emplace_back(note); }, counts);
    return report;
}

EstateReport buildEstateReport(const Settlement& settlement, std::span<const RelativeEntry> entries,
                               const PathComputation& computation, DigitGrouping grouping)
{
    EstateReport report;
    report.finalBase = settlement.finalBase;
    const ReportWriter writer(settlement, grouping);
    const KindCounts& counts = computation.resolution.capacities.counts;
    writer.writeClaims(report);
    if (settlement.division == NetOutcome::Divided) {
        writer.writeRelatives(report, entries, computation);
        writer.writeClosing(report, counts);
    }
    writer.writeNotes([&report](std::string_view note) { report.notes.emplace_back(note); }, counts);
    return report;
}

void forEachNote(const Settlement& settlement, const KindCounts& counts, DigitGrouping grouping,
                 const std::function<void(std::string_view)>& note)
{
    ReportWriter(settlement, grouping).writeNotes(note, counts);
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

void notePositionsFirst(EstateReport& report, const Positions& positions)
{
    report.notes.insert(report.notes.begin(), positionsLine(positions));
}

}  // namespace qismaru::estate
