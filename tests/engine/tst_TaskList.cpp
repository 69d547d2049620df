#include "ProcessTable.h"
#include "ScriptedPrompter.h"
#include "TaskEngine.h"
#include "TaskList.h"
#include "ToolLinks.h"

#include <QAbstractItemModelTester>
#include <QProcess>
#include <QTest>

class TestTaskList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appendShowsWaitingTask();
    void removalsKeepEntriesAligned_data();
    void removalsKeepEntriesAligned();
    void removeSelectedTask_data();
    void removeSelectedTask();

private:
    ToolLinks tools_;
};

namespace {

// Appends tasks t0, t1 ... whose every text and entry carries the task's number.
void AppendNumbered(TaskList& tasks, int count) {
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i);
        tasks.Append("/home/u/Videos/t" + n + ".mp3", "http://127.0.0.1/watch?v=t" + n,
                     "/tmp/t" + n + ".flv", "coder t" + n);
    }
}

// The numbers of the remaining tasks, checking that each row's texts and entries agree.
QList<int> RemainingNumbers(const TaskList& tasks) {
    QList<int> numbers;
    for (int row = 0; row < tasks.Count(); ++row) {
        const QString url = tasks.Text(row, TaskList::URL);
        const QString n = url.mid(url.lastIndexOf(u't') + 1);
        if (tasks.Text(row, TaskList::FilePath) != "/home/u/Videos/t" + n + ".mp3" ||
            tasks.TempName(row) != "/tmp/t" + n + ".flv" || tasks.Shell(row) != "coder t" + n)
            return {-1};
        numbers.append(n.toInt());
    }
    return numbers;
}

} // namespace

void TestTaskList::appendShowsWaitingTask() {
    TaskList tasks;
    QAbstractItemModelTester tester(&tasks, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList headers;
    for (int column = 0; column < tasks.columnCount(); ++column)
        headers.append(tasks.headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headers, (QStringList{"File Path", "Status", "Progress", "Time Used", "Type", "URL"}));

    tasks.Append("/home/u/My Music/song one.mp3", "http://127.0.0.1/watch?v=abc",
                 "/tmp/x/12_1_9_5_7.flv", "None");
    QStringList shown;
    for (int column = 0; column < tasks.columnCount(); ++column)
        shown.append(tasks.data(tasks.index(0, column)).toString());
    QCOMPARE(shown, (QStringList{"/home/u/My Music/song one.mp3", "Awaiting...", "0%", "00:00:00",
                                 "mp3", "http://127.0.0.1/watch?v=abc"}));
    QCOMPARE(tasks.TempName(0), "/tmp/x/12_1_9_5_7.flv");
    QCOMPARE(tasks.Shell(0), "None");

    tasks.SetText(0, TaskList::Progress, "45%");
    QCOMPARE(tasks.data(tasks.index(0, TaskList::Progress)).toString(), "45%");
}

void TestTaskList::removalsKeepEntriesAligned_data() {
    QTest::addColumn<QList<int>>("removals");
    QTest::addColumn<QList<int>>("remaining");
    QTest::newRow("middle rows") << QList<int>{1, 2} << QList<int>{0, 2, 4};
    QTest::newRow("finished tasks from the top") << QList<int>{0, 0} << QList<int>{2, 3, 4};
    QTest::newRow("last row") << QList<int>{4} << QList<int>{0, 1, 2, 3};
    QTest::newRow("rows that do not exist are passed over")
        << QList<int>{7, -1, 3} << QList<int>{0, 1, 2, 4};
}

void TestTaskList::removalsKeepEntriesAligned() {
    QFETCH(QList<int>, removals);
    QFETCH(QList<int>, remaining);
    TaskList tasks;
    QAbstractItemModelTester tester(&tasks, QAbstractItemModelTester::FailureReportingMode::QtTest);
    AppendNumbered(tasks, 5);
    for (const int row : removals)
        tasks.RemoveAt(row);
    QCOMPARE(RemainingNumbers(tasks), remaining);
}

void TestTaskList::removeSelectedTask_data() {
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("endsBeforeAnswer");
    QTest::addColumn<bool>("downloaderEnded");
    QTest::addColumn<QList<int>>("remaining");
    QTest::newRow("first row only ends the downloader")
        << 0 << false << true << QList<int>{0, 1, 2};
    QTest::newRow("waiting row goes") << 1 << false << false << QList<int>{0, 2};
    // The next task has started in its place: it is not the one the user chose.
    QTest::newRow("a task that has ended is passed over") << 0 << true << false << QList<int>{1, 2};
}

void TestTaskList::removeSelectedTask() {
    QFETCH(int, chosen);
    QFETCH(bool, endsBeforeAnswer);
    QFETCH(bool, downloaderEnded);
    QFETCH(QList<int>, remaining);
    ScriptedPrompter prompter;
    TaskEngine engine(&prompter);
    const QString downloader = tools_.Link("wg");
    engine.objDOS().ExecuteCommand(downloader + " hold", "wg");
    QTRY_VERIFY(IsProcessRunning("wg", downloader));
    AppendNumbered(engine.Tasks(), 3);
    const TaskList::TaskId task = engine.Tasks().IdAt(chosen);
    if (endsBeforeAnswer)
        engine.Tasks().RemoveAt(0);
    engine.Tasks().SetText(0, TaskList::Status, TaskStatus::Downloading);
    engine.RemoveSelectedTask(task);

    if (downloaderEnded) {
        QTRY_VERIFY(!engine.objDOS().IsRunning());
        QVERIFY(engine.objDOS().LastExit().endedByUs);
    } else {
        QTest::qWait(300);
        QVERIFY(IsProcessRunning("wg", downloader));
        engine.objDOS().EndTool();
    }
    QCOMPARE(RemainingNumbers(engine.Tasks()), remaining);
    QCOMPARE(engine.Tasks().Text(0, TaskList::Status), TaskStatus::Downloading);
    QVERIFY(prompter.shown.isEmpty());
}

QObject* NewTaskListTest() {
    return new TestTaskList;
}

#include "tst_TaskList.moc"
