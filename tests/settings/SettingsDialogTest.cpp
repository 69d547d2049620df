// The settings dialog: what it shows for a given setup.ini, and what OK, Close and the corner
// image do to the file and to the running program.

#include "DensityShots.h"
#include "frmSettings.h"
#include "isButton.h"
#include "SettingsFile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class SettingsDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QStringList effects;

    QString Path() const { return SettingsPath(dir.path()); }

    void Store(const QByteArray& bytes) {
        QFile file(Path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot prepare setup.ini");
    }

    QByteArray Stored() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A dialog as the program opens it, with its outward effects written down in order.
    QPointer<frmSettings> Open(const QString& appDir) {
        auto* dialog = new frmSettings(appDir);
        connect(dialog, &frmSettings::OpenFolderAfterDownloadChanged, this,
                [this](bool open) { effects << QStringLiteral("open folder %1").arg(open); });
        connect(dialog, &frmSettings::DragZoneVisibilityChosen, this,
                [this](bool shown) { effects << QStringLiteral("drag zone %1").arg(shown); });
        dialog->show();
        return dialog;
    }

    static QComboBox* Box(QWidget* dialog, const char* name) {
        return dialog->findChild<QComboBox*>(QLatin1String(name));
    }

    static void Press(QWidget* dialog, const char* name) {
        QWidget* control = dialog->findChild<QWidget*>(QLatin1String(name));
        QVERIFY(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

private Q_SLOTS:
    void init() {
        QFile::remove(Path());
        effects.clear();
    }

    void loading_data() {
        QTest::addColumn<QByteArray>("content"); // a null array: no file at all
        QTest::addColumn<int>("afterDownload");
        QTest::addColumn<int>("dragZone");
        QTest::newRow("no file") << QByteArray() << 0 << 0;
        QTest::newRow("empty file") << QByteArray("") << 0 << 0;
        QTest::newRow("second entries") << QByteArray("1\r\n1\r\n") << 1 << 1;
        QTest::newRow("mixed, no line end") << QByteArray("0\r\n1") << 0 << 1;
        QTest::newRow("index out of range") << QByteArray("5\r\n0\r\n") << -1 << 0;
        QTest::newRow("stored no selection") << QByteArray("-1\r\n-1\r\n") << -1 << -1;
        QTest::newRow("huge numbers") << QByteArray("4294967296\r\n-99999999999\r\n") << -1 << -1;
        QTest::newRow("garbage") << QByteArray("on\r\noff\r\n") << 0 << 0;
        QTest::newRow("binary") << QByteArray("\x01\x00\xff\xfe", 4) << 0 << 0;
    }

    void loading() {
        QFETCH(QByteArray, content);
        QFETCH(int, afterDownload);
        QFETCH(int, dragZone);
        if (!content.isNull())
            Store(content);
        const QPointer<frmSettings> dialog = Open(dir.path());
        QCOMPARE(Box(dialog, "cmbTC")->currentIndex(), afterDownload);
        QCOMPARE(Box(dialog, "cmbDrag")->currentIndex(), dragZone);
        delete dialog;
    }

    void confirming_data() {
        QTest::addColumn<QByteArray>("before");       // null: no file
        QTest::addColumn<int>("chooseAfterDownload"); // -2: leave the box as loaded
        QTest::addColumn<int>("chooseDragZone");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("applied");
        QTest::newRow("defaults as shown") << QByteArray() << -2 << -2 << QByteArray("0\r\n0\r\n")
                                           << QStringList{"open folder 1", "drag zone 1"};
        QTest::newRow("do nothing, hide the zone")
            << QByteArray() << 1 << 1 << QByteArray("1\r\n1\r\n")
            << QStringList{"open folder 0", "drag zone 0"};
        QTest::newRow("back to the first entries")
            << QByteArray("1\r\n1\r\n") << 0 << 0 << QByteArray("0\r\n0\r\n")
            << QStringList{"open folder 1", "drag zone 1"};
        QTest::newRow("unreadable index stored as -1")
            << QByteArray("5\r\n0\r\n") << -2 << -2 << QByteArray("-1\r\n0\r\n")
            << QStringList{"open folder 0", "drag zone 1"};
    }

    void confirming() {
        QFETCH(QByteArray, before);
        QFETCH(int, chooseAfterDownload);
        QFETCH(int, chooseDragZone);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, applied);
        if (!before.isNull())
            Store(before);
        const QPointer<frmSettings> dialog = Open(dir.path());
        if (chooseAfterDownload != -2)
            Box(dialog, "cmbTC")->setCurrentIndex(chooseAfterDownload);
        if (chooseDragZone != -2)
            Box(dialog, "cmbDrag")->setCurrentIndex(chooseDragZone);

        Press(dialog, "cmdOK");
        QCOMPARE(effects, applied);
        QCOMPARE(Stored(), after);
        QTRY_VERIFY(dialog.isNull());
    }

    void leavingChangesNothing_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("Close button") << "cmdBack";
        QTest::newRow("corner image") << "imgExit";
    }

    void leavingChangesNothing() {
        QFETCH(QString, control);
        Store("0\r\n1\r\n");
        const QPointer<frmSettings> dialog = Open(dir.path());
        Box(dialog, "cmbTC")->setCurrentIndex(1);
        Box(dialog, "cmbDrag")->setCurrentIndex(0);

        Press(dialog, control.toLatin1());
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(effects, QStringList());
        QCOMPARE(Stored(), QByteArray("0\r\n1\r\n"));
    }

    // A configuration folder that cannot be made (a plain file stands in its way): the running
    // program still takes the choices, and hears once that they will not be kept.
    void aFailedSaveStillApplies() {
        QFile blocker(dir.filePath("plain-file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString unmakeable = blocker.fileName() + "/vidlark";
        const QPointer<frmSettings> dialog = Open(unmakeable);
        QSignalSpy notKept(dialog.data(), &frmSettings::ChoicesNotKept);
        Box(dialog, "cmbTC")->setCurrentIndex(1);
        Box(dialog, "cmbDrag")->setCurrentIndex(1);

        Press(dialog, "cmdOK");
        QCOMPARE(effects, (QStringList{"open folder 0", "drag zone 0"}));
        QCOMPARE(notKept.count(), 1);
        QCOMPARE(notKept.first().first().toString(), SettingsPath(unmakeable));
        QTRY_VERIFY(dialog.isNull());
    }

    // A configuration folder that is not there yet is made on OK, and nothing is said.
    void aMissingFolderIsMade() {
        const QString folder = dir.filePath("config/vidlark");
        const QPointer<frmSettings> dialog = Open(folder);
        QSignalSpy notKept(dialog.data(), &frmSettings::ChoicesNotKept);
        Box(dialog, "cmbTC")->setCurrentIndex(1);
        Press(dialog, "cmdOK");
        QCOMPARE(notKept.count(), 0);
        QFile file(SettingsPath(folder));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1\r\n0\r\n"));
        QDir(dir.filePath("config")).removeRecursively();
    }

    // The corners outside the rounded outline are see-through; the face and its rim are not.
    void theOutlineShapesTheWindow_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("top left corner") << QPoint(0, 0) << false;
        QTest::newRow("bottom right corner") << QPoint(464, 175) << false;
        QTest::newRow("rim") << QPoint(232, 0) << true;
        QTest::newRow("bottom rim") << QPoint(232, 175) << true;
        QTest::newRow("title strip") << QPoint(200, 15) << true;
        QTest::newRow("panel") << QPoint(120, 160) << true;
    }

    void theOutlineShapesTheWindow() {
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        frmSettings dialog(dir.path());
        QCOMPARE(dialog.mask().contains(point), inside);
    }

    // On a denser screen the face's title and the corner image hold detail the 1x face blown
    // up lacks, and the buttons' frames are one device pixel, unbroken, at any ratio.
    void crispAtAnyRatio_data() { RatioRows({2.0, 1.5, 1.25}); }

    void crispAtAnyRatio() {
        QFETCH(qreal, ratio);
        frmSettings dialog(dir.path());
        const QImage dense = RenderedAt(dialog, ratio);
        const QImage blownUp = BlownUp(RenderedAt(dialog, 1.0), dense.size());
        QVERIFY(HoldsMoreDetail(dense, blownUp, QRect(37, 10, 66, 15), ratio));  // title
        QVERIFY(HoldsMoreDetail(dense, blownUp, QRect(442, 10, 15, 15), ratio)); // Back
        for (const char* name : {"cmdOK", "cmdBack"}) {
            const QRect place = dialog.findChild<isButton*>(QLatin1String(name))->geometry();
            QVERIFY2(TopEdgeIsOneDevicePixel(dense, place, ratio, 0xFF003C74), name);
        }
    }

    // With no window manager to hand the move to, the dialog follows the pointer itself.
    void theFaceMovesTheWindow() {
        const QPointer<frmSettings> dialog = Open(dir.path());
        dialog->move(100, 100);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QPoint start = dialog->pos();
        const QPoint grip(120, 162); // below the buttons, on the panel

        QTest::mousePress(dialog, Qt::LeftButton, {}, grip);
        QTest::mouseMove(dialog, grip + QPoint(30, 20));
        QTest::mouseRelease(dialog, Qt::LeftButton, {}, grip + QPoint(30, 20));
        QTRY_COMPARE(dialog->pos(), start + QPoint(30, 20));
        delete dialog;
    }
};

QObject* MakeSettingsDialogTest() {
    return new SettingsDialogTest;
}

#include "SettingsDialogTest.moc"
