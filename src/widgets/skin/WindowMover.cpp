#include "WindowMover.h"

#include <QApplication>
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
        return Drag(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        pressedAt_.reset();
        offset_.reset();
        return false;
    default:
        return false;
    }
}

// Nothing moves yet: handing the pointer to the window manager now would take the release and
// the second click of a double click away from the window.
bool WindowMover::Press(const QMouseEvent& event) {
    if (!(buttons_ & event.button()))
        return false;
    pressedAt_ = event.globalPosition().toPoint();
    offset_.reset();
    return true;
}

// Moves the window only while a button is held: a release lost to another window ends the move.
bool WindowMover::Drag(const QMouseEvent& event) {
    if (!pressedAt_ && !offset_)
        return false;
    if (event.buttons() == Qt::NoButton) {
        pressedAt_.reset();
        offset_.reset();
        return false;
    }
    const QPoint pointer = event.globalPosition().toPoint();
    if (pressedAt_) {
        if ((pointer - *pressedAt_).manhattanLength() < QApplication::startDragDistance())
            return true;
        StartMove(pointer);
        return true;
    }
    window_->move(pointer - *offset_);
    return true;
}

// The window first catches up with the pointer, so that the place the press went down stays
// under it whoever moves the window from here on.
void WindowMover::StartMove(QPoint pointer) {
    const QPoint grip = *pressedAt_ - window_->pos();
    pressedAt_.reset();
    window_->move(pointer - grip);
    QWindow* handle = window_->windowHandle();
    if (!handle || !handle->startSystemMove())
        offset_ = grip;
}
