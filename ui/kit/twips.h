#pragma once

#include <QRect>

namespace qismaru::ui {

// Every position of the windows is designed in twips (1/1440 inch). At the
// logical 96 DPI that Qt uses on every platform, 15 twips make one pixel; the
// screen is never asked, so every machine shows the same layout.
constexpr int px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height) { return QSize(px(width), px(height)); }

}  // namespace qismaru::ui
