#include "help/auxiliary_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>

#include "ui/kit/fonts.h"
#include "ui/kit/twips.h"
#include "ui/kit/window_placement.h"

namespace qismaru::help {

namespace {

Qt::WindowFlags flagsFor(AuxiliaryWindow::Frame frame)
{
    // The welcome window has no caption and nothing in its frame: its own
    // button is the only way on.
    if (frame == AuxiliaryWindow::Frame::Untitled) return Qt::Dialog | Qt::CustomizeWindowHint;
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

}  // namespace

AuxiliaryWindow::AuxiliaryWindow(QWidget& beneath, const QString& objectName, const QString& caption, int clientWidth,
                                 int clientHeight, Frame frame)
    : QWidget(nullptr, flagsFor(frame)), beneath_(&beneath)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    // The window system keeps the window beneath from taking input or focus
    // while this one is open, whatever the user clicks.
    setWindowModality(Qt::WindowModal);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(ui::twipsSize(clientWidth, clientHeight));
    // The design font of every form; controls and drawings choose their own.
    setFont(ui::designFont(ui::kMsSansSerif, 7.8));
}

void AuxiliaryWindow::present()
{
    // A window already open is only brought to the front; a new one comes up
    // centred over the window beneath.
    if (isVisible() || !beneath_) {
        show();
        raise();
        activateWindow();
        return;
    }
    ui::showOver(*this, *beneath_);
}

void AuxiliaryWindow::setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }

void AuxiliaryWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        close();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_) {
        defaultButton_->click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void AuxiliaryWindow::closeEvent(QCloseEvent* event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (beneath_) {
        beneath_->setEnabled(true);
        beneath_->activateWindow();
    }
    QWidget::closeEvent(event);
}

}  // namespace qismaru::help
