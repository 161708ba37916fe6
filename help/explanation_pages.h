#pragma once

#include <QRect>
#include <QSize>
#include <span>

#include "help/help_topic.h"

namespace qismaru::help {

// One-bit black-and-white bitmaps, or colour images (designed as JPEG).
enum class PictureDepth { BlackAndWhite, Colour };

enum class PageBackground { White, WindowColour };

// One explanation page: a window holding one picture at the top-left corner
// of its client area and a Close button `Command1`. Sizes in twips unless
// named in pixels.
struct ExplanationPageInfo {
    HelpTopic topic;
    const char* form;  // the window's design name
    const char* caption;
    int pictureWidthPixels;
    int pictureHeightPixels;
    PictureDepth depth;
    int clientWidth;
    int clientHeight;
    const char* closeCaption;
    int closeLeft, closeTop, closeWidth, closeHeight;
    PageBackground background;

    QSize pictureSize() const { return QSize(pictureWidthPixels, pictureHeightPixels); }
    QSize clientSize() const;
    QRect closeGeometry() const;
};

// The twenty pages, one per topic, in topic order.
std::span<const ExplanationPageInfo> explanationPages();
const ExplanationPageInfo& pageOf(HelpTopic topic);

}  // namespace qismaru::help
