#include "SkinLink.h"

#include <QMouseEvent>
#include <QPainter>

SkinLink::SkinLink(const QString& name, const QRect& geometry, const QString& caption, bool bold,
                   QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setText(caption);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    QFont linkFont;
    linkFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
    linkFont.setPixelSize(12); // 9 pt at 96 dots per inch
    linkFont.setUnderline(true);
    linkFont.setBold(bold);
    setFont(linkFont);
    connect(this, &QAbstractButton::clicked, this, &SkinLink::Clicked);
}

void SkinLink::SetColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void SkinLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(colour_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(colour_, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SkinLink::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
    Q_EMIT Moved();
}
