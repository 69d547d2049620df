// The whole program as a screen reader meets it: the real binary on a private X display, with
// a private session bus and so a private accessibility bus, looked at and driven through AT-SPI
// by a small probe on the desktop's own bindings (atspi_probe.py).

#include "DesktopSession.h"
#include "PrivateSessionBus.h"
#include "ProgramFolder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// No site answers there, and nothing leaves the machine.
const QByteArray NoSite = "SiteRoot=http://127.0.0.1:9\nFeedbackHost=http://127.0.0.1:9\n"
                          "MakerSite=http://127.0.0.1:9/\n";

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tabsTellWhichPaneShows();
    void popupMenusAndTheirItemsAreReachable();
    void cleanupTestCase();

private:
    // What the probe prints for `arguments`; empty (and a warning) when it failed.
    QString Probe(const QStringList& arguments);
    bool Checked(const QString& tab) {
        return Probe({"states", "radio button", tab}).split(u' ').contains("checked");
    }
    bool Shown(const QString& role, const QString& name) {
        return Probe({"states", role, name}).split(u' ').contains("showing");
    }

    DesktopSession desktop_;
    PrivateSessionBus bus_;
    QTemporaryDir root_;
    QProcess program_;
};

QString TestAccessibility::Probe(const QStringList& arguments) {
    QProcess probe;
    probe.setProcessEnvironment(bus_.Join(desktop_.Environment()));
    probe.start("/usr/bin/python3", QStringList{ATSPI_PROBE, "vidlark"} + arguments);
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
        qWarning("probe %s: %s", qPrintable(arguments.join(u' ')), probe.readAll().constData());
        return {};
    }
    return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

void TestAccessibility::initTestCase() {
    QVERIFY(desktop_.Start());
    // The accessibility bus it starts on demand marks this display as its own.
    QVERIFY(bus_.Start(desktop_.Environment()));
    const QString appDir = root_.filePath("vidlark");
    QVERIFY(MakeProgramFolder(appDir, NoSite, "1\r\n1\r\n"));
    QProcessEnvironment environment = bus_.Join(desktop_.Environment());
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    environment.insert("XDG_CACHE_HOME", root_.filePath("cache"));
    program_.setProcessEnvironment(environment);
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(appDir + "/vidlark", {});
    QVERIFY(program_.waitForStarted());
    QVERIFY(!desktop_.WaitForWindow("Vidlark").isEmpty());
}

// The tabs are one of two: the shown pane's tab is checked. Flipping the other one on, as an
// assistive technology may, shows its pane.
void TestAccessibility::tabsTellWhichPaneShows() {
    QVERIFY(Checked("Downloading List"));
    QVERIFY(!Checked("Music Browser"));
    QVERIFY(Shown("tree", "Downloading List"));

    QCOMPARE(Probe({"act", "radio button", "Music Browser", "Toggle"}), QString());
    QTRY_VERIFY(Checked("Music Browser"));
    QVERIFY(!Checked("Downloading List"));
    QVERIFY(!Shown("tree", "Downloading List"));

    // The shown pane's tab cannot be flipped off: one pane always shows.
    Probe({"act", "radio button", "Music Browser", "Toggle"});
    QVERIFY(Checked("Music Browser"));

    Probe({"act", "radio button", "Downloading List", "Toggle"});
    QTRY_VERIFY(Checked("Downloading List"));
    QVERIFY(!Checked("Music Browser"));
    QVERIFY(Shown("tree", "Downloading List"));
}

// The menus of the menu labels, and the Main menu of the tray and the drag zone, stand under
// the program with their items, open or not, and their items work from there.
void TestAccessibility::popupMenusAndTheirItemsAreReachable() {
    QCOMPARE(Probe({"menus"}).split(u'\n'),
             (QStringList{"File|hidden|Add New(A);Remove(R);Exit(E)", "Settings|hidden|Setting(S)",
                          "About|hidden|Help(H);About(A)",
                          "Main|hidden|Open/Hide Main Window(M);Add a New Music Video(A);"
                          "Setting(S);About(A);Exit(E)"}));

    Probe({"act", "push button", "File Menu", "Press"});
    QTRY_VERIFY(Probe({"menus"}).startsWith("File|showing|"));
    desktop_.Keys({"Escape"});
    QTRY_VERIFY(Probe({"menus"}).startsWith("File|hidden|"));

    Probe({"act", "menu item", "Open/Hide Main Window(M)", "Press"});
    QTRY_VERIFY_WITH_TIMEOUT(desktop_.Windows("Vidlark").isEmpty(), 10000);
    Probe({"act", "menu item", "Open/Hide Main Window(M)", "Press"});
    QTRY_VERIFY_WITH_TIMEOUT(!desktop_.Windows("Vidlark").isEmpty(), 10000);
}

void TestAccessibility::cleanupTestCase() {
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished();
    }
}

QTEST_GUILESS_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
