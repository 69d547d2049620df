#include "frmDrag.h"

#include "DevicePixels.h"
#include "TaskSources.h"
#include "TilePictures.h"
#include "WindowMover.h"
#include "WindowOps.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kSide = 34;
constexpr int kAlpha = 210;
// Start-up placement: 33 px below the top of the screen, left edge 80 px from its right edge.
constexpr int kStartTop = 33;
constexpr int kStartFromRight = 80;

} // namespace

frmDrag::frmDrag(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      lblPro_(new QLabel(QStringLiteral("0%"), this)) {
    setObjectName(QStringLiteral("frmDrag"));
    setFixedSize(kSide, kSide);
    setAcceptDrops(true);
    lblPro_->setObjectName(QStringLiteral("lblPro"));
    // Centred over the tile as a 17 px label at x 9 would be, but wide enough for "100%".
    lblPro_->setGeometry(1, 2, 32, 12);
    lblPro_->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    lblPro_->setFont(font);
    QPalette palette = lblPro_->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    lblPro_->setPalette(palette);
    // Presses, double-clicks and drops on the label act exactly as on the tile.
    lblPro_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblPro_->hide();
    // The right button opens the menu instead (a move would hold the pointer the menu needs),
    // and double clicks bring the main window back.
    new WindowMover(this, Qt::MouseButtons(Qt::AllButtons) & ~Qt::MouseButtons(Qt::RightButton),
                    WindowMover::DoubleClicks::LeaveToWindow);
}

void frmDrag::SetMainMenu(QMenu* menuMain) {
    menuMain_ = menuMain;
}

QPoint frmDrag::StartupPosition(const QRect& screenGeometry) {
    return {screenGeometry.x() + screenGeometry.width() - kStartFromRight,
            screenGeometry.y() + kStartTop};
}

void frmDrag::ShowAndPlace() {
    Prepare();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(StartupPosition(screen->geometry()));
    busy_ = false;
    show();
    update();
}

void frmDrag::SetShown(bool shown) {
    Prepare();
    setVisible(shown);
}

void frmDrag::SetBusyLook(bool busy) {
    EnsureLoaded();
    busy_ = busy;
    update();
}

void frmDrag::SetProgressVisible(bool visible) {
    EnsureLoaded();
    lblPro_->setVisible(visible);
}

void frmDrag::SetProgressText(const QString& text) {
    EnsureLoaded();
    lblPro_->setText(text);
}

void frmDrag::EnsureLoaded() {
    if (loaded_)
        return;
    Prepare();
    show();
}

void frmDrag::Prepare() {
    loaded_ = true;
    MakeTranslucent(this, kAlpha);
}

void frmDrag::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0,
                       TilePicture(busy_ ? TileLook::Busy : TileLook::Idle, PaintRatio(painter)));
}

void frmDrag::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && menuMain_)
        menuMain_->popup(event->globalPosition().toPoint());
}

void frmDrag::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        RestoreMainWindow(mainWindow_);
}

void frmDrag::dragEnterEvent(QDragEnterEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void frmDrag::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void frmDrag::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (const QMimeData* data = event->mimeData()) {
        if (std::optional<QString> text = DroppedText(*data))
            Q_EMIT AddressOffered(*text);
    }
}
