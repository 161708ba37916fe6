// The three views of one case: the desktop window, the calculator's text and
// the web page's view. Each case is entered in each as its user enters it,
// and all three must show the same table, say the same things after
// Calculate, divide the estate alike, draw the same combined table of later
// deaths and write the same solution.

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <nlohmann/json.hpp>
#include <sstream>

#include "calc/command_line.h"
#include "files/case_file.h"
#include "present/positions_text.h"
#include "tests/support/case_text.h"
#include "ui/document/case_document.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/attached_windows.h"
#include "ui/main/main_window.h"
#include "ui/reports/solution_window.h"
#include "ui/reports/waiting_window.h"
#include "web/page_case.h"
#include "web/page_json.h"

namespace qismaru::ui {

namespace {

using nlohmann::json;
using Lines = std::vector<std::string>;

std::vector<HeirEntry> entriesOf(const std::string& heirs)
{
    std::vector<HeirEntry> entries;
    std::istringstream in(heirs);
    for (std::string item; in >> item;) {
        const auto eq = item.find('=');
        entries.push_back({*kindFromCode(item.substr(0, eq)), std::stoi(item.substr(eq + 1))});
    }
    return entries;
}

// "1:s m=1:w si=1:d": who died, then which of his heirs are which earlier ones.
estate::LaterDeathEntry laterOf(const std::string& deceased, const std::string& heirs, const std::string& same)
{
    estate::LaterDeathEntry entry{*refFromText(deceased), entriesOf(heirs), {}};
    std::istringstream in(same);
    for (std::string link; in >> link;) {
        const auto eq = link.find('=');
        entry.same.push_back({*kindFromCode(link.substr(0, eq)), *refFromText(link.substr(eq + 1))});
    }
    return entry;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Lines split(const std::string& text, const std::string& at)
{
    Lines parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(at, start)) != std::string::npos; start = end + at.size())
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::string withoutGrouping(std::string amount)
{
    std::erase(amount, ',');
    return amount;
}

std::string run(const std::vector<std::string>& args)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    calc::runCommandLine(args, in, out, err);
    return out.str();
}

// What one view shows of the case, in one form for all three.
struct Shown {
    std::vector<Lines> rows;  // each row's cells in reading order
    Lines said;               // what Calculate says
    Lines amounts;            // each heir's amount of the estate
    Lines combined;           // the combined table's lines, cells by tabs
    std::string solution;     // the solution as text
};

// The calculator's text, read back by its sections.
Shown calculatorShows(const std::string& text, const std::string& explained)
{
    Shown shown;
    const Lines lines = split(text, "\n");
    std::size_t i = 1;  // after the school
    for (; i < lines.size() && lines[i].find("النسبةالمئوية") == std::string::npos; ++i) {
        Lines cells;
        for (const std::string& cell : split(lines[i], " | ")) cells.push_back(trimmed(cell));
        shown.rows.push_back(cells);
    }
    while (i < lines.size() && lines[i].rfind("Base ", 0) != 0) ++i;
    for (++i; i < lines.size() && !lines[i].empty(); ++i) shown.said.push_back(lines[i]);
    for (std::size_t j = 0; j < lines.size(); ++j) {
        if (lines[j] == "الجامعة") {
            for (++j; j < lines.size() && !lines[j].empty(); ++j) {
                std::string line = lines[j];
                for (std::size_t at; (at = line.find(" | ")) != std::string::npos;) line.replace(at, 3, "\t");
                shown.combined.push_back(line);
            }
        }
        if (lines[j].rfind("الوارث | العدد", 0) == 0) {
            for (++j; j < lines.size() && !lines[j].empty(); ++j) shown.amounts.push_back(split(lines[j], " | ")[4]);
        }
    }
    shown.solution = explained;
    return shown;
}

}  // namespace

class ThreeViewsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    struct Asked {
        std::vector<HeirEntry> heirs;
        Positions positions;
        std::optional<estate::EstateInputs> estate;
        std::vector<estate::LaterDeathEntry> later;
        std::vector<RelativeEntry> relatives;
    };

    Asked asked()
    {
        QFETCH(QString, heirs);
        QFETCH(int, school);
        QFETCH(bool, noReturn);
        QFETCH(QString, gross);
        QFETCH(QString, later);
        QFETCH(QString, relatives);
        Asked a{entriesOf(heirs.toStdString()), {School(school), false, noReturn}, std::nullopt, {}, {}};
        for (const QString& relative : relatives.split(' ', Qt::SkipEmptyParts)) {
            const QStringList parts = relative.split('=');
            a.relatives.push_back(relativeEntry(*readRelative(parts[0].toStdString()).relative, parts[1].toInt()));
        }
        if (!gross.isEmpty()) a.estate = estate::EstateInputs{std::stoll(gross.toStdString()) * 100};
        const QStringList parts = later.split('|');
        if (!later.isEmpty())
            a.later.push_back(laterOf(parts[0].toStdString(), parts[1].toStdString(), parts[2].toStdString()));
        return a;
    }

    Shown desktopShows(const Asked& a)
    {
        RecordingMessageBoxes messages;
        MainWindow window(messages);
        attachSolutionWindow(window, messages);
        CaseDocument& document = window.document();
        window.loadCase(*caseWithHeirs(a.heirs, a.positions.school));
        window.setPositions(a.positions);
        for (const RelativeEntry& relative : a.relatives) document.addRelative(relative);
        if (a.estate) document.setEstate(a.estate);
        window.calculate();
        Shown shown;
        for (const QString& text : messages.texts) shown.said.push_back(text.toStdString());
        for (const estate::LaterDeathEntry& death : a.later) document.addLaterDeath(death);
        const ResultTable table = document.answer().table(TableMedium::Screen);
        for (const TableRow& row : table.rows) {
            Lines cells;
            for (const TableColumn column : kTableColumns) cells.push_back(trimmed(row.text(column)));
            shown.rows.push_back(cells);
        }
        if (EstateWindow* settled = document.estateWindow()) {
            for (const estate::KindLine& line : settled->report().kinds)
                shown.amounts.push_back(withoutGrouping(line.amount));
        }
        if (CombinedWindow* combined = document.combinedWindow()) {
            shown.combined = split(tableLines(combined->page().table, "\t"), "\n");
            shown.combined.pop_back();  // after the last line's break
        }
        window.secondaryWindows().solutionSteps();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* solution = qobject_cast<SolutionWindow*>(top))
                shown.solution = solution->plainText().toStdString();
        }
        return shown;
    }

    Shown webShows(const Asked& a)
    {
        web::PageCase page;
        std::string link;
        for (const HeirEntry& heir : a.heirs)
            link += (link.empty() ? "" : ",") + std::string(infoOf(heir.kind).code) + "=" + std::to_string(heir.count);
        page.enterLink(link, std::string(schoolInfo(a.positions.school).key));
        page.setPositions(web::positionsToJson(a.positions).dump());
        if (a.estate) page.setEstate(R"({"gross": ")" + estate::amountText(a.estate->gross, 2) + R"("})");
        page.calculate();
        for (const estate::LaterDeathEntry& death : a.later) enterLater(page, death);
        const json view = json::parse(page.view());
        Shown shown;
        for (const json& row : view["table"]["rows"]) {
            Lines cells;
            for (const char* column : {"name", "share", "parts", "perHead", "percentage"})
                cells.push_back(trimmed(row["cells"].value(column, "")));
            shown.rows.push_back(cells);
        }
        for (const json& said : view["announcements"]) shown.said.push_back(said);
        if (view["estate"].is_object()) {
            for (const json& kind : view["estate"]["kinds"]) shown.amounts.push_back(withoutGrouping(kind[4]));
        }
        if (view["later"].is_object() && view["later"]["joined"]) {
            const json& combined = view["later"]["combined"];
            shown.combined.push_back(joinCells(combined["header"]));
            for (const json& row : combined["rows"]) shown.combined.push_back(joinCells(row));
        }
        std::string steps;
        for (const json& step : view["steps"]) steps += step["text"].get<std::string>() + "\n";
        shown.solution = steps;
        return shown;
    }

    static std::string joinCells(const json& cells)
    {
        std::string line;
        for (const json& cell : cells) line += (line.empty() ? "" : "\t") + cell.get<std::string>();
        return line;
    }

    static void enterLater(web::PageCase& page, const estate::LaterDeathEntry& death)
    {
        page.laterStart();
        const json form = json::parse(page.laterForm());
        for (const json& choice : form["deceased"]) {
            if (choice["ref"] == refText(death.deceased)) page.laterChoose(choice["group"]);
        }
        for (const HeirEntry& heir : death.heirs) {
            page.laterPress(std::string(infoOf(heir.kind).code));
            page.laterCount(heir.count);
        }
        for (const SameLink& link : death.same)
            page.laterLink(std::string(infoOf(link.kind).code), refText(link.earlier));
        const std::string added = page.laterAdd();
        QVERIFY2(json::parse(added)["ok"] == true, added.c_str());
    }

    // A case that waits in the window: its heirs, what waits, Calculate, then
    // the outcome recorded; the division and the recorded grids as shown.
    static std::pair<QTableWidget*, QTableWidget*> windowWaits(MainWindow& window, const json& line)
    {
        CaseDocument& document = window.document();
        const School school = *schoolFromKey(line["school"].get<std::string>());
        std::string heirs;
        for (const auto& [code, count] : line["counts"].items()) heirs += code + "=" + count.dump() + " ";
        window.setPositions({school});
        window.loadCase(*caseWithHeirs(entriesOf(heirs), school));
        estate::WaitingEntry entry;
        json waiting = line;
        for (const char* member : {"counts", "school", "outcome"}) waiting.erase(member);
        if (!estate::readWaitingEntry(waiting, entry).empty()) return {};
        document.setWaiting(entry);
        window.calculate();
        document.recordOutcome(line["outcome"]);
        WaitingWindow* shown = document.waitingWindow();
        if (!shown) return {};
        return {shown->findChild<QTableWidget*>(design::kWaitingDivisionTable),
                shown->findChild<QTableWidget*>(design::kRecordedTable)};
    }

    static json calculatorWaits(const json& line)
    {
        std::istringstream in(line.dump() + "\n");
        std::ostringstream out;
        std::ostringstream err;
        calc::runCommandLine({"--batch", "--fields", "waiting"}, in, out, err);
        return json::parse(out.str())["waiting"];
    }

    // The same case on the web page: its division and recorded grids as its view writes them.
    static json pageWaits(const json& line)
    {
        const std::string school = line["school"];
        std::string link;
        for (const auto& [code, count] : line["counts"].items())
            link += (link.empty() ? "" : ",") + code + "=" + count.dump();
        json waiting = line;
        for (const char* member : {"counts", "school", "outcome"}) waiting.erase(member);
        web::PageCase page;
        page.setPositions(json{{"school", school}}.dump());
        page.enterLink(link, school);
        page.setWaiting(waiting.dump());
        page.calculate();
        page.recordOutcome(line["outcome"]);
        return json::parse(page.view())["waiting"];
    }

    // Every cell of the window's table is the page's grid's.
    static void compareWithPage(const QTableWidget& table, const json& grid)
    {
        QCOMPARE(table.rowCount(), static_cast<int>(grid["rows"].size()));
        for (int row = 0; row < table.rowCount(); ++row) {
            for (int column = 0; column < table.columnCount(); ++column)
                QCOMPARE(cell(table, row, column), grid["rows"][row][column].get<std::string>());
        }
    }

    static std::string cell(const QTableWidget& table, int row, int column)
    {
        const QTableWidgetItem* item = table.item(row, column);
        return item ? item->text().toStdString() : "";
    }

    Shown calculatorShowsOf(const Asked& a)
    {
        const QString path = folder_.filePath(QString("%1.qismaru").arg(QTest::currentDataTag()));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(
            QByteArray::fromStdString(estate::caseFileText({a.heirs, a.estate, a.positions, a.later, a.relatives})));
        file.close();
        const std::string text = run({"--case-file", path.toStdString()});
        std::string explained = run({"--case-file", path.toStdString(), "--explain"});
        // The solution alone: the school comes first, the estate after it.
        explained = explained.substr(0, explained.find("\n" + std::string(estate::kEstateTitle)));
        return calculatorShows(text, explained);
    }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        QVERIFY(folder_.isValid());
    }

    void theThreeViewsShowOneAnswer_data()
    {
        QTest::addColumn<QString>("heirs");
        QTest::addColumn<int>("school");
        QTest::addColumn<bool>("noReturn");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("later");      // "deceased|heirs|same", or empty
        QTest::addColumn<QString>("relatives");  // "path=count ...": relatives by path, or empty
        QTest::newRow("a named case") << "h=1 m=1 f=1" << int(School::Hanafi) << false << ""
                                      << ""
                                      << "";
        QTest::newRow("the surplus to the treasury") << "m=1 d=1" << int(School::Shafii) << true << ""
                                                     << ""
                                                     << "";
        QTest::newRow("the grandfather with brothers") << "gf=1 b=2" << int(School::Maliki) << false << ""
                                                       << ""
                                                       << "";
        QTest::newRow("an estate settled") << "h=1 m=1 d=3 bm=1" << int(School::Hanafi) << false << "120000"
                                           << ""
                                           << "";
        QTest::newRow("a later death") << "w=1 s=1 d=1" << int(School::Hanafi) << false << "120000"
                                       << "1:s|m=1 si=1|m=1:w si=1:d"
                                       << "";
        // Relatives by path, which the page does not enter yet: the window
        // and the calculator. The mother's mother beside the father, "من
        // ستة، للجدة واحد وللأب خمسة" (Mawsu'at al-Ijma'); a nearer
        // consanguine nephew before a farther full one (Hashiyat al-Rawd,
        // shamela 9851/4610).
        QTest::newRow("a grandmother by her side") << "f=1" << int(School::Hanafi) << false << ""
                                                   << ""
                                                   << "m.m=1";
        QTest::newRow("the nearer nephew") << "w=1" << int(School::Shafii) << false << "90000"
                                           << ""
                                           << "bf.s=2 b.s.s=1";
    }

    void theThreeViewsShowOneAnswer()
    {
        const Asked a = asked();
        const Shown desktop = desktopShows(a);
        const Shown calculator = calculatorShowsOf(a);
        QVERIFY(!desktop.rows.empty());
        QCOMPARE(calculator.rows, desktop.rows);
        QCOMPARE(calculator.said, desktop.said);
        QCOMPARE(calculator.amounts, desktop.amounts);
        QCOMPARE(calculator.combined, desktop.combined);
        QCOMPARE(calculator.solution, desktop.solution);
        if (!a.relatives.empty()) return;
        const Shown page = webShows(a);
        QCOMPARE(page.rows, desktop.rows);
        QCOMPARE(page.said, desktop.said);
        QCOMPARE(page.amounts, desktop.amounts);
        QCOMPARE(page.combined, desktop.combined);
        // The page lists the first death's steps; the desktop writes them among its sections.
        std::size_t at = 0;
        for (const std::string& step : split(page.solution, "\n")) {
            at = desktop.solution.find(step, at);
            QVERIFY2(at != std::string::npos, step.c_str());
        }
    }

    // What waits, each under a school that lets it wait: the unborn child
    // (the Hanbalis provide for two), the missing son (the Hanafis give
    // the present their least), the child of unclear sex while clarity is
    // hoped (the Shafi'is give each his least); each outcome recorded.
    void aCaseThatWaitsIsDividedAlikeInTheThreeViews_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("an unborn child")
            << R"({"counts": {"w": 1, "f": 1}, "school": "hanbali", "unborn": {"as": "s"}, "outcome": "1m"})";
        QTest::newRow("a missing son")
            << R"({"counts": {"w": 1, "s": 1}, "school": "hanafi", "missing": {"path": "s", "count": 1}, "outcome": "alive"})";
        QTest::newRow("a child of unclear sex")
            << R"({"counts": {"d": 1}, "school": "shafii", "khuntha": {"as": "s", "count": 1}, "outcome": "male"})";
    }

    void aCaseThatWaitsIsDividedAlikeInTheThreeViews()
    {
        QFETCH(QString, line);
        const json asked = json::parse(line.toStdString());
        RecordingMessageBoxes messages;
        MainWindow window(messages);
        const auto [division, recorded] = windowWaits(window, asked);
        const json calculator = calculatorWaits(asked);
        QVERIFY(division && recorded);
        const json& given = calculator["given"];
        const int givenNow = division->columnCount() - 1;
        QCOMPARE(division->rowCount(), static_cast<int>(given.size()) + 1);
        for (std::size_t i = 0; i < given.size(); ++i) {
            const int row = static_cast<int>(i);
            QCOMPARE(cell(*division, row, givenNow), given[i]["fraction"].get<std::string>());
            for (std::size_t o = 0; o < calculator["outcomes"].size(); ++o)
                QCOMPARE(cell(*division, row, static_cast<int>(o) + 1),
                         calculator["outcomes"][o]["heirs"][i]["fraction"].get<std::string>());
            const json& paid = calculator["recorded"]["heirs"][i];
            QCOMPARE(cell(*recorded, row, 1), paid["fraction"].get<std::string>());
            QCOMPARE(cell(*recorded, row, 2), paid["reserveShare"].get<std::string>());
        }
        QCOMPARE(cell(*division, division->rowCount() - 1, givenNow), calculator["reserve"].get<std::string>());
        const json page = pageWaits(asked);
        compareWithPage(*division, page["division"]);
        compareWithPage(*recorded, page["recorded"]);
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::ThreeViewsTest)
#include "three_views_test.moc"
