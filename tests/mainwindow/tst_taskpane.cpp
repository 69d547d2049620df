// The task list pane: its columns fit what they show, and a queued task brings its tab forward.

#include "MainWindowFixture.h"
#include "WebTestMain.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>

class TestTaskPane : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnsFitTheirTexts_data();
    void columnsFitTheirTexts();
    void queuedTaskBringsTheListForward();
};

void TestTaskPane::columnsFitTheirTexts_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("every status once") << int(TaskStatus::Every.size());
    QTest::newRow("long enough to scroll") << 60;
}

// Every status text and the widest progress, time and type texts show whole, every header
// caption fits, and the URL column starts well inside the pane with no horizontal scroll bar,
// whether or not the list is long enough for a vertical one.
void TestTaskPane::columnsFitTheirTexts() {
    QFETCH(int, rows);
    MainWindowFixture f(rows);
    for (int row = 0; row < rows; ++row)
        f.tasks.SetText(row, TaskList::Status,
                        TaskStatus::Every.at(row % TaskStatus::Every.size()));
    f.tasks.SetText(0, TaskList::Progress, QStringLiteral("100%"));
    f.tasks.SetText(1, TaskList::TimeUsed, QStringLiteral("00:59:59"));
    f.tasks.SetText(2, TaskList::Type, QStringLiteral("wmv"));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QTreeView* list = f.window->LV();
    QHeaderView* header = list->header();
    // What the view itself asks for to show a column's texts whole (public in the base class).
    const auto needed = [view = static_cast<QAbstractItemView*>(list)](int column) {
        return view->sizeHintForColumn(column);
    };

    for (int column = 0; column < TaskList::ColumnCount; ++column) {
        const QString what = f.tasks.headerData(column, Qt::Horizontal).toString();
        QVERIFY2(header->sectionSizeHint(column) <= header->sectionSize(column), qPrintable(what));
        if (column != TaskList::FilePath && column != TaskList::URL)
            QVERIFY2(needed(column) <= list->columnWidth(column), qPrintable(what));
    }
    QTRY_COMPARE(list->verticalScrollBar()->isVisible(), rows > 20);
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    const int urlStart = header->sectionViewportPosition(TaskList::URL);
    QVERIFY(urlStart >= 0);
    // The status texts take most of the narrow pane; the two long texts keep room for their
    // first characters and the ellipsis.
    constexpr int readable = 48;
    QVERIFY2(list->viewport()->width() - urlStart >= readable,
             qPrintable(QString::number(urlStart)));
    QVERIFY(list->columnWidth(TaskList::FilePath) >= readable);
}

// Queued from the browser pane, the new row would stay hidden behind the page.
void TestTaskPane::queuedTaskBringsTheListForward() {
    MainWindowFixture f;
    f.window->show();
    QTest::mouseClick(f.Image("ImgTab2"), Qt::LeftButton);
    QVERIFY(f.window->BrowserTabSelected());

    f.window->ShowTaskList();
    QVERIFY(f.window->TaskListTabSelected());
    QVERIFY(!f.window->BrowserTabSelected());
    QVERIFY(f.window->LV()->isVisible());
    QVERIFY(!f.Child("wbMusic")->isVisible());
    QVERIFY(!f.Child("cmdDownload")->isVisible());
}

VIDLARK_WEB_TEST_MAIN(TestTaskPane)
#include "tst_taskpane.moc"
