#include "help/index_background.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/kit/fonts.h"

namespace qismaru::help {

namespace {

constexpr int kWidth = 781;
constexpr int kHeight = 520;

// The free corner below the tree, left of the Close button (pixels).
const QRect kHintArea(230, 292, 272, 56);

}  // namespace

QImage indexBackground()
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    // Sky above the forebears, sand below the descendants.
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(214, 232, 245));
    sky.setColorAt(0.45, QColor(238, 241, 232));
    sky.setColorAt(1.0, QColor(236, 220, 186));
    painter.fillRect(picture.rect(), sky);

    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setFont(ui::designFont(ui::kTraditionalArabic, 12));
    painter.setPen(QColor(90, 60, 30));
    painter.drawText(kHintArea, Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter | Qt::TextWordWrap,
                     "اضغط على أي وارث في الشجرة لتظهر لك أحكامه");
    return picture;
}

}  // namespace qismaru::help
