// What the painter draws: the colour arithmetic, Style 5 pixel by pixel, the icon's place, a few
// characteristic pixels of every other look, and bad input.

#include "ButtonPainter.h"
#include "ButtonTests.h"
#include "DensityShots.h"
#include "DevicePixels.h"
#include "PixelCanvas.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

namespace {

// Fixed desktop colours, so that the expectations do not depend on the machine's theme.
SystemColors Desk() {
    SystemColors c;
    c.buttonFace = QColor(0xECE9D8);
    c.buttonShadow = QColor(0xACA899);
    c.buttonText = QColor(0, 0, 0);
    c.grayText = QColor(0xACA899);
    c.highlight = QColor(0x316AC5);
    c.window = QColor(0xFFFFFF);
    c.light3d = QColor(0xF1EFE2);
    c.highlight3d = QColor(0xFFFFFF);
    c.darkShadow3d = QColor(0x716F64);
    c.toolTipBack = QColor(0xFFFFE1);
    c.toolTipText = QColor(0, 0, 0);
    return c;
}

ButtonLook Plain(int style) {
    ButtonLook look;
    look.style = style;
    look.caption.clear();
    look.backColor = QColor(0xECE9D8);
    look.highlightColor = QColor(0x316AC5);
    look.fontColor = Qt::black;
    look.fontHighlightColor = Qt::black;
    return look;
}

ButtonLook Custom(int style) {
    ButtonLook look = Plain(style);
    look.useCustomColors = true;
    look.showFocus = true;
    look.backColor = QColor(0x808080);
    look.highlightColor = QColor(0x2060A0);
    return look;
}

ButtonPicture Paint(const ButtonLook& look, QSize size, int state, bool focus = false) {
    return PaintButton(size, look, state, focus, Desk(), nullptr);
}

QString Hex(QRgb rgb) {
    return qAlpha(rgb) == 0 ? QStringLiteral("transparent")
                            : QColor(rgb).name(QColor::HexRgb).toUpper();
}

} // namespace

class PainterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arithmetic_data();
    void arithmetic();
    void firstGradientRows();
    void style5System_data();
    void style5System();
    void style5Custom_data();
    void style5Custom();
    void otherLooks_data();
    void otherLooks();
    void iconPlace_data();
    void iconPlace();
    void checkedButtonDrawsPressedEvenWhenHot();
    void disabledWinsOverChecked();
    void themedLookFallsBackWithoutTheme();
    void captionIsClippedToItsRectangle();
    void badInputStaysInside_data();
    void badInputStaysInside();
    void pixelRulesOnDevicePixels_data();
    void pixelRulesOnDevicePixels();
    void captionAndIconAtDeviceResolution();
};

void PainterTest::arithmetic_data() {
    QTest::addColumn<int>("got");
    QTest::addColumn<int>("expected");
    QTest::newRow("shift clamps up")
        << int(Shift(QColor(0xF0F0F0), 24).rgb() & 0xFFFFFF) << 0xFFFFFF;
    QTest::newRow("shift clamps down")
        << int(Shift(QColor(0x102030), -32).rgb() & 0xFFFFFF) << 0x000010;
    QTest::newRow("lighten divides down")
        << int(Lighten(QColor(0x316AC5), 176).rgb() & 0xFFFFFF) << 0xBFD0ED;
    QTest::newRow("average halves to even")
        << int(Average(QColor(0x010203), QColor(0x020304)).rgb() & 0xFFFFFF) << 0x020204;
    QTest::newRow("gradient half goes to even") << GradientChannel(0, 1, 1, 2) << 0;
    QTest::newRow("gradient half goes to even upward") << GradientChannel(1, 2, 1, 2) << 2;
    QTest::newRow("gradient with no steps keeps the start") << GradientChannel(7, 9, 0, 0) << 7;
    QTest::newRow("gradient ends on its end colour") << GradientChannel(251, 240, 4, 4) << 240;
}

void PainterTest::arithmetic() {
    QFETCH(int, got);
    QFETCH(int, expected);
    QCOMPARE(got, expected);
}

void PainterTest::firstGradientRows() {
    QImage image(3, 6, QImage::Format_ARGB32);
    image.fill(Qt::white);
    PixelCanvas canvas(image);
    canvas.VGradient(0, 2, 0, 4, QColor(0xFCFCFB), QColor(0xF0F0F0));
    QStringList rows;
    for (int y = 0; y < 6; ++y) {
        rows << Hex(image.pixel(1, y));
    }
    QCOMPARE(rows, QStringList({"#FCFCFB", "#F9F9F8", "#F6F6F6", "#F3F3F3", "#F0F0F0", "#FFFFFF"}));
}

void PainterTest::style5System_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");
    for (const QSize s : {QSize(93, 37), QSize(40, 24)}) {
        const int W = s.width();
        const int H = s.height();
        const QByteArray n = QByteArray::number(W) + "x" + QByteArray::number(H) + " ";
        auto row = [&](const char* name, int state, bool focus, QPoint at, const char* colour) {
            QTest::newRow((n + name).constData())
                << s << state << focus << at << QString::fromLatin1(colour);
        };
        row("frame top", ButtonNormal, false, {10, 0}, "#003C74");
        row("frame left", ButtonNormal, false, {0, 10}, "#003C74");
        row("frame right", ButtonNormal, false, {W - 1, H / 2}, "#003C74");
        row("frame bottom", ButtonNormal, false, {10, H - 1}, "#003C74");
        row("corner cut top left", ButtonNormal, false, {0, 0}, "transparent");
        row("corner cut bottom right", ButtonNormal, false, {W - 1, H - 1}, "transparent");
        row("inner corner", ButtonNormal, false, {W - 2, H - 2}, "#486E90");
        row("outer corner", ButtonNormal, false, {0, H - 2}, "#6A8BA2");
        row("outer corner top", ButtonNormal, false, {W - 2, 0}, "#6A8BA2");
        row("soft corner", ButtonNormal, false, {W - 3, H - 2}, "#BFC7CA");
        row("gradient row 1", ButtonNormal, false, {10, 1}, "#FCFCFB");
        row("gradient row 2", ButtonNormal, false, {10, 2}, "#F9F9F8");
        row("gradient row 3", ButtonNormal, false, {10, 3}, "#F6F6F6");
        row("second gradient starts on row 4", ButtonNormal, false, {10, 4}, "#FAFAF9");
        row("bottom gradient", ButtonNormal, false, {10, H - 4}, "#EBEBE6");
        row("bottom gradient third row", ButtonNormal, false, {10, H - 2}, "#DDD9D0");
        row("right shade", ButtonNormal, false, {W - 2, 3}, "#F5F4F2");
        row("hot ring top", ButtonHot, false, {10, 1}, "#FFF0CF");
        row("hot ring second", ButtonHot, false, {10, 2}, "#FDD889");
        row("hot ring bottom", ButtonHot, false, {10, H - 2}, "#E59710");
        row("hot ring side covers soft corner", ButtonHot, false, {1, 2}, "#FDD889");
        row("hot ring side ends", ButtonHot, false, {W - 2, H - 3}, "#F8B330");
        row("hot wins over focus", ButtonHot, true, {10, H - 2}, "#E59710");
        row("focus ring bottom", ButtonNormal, true, {10, H - 2}, "#6982EE");
        row("focus ring top", ButtonNormal, true, {10, 1}, "#CEE7FF");
        row("focus ring side", ButtonNormal, true, {2, 2}, "#BCD4F6");
        row("pressed face", ButtonPressed, false, {10, 1}, "#D1CCC1");
        row("pressed left shade", ButtonPressed, false, {1, 3}, "#DAD8CE");
        row("pressed keeps frame", ButtonPressed, false, {10, 0}, "#003C74");
        row("pressed shows no focus ring", ButtonPressed, true, {10, 1}, "#D1CCC1");
        row("disabled face", ButtonDisabled, false, {10, H / 2}, "#F5F4EA");
        row("disabled outline", ButtonDisabled, false, {0, H / 2}, "#C9C7BA");
        row("disabled corner", ButtonDisabled, false, {W - 2, H - 2}, "#D8D5C7");
        row("disabled outer corner", ButtonDisabled, false, {1, 0}, "#D8D5C7");
    }
}

void PainterTest::style5System() {
    QFETCH(QSize, size);
    QFETCH(int, state);
    QFETCH(bool, focus);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    const QImage image = Paint(Plain(5), size, state, focus).image;
    QCOMPARE(image.size(), size);
    QCOMPARE(Hex(image.pixel(at)), colour);
}

void PainterTest::style5Custom_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");
    // B = #808080, highlight #2060A0, system highlight #316AC5; on a 60 x 30 button.
    QTest::newRow("frame") << int(ButtonNormal) << false << QPoint(0, 10) << "#000000";
    QTest::newRow("outer corner") << int(ButtonNormal) << false << QPoint(1, 0) << "#6B6B6B";
    QTest::newRow("bottom line") << int(ButtonNormal) << false << QPoint(10, 28) << "#5B5B5B";
    QTest::newRow("hot ring uses the highlight")
        << int(ButtonHot) << false << QPoint(10, 28) << "#2060A0";
    QTest::newRow("focus ring uses the system highlight")
        << int(ButtonNormal) << true << QPoint(10, 28) << "#316AC5";
    QTest::newRow("pressed inner corner")
        << int(ButtonPressed) << false << QPoint(1, 1) << "#202020";
    QTest::newRow("disabled outline") << int(ButtonDisabled) << false << QPoint(0, 10) << "#404040";
}

void PainterTest::style5Custom() {
    QFETCH(int, state);
    QFETCH(bool, focus);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    QCOMPARE(Hex(Paint(Custom(5), QSize(60, 30), state, focus).image.pixel(at)), colour);
}

void PainterTest::otherLooks_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");
    // Face #ECE9D8, shadow #ACA899; custom back #808080, highlight #2060A0; 60 x 30.
    QTest::newRow("0 raised edge") << 0 << false << 1 << false << QPoint(0, 0) << "#F1EFE2";
    QTest::newRow("0 raised edge dark") << 0 << false << 1 << false << QPoint(59, 29) << "#716F64";
    QTest::newRow("0 sunken edge") << 0 << false << 3 << false << QPoint(0, 0) << "#ACA899";
    QTest::newRow("0 hot face custom") << 0 << true << 2 << false << QPoint(30, 15) << "#2060A0";
    QTest::newRow("1 thin raised") << 1 << false << 1 << false << QPoint(0, 0) << "#FFFFFF";
    QTest::newRow("1 disabled has no edge")
        << 1 << false << 4 << false << QPoint(0, 0) << "#ECE9D8";
    QTest::newRow("2 flat at rest") << 2 << false << 1 << false << QPoint(0, 0) << "#ECE9D8";
    QTest::newRow("2 thin sunken pressed") << 2 << false << 3 << false << QPoint(0, 0) << "#ACA899";
    QTest::newRow("3 shadow outline") << 3 << false << 1 << false << QPoint(0, 0) << "#ACA899";
    QTest::newRow("3 window outline") << 3 << false << 1 << false << QPoint(59, 29) << "#FFFFFF";
    QTest::newRow("3 hot inner average") << 3 << false << 2 << false << QPoint(30, 15) << "#CCC8B8";
    QTest::newRow("3 pressed inner shadow")
        << 3 << false << 3 << false << QPoint(30, 15) << "#ACA899";
    QTest::newRow("4 normal lightened") << 4 << false << 1 << false << QPoint(59, 29) << "#EEEBDC";
    QTest::newRow("4 hot outline") << 4 << false << 2 << false << QPoint(59, 29) << "#316AC5";
    QTest::newRow("4 hot face") << 4 << false << 2 << false << QPoint(30, 15) << "#BFD0ED";
    QTest::newRow("7 frame") << 7 << false << 1 << false << QPoint(0, 10) << "#949180";
    QTest::newRow("7 hot ring") << 7 << false << 2 << false << QPoint(1, 2) << "#467FDA";
    QTest::newRow("7 focus ring") << 7 << false << 1 << true << QPoint(10, 28) << "#1C55B0";
    QTest::newRow("8 outline") << 8 << false << 1 << false << QPoint(1, 1) << "#BCB9A8";
    QTest::newRow("8 focus outline darker") << 8 << false << 1 << true << QPoint(1, 1) << "#8C8978";
    QTest::newRow("8 shadow") << 8 << false << 1 << false << QPoint(10, 29) << "#D1CEBD";
    QTest::newRow("9 top line") << 9 << false << 1 << false << QPoint(10, 0) << "#FFFFF9";
    QTest::newRow("9 bottom line") << 9 << false << 1 << false << QPoint(10, 28) << "#5D5A49";
    QTest::newRow("9 custom pressed base")
        << 9 << true << 3 << false << QPoint(10, 27) << "#3878B8";
    QTest::newRow("10 silver at rest") << 10 << false << 1 << false << QPoint(30, 15) << "#E8E7EA";
    QTest::newRow("10 bright blue hot") << 10 << false << 2 << false << QPoint(30, 15) << "#6AA6E2";
    QTest::newRow("10 bright blue focused")
        << 10 << false << 1 << true << QPoint(30, 15) << "#6AA6E2";
    QTest::newRow("10 deep blue pressed")
        << 10 << false << 3 << false << QPoint(30, 15) << "#6A9BCC";
    QTest::newRow("10 silver disabled") << 10 << false << 4 << false << QPoint(30, 15) << "#E8E7EA";
    QTest::newRow("10 rounded corner")
        << 10 << false << 1 << false << QPoint(0, 0) << "transparent";
    QTest::newRow("8 cut corner") << 8 << false << 1 << false << QPoint(0, 0) << "transparent";
}

void PainterTest::otherLooks() {
    QFETCH(int, style);
    QFETCH(bool, custom);
    QFETCH(int, state);
    QFETCH(bool, focus);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    const ButtonLook look = custom ? Custom(style) : Plain(style);
    QCOMPARE(Hex(Paint(look, QSize(60, 30), state, focus).image.pixel(at)), colour);
}

void PainterTest::iconPlace_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("align");
    QTest::addColumn<int>("size");
    QTest::addColumn<QSize>("button");
    QTest::addColumn<int>("state");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("dialog button at rest") << 5 << 1 << 32 << QSize(93, 37) << 1 << QPoint(5, 2);
    QTest::newRow("dialog button pressed") << 5 << 1 << 32 << QSize(93, 37) << 3 << QPoint(6, 3);
    QTest::newRow("browser button") << 5 << 1 << 16 << QSize(200, 24) << 1 << QPoint(5, 4);
    QTest::newRow("centre halves to even") << 0 << 0 << 16 << QSize(41, 41) << 1 << QPoint(12, 12);
    QTest::newRow("right") << 9 << 2 << 16 << QSize(60, 30) << 1 << QPoint(37, 7);
    QTest::newRow("top") << 8 << 3 << 16 << QSize(60, 30) << 1 << QPoint(22, 4);
    QTest::newRow("bottom") << 10 << 4 << 16 << QSize(60, 30) << 1 << QPoint(22, 7);
    QTest::newRow("unknown alignment") << 5 << 9 << 16 << QSize(60, 30) << 1 << QPoint(0, 0);
}

void PainterTest::iconPlace() {
    QFETCH(int, style);
    QFETCH(int, align);
    QFETCH(int, size);
    QFETCH(QSize, button);
    QFETCH(int, state);
    QFETCH(QPoint, at);
    ButtonLook look = Plain(style);
    look.iconAlign = align;
    look.iconSize = size;
    look.icon = QImage(8, 8, QImage::Format_ARGB32);
    look.icon.fill(QColor(0xFF0000));
    const QImage image = Paint(look, button, state).image;
    const auto red = [&image](QPoint p) {
        return image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) == 0xFF0000;
    };
    if (at == QPoint(0, 0)) {
        // The cut corner hides the icon's first pixel; its neighbours show it.
        QVERIFY(red(QPoint(1, 1)));
        QVERIFY(red(QPoint(size - 1, size - 1)));
        return;
    }
    QVERIFY(red(at));
    QVERIFY(red(at + QPoint(size - 1, size - 1)));
    QVERIFY(!red(at - QPoint(1, 0)));
    QVERIFY(!red(at - QPoint(0, 1)));
    QVERIFY(!red(at + QPoint(size, 0)));
}

void PainterTest::checkedButtonDrawsPressedEvenWhenHot() {
    ButtonLook look = Plain(5);
    look.buttonType = 1;
    look.value = true;
    const ButtonPicture picture = Paint(look, QSize(93, 37), ButtonHot);
    QCOMPARE(picture.state, int(ButtonPressed));
    QCOMPARE(Hex(picture.image.pixel(10, 1)), QStringLiteral("#D1CCC1"));
}

void PainterTest::disabledWinsOverChecked() {
    ButtonLook look = Plain(5);
    look.buttonType = 1;
    look.value = true;
    look.enabled = false;
    const ButtonPicture picture = Paint(look, QSize(93, 37), ButtonHot);
    QCOMPARE(picture.state, int(ButtonDisabled));
    QCOMPARE(Hex(picture.image.pixel(10, 10)), QStringLiteral("#F5F4EA"));
}

void PainterTest::themedLookFallsBackWithoutTheme() {
    ButtonLook themed = Plain(6);
    themed.nonThemeStyle = 5;
    const ButtonPicture without = Paint(themed, QSize(93, 37), ButtonHot);
    QVERIFY(without.themeMissing);
    QCOMPARE(without.image, Paint(Plain(5), QSize(93, 37), ButtonHot).image);

    const ButtonPicture with =
        PaintButton(QSize(93, 37), themed, ButtonHot, false, Desk(), QApplication::style());
    QVERIFY(!with.themeMissing);
    QCOMPARE(Hex(with.image.pixel(0, 0)) == QStringLiteral("transparent"), false);
}

void PainterTest::captionIsClippedToItsRectangle() {
    ButtonLook look = Plain(2);
    look.caption = QString(400, QLatin1Char('W'));
    look.fontColor = Qt::black;
    const QImage image = Paint(look, QSize(60, 30), ButtonNormal).image;
    bool inkInside = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool face = (image.pixel(x, y) & 0xFFFFFF) == 0xECE9D8;
            const bool inCaption = QRect(QPoint(4, 4), QPoint(55, 25)).contains(x, y);
            if (!inCaption) {
                QVERIFY2(face, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            } else if (!face) {
                inkInside = true;
            }
        }
    }
    QVERIFY(inkInside);
}

void PainterTest::badInputStaysInside_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("iconAlign");
    QTest::addColumn<int>("captionAlign");
    QTest::addColumn<int>("iconSize");
    QTest::newRow("style too big") << 42 << 1 << 0 << 16;
    QTest::newRow("style negative") << -1 << 1 << 0 << 16;
    QTest::newRow("caption align unknown") << 5 << 1 << 77 << 16;
    QTest::newRow("icon align negative") << 5 << -3 << 0 << 16;
    QTest::newRow("icon larger than the button") << 9 << 0 << 0 << 500;
    QTest::newRow("icon size zero") << 10 << 0 << 0 << 0;
    QTest::newRow("icon size absurd") << 5 << 0 << 0 << (1 << 30);
}

void PainterTest::badInputStaysInside() {
    QFETCH(int, style);
    QFETCH(int, iconAlign);
    QFETCH(int, captionAlign);
    QFETCH(int, iconSize);
    for (int state = 1; state <= 4; ++state) {
        ButtonLook look = Plain(style);
        look.caption = QStringLiteral("  Download");
        look.captionAlign = captionAlign;
        look.iconAlign = iconAlign;
        look.iconSize = iconSize;
        look.icon = QImage(4, 4, QImage::Format_ARGB32);
        look.icon.fill(Qt::red);
        const ButtonPicture picture = Paint(look, QSize(20, 20), state, true);
        QCOMPARE(picture.image.size(), QSize(20, 20));
    }
}

// A denser screen draws the look's rules on its own pixels: the frame stays one device pixel
// wide and unbroken at any ratio, and the mask keeps every pixel that was drawn.
void PainterTest::pixelRulesOnDevicePixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("state");
    for (qreal ratio : {2.0, 1.5, 1.25}) {
        for (const QSize size : {QSize(93, 37), QSize(40, 24)}) {
            for (int state : {int(ButtonNormal), int(ButtonHot)}) {
                QTest::addRow("%gx %dx%d state %d", ratio, size.width(), size.height(), state)
                    << ratio << size << state;
            }
        }
    }
}

void PainterTest::pixelRulesOnDevicePixels() {
    QFETCH(qreal, ratio);
    QFETCH(QSize, size);
    QFETCH(int, state);
    const QImage image = Paint(Plain(5), size, state).image;
    const QSize device = DevicePixels(QRect(QPoint(0, 0), size), ratio).size();
    const QImage dense = PaintButton(size, Plain(5), state, false, Desk(), nullptr, ratio).image;
    QCOMPARE(dense.size(), device);
    QCOMPARE(dense.devicePixelRatio(), ratio);
    const int W = device.width();
    const int H = device.height();
    for (int x = 2; x <= W - 3; ++x) {
        QCOMPARE(Hex(dense.pixel(x, 0)), QStringLiteral("#003C74"));
        QCOMPARE(Hex(dense.pixel(x, H - 1)), QStringLiteral("#003C74"));
    }
    for (int y = 2; y <= H - 3; ++y) {
        QCOMPARE(Hex(dense.pixel(0, y)), QStringLiteral("#003C74"));
        QCOMPARE(Hex(dense.pixel(W - 1, y)), QStringLiteral("#003C74"));
    }
    // One device pixel inside the frame the face begins, as it begins one pixel inside at 1x.
    QCOMPARE(Hex(dense.pixel(W / 2, 1)), Hex(image.pixel(size.width() / 2, 1)));
    QCOMPARE(Hex(dense.pixel(1, H / 2)) == QStringLiteral("#003C74"), false);
    QCOMPARE(Hex(dense.pixel(0, 0)), QStringLiteral("transparent"));
    QCOMPARE(Hex(dense.pixel(1, 0)), QStringLiteral("#6A8BA2"));

    const QRegion mask = ButtonMask(5, size, ratio);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (qAlpha(dense.pixel(x, y)) != 0) {
                QVERIFY2(mask.contains(QPoint(int(x / ratio), int(y / ratio))),
                         qPrintable(QStringLiteral("%1,%2 cut off").arg(x).arg(y)));
            }
        }
    }
}

// The caption is drawn at the device resolution, so it holds detail the 1x picture blown up
// does not; an icon given at the device size is drawn as it is, at its logical place.
void PainterTest::captionAndIconAtDeviceResolution() {
    ButtonLook look = Plain(5);
    look.caption = QStringLiteral("       Download");
    look.font = QFont(QStringLiteral("DejaVu Sans"));
    look.font.setPixelSize(11);
    look.iconAlign = 1;
    look.iconSize = 16;
    look.icon = QImage(32, 32, QImage::Format_ARGB32);
    look.icon.fill(QColor(0xFF0000));
    look.icon.setPixel(0, 0, QColor(0x00FF00).rgb());
    look.icon.setDevicePixelRatio(2.0);
    const QSize size(106, 38);
    const QImage oneX = Paint(look, size, ButtonNormal).image;
    const QImage dense = PaintButton(size, look, ButtonNormal, false, Desk(), nullptr, 2.0).image;
    QVERIFY(HoldsMoreDetail(dense.convertToFormat(QImage::Format_ARGB32),
                            BlownUp(oneX, dense.size()), QRect(40, 10, 60, 18), 2.0));

    const QPoint at = IconPosition(size, look, 5, false) * 2;
    QCOMPARE(Hex(dense.pixel(at)), QStringLiteral("#00FF00"));
    QCOMPARE(Hex(dense.pixel(at + QPoint(1, 0))), QStringLiteral("#FF0000"));
    QCOMPARE(Hex(dense.pixel(at + QPoint(31, 31))), QStringLiteral("#FF0000"));
    QVERIFY(Hex(dense.pixel(at + QPoint(32, 16))) != QStringLiteral("#FF0000"));
}

int RunPainterTests(int argc, char** argv) {
    PainterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PainterTest.moc"
