#include "help/family_tree.h"

#include "ui/kit/design_names.h"
#include "ui/kit/twips.h"

namespace qismaru::help {

namespace {

using enum IndexAction;
using enum HelpTopic;

constexpr IndexButton kButtons[] = {
    {"Command1", "جــد", 7080, 120, 972, 492, 13.8, OpenPage, Grandfather},
    {"Command2", "جــدة", 2280, 120, 972, 492, 13.8, OpenPage, Grandmothers},
    {"Command3", "المُوَرِّث", 2160, 2400, 1092, 852, 18, Nothing, {}},
    {"Command4", "أ ب", 4800, 1320, 972, 492, 13.8, OpenPage, Father},
    {"Command5", "أ م", 840, 1320, 972, 492, 13.8, OpenPage, Mother},
    {"Command6", "أخ أو أخت لأم", 120, 2520, 735, 612, 10.2, OpenPage, UterineSiblings},
    {"Command7", "بنت ابن", 1440, 4800, 852, 492, 12, OpenPage, SonsDaughters},
    {"Command8", "ابن ابن", 2520, 4800, 852, 492, 12, OpenPage, SonsSons},
    {"Command9", "ابـن", 2160, 3600, 732, 492, 13.8, OpenPage, Sons},
    {"Command10", "بنت", 1200, 3600, 732, 492, 13.8, OpenPage, Daughters},
    {"Command11", "زوج أو زوجة", 1080, 2520, 972, 492, 10.2, OpenPage, Spouses},
    {"Command12", "أخ شقيق", 3360, 2520, 732, 492, 12, OpenPage, FullBrothers},
    {"Command13", "أ خت شقيقة", 4200, 2520, 852, 492, 10.2, OpenPage, FullSisters},
    {"Command14", "أخ لأب", 5160, 2520, 612, 492, 10.8, OpenPage, ConsanguineBrothers},
    {"Command15", "أخت لأب", 5880, 2520, 732, 492, 10.2, OpenPage, ConsanguineSisters},
    {"Command16", " ابن عم لأب", 8160, 2520, 972, 492, 12, OpenPage, ConsanguineUnclesSons},
    {"Command17", " ابن عم شقيق", 6720, 2520, 972, 492, 10.8, OpenPage, FullUnclesSons},
    {"Command18", " عم شقيق", 6720, 1320, 972, 492, 12, OpenPage, FullUncles},
    {"Command19", " عم لأب", 8160, 1320, 972, 492, 12, OpenPage, ConsanguineUncles},
    {"Command20", " جــدة", 840, 120, 972, 492, 13.8, OpenPage, Grandmothers},
    {"Command21", " ابن أخ شقيق", 3240, 3600, 1092, 492, 12, OpenPage, FullBrothersSons},
    {"Command22", " ابن أخ لأب", 5040, 3600, 972, 492, 12, OpenPage, ConsanguineBrothersSons},
    {ui::design::kIndexCloseButton, " إغــلاق", 7680, 4680, 1332, 492, 16.2, CloseIndex, {}},
};

// The lines join box edges at the boxes' centres (twips): the top row ends
// at 612, the second row spans 1320 to 1812, the third starts at 2520 (the
// deceased at 2400 and ends at 3252), the children's row spans 3600 to 4092
// and the son's children start at 4800.
const QColor kInk(40, 30, 20);

const ui::LineGeometry kLines[] = {
    // The father's parents, and their sons: the father and the full uncle.
    {"Line1", 3252, 366, 5286, 366, 3, kInk},
    {"Line2", 5286, 366, 7080, 366, 3, kInk},
    {"Line3", 5286, 366, 5286, 1080, 3, kInk},
    {"Line4", 5286, 1080, 7206, 1080, 3, kInk},
    {"Line5", 5286, 1080, 5286, 1320, 3, kInk},
    {"Line6", 7206, 1080, 7206, 1320, 3, kInk},
    // The grandfather's son by another wife: the consanguine uncle.
    {"Line7", 7566, 612, 7566, 960, 3, kInk},
    {"Line8", 7566, 960, 8646, 960, 3, kInk},
    {"Line9", 8646, 960, 8646, 1320, 3, kInk},
    // The mother's mother.
    {"Line10", 1326, 612, 1326, 1320, 3, kInk},
    // The parents, and their children: the deceased and the full brother and sister.
    {"Line11", 1812, 1566, 3306, 1566, 3, kInk},
    {"Line12", 3306, 1566, 4800, 1566, 3, kInk},
    {"Line13", 3306, 1566, 3306, 2160, 3, kInk},
    {"Line14", 2706, 2160, 3306, 2160, 3, kInk},
    {"Line15", 3306, 2160, 3726, 2160, 3, kInk},
    {"Line16", 3726, 2160, 4626, 2160, 3, kInk},
    {"Line17", 2706, 2160, 2706, 2400, 3, kInk},
    {"Line18", 3726, 2160, 3726, 2520, 3, kInk},
    {"Line19", 4626, 2160, 4626, 2520, 3, kInk},
    // The father's children by another wife.
    {"Line20", 5466, 1812, 5466, 2280, 3, kInk},
    {"Line21", 5466, 2280, 6246, 2280, 3, kInk},
    {"Line22", 5466, 2280, 5466, 2520, 3, kInk},
    {"Line23", 6246, 2280, 6246, 2520, 3, kInk},
    // The mother's children by another husband.
    {"Line24", 1326, 1812, 1326, 2280, 3, kInk},
    {"Line25", 487, 2280, 1326, 2280, 3, kInk},
    {"Line26", 487, 2280, 487, 2520, 3, kInk},
    // The children of the deceased and the spouse.
    {"Line27", 1566, 3012, 1566, 3420, 3, kInk},
    {"Line28", 2706, 3252, 2706, 3420, 3, kInk},
    {"Line29", 1566, 3420, 2526, 3420, 3, kInk},
    {"Line30", 2526, 3420, 2706, 3420, 3, kInk},
    {"Line31", 1566, 3420, 1566, 3600, 3, kInk},
    {"Line32", 2526, 3420, 2526, 3600, 3, kInk},
    // The son's children.
    {"Line33", 2526, 4092, 2526, 4440, 3, kInk},
    {"Line34", 1866, 4440, 2526, 4440, 3, kInk},
    {"Line35", 2526, 4440, 2946, 4440, 3, kInk},
    {"Line36", 1866, 4440, 1866, 4800, 3, kInk},
    {"Line37", 2946, 4440, 2946, 4800, 3, kInk},
    // The brothers' sons and the uncles' sons.
    {"Line38", 3726, 3012, 3726, 3600, 3, kInk},
    {"Line39", 5466, 3012, 5466, 3600, 3, kInk},
    {"Line40", 7206, 1812, 7206, 2520, 3, kInk},
    {"Line41", 8646, 1812, 8646, 2520, 3, kInk},
};

}  // namespace

QRect IndexButton::geometry() const { return ui::twipsRect(left, top, width, height); }

std::span<const IndexButton> indexButtons() { return kButtons; }

std::span<const ui::LineGeometry> treeLines() { return kLines; }

QColor treeInk() { return kInk; }

QRect spouseBar() { return ui::twipsRect(2052, 2751, 108, 30); }

}  // namespace qismaru::help
