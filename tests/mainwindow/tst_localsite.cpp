// The music browser against the local video site: a genre shows its page, a link leads to a
// watch page where the download button appears, and the button opens the add-task dialog with
// that page's address.

#include "AddTaskDialogHost.h"
#include "frmAdd.h"
#include "LocalSite.h"
#include "MainWindowFixture.h"
#include "MusicAddresses.h"
#include "MusicBrowser.h"
#include "WebTestMain.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWebEngineView>

class TestLocalSite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void genreToWatchPageToAddDialog();
};

void TestLocalSite::genreToWatchPageToAddDialog() {
    LocalSite site({}, qEnvironmentVariable("VIDLARK_BINDIR") + "/site-cache-mainwindow");
    QVERIFY2(site.Start(), qPrintable(site.Error()));
    MainWindowFixture f;
    QTemporaryDir appDir;
    AddTaskContext context;
    context.tasks = &f.tasks;
    context.appDir = appDir.path();
    context.tempDir = appDir.path() + "/";
    context.prompter = &f.prompter;
    AddTaskDialogHost dialogs(context);
    QObject::connect(f.window.get(), &frmMain::DownloadRequested, &dialogs,
                     [&](const QString& address) { dialogs.ShowDialog(address); });
    f.window->SetSiteRoot(site.Root());
    QSignalSpy started(f.window.get(), &frmMain::StartPageLoaded);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QVERIFY(started.wait(30000));
    QVERIFY(started[0][0].toBool());
    MusicBrowser* browser = f.window->wbMusic();
    QCOMPARE(f.window->txtWBmusic()->Text(), StartPageAddress(site.Root()));

    QTreeWidget* tree = f.window->TV();
    QTreeWidgetItem* rock = tree->findItems("Rock", Qt::MatchExactly | Qt::MatchRecursive)[0];
    QSignalSpy loaded(browser, &MusicBrowser::PageLoaded);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(rock).center());
    QVERIFY(f.window->BrowserTabSelected());
    QVERIFY(loaded.wait(20000));
    const QString rockPage = GenreAddress(site.Root(), Genres()[0]);
    QCOMPARE(f.window->txtWBmusic()->Text(), rockPage);
    QVERIFY(!f.Child("cmdDownload")->isVisible());

    // Follow the page's first link to a video, as a user's click would.
    browser->View()->page()->runJavaScript(
        "document.querySelector('a[href*=\"watch?v=\"]').click()");
    QTRY_VERIFY_WITH_TIMEOUT(f.Child("cmdDownload")->isVisible(), 20000);
    const QString watchPage = f.window->txtWBmusic()->Text();
    QVERIFY2(watchPage.startsWith(site.Root() + "/watch?v="), qPrintable(watchPage));
    QCOMPARE(browser->View()->url().toString(QUrl::FullyEncoded), watchPage);

    QWidget* button = f.Child("cmdDownload");
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(dialogs.Dialog());
    QTRY_VERIFY(dialogs.Dialog()->isVisible());
    QCOMPARE(dialogs.Dialog()->findChild<QLineEdit*>("txtURL")->text(), watchPage);
    QCOMPARE(dialogs.Dialog()->State(), frmAdd::AddressState::Available);
}

VIDLARK_WEB_TEST_MAIN(TestLocalSite)
#include "tst_localsite.moc"
