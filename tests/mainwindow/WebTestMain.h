#pragma once
// A test main for executables whose windows may start the browser engine, which must be
// prepared before the application object exists.

#include "MusicBrowser.h"

#include <QApplication>
#include <QTest>

#define VIDLARK_WEB_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                              \
        MusicBrowser::PrepareProcess();                                                            \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
