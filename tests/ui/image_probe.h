#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace qismaru::ui::testing {

// Pixels in `area` that differ clearly from `background`: the ink of drawn text.
inline int inkIn(const QImage& image, const QRect& area, const QColor& background)
{
    int ink = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int difference = qAbs(c.red() - background.red()) + qAbs(c.green() - background.green()) +
                                   qAbs(c.blue() - background.blue());
            if (difference > 96) ++ink;
        }
    }
    return ink;
}

inline bool allBackground(const QImage& image, const QColor& background)
{
    return inkIn(image, image.rect(), background) == 0;
}

}  // namespace qismaru::ui::testing
