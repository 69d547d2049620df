#pragma once
// Each test class of the module registers itself here; main() runs them all in one executable.

#include <QList>
#include <QObject>

inline QList<QObject*>& CreationTestObjects() {
    static QList<QObject*> objects;
    return objects;
}

#define CREATION_TEST(Class)                                                                       \
    static const bool registered_##Class = (CreationTestObjects().append(new Class), true);
