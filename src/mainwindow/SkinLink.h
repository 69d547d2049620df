#pragma once
// A text link on the skinned background: underlined text in the link colour, black while the
// pointer is over it, with a hand cursor. Clicking or activating it raises Clicked.

#include <QAbstractButton>
#include <QColor>

class SkinLink : public QAbstractButton {
    Q_OBJECT
public:
    SkinLink(const QString& name, const QRect& geometry, const QString& caption, bool bold,
             QWidget* parent);

    void SetColour(const QColor& colour);
    QColor Colour() const { return colour_; }

    QSize sizeHint() const override { return size(); }

Q_SIGNALS:
    void Moved();
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor colour_;
};
