#pragma once

#include <QHash>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>

class QSettings;
class QWidget;

namespace qismaru::ui {

// Shows a secondary window centred over the window that opened it and kept
// above it. Secondary windows have no parent widget (a disabled parent would
// disable them too), so the window system is told who owns them instead.
void showOver(QWidget& window, const QWidget& owner);

// Where a window of `size` (frame included) goes beside the owner's frame:
// to its left where the screen has room, else to its right, else on the
// roomier side, narrowed or against the screen's edge; below the windows
// already `taken` there rather than on them; always inside `available`,
// made smaller if it must be.
QRect placeBeside(QSize size, const QRect& owner, const QRect& available, const QList<QRect>& taken = {});

// The largest size a window that fits its content takes on `window`'s
// screen: nine tenths of what is available, so that its frame and the
// panels stay in sight; larger content scrolls.
QSize largestOnScreen(const QWidget& window);

// The windows read beside the main window (the solution, the settlement, the
// schools page): they open where the user last left them, or beside the main
// window, never covering it where the screen has room; they are not kept
// above it, and each remembers its size and place, in the settings once the
// program gives them.
class WindowPlaces : public QObject {
public:
    explicit WindowPlaces(QObject* parent = nullptr);
    ~WindowPlaces() override;

    void keepIn(std::unique_ptr<QSettings> settings);
    void showBeside(QWidget& window, const QWidget& owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QSettings> settings_;
    QHash<QString, QByteArray> places_;
    QList<QPointer<QWidget>> placed_;
};

}  // namespace qismaru::ui
