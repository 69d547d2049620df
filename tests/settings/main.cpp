// One executable for the settings module: the file rules, then the dialog.

#include <QApplication>
#include <QTest>

#include <memory>

QObject* MakeSettingsFileTest();
QObject* MakeSettingsDialogTest();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto* make : {MakeSettingsFileTest, MakeSettingsDialogTest}) {
        const std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed;
}
