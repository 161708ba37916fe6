#include "ui/kit/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

namespace qismaru::ui {

namespace {

// Between two windows side by side, and from the owner's corner.
constexpr int kGap = 8;
constexpr int kOffset = 40;
// How narrow a window may be made to stand beside its owner.
constexpr double kNarrowestShare = 2.0 / 3.0;

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

QRect placeBeside(QSize size, const QRect& owner, const QRect& available, const QList<QRect>& taken)
{
    size = size.boundedTo(available.size());
    const int roomLeft = owner.left() - kGap - available.left();
    const int roomRight = available.right() - kGap - owner.right();
    const bool left = roomLeft >= size.width() || (roomRight < size.width() && roomLeft >= roomRight);
    // Where neither side has room, a window that keeps most of its width is
    // narrowed to the roomier side (its content scrolls); a wider one stands
    // against that edge of the screen, covering as little of the owner as it can.
    const int room = std::max(left ? roomLeft : roomRight, 0);
    if (room < size.width() && room >= size.width() * kNarrowestShare) size.setWidth(room);
    QRect place(QPoint(), size);
    if (left) {
        place.moveTopRight(QPoint(owner.left() - kGap - 1, owner.top()));
    } else {
        place.moveTopLeft(QPoint(owner.right() + kGap + 1, owner.top()));
    }
    // Pushed back inside the screen where it passes an edge.
    place.moveLeft(std::clamp(place.left(), available.left(), available.right() - size.width() + 1));
    const int lowest = available.bottom() - size.height() + 1;
    place.moveTop(std::clamp(place.top(), available.top(), lowest));
    // Cascaded below the windows already open there, their titles in sight.
    const auto hides = [&place](const QRect& other) {
        return std::abs(other.left() - place.left()) < kOffset && std::abs(other.top() - place.top()) < kOffset;
    };
    while (std::ranges::any_of(taken, hides) && place.top() + kOffset <= lowest) place.translate(0, kOffset);
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
    if (!placed_.contains(&window)) placed_ << &window;
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
        QList<QRect> taken;
        for (const QPointer<QWidget>& open : placed_) {
            if (open && open->isVisible() && open != &window) taken << open->frameGeometry();
        }
        const QRect place = placeBeside(window.size().grownBy(frame), ownerFrame, available, taken);
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
