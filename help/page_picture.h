#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>

#include "help/explanation_pages.h"

namespace qismaru::help {

// The part of a page's picture that its window shows: the picture is
// clipped to the client area, and the Close button stands below the text.
QRect visibleTextArea(const ExplanationPageInfo& page);

// The page's statements at the largest size, from a comfortable reading
// size down to the smallest that stays legible in one bit per pixel, at
// which they all fit the visible area.
struct PageTextFit {
    QFont font;
    bool fits = false;  // false: even the smallest size overflows the area
};
PageTextFit fitPageText(const ExplanationPageInfo& page);

// The page's picture, rendered from its statements: of the page's picture
// size, one bit per pixel for the black-and-white pages, colour for the
// others.
QImage renderPagePicture(const ExplanationPageInfo& page);

}  // namespace qismaru::help
