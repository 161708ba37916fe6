#pragma once

#include <QRect>
#include <QSize>
#include <span>
#include <string_view>

namespace qismaru::help {

// One-bit black-and-white bitmaps, or colour images (designed as JPEG).
enum class PictureDepth { BlackAndWhite, Colour };

enum class PageBackground { White, WindowColour };

// One explanation page: a window holding one picture at the top-left corner
// of its client area and a Close button `Command1`. Sizes in twips unless
// named in pixels.
struct ExplanationPageInfo {
    const char* form;
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

// The twenty pages, one per heir kind (the two spouses and the uterine
// brothers and sisters share a page each).
std::span<const ExplanationPageInfo> explanationPages();
const ExplanationPageInfo* findExplanationPage(std::string_view form);

}  // namespace qismaru::help
