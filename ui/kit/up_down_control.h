#pragma once

#include <QWidget>

class QToolButton;

namespace qismaru::ui {

// A spin control that only reports presses of its two arrows; what the
// presses do to the number shown is the count dialog's business.
class UpDownControl : public QWidget {
    Q_OBJECT

public:
    UpDownControl(const QRect& geometry, QWidget* parent);

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

signals:
    void upPressed();
    void downPressed();

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace qismaru::ui
