#include "Lifecycle.h"
#include "ScriptedPrompter.h"
#include "TaskList.h"

#include <QTest>

class TestLifecycle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exitAsksOnlyWhileTasksExist_data();
    void exitAsksOnlyWhileTasksExist();
    void stepsRunInTheirPlaceAndGatesStop();
};

void TestLifecycle::exitAsksOnlyWhileTasksExist_data() {
    QTest::addColumn<int>("tasks");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("exits");
    QTest::addColumn<bool>("asked");
    QTest::newRow("empty list") << 0 << false << true << false;
    QTest::newRow("tasks, OK") << 2 << true << true << true;
    QTest::newRow("tasks, Cancel") << 1 << false << false << true;
}

void TestLifecycle::exitAsksOnlyWhileTasksExist() {
    QFETCH(int, tasks);
    QFETCH(bool, answer);
    QFETCH(bool, exits);
    QFETCH(bool, asked);
    TaskList list;
    for (int i = 0; i < tasks; ++i)
        list.Append("/tmp/a.mp3", "http://127.0.0.1/watch?v=a", "/tmp/a.flv", "None");
    ScriptedPrompter prompter;
    prompter.answers = {answer};
    QCOMPARE(ConfirmExit(list, prompter), exits);
    QCOMPARE(prompter.shown.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(prompter.shown.at(0).title, "Warning");
        QCOMPARE(prompter.shown.at(0).text, "The program is downloading videos, Exit now?");
    }
}

void TestLifecycle::stepsRunInTheirPlaceAndGatesStop() {
    QStringList ran;
    StartupSequence startup;
    startup.Set(StartupStep::StaleTools, [&] { ran << "tools"; });
    startup.Set(StartupStep::DataFolder, [&] { ran << "data"; });
    startup.SetGate(StartupStep::SingleInstance, [&] {
        ran << "instance";
        return true;
    });
    QVERIFY(startup.Run());
    QCOMPARE(ran, (QStringList{"instance", "data", "tools"}));

    ran.clear();
    startup.SetGate(StartupStep::SingleInstance, [&] {
        ran << "second copy";
        return false;
    });
    QVERIFY(!startup.Run());
    QCOMPARE(ran, QStringList{"second copy"});
}

QObject* NewLifecycleTest() {
    return new TestLifecycle;
}

#include "tst_Lifecycle.moc"
