#include "SkinArt.h"

#include "DevicePixels.h"
#include "FrameLayout.h"
#include "ShapedFace.h"
#include "SkinPictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace SkinArt {
namespace {

QByteArray ReadSvg(const QString& name) {
    QFile file(QStringLiteral(":/mainwindow/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Swaps palette colours in an SVG source, all at once, so a swap never feeds another.
QByteArray Recolour(const QByteArray& svg, const QHash<QString, QString>& swaps) {
    static const QRegularExpression colour(QStringLiteral("#[0-9A-Fa-f]{6}"));
    const QString text = QString::fromUtf8(svg);
    QString out;
    qsizetype last = 0;
    for (auto it = colour.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        out += text.mid(last, match.capturedStart() - last);
        out += swaps.value(match.captured().toUpper(), match.captured());
        last = match.capturedEnd();
    }
    out += text.mid(last);
    return out.toUtf8();
}

void PaintSvg(QPainter& painter, const QByteArray& svg, const QRectF& target) {
    QSvgRenderer renderer(svg);
    renderer.render(&painter, target);
}

const char* ToolbarSource(int index) {
    switch (index) {
    case 0:
        return "tool_add.svg";
    case 1:
        return "tool_remove.svg";
    case 3:
        return "tool_setting.svg";
    case 4:
        return "tool_help.svg";
    default:
        return "tool_exit.svg";
    }
}

QString ToolbarCaption(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("Add");
    case 1:
        return QStringLiteral("Remove");
    case 3:
        return QStringLiteral("Settings");
    case 4:
        return QStringLiteral("Help");
    default:
        return QStringLiteral("Exit");
    }
}

QString MenuCaption(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("File");
    case 2:
        return QStringLiteral("Settings");
    default:
        return QStringLiteral("About");
    }
}

QString TabCaption(int tab) {
    return tab == 0 ? QStringLiteral("Downloading List") : QStringLiteral("Music Browser");
}

// On the dark pressed face the icon's deep outlines turn white and its fills lighten.
QByteArray PressedIcon(const QByteArray& svg) {
    return Recolour(svg, {{QStringLiteral("#1F3A5A"), QStringLiteral("#FFFFFF")},
                          {QStringLiteral("#2E8BD8"), QStringLiteral("#6BB3EC")},
                          {QStringLiteral("#FFFFFF"), QStringLiteral("#1D6CB0")}});
}

// Tiles are drawn in their own coordinates: (0, 0) is the image control's top-left corner.
void PaintToolbarTile(QPainter& p, QSize size, int index, Look look) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    const int shift = look == Look::Pressed ? 1 : 0;
    if (look == Look::Hover) {
        p.setPen(QPen(Colour::AccentLight, 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(face, 6, 6);
    } else if (look == Look::Pressed) {
        p.setPen(QPen(Colour::AccentDark.darker(115), 1));
        p.setBrush(Colour::AccentDark);
        p.drawRoundedRect(face, 6, 6);
    }
    const QByteArray icon = ReadSvg(QString::fromLatin1(ToolbarSource(index)));
    const int iconSize = 36;
    PaintSvg(p, look == Look::Pressed ? PressedIcon(icon) : icon,
             QRectF((size.width() - iconSize) / 2.0, 8 + shift, iconSize, iconSize));
    p.setPen(look == Look::Pressed ? QColor(Qt::white) : Colour::Text);
    p.setFont(UiFont(11, look != Look::Normal));
    p.drawText(QRect(0, 49 + shift, size.width(), 18), Qt::AlignHCenter | Qt::AlignTop,
               ToolbarCaption(index));
}

void PaintMenuLabel(QPainter& p, QSize size, int index, Look look) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    const int shift = look == Look::Pressed ? 1 : 0;
    if (look == Look::Hover) {
        p.setPen(QPen(Colour::AccentLight, 1));
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawRoundedRect(face, 4, 4);
    } else if (look == Look::Pressed) {
        p.setPen(QPen(Colour::Rim, 1));
        p.setBrush(Colour::AccentDark);
        p.drawRoundedRect(face, 4, 4);
    }
    p.setPen(Qt::white);
    p.setFont(UiFont(12));
    p.drawText(QRect(0, shift, size.width(), size.height()), Qt::AlignCenter, MenuCaption(index));
}

void PaintTab(QPainter& p, QSize size, int tab, Look look) {
    p.setRenderHint(QPainter::Antialiasing);
    // Open at the top: the tab hangs from the pane above it.
    const qreal w = size.width() - 1, h = size.height() - 1, r = 5;
    QPainterPath shape;
    shape.moveTo(0.5, 0);
    shape.lineTo(0.5, h - r);
    shape.quadTo(0.5, h + 0.5, r, h + 0.5);
    shape.lineTo(w + 0.5 - r, h + 0.5);
    shape.quadTo(w + 0.5, h + 0.5, w + 0.5, h - r);
    shape.lineTo(w + 0.5, 0);
    QColor fill = Colour::PanelFace, border = Colour::PanelBorder, text = Colour::Text;
    if (look == Look::Hover) {
        fill = Qt::white;
        border = Colour::AccentLight;
    } else if (look == Look::Pressed) {
        fill = Colour::Accent;
        border = Colour::AccentDark;
        text = Qt::white;
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawPath(shape);
    if (look == Look::Hover) // a light bar where the tab meets the pane
        p.fillRect(QRectF(1, 0, w - 1, 2), Colour::AccentLight);
    p.setPen(text);
    p.setFont(UiFont(11, look == Look::Pressed));
    p.drawText(QRect(0, 0, size.width(), size.height()), Qt::AlignCenter, TabCaption(tab));
}

// The frame artwork before any idle look is drawn in: hover and pressed pictures start from it
// so that an idle look never shows through them. The last ratio asked for is kept.
QImage PlainArt(qreal ratio) {
    static QImage art;
    if (art.isNull() || art.devicePixelRatio() != ratio)
        art = RenderSvg(QStringLiteral(":/mainwindow/background.svg"), FrameLayout::BackgroundSize,
                        ratio);
    return art;
}

QImage ComposedArt(qreal ratio) {
    QImage art = PlainArt(ratio);
    QPainter p(&art);
    PaintSvg(p, ReadSvg(QStringLiteral("app_icon.svg")), FrameLayout::ProgramIconRect);
    for (int i = 0; i < FrameLayout::ToolbarCount; ++i) {
        if (i == 2)
            continue;
        const QRect r = FrameLayout::ToolbarRect(i);
        p.save();
        p.translate(r.topLeft());
        PaintToolbarTile(p, r.size(), i, Look::Normal);
        p.restore();
    }
    for (int i : {0, 2, 3}) {
        const QRect r = FrameLayout::MenuRect(i);
        p.save();
        p.translate(r.topLeft());
        PaintMenuLabel(p, r.size(), i, Look::Normal);
        p.restore();
    }
    for (int tab : {0, 1}) {
        const QRect r = tab == 0 ? FrameLayout::TaskTabRect : FrameLayout::BrowserTabRect;
        p.save();
        p.translate(r.topLeft());
        PaintTab(p, r.size(), tab, Look::Normal);
        p.restore();
    }
    p.end();
    return art;
}

// Edges are laid over the rim colour, so the outline darkens instead of paling.
ShapedFace& Frame() {
    static ShapedFace frame(&ComposedArt, Colour::Rim);
    return frame;
}

// A picture for one place on the frame, cut from the plain art at the device pixels the window
// shows that place on.
template <typename Painter> QPixmap Picture(const QRect& where, qreal ratio, Painter paint) {
    const QRect pixels = DevicePixels(where, ratio);
    QImage image = PlainArt(ratio).copy(pixels);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    // The cut starts on a whole device pixel; the place itself may start a fraction of one away.
    const QPointF shift = QPointF(where.topLeft()) - QPointF(pixels.topLeft()) / ratio;
    if (!shift.isNull())
        painter.translate(shift);
    paint(painter, where.size());
    painter.end();
    if (ratio == 1.0)
        return QPixmap::fromImage(KeyOutside(image, Colour::Rim));
    return QPixmap::fromImage(
        KeyToShape(image, Frame().Shape().translated(-where.topLeft()), Colour::Rim));
}

} // namespace

QFont UiFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QImage Background(qreal ratio) {
    return Frame().Picture(ratio);
}

const QRegion& Shape() {
    return Frame().Shape();
}

QPixmap ToolbarPicture(int index, Look look, qreal ratio) {
    return Picture(FrameLayout::ToolbarRect(index), ratio,
                   [&](QPainter& p, QSize size) { PaintToolbarTile(p, size, index, look); });
}

QPixmap MenuPicture(int index, Look look, qreal ratio) {
    return Picture(FrameLayout::MenuRect(index), ratio,
                   [&](QPainter& p, QSize size) { PaintMenuLabel(p, size, index, look); });
}

QPixmap TabPicture(int tab, Look look, qreal ratio) {
    const QRect where = tab == 0 ? FrameLayout::TaskTabRect : FrameLayout::BrowserTabRect;
    return Picture(where, ratio, [&](QPainter& p, QSize size) { PaintTab(p, size, tab, look); });
}

QPixmap SearchPicture(qreal ratio) {
    return RenderIcon(QStringLiteral(":/mainwindow/search.svg"),
                      FrameLayout::SearchImageRect.size(), ratio);
}

QImage DownloadIcon(qreal ratio) {
    return RenderSvg(QStringLiteral(":/mainwindow/download.svg"), {16, 16}, ratio);
}

QIcon GenreIcon(int number) {
    static const char* const sources[] = {
        "genre_rock.svg",    "genre_pop.svg",  "genre_rap.svg",       "genre_rnb.svg",
        "genre_country.svg", "genre_jazz.svg", "genre_classical.svg", "genre_religious.svg",
        "genre_blues.svg",   "genre_more.svg", "genre_root.svg"};
    if (number < 1 || number > 11)
        return {};
    return RenderIconSet(QStringLiteral(":/mainwindow/") + QLatin1String(sources[number - 1]),
                         {16, 32});
}

QIcon WindowIcon() {
    return RenderIconSet(QStringLiteral(":/mainwindow/app_icon.svg"),
                         {16, 24, 32, 48, 64, 128, 256});
}

QCursor HandCursor() {
    return QCursor(RenderIcon(QStringLiteral(":/mainwindow/hand.svg"), {32, 32}), 11, 2);
}

} // namespace SkinArt
