#include "SkinImage.h"

#include "SkinArt.h"

#include <QMouseEvent>
#include <QPainter>

SkinImage::SkinImage(const QString& name, const QRect& geometry, const QString& toolTip,
                     QWidget* parent)
    : ImageButton(toolTip, parent) {
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    // The window puts the hand cursor only where it wants one.
    unsetCursor();
    // Keyboard and assistive activation come through QAbstractButton's click(); the mouse is
    // handled below and never reaches it.
    connect(this, &QAbstractButton::clicked, this, [this] {
        Q_EMIT Activated();
        Q_EMIT Clicked();
    });
}

void SkinImage::SetPicture(const QPixmap& picture, Shown shown) {
    shown_ = shown;
    SetPictures(picture);
}

void SkinImage::paintEvent(QPaintEvent* event) {
    ImageButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(SkinArt::Colour::Accent, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
}

void SkinImage::mousePressEvent(QMouseEvent* event) {
    leftDown_ = event->button() == Qt::LeftButton;
    held_ = true;
    heldOver_ = true;
    event->accept();
    Q_EMIT Pressed();
}

void SkinImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool over = rect().contains(event->position().toPoint());
    const bool click = leftDown_ && event->button() == Qt::LeftButton && over;
    leftDown_ = false;
    held_ = false;
    Q_EMIT Released(over);
    if (click)
        Q_EMIT Clicked();
}

// While a button is held every move comes here, wherever the pointer is.
void SkinImage::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const bool over = rect().contains(event->position().toPoint());
    if (held_ && over != heldOver_) {
        heldOver_ = over;
        Q_EMIT HeldOverChanged(over);
    }
    Q_EMIT Moved();
}

void SkinImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}
