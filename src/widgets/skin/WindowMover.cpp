#include "WindowMover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowMover::WindowMover(QWidget* window, Qt::MouseButtons buttons, DoubleClicks doubleClicks)
    : QObject(window), window_(window), buttons_(buttons), doubleClicks_(doubleClicks) {
    window->installEventFilter(this);
}

// Only what reaches the window itself is seen here: presses on the face, and presses a child
// control left unhandled.
bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return Press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonDblClick:
        return doubleClicks_ == DoubleClicks::Move &&
               Press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
        return Follow(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        offset_.reset();
        return false;
    default:
        return false;
    }
}

bool WindowMover::Press(const QMouseEvent& event) {
    if (!(buttons_ & event.button()))
        return false;
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove())
        offset_.reset();
    else
        offset_ = event.globalPosition().toPoint() - window_->pos();
    return true;
}

// Moves the window only while a button is held: a release lost to another window ends the move.
bool WindowMover::Follow(const QMouseEvent& event) {
    if (!offset_)
        return false;
    if (event.buttons() == Qt::NoButton) {
        offset_.reset();
        return false;
    }
    window_->move(event.globalPosition().toPoint() - *offset_);
    return true;
}
