#include "CornerImage.h"

#include <QPainter>

CornerImage::CornerImage(const QPixmap& normal, const QPixmap& hot, const QString& toolTip,
                         QWidget* parent)
    : QAbstractButton(parent), normal_(normal), hot_(hot) {
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize CornerImage::sizeHint() const {
    return normal_.deviceIndependentSize().toSize();
}

void CornerImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, isDown() ? 1 : 0, underMouse() || isDown() ? hot_ : normal_);
}
