#include "TilePictures.h"

#include "SkinPictures.h"

namespace {

constexpr QSize kTileSize(34, 34);

} // namespace

QPixmap TilePicture(TileLook look, qreal devicePixelRatio) {
    return RenderIcon(look == TileLook::Idle ? QStringLiteral(":/desktop/tile-idle.svg")
                                             : QStringLiteral(":/desktop/tile-busy.svg"),
                      kTileSize, devicePixelRatio);
}
