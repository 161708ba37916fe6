#include "help/explanation_pages.h"

#include "ui/twips.h"

namespace qismaru::help {

namespace {

using enum PictureDepth;
using enum PageBackground;
using enum HelpTopic;

// Captions are kept exactly as designed, leading blanks and tatweel included.
constexpr ExplanationPageInfo kPages[] = {
    {Mother, "Form4", "الام", 285, 153, BlackAndWhite, 4248, 2748, "أغـلـــق", 1560, 2280, 1212, 372, White},
    {Father, "Form6", "الأب", 348, 133, BlackAndWhite, 5100, 2448, " أغلـــق", 1800, 2040, 1452, 372, WindowColour},
    {FullSisters, "Form7", "الأخوات الشقيقات", 1024, 768, BlackAndWhite, 4476, 2388, "أغـلـــق", 1680, 1920, 1212, 372,
     WindowColour},
    {SonsDaughters, "Form8", " بنات الابن", 369, 232, BlackAndWhite, 5544, 3840, "أغـلـــق", 2040, 3360, 1212, 372, WindowColour},
    {Grandfather, "Form9", " الجد", 349, 126, BlackAndWhite, 5112, 2376, "أغـلـــق", 1800, 1920, 1212, 372, WindowColour},
    {Grandmothers, "Form10", " الجدات", 333, 323, BlackAndWhite, 4968, 5232, "أغـلـــق", 1800, 4800, 1212, 372, WindowColour},
    {SonsSons, "Form11", " أبناء الابن", 248, 49, BlackAndWhite, 3720, 1260, "أغـلـــق", 1320, 720, 1212, 372, WindowColour},
    {Spouses, "Form12", " الزوجان", 169, 191, BlackAndWhite, 2580, 3300, "أغـلـــق", 600, 2880, 1212, 372, WindowColour},
    {Daughters, "Form14", "البنات", 298, 110, BlackAndWhite, 4452, 2148, "أغـلـــق", 1560, 1680, 1212, 372, WindowColour},
    {ConsanguineSisters, "Form15", " الأخوات لأب", 265, 196, BlackAndWhite, 3960, 3360, "أغـلـــق", 1320, 2880, 1212, 372, WindowColour},
    {Sons, "Form16", " الأبناء", 119, 46, BlackAndWhite, 1788, 1056, "أغـلـــق", 360, 600, 972, 372, WindowColour},
    {FullBrothersSons, "Form17", " أبناء الأخ الشقيق", 960, 600, Colour, 4764, 2928, "أغـلـــق", 1440, 2280, 1212, 372, WindowColour},
    {ConsanguineBrothersSons, "Form18", " أبناء الأخ لأب", 960, 600, Colour, 6048, 2664, "أغـلـــق", 2400, 2040, 1212, 372, WindowColour},
    {FullUnclesSons, "Form19", "أبناء العم الشقيق", 960, 600, Colour, 5496, 2796, "أغلـــق", 2040, 2280, 1212, 372, WindowColour},
    {ConsanguineUnclesSons, "Form20", " أبناء العم لأب", 960, 600, Colour, 5592, 3012, "أغـلـــق", 2160, 2520, 1212, 372, WindowColour},
    {FullUncles, "Form21", " الأعمام الأشقاء", 960, 600, Colour, 5640, 2724, "أغـلـــق", 2160, 2160, 1212, 372, WindowColour},
    {ConsanguineUncles, "Form22", " الأعمام لأب", 960, 600, Colour, 6324, 2892, "أغـلـــق", 2760, 2400, 1212, 372, WindowColour},
    {FullBrothers, "Form23", " الإخوة الأشقاء", 242, 92, BlackAndWhite, 3768, 1848, "أغـلـــق", 1200, 1440, 1212, 372,
     WindowColour},
    {ConsanguineBrothers, "Form24", " الإخوة لأب", 960, 600, Colour, 4044, 2412, "أغـلـــق", 1440, 1920, 1212, 372, WindowColour},
    {UterineSiblings, "Form25", " الإخوة لأم", 273, 114, BlackAndWhite, 4080, 2136, "أغـلـــق", 1440, 1680, 1212, 372, WindowColour},
};

static_assert(inTopicOrder(kPages));

}  // namespace

QSize ExplanationPageInfo::clientSize() const { return ui::twipsSize(clientWidth, clientHeight); }

QRect ExplanationPageInfo::closeGeometry() const { return ui::twipsRect(closeLeft, closeTop, closeWidth, closeHeight); }

std::span<const ExplanationPageInfo> explanationPages() { return kPages; }

const ExplanationPageInfo& pageOf(HelpTopic topic) { return kPages[topicIndex(topic)]; }

}  // namespace qismaru::help
