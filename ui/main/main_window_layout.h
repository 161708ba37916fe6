#pragma once

#include <array>

#include "model/heir_kind.h"

namespace qismaru::ui {

// Where each control of the main window stands, in twips of its client area,
// and the size of its caption's font in points.
struct ControlPlace {
    int left, top, width, height;
    double fontPoints;
};

struct HeirButtonPlace {
    HeirKind kind;
    ControlPlace place;
};

// The 21 heir buttons, in the order of the heir-kind table.
const std::array<HeirButtonPlace, kHeirKindCount>& heirButtonPlaces();
// The same, in the order an Arabic reader reads the grid: row by row from
// the top, each from right to left. A button set a little lower than its
// neighbours still stands in their row.
std::array<HeirKind, kHeirKindCount> heirButtonsInReadingOrder();

inline constexpr ControlPlace kCalculatePlace{4560, 4200, 2532, 555, 16.2};
inline constexpr ControlPlace kNewCasePlace{4560, 4800, 2532, 252, 10.2};
inline constexpr ControlPlace kCancelLastPlace{4560, 5160, 2532, 252, 12};
inline constexpr ControlPlace kPrintPlace{5400, 5640, 852, 255, 10.8};

inline constexpr int kClientWidth = 9684;
inline constexpr int kClientHeight = 6648;

}  // namespace qismaru::ui
