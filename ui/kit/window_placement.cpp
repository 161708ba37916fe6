#include "ui/kit/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace qismaru::ui {

namespace {

// Between two windows side by side, and from the owner's corner.
constexpr int kGap = 8;
constexpr int kOffset = 40;

QString placeKey(const QWidget& window) { return "windows/" + window.objectName(); }

}  // namespace

void showOver(QWidget& window, const QWidget& owner)
{
    window.winId();  // creates the native window, so that its owner can be set
    if (QWindow* handle = window.windowHandle()) handle->setTransientParent(owner.window()->windowHandle());
    const QRect frame = owner.window()->frameGeometry();
    window.move(frame.center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    window.raise();
    window.activateWindow();
}

QSize largestOnScreen(const QWidget& window)
{
    const QScreen* shown = window.screen();
    if (!shown) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return shown->availableGeometry().size() * 9 / 10;
}

QRect placeBeside(QSize size, const QRect& owner, const QRect& available)
{
    size = size.boundedTo(available.size());
    QRect place(QPoint(), size);
    if (owner.left() - kGap - size.width() >= available.left()) {
        place.moveTopRight(QPoint(owner.left() - kGap - 1, owner.top()));
    } else if (owner.right() + kGap + size.width() <= available.right()) {
        place.moveTopLeft(QPoint(owner.right() + kGap + 1, owner.top()));
    } else {
        place.moveTopLeft(owner.topLeft() + QPoint(kOffset, kOffset));
    }
    // Pushed back inside the screen where it passes an edge.
    place.moveLeft(std::clamp(place.left(), available.left(), available.right() - size.width() + 1));
    place.moveTop(std::clamp(place.top(), available.top(), available.bottom() - size.height() + 1));
    return place;
}

WindowPlaces::WindowPlaces(QObject* parent) : QObject(parent) {}

WindowPlaces::~WindowPlaces() = default;

void WindowPlaces::keepIn(std::unique_ptr<QSettings> settings) { settings_ = std::move(settings); }

void WindowPlaces::showBeside(QWidget& window, const QWidget& owner)
{
    if (window.isVisible()) {
        window.raise();
        window.activateWindow();
        return;
    }
    window.installEventFilter(this);
    const QString key = placeKey(window);
    QByteArray kept = places_.value(key);
    if (kept.isEmpty() && settings_) kept = settings_->value(key).toByteArray();
    // A place kept on a screen that is gone, or larger than this one, is
    // fitted to the screen by restoreGeometry itself.
    if (kept.isEmpty() || !window.restoreGeometry(kept)) {
        const QScreen* screen = owner.window()->screen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 600);
        const QRect ownerFrame = owner.window()->frameGeometry();
        // The frame around the client area, as the owner's shows it.
        const QMargins frame(owner.window()->geometry().left() - ownerFrame.left(),
                             owner.window()->geometry().top() - ownerFrame.top(),
                             ownerFrame.right() - owner.window()->geometry().right(),
                             ownerFrame.bottom() - owner.window()->geometry().bottom());
        const QRect place = placeBeside(window.size().grownBy(frame), ownerFrame, available);
        window.resize(place.size().shrunkBy(frame));
        // A window's position is its frame's.
        window.move(place.topLeft());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close || event->type() == QEvent::Hide) {
        auto* window = static_cast<QWidget*>(watched);
        const QByteArray place = window->saveGeometry();
        places_.insert(placeKey(*window), place);
        if (settings_) settings_->setValue(placeKey(*window), place);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qismaru::ui
