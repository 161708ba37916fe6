#pragma once

#include <QRect>
#include <QSize>
#include <span>

#include "help_texts/help_topic.h"

namespace qismaru::help {

// The black-and-white pages are drawn one bit per pixel, the others in colour.
enum class PictureDepth { BlackAndWhite, Colour };

// One explanation page: a window holding the statements of its topic above
// a Close button `Command1`. Sizes in twips.
struct ExplanationPageInfo {
    HelpTopic topic;
    const char* form;  // the window's design name
    const char* caption;
    PictureDepth depth;
    int clientWidth;
    int clientHeight;
    const char* closeCaption;
    int closeLeft, closeTop, closeWidth, closeHeight;

    QSize clientSize() const;
    QRect closeGeometry() const;
};

// The twenty pages, one per topic, in topic order.
std::span<const ExplanationPageInfo> explanationPages();
const ExplanationPageInfo& pageOf(HelpTopic topic);

}  // namespace qismaru::help
