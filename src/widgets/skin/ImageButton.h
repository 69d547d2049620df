#pragma once
// A picture that acts as a button, such as a skinned window's corner close image. A press
// released over it is a click; it can also be pressed through the desktop's accessibility
// interface, where its tool tip is its name. Given a hot picture, it lights up under the pointer
// and sinks by a pixel while held.

#include <QAbstractButton>
#include <QPixmap>

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(const QString& toolTip, QWidget* parent = nullptr);

    void SetPictures(const QPixmap& normal, const QPixmap& hot = {});
    const QPixmap& Picture() const { return normal_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normal_;
    QPixmap hot_;
};
