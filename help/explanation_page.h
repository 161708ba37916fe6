#pragma once

#include <QImage>

#include "help/auxiliary_window.h"
#include "help/explanation_pages.h"
#include "model/positions.h"

class QScrollArea;

namespace qismaru::help {

// One explanation page: the statements of one topic under the school and
// positions in force, on white, in the part of the window above the Close
// button `Command1`, scrolling where they do not fit at a readable size. It
// disables the index as it is loaded; closing it enables the index again.
class ExplanationPage : public AuxiliaryWindow {
    Q_OBJECT

public:
    ExplanationPage(const ExplanationPageInfo& info, const Positions& positions, QWidget& index);

    const ExplanationPageInfo& info() const { return info_; }
    const Positions& positions() const { return positions_; }
    const QImage& picture() const { return picture_; }
    QScrollArea* textArea() const { return textArea_; }

private:
    const ExplanationPageInfo& info_;
    Positions positions_;
    QImage picture_;
    QScrollArea* textArea_;
};

}  // namespace qismaru::help
