#include "TilePictures.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int kTileSide = 34;

QPixmap Render(const QString& resource, int side, qreal devicePixelRatio) {
    QImage image(QSize(side, side) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap TilePicture(TileLook look, qreal devicePixelRatio) {
    return Render(look == TileLook::Idle ? QStringLiteral(":/desktop/tile-idle.svg")
                                         : QStringLiteral(":/desktop/tile-busy.svg"),
                  kTileSide, devicePixelRatio);
}

QIcon LogoIcon() {
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(Render(QStringLiteral(":/desktop/logo.svg"), side, 1.0));
    return icon;
}
