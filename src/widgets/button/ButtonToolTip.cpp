#include "ButtonToolTip.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int Pad = 6;
constexpr int Tail = 10; // height of the balloon's pointer
constexpr int IconSide = 16;

bool IsSystem(const QColor& c) {
    return !c.isValid() || (c.rgb() & 0xFFFFFF) == 0;
}

QFont TitleFont(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

ButtonToolTip::ButtonToolTip(QWidget* owner, const ButtonToolTipContent& content)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      owner_(owner), content_(content) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(ContentSize());
    if (content_.balloon) {
        // Shaped by a mask, so the balloon also looks right without a compositing desktop.
        QPainterPathStroker rim;
        rim.setWidth(2);
        const QPainterPath shape = Outline().united(rim.createStroke(Outline()));
        setMask(QRegion(shape.toFillPolygon().toPolygon()) & QRegion(rect()));
    }
    wakeUp_.setSingleShot(true);
    wakeUp_.setInterval(style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
    autoHide_.setSingleShot(true);
    autoHide_.setInterval(10000);
    connect(&wakeUp_, &QTimer::timeout, this, &ButtonToolTip::Pop);
    connect(&autoHide_, &QTimer::timeout, this, &QWidget::hide);
}

QColor ButtonToolTip::BackgroundColor() const {
    return IsSystem(content_.back) ? palette().color(QPalette::ToolTipBase) : content_.back;
}

QColor ButtonToolTip::TextColor() const {
    return IsSystem(content_.fore) ? palette().color(QPalette::ToolTipText) : content_.fore;
}

void ButtonToolTip::PointerMoved(const QPoint& globalPos) {
    lastPos_ = globalPos;
    if (!isVisible() && !content_.text.isEmpty()) {
        wakeUp_.start();
    }
}

void ButtonToolTip::PointerGone() {
    wakeUp_.stop();
    autoHide_.stop();
    hide();
}

void ButtonToolTip::Pop() {
    if (!owner_ || !owner_->isVisible()) {
        return;
    }
    // Below and a little right of the pointer, kept on the screen.
    QPoint at = lastPos_ + QPoint(content_.balloon ? -Tail : 4, 20);
    if (const QScreen* screen = QGuiApplication::screenAt(lastPos_)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(at);
    show();
    raise();
    autoHide_.start();
}

QSize ButtonToolTip::ContentSize() const {
    const QFontMetrics textMetrics(font());
    const QFontMetrics titleMetrics(TitleFont(font()));
    int w = textMetrics.horizontalAdvance(content_.text);
    int h = textMetrics.height();
    if (!content_.title.isEmpty() || content_.icon != 0) {
        const int iconPart = content_.icon >= 1 && content_.icon <= 3 ? IconSide + 4 : 0;
        w = std::max(w, iconPart + titleMetrics.horizontalAdvance(content_.title));
        h += std::max(IconSide, titleMetrics.height()) + 4;
    }
    return QSize(w + 2 * Pad + 1, h + 2 * Pad + 1 + (content_.balloon ? Tail : 0));
}

QPainterPath ButtonToolTip::Outline() const {
    QPainterPath outline;
    if (content_.balloon) {
        outline.addRoundedRect(BodyRect(), 8, 8);
        QPainterPath tail;
        tail.moveTo(Tail + 2, Tail + 1);
        tail.lineTo(Tail + 2, 0);
        tail.lineTo(2 * Tail + 6, Tail + 1);
        tail.closeSubpath();
        outline = outline.united(tail);
    } else {
        outline.addRect(BodyRect());
    }
    return outline;
}

QRectF ButtonToolTip::BodyRect() const {
    return QRectF(rect()).adjusted(0.5, content_.balloon ? Tail + 0.5 : 0.5, -0.5, -0.5);
}

void ButtonToolTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, content_.balloon);
    const QRectF body = BodyRect();
    const QPainterPath outline = Outline();
    p.setPen(TextColor());
    p.setBrush(BackgroundColor());
    p.drawPath(outline);

    int y = static_cast<int>(body.top()) + Pad;
    int x = Pad;
    if (!content_.title.isEmpty() || content_.icon != 0) {
        static const QStyle::StandardPixmap icons[] = {QStyle::SP_MessageBoxInformation,
                                                       QStyle::SP_MessageBoxWarning,
                                                       QStyle::SP_MessageBoxCritical};
        const int lineHeight = std::max(IconSide, QFontMetrics(TitleFont(font())).height());
        if (content_.icon >= 1 && content_.icon <= 3) {
            style()->standardIcon(icons[content_.icon - 1]).paint(&p, x, y, IconSide, IconSide);
            x += IconSide + 4;
        }
        p.setFont(TitleFont(font()));
        p.drawText(QRect(x, y, width() - x - Pad, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   content_.title);
        y += lineHeight + 4;
        x = Pad;
    }
    p.setFont(font());
    p.drawText(QRect(x, y, width() - x - Pad, height() - y - Pad),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, content_.text);
}
