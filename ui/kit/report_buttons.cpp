#include "ui/kit/report_buttons.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace qismaru::ui {

QDialogButtonBox* reportButtons(QWidget& window, const ReportCommands& commands)
{
    auto* buttons = new QDialogButtonBox(&window);
    const auto button = [&](const char* name, const char* caption, const QKeySequence& keys,
                            const std::function<void()>& handler) {
        QPushButton* b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        b->setObjectName(name);
        b->setToolTip(keys.toString(QKeySequence::NativeText));
        QObject::connect(b, &QPushButton::clicked, &window, handler);
        QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, &window, handler);
    };
    button(commands.printName, "طباعة", QKeySequence::Print, commands.print);
    button(commands.pdfName, "حفظ PDF", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), commands.savePdf);
    button(commands.copyName, "نسخ", QKeySequence::Copy, commands.copy);
    QPushButton* close = buttons->addButton("إغلاق", QDialogButtonBox::RejectRole);
    close->setObjectName(commands.closeName);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &window), &QShortcut::activated, &window,
                     &QWidget::close);
    return buttons;
}

}  // namespace qismaru::ui
