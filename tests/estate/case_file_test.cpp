// A case file keeps what was entered, reads back the same, and anything
// else is refused with its reason.

#include <gtest/gtest.h>

#include "estate/case_file.h"

namespace qismaru::estate {
namespace {

using enum HeirKind;

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
    for (const CaseFile& file : {withEstate, heirsOnly, estateOnly, shafii, hanbali, malikiSpouse}) {
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
}

TEST(CaseFile, RefusesWhatIsNotACaseItCanOpen)
{
    using enum CaseFileProblem;
    const auto heirs = [](const std::string& list) {
        return R"({"format": "qismaru-case", "version": 1, "heirs": )" + list + "}";
    };
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
        {R"({"format": "qismaru-case", "version": 3, "heirs": [{"code": "x"}]})", NewerVersion},
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
        {std::string(kMaxCaseFileBytes + 1, ' '), TooLarge},
        // Deep nesting inside the size limit: refused, not a crash.
        {heirs(std::string(20000, '[') + std::string(20000, ']')), BadHeirs},
    };
    for (const auto& row : rows) {
        const CaseFileReading reading = readCaseFile(row.text);
        EXPECT_FALSE(reading.ok()) << row.text.substr(0, 120);
        EXPECT_EQ(reading.problem, row.problem) << row.text.substr(0, 120) << ": " << reading.detail;
        EXPECT_FALSE(arabicProblemText(reading).empty());
    }
}

}  // namespace
}  // namespace qismaru::estate
