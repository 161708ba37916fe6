#include "ui/kit/message_boxes.h"

#include <QMessageBox>

namespace qismaru::ui {

void ModalMessageBoxes::inform(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

}  // namespace qismaru::ui
