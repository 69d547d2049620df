#pragma once
// Moves a frameless window by a press on its own face, as a title bar would; presses a control
// takes for itself never reach it. The move starts once the held pointer has gone past the
// desktop's drag distance, so clicks and double clicks on the face stay the window's own. The
// window manager takes the move over when it can; when it refuses, the window follows the
// pointer until the button is let go.

#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

class WindowMover : public QObject {
    Q_OBJECT
public:
    // Like any press on a window's face, the second press of a double click may start a move
    // too, unless the window has a use of its own for double clicks.
    enum class DoubleClicks { Move, LeaveToWindow };

    // Installs itself on `window`, which owns it.
    explicit WindowMover(QWidget* window, Qt::MouseButtons buttons = Qt::AllButtons,
                         DoubleClicks doubleClicks = DoubleClicks::Move);

    // True while the window follows the pointer itself.
    bool Following() const { return offset_.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(const QMouseEvent& event);
    bool Drag(const QMouseEvent& event);
    void StartMove(QPoint pointer);

    QWidget* window_;
    Qt::MouseButtons buttons_;
    DoubleClicks doubleClicks_;
    // Where a press that may become a move went down, until it does or is let go.
    std::optional<QPoint> pressedAt_;
    std::optional<QPoint> offset_;
};
