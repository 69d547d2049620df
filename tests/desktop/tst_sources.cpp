// Where addresses come from: the clipboard watch and its source, drops, and the choice of the
// display platform that keeps both working on a Wayland session.

#include "ClipboardWatch.h"
#include "HiddenText.h"
#include "PlatformChoice.h"
#include "TaskSources.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace {
const QString kAddress = QStringLiteral("http://127.0.0.1:8080/watch?v=a1B2c3");

// The address followed by `fill` until the text is `length` characters long.
QString Padded(int length, QChar fill = u'x') {
    return kAddress + QString(length - kAddress.size(), fill);
}
} // namespace

class SourceTests : public QObject {
    Q_OBJECT
    QClipboard* clipboard = nullptr;

private Q_SLOTS:
    void initTestCase() { clipboard = QGuiApplication::clipboard(); }

    void clipboardTexts_data() {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("leftInMessage");
        QTest::newRow("7 characters") << "watch?v"
                                      << ""
                                      << "watch?v";
        QTest::newRow("8 characters, nothing after the marker") << "watch?v="
                                                                << ""
                                                                << "watch?v=";
        QTest::newRow("address ending right after the marker") << "http://127.0.0.1/watch?v="
                                                               << ""
                                                               << "http://127.0.0.1/watch?v=";
        QTest::newRow("shortest address") << "watch?v=x"
                                          << "watch?v=x"
                                          << "";
        QTest::newRow("watch address") << kAddress << kAddress << "";
        QTest::newRow("capitals") << "http://127.0.0.1/WATCH?V=a1B2c3"
                                  << ""
                                  << "http://127.0.0.1/WATCH?V=a1B2c3";
        QTest::newRow("sentence holding an address") << "look at " + kAddress + " tonight"
                                                     << "look at " + kAddress + " tonight"
                                                     << "";
        QTest::newRow("not an address") << "hello there, world"
                                        << ""
                                        << "hello there, world";
        // Nothing this long is an address.
        QTest::newRow("8 KiB") << Padded(8192) << Padded(8192) << "";
        QTest::newRow("a byte over 8 KiB") << Padded(8193) << "" << Padded(8193);
        QTest::newRow("8 K characters, more bytes")
            << Padded(8000, u'\u00fc') << "" << Padded(8000, u'\u00fc');
        QTest::newRow("10 MB") << Padded(10 << 20) << "" << Padded(10 << 20);
    }
    void clipboardTexts() {
        QFETCH(QString, copied);
        QFETCH(QString, offered);
        QFETCH(QString, leftInMessage);
        HiddenText txtMessage;
        ClipboardWatch watch(clipboard, txtMessage);
        ClipboardSource source(txtMessage);
        QSignalSpy offers(&source, &ClipboardSource::AddressOffered);
        watch.Start();

        clipboard->setText(copied);
        if (offered.isEmpty()) {
            QTRY_COMPARE(txtMessage.Text(), leftInMessage);
            QVERIFY(offers.isEmpty());
        } else {
            QTRY_COMPARE(offers.size(), 1);
            QCOMPARE(offers.first().first().toString(), offered);
            QCOMPARE(txtMessage.Text(), leftInMessage);
        }
    }

    void watchTakesOnlyChangesWhileActive() {
        clipboard->setText(kAddress + "/already-there");
        HiddenText txtMessage;
        ClipboardWatch watch(clipboard, txtMessage);
        ClipboardSource source(txtMessage);
        QSignalSpy offers(&source, &ClipboardSource::AddressOffered);
        watch.Start();
        QTest::qWait(100);
        QVERIFY(offers.isEmpty());

        // The same address twice is offered twice: the source empties the box in between.
        clipboard->setText(kAddress);
        QTRY_COMPARE(offers.size(), 1);
        clipboard->setText(kAddress);
        QTRY_COMPARE(offers.size(), 2);

        // Queueing a task empties the clipboard; that change offers nothing.
        clipboard->setText(QStringLiteral("some notes"));
        QTRY_COMPARE(txtMessage.Text(), QStringLiteral("some notes"));
        clipboard->clear();
        QTRY_COMPARE(txtMessage.Text(), QString());

        watch.Stop();
        clipboard->setText(kAddress);
        QTest::qWait(100);
        QCOMPARE(offers.size(), 2);
        QCOMPARE(txtMessage.Text(), QString());
    }

    void addressCopiedByAnotherProgram() {
        if (QGuiApplication::platformName() != QLatin1String("xcb") ||
            QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("needs X11 and xclip");
        HiddenText txtMessage;
        ClipboardWatch watch(clipboard, txtMessage);
        ClipboardSource source(txtMessage);
        QSignalSpy offers(&source, &ClipboardSource::AddressOffered);
        watch.Start();

        QProcess xclip;
        xclip.start(
            QStringLiteral("xclip"),
            {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        QVERIFY(xclip.waitForStarted());
        xclip.write(kAddress.toUtf8());
        xclip.closeWriteChannel();
        QTRY_COMPARE_WITH_TIMEOUT(offers.size(), 1, 10000);
        QCOMPARE(offers.first().first().toString(), kAddress);
        xclip.kill();
        xclip.waitForFinished();
    }

    void droppedText_data() {
        QTest::addColumn<QStringList>("formats");
        QTest::addColumn<QList<QByteArray>>("payloads");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("plain text") << QStringList{"text/plain"}
                                    << QList<QByteArray>{kAddress.toUtf8()} << kAddress << true;
        QTest::newRow("any text, even no address")
            << QStringList{"text/plain"} << QList<QByteArray>{"just words"} << "just words" << true;
        QTest::newRow("text with a character set")
            << QStringList{"text/plain;charset=utf-8"} << QList<QByteArray>{kAddress.toUtf8()}
            << kAddress << true;
        QTest::newRow("link from a browser")
            << QStringList{"text/uri-list", "text/plain"}
            << QList<QByteArray>{kAddress.toUtf8() + "\r\n", kAddress.toUtf8()} << kAddress << true;
        QTest::newRow("link list without text")
            << QStringList{"text/uri-list"} << QList<QByteArray>{kAddress.toUtf8() + "\r\n"}
            << kAddress << true;
        QTest::newRow("8 KiB of text")
            << QStringList{"text/plain"} << QList<QByteArray>{Padded(8192).toUtf8()} << Padded(8192)
            << true;
        QTest::newRow("over 8 KiB of text")
            << QStringList{"text/plain"} << QList<QByteArray>{Padded(8193).toUtf8()} << "" << false;
        QTest::newRow("links over 8 KiB")
            << QStringList{"text/uri-list"}
            << QList<QByteArray>{(kAddress + "\r\n").repeated(300).toUtf8()} << "" << false;
        QTest::newRow("a file") << QStringList{"text/uri-list"}
                                << QList<QByteArray>{"file:///home/me/video.flv\r\n"} << ""
                                << false;
        QTest::newRow("a picture") << QStringList{"image/png"}
                                   << QList<QByteArray>{QByteArray("\x89PNG", 4)} << "" << false;
    }
    void droppedText() {
        QFETCH(QStringList, formats);
        QFETCH(QList<QByteArray>, payloads);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QMimeData data;
        for (qsizetype i = 0; i < formats.size(); ++i)
            data.setData(formats.at(i), payloads.at(i));
        const std::optional<QString> dropped = DroppedText(data);
        QCOMPARE(dropped.has_value(), taken);
        if (taken)
            QCOMPARE(*dropped, text);
    }

    void displayPlatform_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("Wayland session with XWayland")
            << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"}
            << QByteArray("xcb");
        QTest::newRow("Wayland socket only, with XWayland")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:1"} << QByteArray("xcb");
        QTest::newRow("Wayland without XWayland")
            << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0"} << QByteArray();
        QTest::newRow("X11 session")
            << QStringList{"XDG_SESSION_TYPE=x11", "DISPLAY=:0"} << QByteArray();
        QTest::newRow("platform chosen by the user")
            << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0",
                           "QT_QPA_PLATFORM=wayland"}
            << QByteArray();
    }
    void displayPlatform() {
        QFETCH(QStringList, environment);
        QFETCH(QByteArray, platform);
        QProcessEnvironment env;
        for (const QString& entry : environment)
            env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        QCOMPARE(PlatformForSession(env), platform);
    }
};

int RunSourceTests(int argc, char** argv) {
    SourceTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_sources.moc"
