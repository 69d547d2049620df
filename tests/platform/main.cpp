// One executable for the platform module: processes, folders and the lock, then where the
// configuration files live.

#include <QCoreApplication>
#include <QTest>

#include <memory>

QObject* MakePlatformTest();
QObject* MakeConfigLocationTest();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failed = 0;
    for (auto* make : {MakePlatformTest, MakeConfigLocationTest}) {
        const std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed;
}
