#include "ButtonTests.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    failures += RunPainterTests(argc, argv);
    failures += RunInputTests(argc, argv);
    failures += RunPersistenceTests(argc, argv);
    failures += RunGalleryTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
