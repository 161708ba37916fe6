// A case file keeps what was entered, reads back the same, and anything
// else is refused with its reason.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "files/case_file.h"
#include "files/json_document.h"
#include "files/relative_entries.h"
#include "present/deaths_refusal_text.h"
#include "tests/support/case_text.h"

namespace qismaru::estate {
namespace {

using enum HeirKind;
using testing::countsOf;

RelativeEntry relative(std::string_view written, int count)
{
    return relativeEntry(*readRelative(written).relative, count);
}

TEST(CaseFile, ReadsBackWhatWasWritten)
{
    CaseFile withEstate;
    withEstate.heirs = {{Husband, 1}, {Daughters, 3}, {Mother, 1}};
    withEstate.estate = EstateInputs{12000050, 100000, 0, 5000000, true, 2};
    CaseFile heirsOnly;
    heirsOnly.heirs = {{Sons, kMaxCount}, {Wives, 4}};
    CaseFile estateOnly;
    estateOnly.estate = EstateInputs{kMaxAmount - 1, 0, 0, 0, false, 3};
    // The school and the two positions come back with the case.
    CaseFile shafii;
    shafii.heirs = {{Grandfather, 1}, {FullBrothers, 2}};
    shafii.positions = {School::Shafii, false, true};
    CaseFile hanbali = shafii;
    hanbali.heirs = {{Grandmothers, 3}};
    hanbali.positions = {School::Hanbali, false, false};
    CaseFile malikiSpouse;
    malikiSpouse.heirs = {{Wives, 2}};
    malikiSpouse.positions = {School::Maliki, true, false};
    // A son who died before the division, with his mother and sister.
    CaseFile laterDeath;
    laterDeath.heirs = {{Wives, 1}, {Sons, 1}, {Daughters, 1}};
    laterDeath.later = {
        {{1, Sons}, {{Mother, 1}, {FullSisters, 1}}, {{Mother, {1, Wives}}, {FullSisters, {1, Daughters}}}}};
    // Relatives by path after the buttons' heirs, two lines of one path told
    // apart by their labels; and Abu Yusuf's rule among distant kindred.
    CaseFile byPath;
    byPath.heirs = {{Wives, 1}};
    byPath.relatives = {relative("s.s.s", 2), relative("d.d@1", 1), relative("d.d@2", 2), relative("gs", 1)};
    CaseFile abuYusuf;
    abuYusuf.heirs = {{Husband, 1}};
    abuYusuf.relatives = {relative("si.s", 1), relative("si.d", 2)};
    abuYusuf.positions.kindredMethod = KindredMethod::AbuYusuf;
    // Later deaths beside relatives by path, and a later deceased's own heirs
    // by path, linked by a path: written from version 4.
    CaseFile laterByPath;
    laterByPath.heirs = {{Wives, 1}};
    laterByPath.relatives = {relative("f.m", 1), relative("s.s.s", 1)};
    LaterDeathEntry greatGrandson{*refFromText("1:s.s.s"), {{Sons, 2}}, {}};
    LaterDeathEntry grandmother{*refFromText("1:f.m"), {}, {}, {relative("b.s.s", 1)}};
    laterByPath.later = {greatGrandson, grandmother};
    CaseFile laterHeirsByPath = laterDeath;
    laterHeirsByPath.later.front().relatives = {relative("s.s.s", 1)};
    for (const CaseFile& file : {withEstate, heirsOnly, estateOnly, shafii, hanbali, malikiSpouse, laterDeath, byPath,
                                 abuYusuf, laterByPath, laterHeirsByPath}) {
        const std::string text = caseFileText(file);
        const CaseFileReading reading = readCaseFile(text);
        ASSERT_TRUE(reading.ok()) << reading.detail << "\n" << text;
        EXPECT_EQ(*reading.file, file) << text;
    }
    EXPECT_NE(caseFileText(withEstate).find(R"("gross": "120000.50")"), std::string::npos);
    // A Hanafi case is written as before, so that every Qismaru reads it;
    // another school's case is a version older programs refuse.
    EXPECT_NE(caseFileText(withEstate).find(R"("version": 1,)"), std::string::npos);
    EXPECT_EQ(caseFileText(withEstate).find("school"), std::string::npos);
    EXPECT_NE(caseFileText(hanbali).find(R"("version": 2,)"), std::string::npos);
    EXPECT_NE(caseFileText(hanbali).find(R"("school": "hanbali")"), std::string::npos);
    EXPECT_NE(caseFileText(laterDeath).find(R"("version": 3,)"), std::string::npos);
    EXPECT_NE(caseFileText(laterByPath).find(R"("deceased": "1:s.s.s")"), std::string::npos);
    EXPECT_NE(caseFileText(laterHeirsByPath).find(R"("version": 4,)"), std::string::npos);
    EXPECT_NE(caseFileText(byPath).find(R"("version": 4,)"), std::string::npos);
    EXPECT_NE(caseFileText(byPath).find(R"("path": "d.d@2")"), std::string::npos);
    EXPECT_NE(caseFileText(abuYusuf).find(R"("kindredMethod": "abu-yusuf")"), std::string::npos);
    // A case of the buttons alone is written byte for byte as before.
    CaseFile plain;
    plain.heirs = {{Husband, 1}, {Daughters, 3}};
    EXPECT_EQ(caseFileText(plain), R"({
  "format": "qismaru-case",
  "version": 1,
  "heirs": [
    {
      "code": "h",
      "count": 1
    },
    {
      "code": "d",
      "count": 3
    }
  ]
}
)");
}

// What a case may hold is bounded so that its largest saved form is a file
// its reader takes: every kind at the largest count, as many later deaths
// as a case holds, each with every kind and a link for each, the largest
// estate. More than any case the window can hold, and still readable.
TEST(CaseFile, TheLargestCaseIsSavedInAFormItsReaderTakes)
{
    CaseFile largest;
    largest.positions = {School::Hanbali, false, false};
    largest.estate = EstateInputs{kMaxAmount, kMaxAmount, kMaxAmount, kMaxAmount, true, kMaxDecimals};
    for (const HeirKindInfo& info : heirKinds()) largest.heirs.push_back({info.kind, kMaxCount});
    const GroupRef longestRef{static_cast<int>(kMaxLaterDeaths) + 1, ConsanguineUnclesSons};
    for (std::size_t d = 0; d < kMaxLaterDeaths; ++d) {
        LaterDeathEntry& death = largest.later.emplace_back(LaterDeathEntry{longestRef, largest.heirs, {}});
        for (const HeirEntry& heir : largest.heirs) death.same.push_back({heir.kind, longestRef});
    }
    const std::string text = caseFileText(largest);
    EXPECT_LE(text.size(), kMaxCaseFileBytes) << text.size();
    const JsonDocument read = readJsonDocument(text);
    EXPECT_TRUE(read.ok()) << read.error;

    // Relatives by path instead of later deaths: as many as a case holds,
    // each on the longest path with the longest label.
    largest.later.clear();
    std::string longest = "mut";
    for (int link = 1; link < RelativePath::kMaxLinks; ++link) longest += ".mut";
    for (std::size_t i = 0; i < kMaxRelativesByPath; ++i) {
        const std::string label = std::string(13, 'x') + std::to_string(100 + i);
        largest.relatives.push_back(relative(longest + "@" + label, kMaxCount));
    }
    const std::string byPath = caseFileText(largest);
    EXPECT_LE(byPath.size(), kMaxCaseFileBytes) << byPath.size();
    // Without the heirs and the estate no case holds all at once, they are read back.
    CaseFile many;
    many.relatives = largest.relatives;
    const CaseFileReading reading = readCaseFile(caseFileText(many));
    ASSERT_TRUE(reading.ok()) << reading.detail;
    EXPECT_EQ(*reading.file, many);
}

TEST(CaseFile, RefusesWhatIsNotACaseItCanOpen)
{
    using enum CaseFileProblem;
    const auto heirs = [](const std::string& list) {
        return R"({"format": "qismaru-case", "version": 1, "heirs": )" + list + "}";
    };
    const auto later = [](const std::string& list) {
        return R"({"format": "qismaru-case", "version": 3, "heirs": [{"code": "s", "count": 1}], "later": )" + list +
               "}";
    };
    // One later death more than a case holds, each son leaving a son.
    std::string longChain = "[";
    for (std::size_t d = 1; d <= kMaxLaterDeaths + 1; ++d) {
        longChain += (d > 1 ? ", " : "") + (R"({"deceased": ")" + std::to_string(d)) +
                     R"(:s", "heirs": [{"code": "s", "count": 1}]})";
    }
    longChain += "]";
    const auto byPath = [](const std::string& list) {
        return R"({"format": "qismaru-case", "version": 4, "heirs": [{"code": "s", "count": 1}], "relatives": )" +
               list + "}";
    };
    std::string tooManyRelatives = "[";
    for (std::size_t i = 0; i <= kMaxRelativesByPath; ++i) {
        tooManyRelatives += (i > 0 ? ", " : "") + (R"({"path": "d.d@)" + std::to_string(i)) + R"(", "count": 1})";
    }
    tooManyRelatives += "]";
    const struct {
        std::string text;
        CaseFileProblem problem;
    } rows[] = {
        {"", NotJson},
        {"{\"format\": \"qismaru-case\", \"version\": 1, \"heirs\": [", NotJson},
        {"[1, 2, 3]", NotACaseFile},
        {R"({"heirs": []})", NotACaseFile},
        {R"({"format": "qismaru-case", "heirs": []})", NotACaseFile},
        {R"({"format": "qismaru-case", "version": "1", "heirs": []})", NotACaseFile},
        {R"({"format": "qismaru-case", "version": 6, "heirs": [{"code": "x"}]})", NewerVersion},
        {R"({"format": "qismaru-case", "version": 18446744073709551615, "heirs": []})", NewerVersion},
        {R"({"format": "qismaru-case", "version": 1})", BadHeirs},
        {heirs(R"([{"code": "q", "count": 1}])"), BadHeirs},
        {heirs(R"([{"code": "d", "count": 1}, {"code": "d", "count": 2}])"), BadHeirs},
        {heirs(R"([{"code": "d", "count": 0}])"), BadHeirs},
        {heirs(R"([{"code": "d", "count": 32768}])"), BadHeirs},
        {heirs(R"([{"code": "d", "count": 1.5}])"), BadHeirs},
        {heirs(R"([{"code": "m", "count": 2}])"), BadHeirs},
        {heirs(R"([{"code": "w", "count": 5}])"), BadHeirs},
        {heirs(R"([{"code": "h", "count": 1}, {"code": "w", "count": 1}])"), BadHeirs},
        {heirs(R"([{"code": "d", "count": 1, "extra": 1}])"), BadHeirs},
        {heirs(R"([{"code": "gm", "count": 3}], "school": "maliki")"), BadHeirs},
        {heirs(R"([{"code": "gm", "count": 4}], "school": "hanbali")"), BadHeirs},
        {heirs(R"([{"code": "gm", "count": 2}, {"code": "f", "count": 1}], "school": "maliki")"), BadHeirs},
        {heirs(R"([], "school": "zahiri")"), BadPositions},
        {heirs(R"([], "school": 2)"), BadPositions},
        {heirs(R"([], "school": "shafii", "spouseReturn": "yes")"), BadPositions},
        {heirs(R"([], "noReturn": true)"), BadPositions},
        {heirs(R"([], "school": "hanbali", "noReturn": true)"), BadPositions},
        {heirs(R"([], "school": "maliki", "noReturn": true, "spouseReturn": true)"), BadPositions},
        {heirs(R"([], "estate": {"gross": 1000})"), BadEstate},
        {heirs(R"([], "estate": {"gross": "1000.555"})"), BadEstate},
        {heirs(R"([], "estate": {"gross": "1000", "decimals": 4})"), BadEstate},
        {heirs(R"([], "estate": {"gross": "1000", "bequests": "5"})"), BadEstate},
        {heirs(R"([], "estate": {"funeral": "5"})"), BadEstate},
        // Later deaths: only in version 3, with heirs the window could enter and references that hold.
        {heirs(R"([{"code": "s", "count": 1}], "later": [{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}]}])"),
         BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "w", "count": 5}]}])"), BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": []}])"), BadLaterDeaths},
        {later(R"([{"deceased": "s", "heirs": [{"code": "m", "count": 1}]}])"), BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}], "died": "1990"}])"), BadLaterDeaths},
        {later(R"([{"deceased": "1:f", "heirs": [{"code": "m", "count": 1}]}])"), BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}], "same": {"m": "1:d"}}])"), BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "h", "count": 1}]}])"), BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}], "same": {"mm": "1:d"}}])"),
         BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "m", "count": 1}], "same": {"m": 1}}])"), BadLaterDeaths},
        {later(longChain), TooManyLaterDeaths},
        // Relatives by path and the rule among distant kindred: only in
        // version 4, each relative as the case would take him.
        {heirs(R"([], "relatives": [{"path": "s.s.s", "count": 1}])"), BadHeirs},
        {heirs(R"([], "school": "hanafi", "kindredMethod": "abu-yusuf")"), BadPositions},
        {byPath(R"([{"path": "s.x", "count": 1}])"), BadHeirs},
        {byPath(R"([{"path": "h.m", "count": 1}])"), BadHeirs},
        {byPath(R"([{"path": "mut.d.s", "count": 1}])"), BadHeirs},
        {byPath(R"([{"path": "f.m", "count": 2}])"), BadHeirs},
        {byPath(R"([{"path": "s.s.s", "count": 0}])"), BadHeirs},
        {byPath(R"([{"path": "s.s.s", "count": 1}, {"path": "s.s.s", "count": 2}])"), BadHeirs},
        {byPath(R"([{"path": "s", "count": 1}])"), BadHeirs},
        {byPath(R"([{"path": "f.m@1", "count": 1}, {"path": "f.m@2", "count": 1}])"), BadHeirs},
        {byPath(R"([{"path": "s.s.s", "count": 1, "label": "1"}])"), BadHeirs},
        {byPath(R"([])"), BadHeirs},
        {byPath(
             R"([{"path": "s.s.s", "count": 1}], "later": [{"deceased": "1:f.m", "heirs": [{"code": "m", "count": 1}]}])"),
         BadLaterDeaths},
        {later(R"([{"deceased": "1:s", "heirs": [], "relatives": [{"path": "s.s.s", "count": 1}]}])"), BadLaterDeaths},
        {byPath(R"([{"path": "m.b", "count": 1}], "school": "shafii", "kindredMethod": "abu-yusuf")"), BadPositions},
        {byPath(R"([{"path": "m.b", "count": 1}], "kindredMethod": "muhammad")"), BadPositions},
        {byPath(tooManyRelatives), BadHeirs},
        {std::string(kMaxCaseFileBytes + 1, ' '), TooLarge},
        // Deep nesting inside the size limit: refused, not a crash.
        {heirs(std::string(20000, '[') + std::string(20000, ']')), NotJson},
        // What a lenient reader would take one way or another without a word.
        {heirs(R"([], "heirs": [{"code": "d", "count": 1}])"), RepeatedMember},
        {heirs(R"([], "estate": {"gross": "1000", "gross": "10"})"), RepeatedMember},
        {heirs(R"([], "Estate": {"gross": "1000", "debts": "900"})"), UnknownMember},
        {heirs(R"([{"code": "d", "count": 1, "count": 2}])"), RepeatedMember},
        {heirs("[]") + std::string(1, '\0') + R"(, "estate": {"gross": "1000"}})", NotText},
    };
    for (const auto& row : rows) {
        const CaseFileReading reading = readCaseFile(row.text);
        EXPECT_FALSE(reading.ok()) << row.text.substr(0, 120);
        EXPECT_EQ(reading.problem, row.problem) << row.text.substr(0, 120) << ": " << reading.detail;
        EXPECT_FALSE(arabicProblemText(reading).empty());
    }
}

// A wrong later death is refused naming the death and its fault, in Arabic
// for the window and the web page, in English for the calculator.
TEST(CaseFile, AWrongLaterDeathIsNamedWithItsFault)
{
    const auto later = [](const std::string& list) {
        return R"({"format": "qismaru-case", "version": 3, "heirs": [{"code": "w", "count": 1}, {"code": "s", )"
               R"("count": 1}, {"code": "d", "count": 1}], "later": )" +
               list + "}";
    };
    const auto m = R"({"deceased": "1:s", "heirs": [{"code": "m", "count": 1}]})";
    const struct {
        std::string text;
        const char* arabic;   // a part of the Arabic refusal
        const char* english;  // a part of the calculator's
    } rows[] = {
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "h", "count": 1}]}])"),
         "لا تجتمع الوفيات قبل القسمة في هذا الملف، "
         "فلم يفتح: الابن في المسألة الأولى "
         "رجل، فلا يكون له زوج",
         "death 2: the deceased '1:s' is a man"},
        {later(R"([{"deceased": "s", "heirs": [{"code": "m", "count": 1}]}])"), "في الوفاة الثانية، لم يُذكر من مات",
         "death 2: \"deceased\" must name a group"},
        {later(std::string("[") + m + R"(, {"deceased": "2:m", "heirs": [{"code": "w", "count": 5}]}])"),
         "في الوفاة الثالثة، ورثة الميت غير صحيحين", "death 3: "},
        {later(R"([{"deceased": "1:s", "heirs": [{"code": "si", "count": 2}], "same": {"si": "1:d"}}])"),
         "في مسألة الميت الثاني: عدد", "death 2: 'si' counts 2 heirs"},
    };
    for (const auto& row : rows) {
        const CaseFileReading reading = readCaseFile(row.text);
        ASSERT_EQ(reading.problem, CaseFileProblem::BadLaterDeaths) << row.text;
        EXPECT_NE(arabicProblemText(reading).find(row.arabic), std::string::npos) << arabicProblemText(reading);
        EXPECT_NE(reading.detail.find(row.english), std::string::npos) << reading.detail;
    }
}

std::string contentsOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Only a regular file is read (a FIFO would keep the program waiting for a
// writer), and a file is replaced whole or not at all.
TEST(CaseFile, OnDiskOnlyRegularFilesAndWholeReplacements)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / ("case-files-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "folder.qismaru");
    const std::string fifo = folder / "fifo.qismaru";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    using Failure = DiskOutcome::Failure;
    const struct {
        std::string path;
        Failure failure;
        int error;
    } unreadable[] = {
        {folder / "none.qismaru", Failure::System, ENOENT},
        {folder / "folder.qismaru", Failure::NotARegularFile, 0},
        {fifo, Failure::NotARegularFile, 0},
        {"/dev/null", Failure::NotARegularFile, 0},
    };
    for (const auto& row : unreadable) {
        const CaseFileReading reading = readCaseFileAt(row.path);
        EXPECT_EQ(reading.problem, CaseFileProblem::Unreadable) << row.path;
        EXPECT_EQ(reading.disk.failure, row.failure) << row.path;
        EXPECT_EQ(reading.disk.error, row.error) << row.path;
        EXPECT_FALSE(arabicDiskText(reading.disk).empty());
    }

    // Through a link, kept with the old file's permissions.
    const std::string saved = folder / "saved.qismaru";
    const std::string link = folder / "link.qismaru";
    std::ofstream(saved) << "old";
    ASSERT_EQ(::chmod(saved.c_str(), 0640), 0);
    fs::create_symlink(saved, link);
    CaseFile file;
    file.heirs = {{Daughters, 2}};
    ASSERT_TRUE(replaceFile(link, caseFileText(file)).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(saved).permissions() & fs::perms::all, fs::perms(0640));
    const CaseFileReading back = readCaseFileAt(link);
    ASSERT_TRUE(back.ok()) << back.detail;
    EXPECT_EQ(*back.file, file);
    // What is not a regular file is not replaced, and a failed write leaves nothing behind.
    EXPECT_EQ(replaceFile(folder / "folder.qismaru", "x").failure, Failure::NotARegularFile);
    EXPECT_EQ(replaceFile(fifo, "x").failure, Failure::NotARegularFile);
    EXPECT_EQ(replaceFile(folder / "no-such-folder" / "case.qismaru", "x").error, ENOENT);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4);
    EXPECT_EQ(contentsOf(saved), caseFileText(file));
    fs::remove_all(folder);
}

// A later deceased who took nothing cannot be divided again; the sentence
// agrees with the deceased, a man or a woman.
TEST(LaterDeaths, WhoTookNothingIsSaidInTheirGender)
{
    const struct {
        const char* first;
        GroupRef deceased;
        const char* said;
    } rows[] = {
        {"w=1 s=1 b=1", {1, FullBrothers}, "لم يأخذ شيئاً من التركة (حُجب، أو لم يبق له شيء)، فلا يترك منها"},
        {"s=1 si=1", {1, FullSisters}, "لم تأخذ شيئاً من التركة (حُجبت، أو لم يبق لها شيء)، فلا تترك منها"},
    };
    for (const auto& row : rows) {
        const CombinedComputation c =
            computeSuccessiveDeaths(countsOf(row.first), {{row.deceased, countsOf("s=1"), {}}});
        EXPECT_NE(arabicRefusalText(c.refusal, c.deaths).find(row.said), std::string::npos)
            << arabicRefusalText(c.refusal, c.deaths);
    }
}

}  // namespace
}  // namespace qismaru::estate
