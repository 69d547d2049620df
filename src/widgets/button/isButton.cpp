#include "isButton.h"

#include "ButtonPainter.h"
#include "ButtonToolTip.h"
#include "DevicePixels.h"

#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace {

QFont DefaultFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

QString WithoutLeadingBlanks(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace()) {
        ++i;
    }
    return text.mid(i);
}

QColor Rgb(const QColor& c) {
    return QColor(c.rgb() | 0xFF000000u);
}

} // namespace

isButton::isButton(QWidget* parent) : QAbstractButton(parent) {
    const SystemColors sys = SystemColorsFrom(palette());
    look_.font = DefaultFont();
    look_.backColor = sys.buttonFace;
    look_.highlightColor = sys.highlight;
    look_.fontColor = sys.buttonText;
    look_.fontHighlightColor = sys.buttonText;
    toolTipBackColor_ = sys.toolTipBack;
    toolTipForeColor_ = sys.toolTipText;
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setMinimumSize(20, 20);
    setAccessibleName(WithoutLeadingBlanks(look_.caption));
    // Programmatic and accessibility presses arrive as QAbstractButton's click.
    connect(this, &QAbstractButton::clicked, this, [this] {
        lastMouseButton_ = 1;
        ClickHandled();
    });
    ShapeChanged();
}

isButton::~isButton() = default;

// ---- properties ----

void isButton::ShapeChanged() {
    changed_ = true;
    UpdateMask();
    Repaint();
}

void isButton::LookChanged() {
    changed_ = true;
    Repaint();
}

void isButton::SetStyle(int style) {
    look_.style = style;
    ShapeChanged();
}

void isButton::SetCaption(const QString& caption) {
    look_.caption = caption;
    setAccessibleName(WithoutLeadingBlanks(caption));
    ShapeChanged();
}

void isButton::SetIcon(const QPixmap& icon) {
    SetIcon(icon.toImage());
}

void isButton::SetIcon(const QImage& icon) {
    look_.icon = icon.convertToFormat(QImage::Format_ARGB32);
    ShapeChanged();
}

void isButton::SetIconFile(const QString& path) {
    SetIcon(QImage(path));
}

void isButton::SetIconAlign(int align) {
    look_.iconAlign = align;
    ShapeChanged();
}

void isButton::SetIconSize(int size) {
    look_.iconSize = size;
    ShapeChanged();
}

void isButton::SetCaptionAlign(int align) {
    look_.captionAlign = align;
    ShapeChanged();
}

void isButton::SetNonThemeStyle(int style) {
    look_.nonThemeStyle = style;
    ShapeChanged();
}

void isButton::SetEnabled(bool enabled) {
    look_.enabled = enabled;
    changed_ = true;
    QWidget::setEnabled(enabled); // changeEvent resets the state and repaints
    state_ = ButtonNormal;
    Repaint();
}

void isButton::SetIconVisible(bool visible) {
    look_.iconVisible = visible;
    LookChanged();
}

void isButton::SetShowFocus(bool show) {
    look_.showFocus = show;
    LookChanged();
}

void isButton::SetUseCustomColors(bool use) {
    look_.useCustomColors = use;
    LookChanged();
}

void isButton::SetBackColor(const QColor& color) {
    look_.backColor = Rgb(color);
    LookChanged();
}

void isButton::SetHighlightColor(const QColor& color) {
    look_.highlightColor = Rgb(color);
    LookChanged();
}

void isButton::SetFontColor(const QColor& color) {
    look_.fontColor = Rgb(color);
    LookChanged();
}

void isButton::SetFontHighlightColor(const QColor& color) {
    look_.fontHighlightColor = Rgb(color);
    LookChanged();
}

void isButton::SetToolTip(const QString& text) {
    toolTip_ = text;
    LookChanged();
}

void isButton::SetToolTipTitle(const QString& title) {
    toolTipTitle_ = title;
    LookChanged();
}

void isButton::SetToolTipIcon(int icon) {
    toolTipIcon_ = icon;
    LookChanged();
}

void isButton::SetToolTipType(int type) {
    toolTipType_ = type;
    LookChanged();
}

void isButton::SetToolTipBackColor(const QColor& color) {
    toolTipBackColor_ = Rgb(color);
    LookChanged();
}

void isButton::SetToolTipForeColor(const QColor& color) {
    toolTipForeColor_ = Rgb(color);
    LookChanged();
}

void isButton::SetFont(const QFont& font) {
    look_.font = font;
    LookChanged();
}

void isButton::SetButtonType(int type) {
    look_.buttonType = type;
    LookChanged();
}

void isButton::SetValue(bool value) {
    look_.value = value;
    LookChanged();
}

QWidget* isButton::ToolTipWindow() const {
    return tip_.data();
}

// ---- drawing ----

void isButton::ApplyOverrides() {
    state_ = EffectiveState(look_, state_);
}

void isButton::Repaint() {
    ApplyOverrides();
    update();
}

void isButton::Refresh() {
    Repaint();
}

void isButton::UpdateMask() {
    maskRatio_ = devicePixelRatioF();
    setMask(ButtonMask(look_.style, size(), maskRatio_));
}

QImage isButton::Snapshot(qreal ratio, QSize devicePixels) {
    ApplyOverrides();
    const ButtonPicture picture =
        PaintButton(size(), look_, state_, hasFocus_, SystemColorsFrom(palette()), style(), ratio,
                    devicePixels);
    if (picture.themeMissing) {
        // Without a theme the themed look gives way, in memory only, to the fallback look.
        look_.style = look_.nonThemeStyle;
        UpdateMask();
    }
    return picture.image;
}

void isButton::paintEvent(QPaintEvent*) {
    // Moved to a screen of another ratio: the mask follows the finer outline.
    if (devicePixelRatioF() != maskRatio_) {
        UpdateMask();
    }
    QPainter p(this);
    // The picture has exactly the device pixels the button covers here, so it is drawn one
    // to one wherever a fractional ratio puts the button's edges.
    const QImage image = Snapshot(PaintRatio(p), PaintedPixels(p, rect()).size());
    p.drawImage(0, 0, image);
}

void isButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    UpdateMask();
    Repaint();
}

QSize isButton::sizeHint() const {
    const QFontMetrics metrics(look_.font);
    const bool icon = !look_.icon.isNull() && look_.iconVisible;
    int w = metrics.horizontalAdvance(look_.caption) + 16;
    int h = metrics.height() + 12;
    if (icon) {
        w += look_.iconSize + 8;
        h = std::max(h, look_.iconSize + 6);
    }
    return QSize(std::max(w, 20), std::max(h, 20));
}

QSize isButton::minimumSizeHint() const {
    return QSize(20, 20);
}

// ---- input ----

void isButton::PressDown() {
    state_ = ButtonPressed;
    if (tip_) {
        tip_->PointerGone();
    }
    Repaint();
}

void isButton::ReleaseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        // A check button that is about to be set stays down until its click is handled.
        const bool staysDown = look_.buttonType == 1 && !look_.value;
        state_ = staysDown ? ButtonPressed : ButtonHot;
        Repaint();
    }
    lastMouseButton_ = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 3;
}

void isButton::ClickHandled() {
    if (lastMouseButton_ != 1) {
        return;
    }
    if (look_.buttonType == 1) {
        look_.value = !look_.value;
        state_ = mouseInside_ ? ButtonHot : ButtonNormal;
        Repaint();
    }
    // The last step: a handler may close the window that holds this button.
    Q_EMIT Click();
}

void isButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftHeld_ = true;
        PressDown();
    }
    event->accept();
}

void isButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click presses again but brings no second click.
    if (event->button() == Qt::LeftButton && lastMouseButton_ == 1) {
        secondPressOfDoubleClick_ = true;
        leftHeld_ = true;
        PressDown();
    }
    event->accept();
}

// A left press that ends over the control is a click, wherever the pointer went meanwhile.
void isButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool held = event->button() == Qt::LeftButton && std::exchange(leftHeld_, false);
    const bool secondPress = std::exchange(secondPressOfDoubleClick_, false);
    ReleaseUp(event->button());
    const bool over = rect().contains(event->position().toPoint());
    if (!over && mouseInside_) {
        PointerLeft();
    } else if (!over && state_ == ButtonHot) {
        state_ = ButtonNormal;
        Repaint();
    }
    if (held && over && !secondPress) {
        ClickHandled();
    }
    event->accept();
}

void isButton::mouseMoveEvent(QMouseEvent* event) {
    // While a button is held the pointer is captured, so leaving shows up as a move outside.
    const bool over = rect().contains(event->position().toPoint());
    if (over && !mouseInside_) {
        PointerEntered();
    } else if (!over && mouseInside_) {
        PointerLeft();
    }
    if (over && tip_) {
        tip_->PointerMoved(event->globalPosition().toPoint());
    }
    event->accept();
}

void isButton::enterEvent(QEnterEvent* event) {
    if (!mouseInside_) {
        PointerEntered();
    }
    if (tip_) {
        tip_->PointerMoved(event->globalPosition().toPoint());
    }
}

void isButton::leaveEvent(QEvent*) {
    if (mouseInside_) {
        PointerLeft();
    }
}

void isButton::PointerEntered() {
    if (!isEnabled()) {
        return;
    }
    mouseInside_ = true;
    // Coming back while the button is still held shows that letting go here clicks.
    state_ = leftHeld_ ? ButtonPressed : ButtonHot;
    Repaint();
    Q_EMIT MouseEnter();
    ShowOwnToolTip();
}

void isButton::PointerLeft() {
    mouseInside_ = false;
    state_ = ButtonNormal;
    if (tip_) {
        tip_->PointerGone();
    }
    Repaint();
    Q_EMIT MouseLeave();
}

void isButton::ShowOwnToolTip() {
    if (tip_) {
        tip_->deleteLater();
    }
    ButtonToolTipContent content;
    content.text = toolTip_;
    content.title = toolTipTitle_;
    content.icon = toolTipIcon_;
    content.balloon = toolTipType_ == 1;
    content.back = toolTipBackColor_;
    content.fore = toolTipForeColor_;
    tip_ = new ButtonToolTip(this, content);
}

void isButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        event->ignore(); // no default or cancel behaviour: the window may use the key
        return;
    }
    if (!event->isAutoRepeat()) {
        PressDown();
        // The typed blank is the click: one per key press.
        if (look_.buttonType == 1) {
            look_.value = !look_.value;
            Repaint();
        }
        Q_EMIT Click();
    }
    event->accept();
}

void isButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat()) {
        ReleaseUp(Qt::LeftButton);
    }
    event->accept();
}

void isButton::focusInEvent(QFocusEvent* event) {
    hasFocus_ = true;
    Repaint();
    QWidget::focusInEvent(event);
}

void isButton::focusOutEvent(QFocusEvent* event) {
    hasFocus_ = false;
    Repaint();
    QWidget::focusOutEvent(event);
}

void isButton::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
        look_.enabled = isEnabled();
        state_ = ButtonNormal;
        mouseInside_ = mouseInside_ && isEnabled();
        leftHeld_ = leftHeld_ && isEnabled();
        Repaint();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        Repaint();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(event);
}

// ---- life ----

void isButton::showEvent(QShowEvent* event) {
    // Only this button's own tooltip window should appear, so it takes the container's text.
    if (!QWidget::toolTip().isEmpty()) {
        handedBackToolTip_ = QWidget::toolTip();
        toolTip_ = handedBackToolTip_;
        setToolTip(QString());
    }
    QAbstractButton::showEvent(event);
}

void isButton::hideEvent(QHideEvent* event) {
    if (!handedBackToolTip_.isEmpty()) {
        setToolTip(toolTip_);
        handedBackToolTip_.clear();
    }
    if (tip_) {
        tip_->PointerGone();
    }
    QAbstractButton::hideEvent(event);
}

void isButton::PropertiesLoaded() {
    state_ = ButtonNormal;
    UpdateMask();
    Repaint();
}

void isButton::About() {
    auto* box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("About isButton"),
                        QStringLiteral("isButton\nVersion ") + Version(), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show(); // not modal: the program never waits inside a handler
}

bool isButton::OpenLink(const QString& link) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(link));
}
