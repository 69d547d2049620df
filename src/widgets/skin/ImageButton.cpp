#include "ImageButton.h"

#include <QPainter>

ImageButton::ImageButton(const QString& toolTip, QWidget* parent) : QAbstractButton(parent) {
    setToolTip(toolTip);
    // Screen readers and the whole-program tests find the picture by what its tip says.
    setAccessibleName(toolTip);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::SetPictures(const QPixmap& normal, const QPixmap& hot) {
    normal_ = normal;
    hot_ = hot;
    update();
}

QSize ImageButton::sizeHint() const {
    return normal_.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool lit = !hot_.isNull() && (underMouse() || isDown());
    const int sink = !hot_.isNull() && isDown() ? 1 : 0;
    painter.drawPixmap(0, sink, lit ? hot_ : normal_);
}
