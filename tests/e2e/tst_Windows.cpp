// The real program's windows as a user meets them, with what a screen reader sees of them: huge
// copied or pasted texts leave it answering at once, the add-task dialog keeps the user's
// clipboard and holds the main window off while it is open, a task queued from the browser
// brings the task list forward, its Time Used cell ticks, and the feedback form has the
// program's icon.

#include "DesktopSession.h"
#include "LocalSite.h"
#include "PrivateSessionBus.h"
#include "ProgramRun.h"
#include "WindowPing.h"

#include <memory>

namespace {

const QString Short = QStringLiteral("Q2xV9dLm4bA"); // 3 s, "Signal Check"
const QString Slow = QStringLiteral("P4nG2xR7jUa");  // throttled below

// Seconds of a Time Used text ("00:00:7", "00:1:5", "1:0:0").
int Seconds(const QString& clock) {
    const QStringList parts = clock.split(u':');
    return parts.size() == 3 ? parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt()
                             : -1;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void largeClipboardTextsOpenNothing_data();
    void largeClipboardTextsOpenNothing();
    void largePasteKeepsTheDialogAnswering();
    void closingTheDialogKeepsOtherClipboardTexts_data();
    void closingTheDialogKeepsOtherClipboardTexts();
    void mainWindowIsOffWhileTheDialogIsOpen();
    void feedbackFormHasTheProgramIcon();
    void queuedFromTheBrowserTheListComesForward();
    void timeUsedTicksWhileATaskRuns();
    void cleanupTestCase();

private:
    // What the AT-SPI probe prints for `arguments`; empty when the object is not there.
    QString Probe(const QStringList& arguments) const;
    QStringList States(const QString& role, const QString& name) const {
        return Probe({"states", role, name}).split(u' ', Qt::SkipEmptyParts);
    }
    // The slowest answer of `window` to pings sent for `periodMs`; 10 s when one got none.
    int SlowestAnswer(const QString& window, int periodMs) const;
    QString Clipboard() const { return desktop_.Tool("xclip", {"-o", "-selection", "clipboard"}); }
    // The main window as it is now: the browser engine gives it a new X window on its first
    // page, so an id taken earlier may be gone.
    QString MainWindow() const { return desktop_.WaitForWindow("Vidlark"); }
    // Clicks `place` on `window` until the window titled `title` has gone: a window just
    // mapped may not take a click yet.
    bool CloseBy(const QString& window, const QRect& place, const QString& title) const;

    DesktopSession desktop_;
    PrivateSessionBus bus_;
    std::unique_ptr<LocalSite> site_;
    std::unique_ptr<ProgramRun> run_;
    QProcessEnvironment environment_;
};

void TestWindows::initTestCase() {
    QVERIFY(desktop_.Start());
    QVERIFY(bus_.Start(desktop_.Environment()));
    site_ = std::make_unique<LocalSite>(QStringList{"--throttle", Slow + ":8"},
                                        qEnvironmentVariable("VIDLARK_BINDIR") + "/../site-cache");
    QVERIFY2(site_->Start(), qPrintable(site_->Error()));
    run_ = std::make_unique<ProgramRun>(desktop_, site_->Root());
    // No folder to open and no drag zone.
    QVERIFY(run_->Prepare("1\r\n1\r\n"));
    environment_ = bus_.Join(desktop_.Environment());
    environment_.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    run_->Start(environment_);
    QVERIFY(!MainWindow().isEmpty());
    // On the bus, with the browser engine started (its first page remakes the main window).
    QTRY_VERIFY_WITH_TIMEOUT(!States("document web", "").isEmpty(), 60000);
}

QString TestWindows::Probe(const QStringList& arguments) const {
    QProcess probe;
    probe.setProcessEnvironment(environment_);
    probe.start("/usr/bin/python3", QStringList{ATSPI_PROBE, "vidlark"} + arguments);
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        return {};
    return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

bool TestWindows::CloseBy(const QString& window, const QRect& place, const QString& title) const {
    for (int attempt = 0; attempt < 5; ++attempt) {
        desktop_.Click(window, place);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2000)
            if (desktop_.Windows(title).isEmpty())
                return true;
            else
                QTest::qWait(100);
    }
    return false;
}

int TestWindows::SlowestAnswer(const QString& window, int periodMs) const {
    WindowPing ping(desktop_.Display());
    QElapsedTimer clock;
    clock.start();
    int slowest = 0;
    while (clock.elapsed() < periodMs) {
        const int answer = ping.Milliseconds(window, 10000);
        slowest = std::max(slowest, answer < 0 ? 10000 : answer);
        QTest::qWait(50);
    }
    return slowest;
}

// Texts that hold a watch address but are far too long to be one: no dialog, and the program
// answers the window system at once all the while.
void TestWindows::largeClipboardTextsOpenNothing_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("1 MB") << (1 << 20);
    QTest::newRow("10 MB") << (10 << 20);
}

void TestWindows::largeClipboardTextsOpenNothing() {
    QFETCH(int, size);
    desktop_.Copy(site_->Root() + "/watch?v=" + Short + QString(size, u'x'));
    const int slowest = SlowestAnswer(MainWindow(), 3000);
    QVERIFY2(slowest < 200, qPrintable(QString::number(slowest)));
    QVERIFY(desktop_.Windows("Add New Download").isEmpty());
}

// Pasted by hand, 10 MB reach the address box whole and the dialog still answers at once.
void TestWindows::largePasteKeepsTheDialogAnswering() {
    const QString dialog = run_->OpenAddDialog();
    QVERIFY(!dialog.isEmpty());
    const QString text = site_->Root() + "/watch?v=" + Short + QString(10 << 20, u'x');
    desktop_.Copy(text);
    desktop_.Focus(dialog);
    desktop_.Click(dialog, ProgramRun::AddressBox);
    desktop_.Keys({"ctrl+v"});
    QTRY_VERIFY_WITH_TIMEOUT(!States("label", "URL is available").isEmpty(), 10000);
    const int slowest = SlowestAnswer(dialog, 3000);
    QVERIFY2(slowest < 200, qPrintable(QString::number(slowest)));

    QVERIFY(CloseBy(dialog, ProgramRun::BackButton, "Add New Download"));
    // Opened by the Add command, the dialog took nothing from a source: the text stays.
    QCOMPARE(Clipboard().size(), text.size());
}

// Closing the dialog empties the clipboard only while it still holds the copied address.
void TestWindows::closingTheDialogKeepsOtherClipboardTexts_data() {
    QTest::addColumn<QString>("copiedMeanwhile");
    QTest::addColumn<QString>("left");
    QTest::newRow("the address is still there") << ""
                                                << "";
    QTest::newRow("a folder was copied since") << "/home/user/Music/"
                                               << "/home/user/Music/";
}

void TestWindows::closingTheDialogKeepsOtherClipboardTexts() {
    QFETCH(QString, copiedMeanwhile);
    QFETCH(QString, left);
    const QString address = site_->Root() + "/watch?v=" + Short;
    desktop_.Copy(address);
    const QString dialog = desktop_.WaitForWindow("Add New Download");
    QVERIFY(!dialog.isEmpty());
    QCOMPARE(Clipboard(), address);
    if (!copiedMeanwhile.isEmpty()) {
        desktop_.Copy(copiedMeanwhile);
        QCOMPARE(Clipboard(), copiedMeanwhile);
    }
    QVERIFY(CloseBy(dialog, ProgramRun::BackButton, "Add New Download"));
    QTRY_COMPARE(Clipboard(), left);
}

// While the dialog is open the main window is off, for the user and for a screen reader.
void TestWindows::mainWindowIsOffWhileTheDialogIsOpen() {
    const auto mainEnabled = [this] {
        return States("filler", "Vidlark").contains("enabled");
    };
    QVERIFY(mainEnabled());
    const QString dialog = run_->OpenAddDialog();
    QVERIFY(!dialog.isEmpty());
    QTRY_VERIFY(!mainEnabled());
    desktop_.Click(MainWindow(), FrameLayout::ToolbarRect(3)); // Setting
    QTest::qWait(1500);
    QVERIFY(desktop_.Windows("Settings").isEmpty());

    QVERIFY(CloseBy(dialog, ProgramRun::BackButton, "Add New Download"));
    QTRY_VERIFY(mainEnabled());
    desktop_.Click(MainWindow(), FrameLayout::ToolbarRect(3));
    const QString settings = desktop_.WaitForWindow("Settings", 10000);
    QVERIFY(!settings.isEmpty());
    QVERIFY(CloseBy(settings, QRect(346, 112, 93, 37), "Settings")); // Close
}

void TestWindows::feedbackFormHasTheProgramIcon() {
    const QString window = MainWindow();
    desktop_.Click(window, FrameLayout::FeedbackLinkRect);
    const QString form = desktop_.WaitForWindow("Suggest Us");
    QVERIFY(!form.isEmpty());
    const auto icon = [this](const QString& window) {
        return desktop_.Tool("xprop", {"-id", window, "_NET_WM_ICON"}).section(u'=', 1);
    };
    QVERIFY(icon(window).size() > 1000);
    QCOMPARE(icon(form), icon(window));
    QVERIFY(CloseBy(form, QRect(208, 90, 85, 27), "Suggest Us")); // Back
}

// Found through the program's own search box and queued with the browser's download button:
// the task list comes forward, so the new row is in sight.
void TestWindows::queuedFromTheBrowserTheListComesForward() {
    const QString target = run_->Path("signal.flv");
    const QString window = MainWindow();
    desktop_.Focus(window);
    desktop_.Click(window, FrameLayout::SearchBoxRect);
    desktop_.Type("Signal Check");
    desktop_.Keys({"Return"});
    QTRY_VERIFY_WITH_TIMEOUT(!States("tree", "Downloading List").contains("showing"), 10000);
    // The results page lists the one video; its link is the first line under the heading
    // (the embedded browser shows no page content to a screen reader).
    QTest::qWait(2000);
    desktop_.Click(window,
                   QRect(FrameLayout::BrowserRect.topLeft() + QPoint(50, 74), QSize(20, 10)));
    QTRY_VERIFY_WITH_TIMEOUT(
        States("push button", "Download This Music Video Now!").contains("showing"), 30000);
    desktop_.Click(window, FrameLayout::DownloadButtonRect);
    const QString dialog = desktop_.WaitForWindow("Add New Download");
    QVERIFY(!dialog.isEmpty());
    desktop_.Click(dialog, ProgramRun::SavePathBox);
    desktop_.Type(target);
    desktop_.Click(dialog, ProgramRun::DownloadButton);

    QTRY_VERIFY_WITH_TIMEOUT(States("tree", "Downloading List").contains("showing"), 10000);
    QVERIFY(!States("filler", "Music browser").contains("showing"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).size() == site_->Video(Short).bytes, 60000);
}

// A slow download's Time Used cell counts up with the clock.
void TestWindows::timeUsedTicksWhileATaskRuns() {
    run_->QueueThroughToolbar(site_->Root() + "/watch?v=" + Slow, run_->Path("slow.flv"));
    if (QTest::currentTestFailed())
        return;
    const auto timeUsed = [this] {
        // Six cells a row: File Path, Status, Progress, Time Used, Type, URL.
        return Probe({"names", "tree", "Downloading List", "table cell"}).split(u'\n').value(3);
    };
    QTRY_VERIFY_WITH_TIMEOUT(Seconds(timeUsed()) >= 1, 30000);
    QElapsedTimer clock;
    clock.start();
    const int first = Seconds(timeUsed());
    QStringList seen{timeUsed()};
    while (clock.elapsed() < 4500) {
        QTest::qWait(250);
        const QString now = timeUsed();
        QVERIFY2(Seconds(now) >= Seconds(seen.last()), qPrintable(seen.join(' ') + " " + now));
        if (now != seen.last())
            seen << now;
    }
    const int counted = Seconds(seen.last()) - first;
    QVERIFY2(seen.size() >= 4, qPrintable(seen.join(' ')));
    QVERIFY2(counted >= 3 && counted <= 6, qPrintable(seen.join(' ')));
}

void TestWindows::cleanupTestCase() {
    if (run_)
        run_->End();
}

QTEST_GUILESS_MAIN(TestWindows)
#include "tst_Windows.moc"
