#include "ui/main/main_window_layout.h"

#include <algorithm>
#include <utility>

namespace qismaru::ui {

namespace {

using enum HeirKind;

constexpr std::array<HeirButtonPlace, kHeirKindCount> kHeirButtons{{
    {UterineSiblings, {5400, 6120, 852, 492, 7.8}},
    {Grandmothers, {2040, 4800, 1092, 492, 10.2}},
    {Sons, {7320, 4200, 1092, 492, 12}},
    {SonsSons, {7320, 4800, 1092, 492, 12}},
    {FullBrothers, {7320, 5400, 1092, 492, 12}},
    {ConsanguineBrothers, {7320, 6000, 1092, 492, 10.2}},
    {FullBrothersSons, {6360, 5520, 852, 492, 10.2}},
    {ConsanguineBrothersSons, {6360, 6120, 852, 492, 10.2}},
    {FullUncles, {2040, 5400, 1092, 492, 10.2}},
    {ConsanguineUncles, {3240, 5400, 1092, 492, 10.2}},
    {FullUnclesSons, {2040, 6000, 1092, 492, 10.2}},
    {ConsanguineUnclesSons, {3240, 6000, 1092, 492, 10.2}},
    {Wives, {4440, 6120, 852, 492, 10.8}},
    {Daughters, {8520, 4200, 1092, 492, 12}},
    {SonsDaughters, {8520, 4800, 1092, 492, 12}},
    {FullSisters, {8520, 5400, 1092, 492, 10.2}},
    {ConsanguineSisters, {8520, 6000, 1092, 492, 10.2}},
    {Mother, {2040, 4200, 1092, 492, 12}},
    {Grandfather, {3240, 4800, 1092, 492, 10.2}},
    {Father, {3240, 4200, 1092, 492, 10.2}},
    {Husband, {4440, 5520, 852, 492, 12}},
}};

static_assert(inKindOrder(kHeirButtons));

}  // namespace

const std::array<HeirButtonPlace, kHeirKindCount>& heirButtonPlaces() { return kHeirButtons; }

std::array<HeirKind, kHeirKindCount> heirButtonsInReadingOrder()
{
    std::array<HeirButtonPlace, kHeirKindCount> places = kHeirButtons;
    std::ranges::sort(places, {}, [](const HeirButtonPlace& heir) { return heir.place.top; });
    // A row is the buttons whose tops lie within half a button of its first.
    int rowTop = places.front().place.top;
    for (HeirButtonPlace& heir : places) {
        if (heir.place.top - rowTop >= heir.place.height / 2) rowTop = heir.place.top;
        heir.place.top = rowTop;
    }
    std::ranges::sort(places, {},
                      [](const HeirButtonPlace& heir) { return std::pair(heir.place.top, -heir.place.left); });
    std::array<HeirKind, kHeirKindCount> order{};
    std::ranges::transform(places, order.begin(), &HeirButtonPlace::kind);
    return order;
}

}  // namespace qismaru::ui
