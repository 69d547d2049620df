#pragma once
// The button's own tooltip window: an optional title with its icon, the text, a rectangle or a
// balloon, in the button's colours or the desktop's. It shows itself when the pointer rests on
// its button and hides when the pointer leaves or presses.

#include <QColor>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>

struct ButtonToolTipContent {
    QString text;
    QString title;
    int icon = 0; // 0 none, 1 information, 2 warning, 3 error
    bool balloon = false;
    QColor back; // invalid or black: the desktop's tooltip colour
    QColor fore;
};

class ButtonToolTip : public QWidget {
    Q_OBJECT
public:
    ButtonToolTip(QWidget* owner, const ButtonToolTipContent& content);

    const ButtonToolTipContent& Content() const { return content_; }
    QColor BackgroundColor() const;
    QColor TextColor() const;

    // Called by the owner as the pointer moves over it, leaves it or presses on it.
    void PointerMoved(const QPoint& globalPos);
    void PointerGone();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Pop();
    QSize ContentSize() const;
    QPainterPath Outline() const;
    QRectF BodyRect() const;

    QPointer<QWidget> owner_;
    ButtonToolTipContent content_;
    QTimer wakeUp_;
    QTimer autoHide_;
    QPoint lastPos_;
};
