// The music browser side of the main window: tabs, genre tree, search box, download button and
// the refusal of new windows.

#include "MainWindowFixture.h"
#include "MusicAddresses.h"
#include "MusicBrowser.h"
#include "WebTestMain.h"

#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <QWebEngineView>

namespace {
const QString Root = QStringLiteral("http://127.0.0.1:9");
}

class TestBrowser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tabsSwitchPanesAndKeepTheirLooks();
    void treeClick_data();
    void treeClick();
    void treeStaysOpenAndFixed();
    void downloadButtonFollowsTheAddress_data();
    void downloadButtonFollowsTheAddress();
    void downloadButtonOpensTheDialogWithTheAddress();
    void searchAddress_data();
    void searchAddress();
    void searchBox_data();
    void searchBox();
    void newWindowsAreRefused();
};

void TestBrowser::tabsSwitchPanesAndKeepTheirLooks() {
    MainWindowFixture f;
    SkinImage* listTab = f.Image("imgTab1");
    SkinImage* browserTab = f.Image("ImgTab2");
    QWidget* browser = f.Child("wbMusic");
    QVERIFY(f.window->TaskListTabSelected());
    QVERIFY(f.window->LV()->isVisibleTo(f.window.get()));
    QVERIFY(!browser->isVisibleTo(f.window.get()));

    f.MoveOver(browserTab);
    QCOMPARE(browserTab->CurrentLook(), SkinImage::Shown::Hover);
    QVERIFY(f.window->TaskListTabSelected()); // hovering never selects
    f.MoveOver(f.window->LV()->viewport());   // the list covers the background
    QCOMPARE(browserTab->CurrentLook(), SkinImage::Shown::Empty);

    QTest::mouseClick(browserTab, Qt::LeftButton);
    QVERIFY(f.window->BrowserTabSelected());
    QVERIFY(!f.window->TaskListTabSelected());
    QVERIFY(browser->isVisibleTo(f.window.get()));
    QVERIFY(!f.window->LV()->isVisibleTo(f.window.get()));
    f.MoveOver(browserTab);
    QVERIFY(f.window->BrowserTabSelected()); // a selected tab keeps its look under the pointer
    f.MoveOver(listTab);
    QCOMPARE(listTab->CurrentLook(), SkinImage::Shown::Hover);
    f.MoveOver(f.window.get());
    QCOMPARE(listTab->CurrentLook(), SkinImage::Shown::Empty);
    QVERIFY(f.window->BrowserTabSelected());

    listTab->click(); // as the keyboard or a screen reader would
    QVERIFY(f.window->TaskListTabSelected());
}

void TestBrowser::treeClick_data() {
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("address");
    QTest::newRow("root only switches tabs") << "Category"
                                             << "";
    QTest::newRow("Rock") << "Rock" << Root + "/browse?s=mp&c=10&l=&b=1";
    QTest::newRow("Jazz skips 7") << "Jazz" << Root + "/browse?s=mp&c=10&l=&b=8";
    QTest::newRow("Religious") << "Religious" << Root + "/browse?s=mp&c=10&l=&b=11";
    QTest::newRow("Blues is 13") << "Blues" << Root + "/browse?s=mp&c=10&l=&b=13";
    QTest::newRow("More/Other... is 12") << "More/Other..." << Root + "/browse?s=mp&c=10&l=&b=12";
}

void TestBrowser::treeClick() {
    QFETCH(QString, node);
    QFETCH(QString, address);
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto* browser = f.window->wbMusic();
    const QString startPage = StartPageAddress(Root);
    QTRY_COMPARE(browser->RequestedAddress(), startPage); // loaded after the first show
    QVERIFY(f.window->TaskListTabSelected());

    QTreeWidget* tree = f.window->TV();
    const auto found = tree->findItems(node, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    const QRect cell = tree->visualItemRect(found.first());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(f.window->BrowserTabSelected());
    QCOMPARE(browser->RequestedAddress(), address.isEmpty() ? startPage : address);
    // A second click on the same node opens its page again.
    if (!address.isEmpty()) {
        browser->Navigate(startPage);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(browser->RequestedAddress(), address);
    }
}

void TestBrowser::treeStaysOpenAndFixed() {
    MainWindowFixture f;
    QTreeWidget* tree = f.window->TV();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Category"));
    QStringList genres;
    for (int i = 0; i < root->childCount(); ++i)
        genres << root->child(i)->text(0);
    QCOMPARE(genres, (QStringList{"Rock", "Pop", "Rap & Hip-Hop", "R & B & Soul", "Country & Folk",
                                  "Jazz", "Classical", "Religious", "Blues", "More/Other..."}));
    QVERIFY(root->isExpanded());
    tree->collapseItem(root);
    QVERIFY(root->isExpanded());
    QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestBrowser::downloadButtonFollowsTheAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("shown");
    QTest::newRow("watch page") << "http://127.0.0.1/watch?v=a" << true;
    QTest::newRow("nothing after the marker") << "http://127.0.0.1/watch?v=" << false;
    QTest::newRow("capitals") << "HTTP://127.0.0.1/WATCH?V=A" << false;
    QTest::newRow("shorter than 8") << "watch?v" << false;
    QTest::newRow("marker and one character") << "watch?v=x" << true;
    QTest::newRow("browse page") << "http://127.0.0.1/browse?s=mp&c=10" << false;
    QTest::newRow("start text") << "Text2" << false;
}

void TestBrowser::downloadButtonFollowsTheAddress() {
    QFETCH(QString, address);
    QFETCH(bool, shown);
    MainWindowFixture f;
    QWidget* button = f.Child("cmdDownload");
    QCOMPARE(f.window->txtWBmusic()->Text(), QStringLiteral("Text2"));
    f.Image("ImgTab2")->click();
    f.window->txtWBmusic()->SetText(address);
    f.window->UpdateDownloadButton();
    QCOMPARE(button->isVisibleTo(f.window.get()), shown);
    // The task list hides it; coming back shows it again without a new page.
    f.Image("imgTab1")->click();
    QVERIFY(!button->isVisibleTo(f.window.get()));
    f.window->UpdateDownloadButton();
    QVERIFY(!button->isVisibleTo(f.window.get()));
    f.Image("ImgTab2")->click();
    QCOMPARE(button->isVisibleTo(f.window.get()), shown);
}

void TestBrowser::downloadButtonOpensTheDialogWithTheAddress() {
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QSignalSpy download(f.window.get(), &frmMain::DownloadRequested);
    f.Image("ImgTab2")->click();
    f.window->txtWBmusic()->SetText(QStringLiteral("http://127.0.0.1/watch?v=x1"));
    f.window->UpdateDownloadButton();
    QWidget* button = f.Child("cmdDownload");
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(download.count(), 1);
    QCOMPARE(download[0][0].toString(), QStringLiteral("http://127.0.0.1/watch?v=x1"));
}

void TestBrowser::searchAddress_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "blues" << Root + "/results?search_query=blues";
    QTest::newRow("ampersand") << "rock & roll" << Root + "/results?search_query=rock%20%26%20roll";
    QTest::newRow("hash") << "#1 hits" << Root + "/results?search_query=%231%20hits";
    QTest::newRow("blanks kept") << "  jazz " << Root + "/results?search_query=%20%20jazz%20";
    QTest::newRow("equals and plus") << "a=b+c" << Root + "/results?search_query=a%3Db%2Bc";
    QTest::newRow("non-latin") << "\u00e9t\u00e9" << Root + "/results?search_query=%C3%A9t%C3%A9";
    QTest::newRow("empty") << "" << Root + "/results?search_query=";
}

void TestBrowser::searchAddress() {
    QFETCH(QString, query);
    QFETCH(QString, address);
    QCOMPARE(SearchAddress(Root, query), address);
    // The browser receives the address as it is, encoded query included.
    QCOMPARE(QUrl(address).toString(QUrl::FullyEncoded), address);
}

// What the user does in the search box, and the search it runs (empty: none).
void TestBrowser::searchBox_data() {
    QTest::addColumn<bool>("clickFirst");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("magnifier");
    QTest::addColumn<QString>("searched");
    const QString results = Root + "/results?search_query=";
    QTest::newRow("Enter before any click searches the placeholder")
        << false << "" << false << results + "Music%2C%20Artist%2C%20Album";
    QTest::newRow("click empties, Enter on empty does nothing") << true << "" << false << "";
    QTest::newRow("magnifier with an empty box") << true << "" << true << results;
    QTest::newRow("typed words and Enter")
        << true << "rock & roll" << false << results + "rock%20%26%20roll";
}

void TestBrowser::searchBox() {
    QFETCH(bool, clickFirst);
    QFETCH(QString, typed);
    QFETCH(bool, magnifier);
    QFETCH(QString, searched);
    MainWindowFixture f;
    auto* box = f.window->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    QCOMPARE(box->text(), QStringLiteral("Music, Artist, Album"));
    QCOMPARE(box->palette().color(QPalette::Text), QColor(128, 128, 128));
    if (clickFirst) {
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::black));
    }
    QTest::keyClicks(box, typed);
    if (magnifier)
        QTest::mouseClick(f.Image("imgSearch"), Qt::LeftButton);
    else
        QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(f.window->wbMusic()->RequestedAddress(), searched);
    QCOMPARE(f.window->BrowserTabSelected(), !searched.isEmpty());
}

void TestBrowser::newWindowsAreRefused() {
    MainWindowFixture f;
    QSignalSpy started(f.window.get(), &frmMain::StartPageLoaded);
    f.window->show();
    QVERIFY(started.wait(20000)); // nothing listens at the start page's port
    MusicBrowser* browser = f.window->wbMusic();
    QSignalSpy loaded(browser, &MusicBrowser::PageLoaded);
    QSignalSpy refused(browser, &MusicBrowser::NewWindowRefused);
    const QString page = QStringLiteral("data:text/html,<a id=x target=_blank "
                                        "href='data:text/html,other'>new</a>");
    browser->Navigate(page);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last()[0].toBool(), 20000);
    const QUrl before = browser->View()->url();
    browser->View()->page()->runJavaScript(QStringLiteral("window.open('data:text/html,popup')"));
    QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 1, 10000);
    QCOMPARE(browser->View()->url(), before);
    const auto views = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(views.begin(), views.end(), [&](QWidget* w) {
        return w != f.window.get() && qobject_cast<QWebEngineView*>(w);
    }));
}

VIDLARK_WEB_TEST_MAIN(TestBrowser)
#include "tst_browser.moc"
