// The gallery program draws the button it is asked for.

#include "ButtonTests.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class GalleryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawsOneButton_data();
    void drawsOneButton();
    void refusesBadRequests();
    void drawsTheSheet();

private:
    QString Program() const {
        return qEnvironmentVariable("VIDLARK_BINDIR") + QStringLiteral("/buttongallery");
    }
    QTemporaryDir dir_;
};

void GalleryTest::drawsOneButton_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");
    QTest::newRow("style 5 corner is see-through")
        << QStringList{"--style", "5", "--state", "normal", "--size", "93x37"} << QSize(93, 37)
        << QPoint(0, 0) << "transparent";
    QTest::newRow("style 5 pressed face")
        << QStringList{"--style", "5", "--state", "pressed", "--size", "60x30"} << QSize(60, 30)
        << QPoint(10, 1) << "#d1ccc1";
    QTest::newRow("style 10 hot") << QStringList{"--style", "10",    "--state",   "hot",
                                                 "--size",  "80x30", "--caption", ""}
                                  << QSize(80, 30) << QPoint(40, 15) << "#6aa6e2";
    QTest::newRow("style 5 set check button")
        << QStringList{"--style", "5", "--state", "hot", "--check", "--size", "60x30"}
        << QSize(60, 30) << QPoint(10, 1) << "#d1ccc1";
    QTest::newRow("custom colours")
        << QStringList{"--style", "4",     "--state",  "normal",
                       "--size",  "40x20", "--custom", "#000000,#0000FF,#FFFFFF,#FFFF00"}
        << QSize(40, 20) << QPoint(39, 19) << "#202020";
    QTest::newRow("unknown style and alignments")
        << QStringList{"--style", "42",           "--state", "hot",    "--size",
                       "20x20",   "--icon-align", "99",      "--icon", "/nonexistent.png"}
        << QSize(20, 20) << QPoint(19, 19) << "";
}

void GalleryTest::drawsOneButton() {
    QFETCH(QStringList, arguments);
    QFETCH(QSize, size);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    const QString out = dir_.filePath(QStringLiteral("one.png"));
    QFile::remove(out);
    QCOMPARE(QProcess::execute(Program(), arguments << "-o" << out), 0);
    const QImage image(out);
    QCOMPARE(image.size(), size);
    if (colour == "transparent") {
        QCOMPARE(qAlpha(image.pixel(at)), 0);
    } else if (!colour.isEmpty()) {
        QCOMPARE(QColor(image.pixel(at)).name(), colour);
    }
}

void GalleryTest::refusesBadRequests() {
    const QString out = dir_.filePath(QStringLiteral("bad.png"));
    QVERIFY(QProcess::execute(Program(), {"--state", "sideways", "-o", out}) != 0);
    QVERIFY(QProcess::execute(Program(), {"--size", "5x5", "-o", out}) != 0);
    QVERIFY(QProcess::execute(Program(), {"--custom", "red", "-o", out}) != 0);
    QVERIFY(!QFile::exists(out));
}

void GalleryTest::drawsTheSheet() {
    const QString out = dir_.filePath(QStringLiteral("sheet.png"));
    QCOMPARE(QProcess::execute(Program(), {"--gallery", "-o", out}), 0);
    QVERIFY(QImage(out).width() > 5 * 93);
}

int RunGalleryTests(int argc, char** argv) {
    GalleryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GalleryTest.moc"
