#pragma once

#include <QPushButton>
#include <QStringList>

namespace qismaru::ui {

// How a caption is set in its button: the face and size, and its lines.
struct CaptionLayout {
    QFont font;
    QStringList lines;  // one, or two where the caption is wrapped
};

// The designed font where the caption fits the button on one line. Where it
// does not, the caption is wrapped on two lines, or set in a more compact
// Arabic face, and only then made smaller, never below the smallest readable
// size: a shrunken caption loses its hamzas and dots first. The Arabic faces
// here reserve much room above and below the letters for their marks, so
// what must fit is the ink of the letters, not the font's full line.
CaptionLayout layoutCaption(const QString& caption, const QFont& designed, const QSize& button);

// A push button of the fixed-size design, its caption set by layoutCaption
// and centred on the ink of its letters.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    CaptionButton(const QString& objectName, const QString& caption, const QRect& geometry, const QFont& font,
                  QWidget* parent);

    const QStringList& captionLines() const { return lines_; }
    // Where the caption's letters are painted, in the button's pixels.
    QRect captionInk() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The baseline's starting point of each line, unpressed.
    QList<QPoint> lineOrigins() const;

    QStringList lines_;
};

}  // namespace qismaru::ui
