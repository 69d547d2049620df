#pragma once
// An icon drawn from SVG artwork: at ratio 1 it shows its prepared pictures exactly as a plain
// icon of them would, and on a denser screen it draws the artwork afresh at the device pixel
// size asked for, so the tray, the window and the tree icons are sharp at 1.25 or 1.5 too.

#include <QIcon>
#include <QIconEngine>
#include <QString>

class SvgIconEngine : public QIconEngine {
public:
    SvgIconEngine(const QString& svgPath, const QIcon& atRatioOne);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override { return QStringLiteral("VidlarkSvgIcon"); }
    QIconEngine* clone() const override { return new SvgIconEngine(svgPath_, atRatioOne_); }

private:
    QString svgPath_;
    QIcon atRatioOne_;
};
