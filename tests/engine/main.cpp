// The engine's tests: each class runs in turn; the run fails when any of them fails.

#include <QCoreApplication>
#include <QTest>

#include <memory>

QObject* NewCommandLineSplitTest();
QObject* NewDeliveryTest();
QObject* NewDOSOutputsTest();
QObject* NewLifecycleTest();
QObject* NewResolutionTest();
QObject* NewTaskListTest();

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto* make : {NewCommandLineSplitTest, NewDeliveryTest, NewDOSOutputsTest,
                       NewLifecycleTest, NewResolutionTest, NewTaskListTest}) {
        const std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
