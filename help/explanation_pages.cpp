#include "help/explanation_pages.h"

#include "ui/kit/twips.h"

namespace qismaru::help {

namespace {

using enum PictureDepth;
using enum HelpTopic;

// Captions are kept exactly as designed, leading blanks and tatweel included.
constexpr ExplanationPageInfo kPages[] = {
    {Mother, "Form4", "الام", BlackAndWhite, 4248, 2748, "أغـلـــق", 1560, 2280, 1212, 372},
    {Father, "Form6", "الأب", BlackAndWhite, 5100, 2448, " أغلـــق", 1800, 2040, 1452, 372},
    {FullSisters, "Form7", "الأخوات الشقيقات", BlackAndWhite, 4476, 2388, "أغـلـــق", 1680, 1920, 1212, 372},
    {SonsDaughters, "Form8", " بنات الابن", BlackAndWhite, 5544, 3840, "أغـلـــق", 2040, 3360, 1212, 372},
    {Grandfather, "Form9", " الجد", BlackAndWhite, 5112, 2376, "أغـلـــق", 1800, 1920, 1212, 372},
    {Grandmothers, "Form10", " الجدات", BlackAndWhite, 4968, 5232, "أغـلـــق", 1800, 4800, 1212, 372},
    {SonsSons, "Form11", " أبناء الابن", BlackAndWhite, 3720, 1260, "أغـلـــق", 1320, 720, 1212, 372},
    {Spouses, "Form12", " الزوجان", BlackAndWhite, 2580, 3300, "أغـلـــق", 600, 2880, 1212, 372},
    {Daughters, "Form14", "البنات", BlackAndWhite, 4452, 2148, "أغـلـــق", 1560, 1680, 1212, 372},
    {ConsanguineSisters, "Form15", " الأخوات لأب", BlackAndWhite, 3960, 3360, "أغـلـــق", 1320, 2880, 1212, 372},
    {Sons, "Form16", " الأبناء", BlackAndWhite, 1788, 1056, "أغـلـــق", 360, 600, 972, 372},
    {FullBrothersSons, "Form17", " أبناء الأخ الشقيق", Colour, 4764, 2928, "أغـلـــق", 1440, 2280, 1212, 372},
    {ConsanguineBrothersSons, "Form18", " أبناء الأخ لأب", Colour, 6048, 2664, "أغـلـــق", 2400, 2040, 1212, 372},
    {FullUnclesSons, "Form19", "أبناء العم الشقيق", Colour, 5496, 2796, "أغلـــق", 2040, 2280, 1212, 372},
    {ConsanguineUnclesSons, "Form20", " أبناء العم لأب", Colour, 5592, 3012, "أغـلـــق", 2160, 2520, 1212, 372},
    {FullUncles, "Form21", " الأعمام الأشقاء", Colour, 5640, 2724, "أغـلـــق", 2160, 2160, 1212, 372},
    {ConsanguineUncles, "Form22", " الأعمام لأب", Colour, 6324, 2892, "أغـلـــق", 2760, 2400, 1212, 372},
    {FullBrothers, "Form23", " الإخوة الأشقاء", BlackAndWhite, 3768, 1848, "أغـلـــق", 1200, 1440, 1212, 372},
    {ConsanguineBrothers, "Form24", " الإخوة لأب", Colour, 4044, 2412, "أغـلـــق", 1440, 1920, 1212, 372},
    {UterineSiblings, "Form25", " الإخوة لأم", BlackAndWhite, 4080, 2136, "أغـلـــق", 1440, 1680, 1212, 372},
};

static_assert(inTopicOrder(kPages));

}  // namespace

QSize ExplanationPageInfo::clientSize() const { return ui::twipsSize(clientWidth, clientHeight); }

QRect ExplanationPageInfo::closeGeometry() const { return ui::twipsRect(closeLeft, closeTop, closeWidth, closeHeight); }

std::span<const ExplanationPageInfo> explanationPages() { return kPages; }

const ExplanationPageInfo& pageOf(HelpTopic topic) { return kPages[topicIndex(topic)]; }

}  // namespace qismaru::help
