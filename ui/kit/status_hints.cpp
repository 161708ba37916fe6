#include "ui/kit/status_hints.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>

namespace qismaru::ui {

namespace {

class DisabledItemHints : public QObject {
public:
    DisabledItemHints(QWidget& menu, QStatusBar& bar) : QObject(&menu), bar_(&bar) { menu.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && bar_) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            QAction* item = nullptr;
            if (auto* menu = qobject_cast<QMenu*>(watched)) item = menu->actionAt(at);
            if (auto* menuBar = qobject_cast<QMenuBar*>(watched)) item = menuBar->actionAt(at);
            if (item && !item->isEnabled() && !item->statusTip().isEmpty()) bar_->showMessage(item->statusTip());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QStatusBar> bar_;
};

}  // namespace

void hintDisabledItems(QWidget& menu, QStatusBar& bar) { new DisabledItemHints(menu, bar); }

}  // namespace qismaru::ui
