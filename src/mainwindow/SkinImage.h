#pragma once
// An image control laid over the main window's background: transparent until the window gives
// it a picture, reporting every press, release and pointer move so the window can swap its
// pictures. While a button is held it says whether the pointer is still over it, and a release
// says whether it came over it, so a press dragged away can be let go of. It is a button for the
// keyboard and for assistive technology: activating it raises Activated.

#include "ImageButton.h"

class SkinImage : public ImageButton {
    Q_OBJECT
public:
    enum class Shown { Empty, Hover, Pressed, Fixed };

    // The tool tip also names the control for assistive technology.
    SkinImage(const QString& name, const QRect& geometry, const QString& toolTip, QWidget* parent);

    void SetPicture(const QPixmap& picture, Shown shown);
    void Clear() { SetPicture({}, Shown::Empty); }
    Shown CurrentLook() const { return shown_; }

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    void Moved();
    void Pressed();
    void HeldOverChanged(bool over); // the held pointer left the image or came back
    void Released(bool over);
    void Clicked();   // a left click with the mouse, or an activation
    void Activated(); // keyboard or assistive technology, never the mouse

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Shown shown_ = Shown::Empty;
    bool leftDown_ = false;
    bool held_ = false;
    bool heldOver_ = false;
};
