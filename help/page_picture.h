#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>

#include "help/explanation_pages.h"
#include "model/positions.h"

namespace qismaru::help {

// The page's statements under the school and positions in force, as the
// paragraphs of its text.
QStringList paragraphsOf(const ExplanationPageInfo& page, const Positions& positions);

// Where a page shows its statements: the width of the window, above the
// Close button.
QRect textAreaOf(const ExplanationPageInfo& page);

// How a page's statements are set: at the largest size from a comfortable
// reading size down to the smallest readable one at which they fit the text
// area. Where even that size does not fit, the text keeps it and the page
// scrolls, rather than shrink the letters until their dots and hamzas merge.
struct PageLayout {
    QFont font;
    QSize pictureSize;  // the picture the text is drawn on, pixels
    bool scrolls = false;
};
PageLayout layoutPage(const ExplanationPageInfo& page, const Positions& positions);

// The page's picture: its statements, one bit per pixel for the
// black-and-white pages, ink and a frame in colour for the others, on white.
QImage renderPagePicture(const ExplanationPageInfo& page, const PageLayout& layout, const Positions& positions);

}  // namespace qismaru::help
