#pragma once

#include <QImage>

#include "help/auxiliary_window.h"
#include "help/explanation_pages.h"

namespace qismaru::help {

// One explanation page: the picture of the rules of one heir kind at the
// top-left corner of the client area, clipped to it, and the Close button
// `Command1`. It disables the index as it is loaded; closing it enables the
// index again.
class ExplanationPage : public AuxiliaryWindow {
    Q_OBJECT

public:
    ExplanationPage(const ExplanationPageInfo& info, QWidget& index);

    const ExplanationPageInfo& info() const { return info_; }
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ExplanationPageInfo& info_;
    QImage picture_;
};

}  // namespace qismaru::help
