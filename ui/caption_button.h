#pragma once

#include <QPushButton>

namespace qismaru::ui {

// A push button of the fixed-size design. The Arabic faces reserve much room
// above and below the letters for their marks, more than the designed button
// heights allow; the caption is therefore centred on the ink of its letters,
// not on the font's full line, so that no letter is clipped.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    CaptionButton(const QString& objectName, const QString& caption, const QRect& geometry, const QFont& font,
                  QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qismaru::ui
