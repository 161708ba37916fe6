#include "present/case_names.h"

#include <array>

#include "engine/parts.h"

namespace qismaru {

namespace {

using enum HeirKind;

struct BookHeirs {
    HeirKind kind;
    int count;  // 0 ends the list
    std::int64_t parts;
};

// A case as the books give it: its heirs and each kind's parts of the
// corrected base. Where the books let the grandmother stand for the mother,
// or a consanguine sister for a full one, the same name has a row for each.
struct BookCase {
    const char* sentence;
    bool afterZayd;  // the grandfather divides with the siblings
    std::int64_t finalBase;
    std::array<BookHeirs, 5> heirs;
};

constexpr const char* kKharqa = "هذه المسألة تسمى الخرقاء، لكثرة اختلاف الصحابة فيها حتى كأن أقوالهم خرقتها";
constexpr const char* kMukhtasara =
    "هذه المسألة تسمى مختصرة زيد: صححها زيد من 108، ثم ردها إلى نصفها 54 لاتفاق السهام كلها بالنصف";
constexpr const char* kTisiniyya = "هذه المسألة تسمى التسعينية (تسعينية زيد)، لأنها تصح من 90";
constexpr const char* kDinariyya =
    "هذه المسألة تسمى الدينارية الكبرى: ترك الميت 600 دينار، فلم يكن للأخت منها إلا دينار واحد، فشكت إلى علي "
    "رضي الله عنه فقال: قد استوفيت حقك";

constexpr BookCase kBookCases[] = {
    {kKharqa, true, 9, {{{Mother, 1, 3}, {Grandfather, 1, 4}, {FullSisters, 1, 2}}}},
    {kKharqa, true, 9, {{{Mother, 1, 3}, {Grandfather, 1, 4}, {ConsanguineSisters, 1, 2}}}},
    {"هذه المسألة تسمى العشرية (عشرية زيد)، لأنها تصح من 10",
     true,
     10,
     {{{Grandfather, 1, 4}, {FullSisters, 1, 5}, {ConsanguineBrothers, 1, 1}}}},
    {"هذه المسألة تسمى العشرينية، لأنها تصح من 20",
     true,
     20,
     {{{Grandfather, 1, 8}, {FullSisters, 1, 10}, {ConsanguineSisters, 2, 2}}}},
    {kMukhtasara,
     true,
     54,
     {{{Mother, 1, 9},
       {Grandfather, 1, 15},
       {FullSisters, 1, 27},
       {ConsanguineBrothers, 1, 2},
       {ConsanguineSisters, 1, 1}}}},
    {kMukhtasara,
     true,
     54,
     {{{Grandmothers, 1, 9},
       {Grandfather, 1, 15},
       {FullSisters, 1, 27},
       {ConsanguineBrothers, 1, 2},
       {ConsanguineSisters, 1, 1}}}},
    {kTisiniyya,
     true,
     90,
     {{{Mother, 1, 15},
       {Grandfather, 1, 25},
       {FullSisters, 1, 45},
       {ConsanguineBrothers, 2, 4},
       {ConsanguineSisters, 1, 1}}}},
    {kTisiniyya,
     true,
     90,
     {{{Grandmothers, 1, 15},
       {Grandfather, 1, 25},
       {FullSisters, 1, 45},
       {ConsanguineBrothers, 2, 4},
       {ConsanguineSisters, 1, 1}}}},
    {"هذه المسألة تسمى المنبرية: سُئل عنها علي رضي الله عنه وهو على المنبر، فقال: صار ثمنها تسعًا",
     false,
     27,
     {{{Wives, 1, 3}, {Daughters, 2, 16}, {Father, 1, 4}, {Mother, 1, 4}}}},
    {kDinariyya,
     false,
     600,
     {{{Wives, 1, 75}, {Daughters, 2, 400}, {Mother, 1, 100}, {FullBrothers, 12, 24}, {FullSisters, 1, 1}}}},
    {kDinariyya,
     false,
     600,
     {{{Wives, 1, 75},
       {Daughters, 2, 400},
       {Mother, 1, 100},
       {ConsanguineBrothers, 12, 24},
       {ConsanguineSisters, 1, 1}}}},
};

bool sameHeirs(const BookCase& book, const KindCounts& counts)
{
    KindCounts wanted;
    for (const BookHeirs& heirs : book.heirs) {
        if (heirs.count > 0) wanted.set(heirs.kind, heirs.count);
    }
    return wanted.count == counts.count;
}

bool sameFigures(const BookCase& book, const CaseResult& result)
{
    if (finalBaseOf(result) != book.finalBase) return false;
    for (const BookHeirs& heirs : book.heirs) {
        if (heirs.count > 0 && partsOf(heirs.kind, result) != heirs.parts) return false;
    }
    return true;
}

}  // namespace

std::string namedCaseSentence(CaseMessage message)
{
    switch (message) {
    case CaseMessage::BothSpouses: return "لا يجتمع الزوجان في مسألة واحدة";
    case CaseMessage::TooManyWives: return "لا يزيد عدد الزوجات عن أربع";
    case CaseMessage::Umariyyatan: return "هذه المسألة هي إحدى المسألتين العمريتين";
    case CaseMessage::Mubahala: return "هذه المسألة تسمى مسألة المباهلة";
    case CaseMessage::Mulzima: return "هذه المسألة تسمى المسألة الملزمة";
    case CaseMessage::Marwaniyya: return "هذه المسألة تسمى المسألة المروانية";
    case CaseMessage::Shurayhiyya: return "هذه المسألة تسمى المسألة الشريحية";
    case CaseMessage::UmmAlAramil: return "هذه المسألة تسمى أم الأرامل أو أم الفروج";
    case CaseMessage::Mushtaraka: return "هذه المسألة تسمى المشركة";
    case CaseMessage::Akdariyya: return "هذه المسألة تسمى الأكدرية";
    }
    return "";
}

std::vector<std::string> bookCaseSentences(const KindCounts& counts, const CaseComputation& computation)
{
    std::vector<std::string> sentences;
    if (computation.outcome != CaseOutcome::Computed) return sentences;
    const bool zayd = grandfatherSharesWithSiblings(computation.positions.school);
    for (const BookCase& book : kBookCases) {
        if (book.afterZayd && !zayd) continue;
        if (sameHeirs(book, counts) && sameFigures(book, computation.result)) sentences.emplace_back(book.sentence);
    }
    return sentences;
}

}  // namespace qismaru
