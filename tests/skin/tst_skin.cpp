// Keyed pictures and window shapes, picture buttons, and moving a frameless window by its face.

#include "DevicePixels.h"
#include "ImageButton.h"
#include "ShapedFace.h"
#include "SkinPictures.h"
#include "WindowMover.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A disc with smoothed edges on a 40 x 40 canvas.
QByteArray Disc(const char* fill) {
    return QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40">)"
                      R"(<circle cx="20" cy="20" r="15.3" fill=")") +
           fill + R"("/></svg>)";
}

bool Near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 &&
           qAbs(qBlue(a) - qBlue(b)) <= 2;
}

QPixmap Filled(QColor colour, QColor topRow) {
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(colour);
    for (int x = 0; x < 20; ++x)
        image.setPixel(x, 0, topRow.rgb());
    return QPixmap::fromImage(image);
}

// A window face that records what reaches its own handlers.
class Face : public QWidget {
public:
    Face() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        resize(200, 120);
        setMouseTracking(true); // hover moves, as the main window takes them
    }
    QStringList seen;

protected:
    void mousePressEvent(QMouseEvent*) override { seen << QStringLiteral("press"); }
    void mouseMoveEvent(QMouseEvent*) override { seen << QStringLiteral("move"); }
    void mouseDoubleClickEvent(QMouseEvent*) override { seen << QStringLiteral("double"); }
};

void SendMove(QWidget* widget, QPoint local, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, held, {});
    QApplication::sendEvent(widget, &move);
}

} // namespace

class tst_skin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // Every pixel is either the key or the art's own colour: no pink seam along the outline.
    void keyedPictureHasNoFringe() {
        const QImage keyed = KeyedPicture(Svg("navy.svg", Disc("#1F3A5A")), {40, 40});
        QCOMPARE(keyed.pixel(0, 0), ColourKey);
        QCOMPARE(keyed.pixel(20, 20), qRgb(0x1F, 0x3A, 0x5A));
        int shown = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (keyed.pixel(x, y) != ColourKey) {
                    ++shown;
                    QVERIFY2(Near(keyed.pixel(x, y), qRgb(0x1F, 0x3A, 0x5A)),
                             qPrintable(QStringLiteral("fringe at %1,%2").arg(x).arg(y)));
                }
        QVERIFY(shown > 600 && shown < 900); // about the disc's area
    }

    // Laid over a backing, the edge blends with it, never with the key.
    void keyedOverBackingBlendsWithIt() {
        const QImage keyed = KeyOutside(RenderSvg(Disc("#FFFFFF"), {40, 40}), Qt::black);
        bool blended = false;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const QRgb px = keyed.pixel(x, y);
                if (px == ColourKey)
                    continue;
                QVERIFY(qRed(px) == qGreen(px) && qGreen(px) == qBlue(px));
                blended = blended || qRed(px) < 250;
            }
        QVERIFY(blended);
    }

    void keyRegionIsWhatIsNotKey() {
        const QImage keyed = KeyedPicture(Svg("shape.svg", Disc("#2E8BD8")), {40, 40});
        const QRegion region = KeyRegion(keyed);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                QCOMPARE(region.contains(QPoint(x, y)), keyed.pixel(x, y) != ColourKey);
        QVERIFY(KeyRegion(KeyedPicture(dir.filePath("missing.svg"), {40, 40})).isEmpty());
    }

    void iconsAtTheirDensity() {
        const QString path = Svg("icon.svg", Disc("#3FB950"));
        const QPixmap sharp = RenderIcon(path, {20, 20}, 2.0);
        QCOMPARE(sharp.size(), QSize(40, 40));
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(20, 20));
        const QImage pixels = sharp.toImage();
        QCOMPARE(qAlpha(pixels.pixel(0, 0)), 0); // the icon keeps its own transparency
        QCOMPARE(pixels.pixel(20, 20), qRgb(0x3F, 0xB9, 0x50));
        QCOMPARE(RenderIconSet(path, {16, 32}).availableSizes(),
                 (QList<QSize>{{16, 16}, {32, 32}}));
    }

    // On a denser screen the face has the device pixels and the 1x shape: every device pixel
    // that touches the shape shows the art, never the key, and all others are the key.
    void shapedFaceAtAnyRatio_data() {
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0})
            QTest::newRow(qPrintable(QString::number(ratio))) << ratio;
    }

    void shapedFaceAtAnyRatio() {
        QFETCH(qreal, ratio);
        const QString path = Svg("face.svg", Disc("#1F3A5A"));
        ShapedFace face(path, {40, 40});
        const QImage oneX = KeyedPicture(path, {40, 40});
        QCOMPARE(face.Shape(), KeyRegion(oneX));
        const QImage picture = face.Picture(ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), DevicePixels(QRect(0, 0, 40, 40), ratio).size());
        if (ratio == 1.0)
            QCOMPARE(picture, oneX);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRect cells = CoveringRegion(QRegion(x, y, 1, 1), ratio).boundingRect();
                const bool touches = face.Shape().intersects(cells);
                const QRgb px = picture.pixel(x, y);
                QVERIFY2(touches == (px != ColourKey),
                         qPrintable(QStringLiteral("key wrong at %1,%2").arg(x).arg(y)));
                QVERIFY2(!touches || Near(px, qRgb(0x1F, 0x3A, 0x5A)),
                         qPrintable(QStringLiteral("fringe at %1,%2").arg(x).arg(y)));
            }
    }

    // Above 1x an icon set draws its artwork afresh at the device size asked for, in every
    // mode; at 1x it shows its prepared pictures.
    void iconSetsDrawnAtTheirDensity() {
        const QString path = Svg("set.svg", Disc("#3FB950"));
        const QIcon icon = RenderIconSet(path, {16, 32});
        QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage(),
                 QPixmap::fromImage(RenderSvg(path, {16, 16})).toImage());
        const QPixmap dense = icon.pixmap(QSize(22, 22), 1.5);
        QCOMPARE(dense.size(), QSize(33, 33));
        QCOMPARE(dense.devicePixelRatio(), 1.5);
        QCOMPARE(dense.toImage().convertToFormat(QImage::Format_ARGB32),
                 RenderSvg(path, {22, 22}, 1.5).convertToFormat(QImage::Format_ARGB32));
        const QImage disabled = icon.pixmap(QSize(22, 22), 1.5, QIcon::Disabled).toImage();
        QCOMPARE(disabled.size(), QSize(33, 33));
        QVERIFY(disabled.pixel(16, 16) != dense.toImage().pixel(16, 16));
    }

    void imageButtonClicksWhenReleasedOverIt_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("released over it") << Qt::LeftButton << QPoint(10, 10) << 1;
        QTest::newRow("released outside") << Qt::LeftButton << QPoint(30, 10) << 0;
        QTest::newRow("right button") << Qt::RightButton << QPoint(10, 10) << 0;
    }

    void imageButtonClicksWhenReleasedOverIt() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);
        ImageButton image(QStringLiteral("Back"));
        image.SetPictures(Filled(Qt::red, Qt::red));
        image.resize(image.sizeHint());
        QSignalSpy clicked(&image, &QAbstractButton::clicked);
        QTest::mousePress(&image, button, {}, QPoint(10, 10));
        QTest::mouseRelease(&image, button, {}, releaseAt);
        QCOMPARE(clicked.count(), clicks);
    }

    // Held down, a button with a hot picture shows it a pixel lower; one without stays as is.
    void imageButtonHeldDown_data() {
        QTest::addColumn<bool>("hasHot");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("topRow"); // where the picture's first row shows
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("body");
        const QColor yellow(Qt::yellow), red(Qt::red), blue(Qt::blue), green(Qt::green);
        QTest::newRow("plain, idle") << false << false << 0 << yellow << red;
        QTest::newRow("plain, held") << false << true << 0 << yellow << red;
        QTest::newRow("hot, idle") << true << false << 0 << yellow << red;
        QTest::newRow("hot, held") << true << true << 1 << blue << green;
    }

    void imageButtonHeldDown() {
        QFETCH(bool, hasHot);
        QFETCH(bool, held);
        QFETCH(int, topRow);
        QFETCH(QColor, top);
        QFETCH(QColor, body);
        ImageButton image(QStringLiteral("Back"));
        image.SetPictures(Filled(Qt::red, Qt::yellow),
                          hasHot ? Filled(Qt::green, Qt::blue) : QPixmap());
        image.resize(20, 20);
        if (held)
            QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(10, 10));
        const QImage shot = image.grab().toImage();
        QCOMPARE(QColor(shot.pixel(10, topRow)), top);
        QCOMPARE(QColor(shot.pixel(10, topRow + 1)), body);
    }

    void imageButtonIsNamedByItsTip() {
        ImageButton image(QStringLiteral("Back"));
        QSignalSpy clicked(&image, &QAbstractButton::clicked);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&image);
        QVERIFY(face && face->actionInterface());
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Back"));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.count(), 1);
    }

    // With no window manager to hand the move to, the window follows the pointer itself; a
    // button it does not move with reaches the window's own handler.
    void moverFollowsThePointer_data() {
        QTest::addColumn<Qt::MouseButtons>("moveWith");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("moves");
        QTest::newRow("any button, left")
            << Qt::MouseButtons(Qt::AllButtons) << Qt::LeftButton << true;
        QTest::newRow("any button, right")
            << Qt::MouseButtons(Qt::AllButtons) << Qt::RightButton << true;
        QTest::newRow("left only, middle")
            << Qt::MouseButtons(Qt::LeftButton) << Qt::MiddleButton << false;
    }

    void moverFollowsThePointer() {
        QFETCH(Qt::MouseButtons, moveWith);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, moves);
        Face face;
        new WindowMover(&face, moveWith);
        const QPoint start = Show(face);
        const QPoint grip(50, 40);

        QTest::mousePress(&face, button, {}, grip);
        QTest::mouseMove(&face, grip + QPoint(30, 20));
        QTest::mouseRelease(&face, button, {}, grip + QPoint(30, 20));
        QTRY_COMPARE(face.pos(), moves ? start + QPoint(30, 20) : start);
        QCOMPARE(face.seen.contains(QStringLiteral("press")), !moves);

        // Once the button is up, pointer moves are the window's again and leave it in place.
        face.seen.clear();
        const QPoint before = face.pos();
        SendMove(&face, grip, Qt::NoButton);
        QCOMPARE(face.seen, QStringList{QStringLiteral("move")});
        QCOMPARE(face.pos(), before);
    }

    // A hand that shakes a little while clicking moves nothing; past the drag distance the
    // window catches up, keeping the place of the press under the pointer.
    void moverWaitsForTheDragDistance() {
        Face face;
        new WindowMover(&face);
        const QPoint start = Show(face);
        const QPoint grip(50, 40);
        const int distance = QApplication::startDragDistance();
        QVERIFY(distance > 2);

        QTest::mousePress(&face, Qt::LeftButton, {}, grip);
        SendMove(&face, grip + QPoint(1, 1), Qt::LeftButton);
        QTest::mouseRelease(&face, Qt::LeftButton, {}, grip + QPoint(1, 1));
        QCOMPARE(face.pos(), start);

        QTest::mousePress(&face, Qt::LeftButton, {}, grip);
        SendMove(&face, grip + QPoint(1, 1), Qt::LeftButton);
        QCOMPARE(face.pos(), start);
        SendMove(&face, grip + QPoint(distance, 2), Qt::LeftButton);
        QTRY_COMPARE(face.pos(), start + QPoint(distance, 2));
        QTest::mouseRelease(&face, Qt::LeftButton, {}, grip);
    }

    // A control that takes the press keeps it; one that leaves it (a label) is part of the face.
    void moverIgnoresControls() {
        Face face;
        new WindowMover(&face);
        auto* button = new QPushButton(QStringLiteral("OK"), &face);
        button->setGeometry(10, 10, 60, 30);
        auto* label = new QLabel(QStringLiteral("Text"), &face);
        label->setGeometry(100, 10, 60, 30);
        const QPoint start = Show(face);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(button, QPoint(25, 25));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(25, 25));
        QCOMPARE(face.pos(), start);

        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(&face, QPoint(125, 35));
        QTest::mouseRelease(&face, Qt::LeftButton, {}, QPoint(125, 35));
        QTRY_COMPARE(face.pos(), start + QPoint(20, 20));
    }

    void moverAndDoubleClicks_data() {
        QTest::addColumn<WindowMover::DoubleClicks>("doubleClicks");
        QTest::addColumn<bool>("moves");
        QTest::newRow("move") << WindowMover::DoubleClicks::Move << true;
        QTest::newRow("left to the window") << WindowMover::DoubleClicks::LeaveToWindow << false;
    }

    void moverAndDoubleClicks() {
        QFETCH(WindowMover::DoubleClicks, doubleClicks);
        QFETCH(bool, moves);
        Face face;
        new WindowMover(&face, Qt::AllButtons, doubleClicks);
        const QPoint start = Show(face);

        QTest::mouseDClick(&face, Qt::LeftButton, {}, QPoint(50, 40));
        QTest::mouseMove(&face, QPoint(60, 45));
        QTest::mouseRelease(&face, Qt::LeftButton, {}, QPoint(60, 45));
        QTRY_COMPARE(face.pos(), moves ? start + QPoint(10, 5) : start);
        QCOMPARE(face.seen.contains(QStringLiteral("double")), !moves);
    }

private:
    QString Svg(const QString& name, const QByteArray& source) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size())
            return {};
        return file.fileName();
    }

    static QPoint Show(QWidget& window) {
        window.move(100, 100);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return {-1, -1};
        return window.pos();
    }

    QTemporaryDir dir;
};

QTEST_MAIN(tst_skin)
#include "tst_skin.moc"
