// Runs every test class of the creation module in one executable.

#include <QApplication>
#include <QTest>

#include "TestClasses.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (QObject* test : CreationTestObjects())
        failed += QTest::qExec(test, argc, argv);
    return failed == 0 ? 0 : 1;
}
