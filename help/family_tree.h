#pragma once

#include <QRect>
#include <span>

#include "help_texts/help_topic.h"
#include "ui/kit/line_control.h"

namespace qismaru::help {

// What a button of the explanation index does when clicked.
enum class IndexAction { OpenPage, Nothing, CloseIndex };

// One button of the index `Form3`: a box of the family tree around the
// deceased, or the index's Close button. Positions and sizes in twips.
struct IndexButton {
    const char* name;
    const char* caption;
    int left, top, width, height;
    double fontPoints;  // "Traditional Arabic", bold
    IndexAction action;
    HelpTopic topic;  // the page it opens, for OpenPage

    QRect geometry() const;
};

// The 23 buttons of the index, in design order.
std::span<const IndexButton> indexButtons();

// The connector lines of the tree: each box hangs from its parents through
// stems, sibling bars and drops, split where a branch leaves them.
std::span<const ui::LineGeometry> treeLines();

// The colour of the connector lines and of the bar.
QColor treeInk();

// The short thin bar that joins the spouse's box to the deceased's, in
// pixels of the index's client area.
QRect spouseBar();

}  // namespace qismaru::help
