// The popup menus: captions in order, the codes they send, and the items that act on their own.

#include "frmPop.h"
#include "HiddenText.h"
#include "ScriptedPrompter.h"
#include "StandInMainWindow.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

QAction* Item(const frmPop& pop, const QString& name) {
    for (QMenu* menu : {pop.menuFile(), pop.menuSettings(), pop.menuAbout(), pop.menuMain()}) {
        if (QAction* action = menu->findChild<QAction*>(name))
            return action;
    }
    return nullptr;
}

} // namespace

class MenuTests : public QObject {
    Q_OBJECT
    HiddenText menuMsg{QStringLiteral("b0")};
    ScriptedPrompter prompter;

private Q_SLOTS:
    void init() {
        menuMsg.SetTextSilently(QStringLiteral("b0"));
        prompter.shown.clear();
    }

    void captionsInOrder_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("File") << "menuFile"
                              << "File"
                              << QStringList{"Add New(&A)", "Remove(&R)", "-", "Exit(&E)"};
        QTest::newRow("Settings") << "menuSettings"
                                  << "Settings" << QStringList{"Setting(&S)"};
        QTest::newRow("About") << "menuAbout"
                               << "About" << QStringList{"Help(&H)", "-", "About(&A)"};
        QTest::newRow("Main") << "menuMain"
                              << "Main"
                              << QStringList{"Open/Hide Main Window(&M)",
                                             "Add a New Music Video(&A)",
                                             "Setting(&S)",
                                             "-",
                                             "About(&A)",
                                             "Exit(&E)"};
    }
    void captionsInOrder() {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        frmPop pop(menuMsg, prompter);
        const QMap<QString, QMenu*> menus{{"menuFile", pop.menuFile()},
                                          {"menuSettings", pop.menuSettings()},
                                          {"menuAbout", pop.menuAbout()},
                                          {"menuMain", pop.menuMain()}};
        QMenu* shown = menus.value(menu);
        QCOMPARE(shown->title(), title);
        QStringList captions;
        for (QAction* action : shown->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions, items);
    }

    void commandCodes_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("first command starts with a") << QStringList{"menuAdd"} << QStringList{"a0"};
        QTest::newRow("same command twice runs twice")
            << QStringList{"menuRemove", "menuRemove"} << QStringList{"a1", "b1"};
        QTest::newRow("alternation runs across menus")
            << QStringList{"menuExit", "menuSetting1", "menuHelp",
                           "menuAdd1", "menuSetting",  "menuExit1"}
            << QStringList{"a5", "b3", "a4", "b0", "a3", "b5"};
        QTest::newRow("items that act alone send nothing")
            << QStringList{"menuAdd", "open", "menuAA", "menuA", "open", "menuAdd"}
            << QStringList{"a0", "b0"};
    }
    void commandCodes() {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, codes);
        QWidget mainWindow;
        frmPop pop(menuMsg, prompter);
        pop.SetMainWindow(&mainWindow);
        QSignalSpy changes(&menuMsg, &HiddenText::Changed);
        for (const QString& name : chosen)
            Item(pop, name)->trigger();
        QStringList sent;
        for (const QList<QVariant>& change : changes)
            sent << change.at(0).toString();
        QCOMPARE(sent, codes);
    }

    void aboutBox_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("About menu") << "menuA";
        QTest::newRow("Main menu") << "menuAA";
    }
    void aboutBox() {
        QFETCH(QString, item);
        frmPop pop(menuMsg, prompter);
        Item(pop, item)->trigger();
        QCOMPARE(prompter.shown.size(), 1);
        const ScriptedPrompter::Shown& box = prompter.shown.first();
        QCOMPARE(box.icon, Prompter::Icon::Exclamation);
        QVERIFY(!box.question);
        const QStringList lines = box.text.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0), QStringLiteral("Vidlark"));
        QVERIFY(lines.at(1).startsWith(QStringLiteral("Producer: ")));
        QVERIFY(!lines.at(2).isEmpty());
        QCOMPARE(menuMsg.Text(), QStringLiteral("b0"));
    }

    void openHideTogglesVisibilityOnly_data() {
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("hidden") << false << false;
        QTest::newRow("shown") << true << false;
        QTest::newRow("minimised") << true << true;
    }
    void openHideTogglesVisibilityOnly() {
        QFETCH(bool, visible);
        QFETCH(bool, minimised);
        StandInMainWindow mainWindow(visible, minimised);
        frmPop pop(menuMsg, prompter);
        pop.SetMainWindow(&mainWindow);
        QAction* open = Item(pop, "open");

        open->trigger();
        QCOMPARE(mainWindow.isVisible(), !visible);
        QCOMPARE(mainWindow.isMinimized(), minimised);
        open->trigger();
        QCOMPARE(mainWindow.isVisible(), visible);
        QCOMPARE(mainWindow.isMinimized(), minimised);
    }

    void menusOfTheLabels() {
        frmPop pop(menuMsg, prompter);
        QCOMPARE(pop.MenuOfLabel(0), pop.menuFile());
        QCOMPARE(pop.MenuOfLabel(1), nullptr);
        QCOMPARE(pop.MenuOfLabel(2), pop.menuSettings());
        QCOMPARE(pop.MenuOfLabel(3), pop.menuAbout());
    }
};

int RunMenuTests(int argc, char** argv) {
    MenuTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_menus.moc"
