#include "ui/kit/up_down_control.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ui/kit/design_names.h"

namespace qismaru::ui {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);  // holding the arrow keeps counting
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

}  // namespace

UpDownControl::UpDownControl(const QRect& geometry, QWidget* parent)
    : QWidget(parent),
      up_(arrowButton(Qt::UpArrow, design::kUpArrow, this)),
      down_(arrowButton(Qt::DownArrow, design::kDownArrow, this))
{
    setObjectName(design::kUpDown);
    setGeometry(geometry);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &UpDownControl::upPressed);
    connect(down_, &QToolButton::clicked, this, &UpDownControl::downPressed);
}

}  // namespace qismaru::ui
