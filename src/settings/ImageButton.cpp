#include "ImageButton.h"

#include <QPainter>

ImageButton::ImageButton(const QImage& picture, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent), Picture(picture) {
    setToolTip(toolTip);
    // Screen readers and the whole-program tests find the picture by what its tip says.
    setAccessibleName(toolTip);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), Picture);
}
