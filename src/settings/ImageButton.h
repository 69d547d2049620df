#pragma once
// A picture that acts as a button, like the dialog's corner close image: it draws only its
// picture and reports a click when a press is released over it.

#include <QAbstractButton>
#include <QImage>

class ImageButton : public QAbstractButton {
    Q_OBJECT

public:
    ImageButton(const QImage& picture, const QString& toolTip, QWidget* parent = nullptr);

    QSize sizeHint() const override { return Picture.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Picture;
};
