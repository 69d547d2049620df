// The completion sound always comes to an end, so the next task always starts: with the
// shipped sound, with a file that is not a sound, and with none at all, whether or not the
// machine has an audio device. When nothing can play, the next task does not wait at all.

#include "CompletionSound.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

class TestCompletionSound : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void alwaysFinishes_data();
    void alwaysFinishes();
    void goesOnAtOnceWhenNothingCanPlay_data();
    void goesOnAtOnceWhenNothingCanPlay();
};

void TestCompletionSound::alwaysFinishes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("withinMs");
    QTest::newRow("shipped sound")
        << qEnvironmentVariable("VIDLARK_APPDIR") + "/sound/sound.wav" << 15000;
    QTest::newRow("missing file") << "/nonexistent/sound.wav" << 2000;
    QTest::newRow("not a sound") << QStringLiteral(__FILE__) << 2000;
}

void TestCompletionSound::alwaysFinishes() {
    QFETCH(QString, path);
    QFETCH(int, withinMs);
    CompletionSound sound;
    QSignalSpy finished(&sound, &CompletionSound::Finished);
    sound.Play(path);
    QVERIFY(finished.wait(withinMs));
    // Once, and the window kept working meanwhile: the wait above ran the event loop.
    QTest::qWait(100);
    QCOMPARE(finished.size(), 1);
}

void TestCompletionSound::goesOnAtOnceWhenNothingCanPlay_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("hasAudioOutput");
    QTest::newRow("no audio output")
        << qEnvironmentVariable("VIDLARK_APPDIR") + "/sound/sound.wav" << false;
    QTest::newRow("missing file") << "/nonexistent/sound.wav" << true;
    QTest::newRow("not a sound") << QStringLiteral(__FILE__) << true;
}

void TestCompletionSound::goesOnAtOnceWhenNothingCanPlay() {
    QFETCH(QString, path);
    QFETCH(bool, hasAudioOutput);
    CompletionSound sound(nullptr, [hasAudioOutput] { return hasAudioOutput; });
    QSignalSpy finished(&sound, &CompletionSound::Finished);
    sound.Play(path);
    // Not from inside Play, whose caller is still finishing its task...
    QCOMPARE(finished.size(), 0);
    // ...but at the next turn of the event loop, with no timer to wait for.
    QCoreApplication::processEvents();
    QCOMPARE(finished.size(), 1);
}

QTEST_MAIN(TestCompletionSound)
#include "tst_CompletionSound.moc"
