#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;

namespace qismaru::help {

// A window of the help chain (the explanation index and pages, the welcome,
// About and exit windows). Each behaves as a modal dialog over the window
// beneath it: that window is disabled while this one is open and enabled
// again when this one closes. It is created without a parent, because in Qt
// disabling a parent disables its child windows as well, and the window
// beneath must be disabled while this one stays usable. It is destroyed when
// it closes, so each opening starts from its design state.
class AuxiliaryWindow : public QWidget {
    Q_OBJECT

public:
    enum class Frame { Titled, Untitled };

    // `clientWidth` and `clientHeight` in twips.
    AuxiliaryWindow(QWidget& beneath, const QString& objectName, const QString& caption, int clientWidth,
                    int clientHeight, Frame frame = Frame::Titled);

    QWidget* beneath() const { return beneath_; }

    // Shows the window in front, without waiting for it to close.
    void present();

    // The button Enter presses where no other button has the focus.
    void setDefaultButton(QAbstractButton* button);

protected:
    // Every way of closing (the window's own Close button calls close(), the
    // frame's close box, the window system) enables the window beneath and
    // hands it the focus, so the user is never left with a disabled window
    // below. A window that is itself disabled has an open window above it and
    // refuses to close, as the main window does.
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window, as its close box does; Enter presses the
    // default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> beneath_;
    QAbstractButton* defaultButton_ = nullptr;
};

}  // namespace qismaru::help
