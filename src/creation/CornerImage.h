#pragma once
// A small picture in a skinned window's corner that closes the window. It lights up under the
// pointer; as a button underneath, it reports clicks and can be pressed through the desktop's
// accessibility interface, where its tool tip is its name.

#include <QAbstractButton>
#include <QPixmap>

class CornerImage : public QAbstractButton {
    Q_OBJECT
public:
    CornerImage(const QPixmap& normal, const QPixmap& hot, const QString& toolTip,
                QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normal_;
    QPixmap hot_;
};
