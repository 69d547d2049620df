#include "BurstText.h"
#include "DOSOutputs.h"
#include "ProcessTable.h"
#include "ScriptedPrompter.h"
#include "ToolLinks.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

class TestDOSOutputs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitsOutputIntoChunks();
    void deliversWholeOutput_data();
    void deliversWholeOutput();
    void silentToolKeepsRunGoing();
    void sameNameKeepsRunAlive();
    void endingByNameEndsRun();
    void startFailures_data();
    void startFailures();
    void burstIsNotThrottled();
    void toldHowTheToolEnded_data();
    void toldHowTheToolEnded();
    void toolsSpeakEnglish();

private:
    // Runs `commandLine` watching `name` and waits for the end of the run.
    bool RunToEnd(DOSOutputs& runner, const QString& commandLine, const QString& name,
                  int timeoutMs = 10000);

    ToolLinks tools_;
};

namespace {

QStringList Chunks(const QSignalSpy& spy) {
    QStringList chunks;
    for (const QList<QVariant>& call : spy)
        chunks.append(call.at(0).toString());
    return chunks;
}

qsizetype LargestChunkBytes(const QStringList& chunks) {
    qsizetype largest = 0;
    for (const QString& chunk : chunks)
        largest = std::max(largest, chunk.toUtf8().size());
    return largest;
}

} // namespace

bool TestDOSOutputs::RunToEnd(DOSOutputs& runner, const QString& commandLine, const QString& name,
                              int timeoutMs) {
    QSignalSpy over(&runner, &DOSOutputs::CommandOver);
    runner.ExecuteCommand(commandLine, name);
    return over.wait(timeoutMs) && over.size() == 1;
}

void TestDOSOutputs::splitsOutputIntoChunks() {
    DOSOutputs runner(nullptr);
    QSignalSpy received(&runner, &DOSOutputs::ReceiveOutputs);
    QVERIFY(RunToEnd(runner, tools_.Link("vlt-marker") + " marker", "vlt-marker"));
    const QStringList expected = {QString(1020, u'x') + "MARK", "ER\n"};
    QCOMPARE(Chunks(received), expected);
    QCOMPARE(runner.Outputs(), expected.join(QString()));
}

void TestDOSOutputs::deliversWholeOutput_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("standard error joins standard output") << "tools"
                                                          << "both"
                                                          << "out\nerr\n";
    QTest::newRow("program path with blanks") << "my tools"
                                              << R"(args one "two three")"
                                              << "[one][two three]\n";
    QTest::newRow("character split between chunks")
        << "tools"
        << "split" << QString(1023, u'x') + QStringLiteral("\u00e9\n");
}

void TestDOSOutputs::deliversWholeOutput() {
    QFETCH(QString, folder);
    QFETCH(QString, arguments);
    QFETCH(QString, expected);
    DOSOutputs runner(nullptr);
    QSignalSpy received(&runner, &DOSOutputs::ReceiveOutputs);
    // The stored command line serves when the call passes none.
    runner.SetCommandLine(tools_.Link("vlt-whole", folder) + u' ' + arguments);
    QVERIFY(RunToEnd(runner, QString(), "vlt-whole"));
    QCOMPARE(Chunks(received).join(QString()), expected);
    QCOMPARE(runner.Outputs(), expected);
    QVERIFY(!runner.IsRunning());
}

void TestDOSOutputs::silentToolKeepsRunGoing() {
    DOSOutputs runner(nullptr);
    QSignalSpy received(&runner, &DOSOutputs::ReceiveOutputs);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(RunToEnd(runner, tools_.Link("vlt-quiet") + " quiet 600", "vlt-quiet"));
    QVERIFY(clock.elapsed() >= 600);
    QCOMPARE(Chunks(received), QStringList{"done\n"});
}

void TestDOSOutputs::sameNameKeepsRunAlive() {
    const QString tool = tools_.Link("vlt-shared");
    QProcess other;
    other.start(tool, {"hold"});
    QVERIFY(other.waitForStarted());
    QTRY_VERIFY(IsProcessRunning("vlt-shared", tool));

    DOSOutputs runner(nullptr);
    QSignalSpy received(&runner, &DOSOutputs::ReceiveOutputs);
    QSignalSpy over(&runner, &DOSOutputs::CommandOver);
    runner.ExecuteCommand(tool + " args hi", "vlt-shared");
    QVERIFY(received.wait());
    // Our own tool has printed and gone; the other process of its name keeps the run open.
    QVERIFY(!over.wait(500));
    other.kill();
    QVERIFY(over.wait());
    QCOMPARE(over.size(), 1);
}

void TestDOSOutputs::endingByNameEndsRun() {
    DOSOutputs runner(nullptr);
    QSignalSpy over(&runner, &DOSOutputs::CommandOver);
    const QString tool = tools_.Link("vlt-ended");
    runner.ExecuteCommand(tool + " hold", "vlt-ended");
    QTRY_VERIFY(IsProcessRunning("vlt-ended", tool));
    QVERIFY(runner.IsRunning());
    KillProcessesByName("vlt-ended", tool);
    QVERIFY(over.wait());
    QCOMPARE(over.size(), 1);
}

void TestDOSOutputs::startFailures_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty command line") << QString() << "Command Line empty";
    QTest::newRow("missing program") << "/nonexistent/vidlark/wg -c -O x y"
                                     << "File or command not found";
    QTest::newRow("not a program") << QStringLiteral(VLTOOL_SOURCE) + " marker"
                                   << "File or command not found";
}

void TestDOSOutputs::startFailures() {
    QFETCH(QString, commandLine);
    QFETCH(QString, message);
    ScriptedPrompter prompter;
    DOSOutputs runner(&prompter);
    QSignalSpy failed(&runner, &DOSOutputs::StartFailed);
    QSignalSpy over(&runner, &DOSOutputs::CommandOver);
    runner.ExecuteCommand(commandLine, "vlt-failure");
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), message);
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(prompter.shown.at(0).icon, Prompter::Icon::Critical);
    QCOMPARE(prompter.shown.at(0).text, message);
    QVERIFY(!over.wait(300));
    // The runner is free again for the next command.
    QVERIFY(RunToEnd(runner, tools_.Link("vlt-after") + " both", "vlt-after"));
}

void TestDOSOutputs::burstIsNotThrottled() {
    constexpr int Bytes = 1 << 20;
    DOSOutputs runner(nullptr);
    QSignalSpy received(&runner, &DOSOutputs::ReceiveOutputs);
    QElapsedTimer clock;
    clock.start();
    // Read one chunk per poll, this would take about 50 seconds.
    QVERIFY(RunToEnd(runner, tools_.Link("vlt-burst") + " burst " + QString::number(Bytes),
                     "vlt-burst", 30000));
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed()) + " ms"));
    QVERIFY(runner.Outputs() == QString::fromStdString(BurstText(Bytes)));
    QVERIFY(LargestChunkBytes(Chunks(received)) <= DOSOutputs::ChunkSize);
}

void TestDOSOutputs::toldHowTheToolEnded_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("ender"); // "", "someone else" or "us"
    QTest::addColumn<bool>("signalled");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("failed");
    QTest::newRow("success") << "exit 0"
                             << "" << false << 0 << false;
    QTest::newRow("gave up") << "exit 8"
                             << "" << false << 8 << true;
    QTest::newRow("ended by someone else") << "hold"
                                           << "someone else" << true << 0 << true;
    QTest::newRow("ended by us") << "hold"
                                 << "us" << true << 0 << false;
}

void TestDOSOutputs::toldHowTheToolEnded() {
    QFETCH(QString, arguments);
    QFETCH(QString, ender);
    const QString tool = tools_.Link("vlt-exit");
    DOSOutputs runner(nullptr);
    QSignalSpy over(&runner, &DOSOutputs::CommandOver);
    runner.ExecuteCommand(tool + " " + arguments, "vlt-exit");
    if (!ender.isEmpty()) {
        QTRY_VERIFY(IsProcessRunning("vlt-exit", tool));
        if (ender == "us")
            runner.EndTool();
        else
            KillProcessesByName("vlt-exit", tool);
    }
    QVERIFY(over.wait());
    QTEST(runner.LastExit().signalled, "signalled");
    QTEST(runner.LastExit().code, "code");
    QTEST(runner.LastExit().Failed(), "failed");
    QCOMPARE(runner.LastExit().endedByUs, ender == "us");
}

// The runner reads what tools print, so they print it in English, whatever the user's
// language; the rest of the user's locale stays.
void TestDOSOutputs::toolsSpeakEnglish() {
    const QByteArray saved = qgetenv("LC_ALL");
    const QByteArray savedLanguage = qgetenv("LANGUAGE");
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANGUAGE", "de:fr");
    DOSOutputs runner(nullptr);
    const bool ended = RunToEnd(
        runner, tools_.Link("vlt-env") + " env LC_ALL LC_MESSAGES LC_CTYPE LANGUAGE", "vlt-env");
    qputenv("LC_ALL", saved);
    qputenv("LANGUAGE", savedLanguage);
    QVERIFY(ended);
    QCOMPARE(runner.Outputs(), "[-][C][de_DE.UTF-8][-]\n");
}

QObject* NewDOSOutputsTest() {
    return new TestDOSOutputs;
}

#include "tst_DOSOutputs.moc"
