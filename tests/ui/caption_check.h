#pragma once

#include <QWidget>

#include "ui/kit/caption_button.h"
#include "ui/kit/fonts.h"

namespace qismaru::ui::testing {

// The first caption of the window that is set below the smallest readable
// size or whose letters leave its button, described; empty when every
// caption reads.
inline QString unreadableCaption(const QWidget& window)
{
    for (const CaptionButton* button : window.findChildren<CaptionButton*>()) {
        const QString name = button->objectName() + " \"" + button->text() + "\"";
        if (button->font().pointSizeF() < kSmallestReadablePoints - 0.01) {
            return name + QString(" at %1 pt").arg(button->font().pointSizeF());
        }
        if (!button->rect().contains(button->captionInk())) return name + " leaves its button";
    }
    return {};
}

}  // namespace qismaru::ui::testing
