// The frame, the command dispatcher, the command channel and the image swap protocol.

#include "DensityShots.h"
#include "FrameLayout.h"
#include "MainWindowFixture.h"
#include "SkinArt.h"
#include "WebTestMain.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QMenu>
#include <QTreeView>

// Stands in for the desktop's handler of an address scheme.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QStringList* log = nullptr) : log_(log) {}
    QList<QUrl> opened;
public Q_SLOTS:
    void Open(const QUrl& url) {
        opened << url;
        if (log_)
            *log_ << "help";
    }

private:
    QStringList* log_;
};

class TestCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outlineIsRounded_data();
    void outlineIsRounded();
    void picturesLineUpWithTheFrame_data();
    void picturesLineUpWithTheFrame();
    void frameIsCrispAtTwice_data();
    void frameIsCrispAtTwice();
    void channelRunsEveryCode_data();
    void channelRunsEveryCode();
    void removeAndExitAskOnlyWithRows_data();
    void removeAndExitAskOnlyWithRows();
    void removeNamesTheChosenTask_data();
    void removeNamesTheChosenTask();
    void pressedImageOwnsTheRelease_data();
    void pressedImageOwnsTheRelease();
    void hoverFollowsThePointer();
    void menuLabelStaysPressedWhileItsMenuIsOpen();
    void helpAndWebLinkOpenOnTheDesktop();
    void closeOnlyHides();
    void tabsTellWhichPaneShows();
    void assistiveTechnologyFindsAndPresses_data();
    void assistiveTechnologyFindsAndPresses();
};

// The rounded corners are outside the window; the rim all round is inside.
void TestCommands::outlineIsRounded_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top left corner") << QPoint(1, 1) << false;
    QTest::newRow("top right corner") << QPoint(632, 1) << false;
    QTest::newRow("bottom left corner") << QPoint(1, 506) << false;
    QTest::newRow("bottom right corner") << QPoint(632, 506) << false;
    QTest::newRow("top rim") << QPoint(317, 0) << true;
    QTest::newRow("left rim") << QPoint(0, 250) << true;
    QTest::newRow("right rim") << QPoint(633, 250) << true;
    QTest::newRow("bottom rim") << QPoint(317, 507) << true;
}

void TestCommands::outlineIsRounded() {
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    MainWindowFixture f;
    QCOMPARE(f.window->mask().contains(point), inside);
}

// A picture for a place on the frame has exactly the device pixels the frame shows there, at
// any ratio: drawn in its idle look it is the frame's own picture of that place, so hover and
// pressed pictures swap in without a seam or a shift, also where a fractional ratio puts the
// place's edges between device pixels.
void TestCommands::picturesLineUpWithTheFrame_data() {
    using SkinArt::Look;
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QRect>("place");
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        for (int i : {0, 1, 3, 4, 5})
            QTest::addRow("%gx toolbar %d", ratio, i)
                << ratio << SkinArt::ToolbarPicture(i, Look::Normal, ratio)
                << FrameLayout::ToolbarRect(i);
        for (int i : {0, 2, 3})
            QTest::addRow("%gx menu %d", ratio, i)
                << ratio << SkinArt::MenuPicture(i, Look::Normal, ratio)
                << FrameLayout::MenuRect(i);
        QTest::addRow("%gx browser tab", ratio)
            << ratio << SkinArt::TabPicture(1, Look::Normal, ratio) << FrameLayout::BrowserTabRect;
    }
}

void TestCommands::picturesLineUpWithTheFrame() {
    QFETCH(qreal, ratio);
    QFETCH(QPixmap, picture);
    QFETCH(QRect, place);
    const QImage frame = SkinArt::Background(ratio);
    QCOMPARE(frame.size(),
             DevicePixels(QRect(QPoint(0, 0), FrameLayout::BackgroundSize), ratio).size());
    QCOMPARE(picture.devicePixelRatio(), ratio);
    // Rounding in the drawing may leave a level of difference here and there; a shift would not.
    const QImage framed = frame.copy(DevicePixels(place, ratio));
    QCOMPARE(picture.size(), framed.size());
    QVERIFY(LargestDifference(picture.toImage(), framed) <= 2);
}

// Drawn at twice the density, the frame's texts and the pictures laid over it hold detail that
// the 1x window blown up lacks.
void TestCommands::frameIsCrispAtTwice_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("hover");
    QTest::newRow("title") << QRect(30, 6, 60, 16) << false;
    QTest::newRow("menu label") << FrameLayout::MenuRect(0) << false;
    QTest::newRow("toolbar caption") << FrameLayout::ToolbarRect(0).adjusted(0, 48, 0, 0) << false;
    QTest::newRow("hovered toolbar image") << FrameLayout::ToolbarRect(0) << true;
    QTest::newRow("selected tab") << FrameLayout::TaskTabRect << false;
}

void TestCommands::frameIsCrispAtTwice() {
    QFETCH(QRect, area);
    QFETCH(bool, hover);
    MainWindowFixture f;
    if (hover)
        f.MoveOver(f.Toolbar(0));
    const QImage dense = RenderedAt(*f.window, 2.0);
    const QImage blownUp = BlownUp(RenderedAt(*f.window, 1.0), dense.size());
    QVERIFY(HoldsMoreDetail(dense, blownUp, area, 2.0));
    QCOMPARE(f.ToolbarLooks(), hover ? QStringLiteral("0:hover") : QString());
}

// Codes written into the channel, one after the other, and the commands they must run.
void TestCommands::channelRunsEveryCode_data() {
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("ran");
    QTest::newRow("add") << QStringList{"a0"} << "add";
    QTest::newRow("same command twice") << QStringList{"a3", "b3"} << "setting setting";
    QTest::newRow("every command")
        << QStringList{"a0", "b1", "a3", "b4", "a5"} << "add setting help exit";
    QTest::newRow("no command 2") << QStringList{"b2"} << "";
}

void TestCommands::channelRunsEveryCode() {
    QFETCH(QStringList, codes);
    QFETCH(QString, ran);
    MainWindowFixture f;
    QStringList log;
    UrlRecorder help(&log);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &help, "Open");
    frmMain* w = f.window.get();
    QObject::connect(w, &frmMain::AddRequested, w, [&] { log << "add"; });
    QObject::connect(w, &frmMain::RemoveConfirmed, w, [&] { log << "remove"; });
    QObject::connect(w, &frmMain::SettingRequested, w, [&] { log << "setting"; });
    QObject::connect(w, &frmMain::ExitConfirmed, w, [&] { log << "exit"; });
    QCOMPARE(w->menuMsg()->Text(), QStringLiteral("b0"));
    for (const QString& code : codes) {
        f.Toolbar(0)->SetPicture(QPixmap(4, 4), SkinImage::Shown::Hover);
        w->menuMsg()->SetText(code);
        QCOMPARE(f.ToolbarLooks(), QString()); // a menu command lights nothing up
    }
    QCOMPARE(log.join(' '), ran);
    QVERIFY(f.prompter.shown.isEmpty()); // an empty list asks nothing, not even for Remove
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestCommands::removeAndExitAskOnlyWithRows_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("confirmed");
    const QString remove = "Are you sure to remove this video?";
    const QString exit = "The program is downloading videos, Exit now?";
    QTest::newRow("remove, empty list") << 1 << 0 << true << "" << false;
    QTest::newRow("remove, OK") << 1 << 2 << true << remove << true;
    QTest::newRow("remove, Cancel") << 1 << 1 << false << remove << false;
    QTest::newRow("exit, empty list") << 5 << 0 << false << "" << true;
    QTest::newRow("exit, waiting row, OK") << 5 << 1 << true << exit << true;
    QTest::newRow("exit, Cancel") << 5 << 3 << false << exit << false;
}

void TestCommands::removeAndExitAskOnlyWithRows() {
    QFETCH(int, command);
    QFETCH(int, rows);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    QFETCH(bool, confirmed);
    MainWindowFixture f(rows);
    f.prompter.answers = {answer};
    QSignalSpy removed(f.window.get(), &frmMain::RemoveConfirmed);
    QSignalSpy exited(f.window.get(), &frmMain::ExitConfirmed);
    QTest::mouseClick(f.Toolbar(command), Qt::LeftButton);
    QCOMPARE((command == 1 ? removed : exited).count(), confirmed ? 1 : 0);
    QCOMPARE(f.prompter.shown.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty()) {
        QCOMPARE(f.prompter.shown[0].title, QStringLiteral("Warning"));
        QCOMPARE(f.prompter.shown[0].text, question);
        QVERIFY(f.prompter.shown[0].question);
    }
}

// The answer is about the task chosen when the question opened, even when tasks end while the
// user thinks (a task that ends leaves the list; its selection goes with it).
void TestCommands::removeNamesTheChosenTask_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("firstEndsWhileAsked");
    QTest::addColumn<int>("chosen");
    QTest::newRow("nothing selected: the first task") << -1 << false << 0;
    QTest::newRow("a selected task") << 2 << false << 2;
    QTest::newRow("the first task ends meanwhile") << -1 << true << 0;
    QTest::newRow("the selected first task ends meanwhile") << 0 << true << 0;
    QTest::newRow("a task before the selected one ends") << 2 << true << 2;
}

void TestCommands::removeNamesTheChosenTask() {
    QFETCH(int, selected);
    QFETCH(bool, firstEndsWhileAsked);
    QFETCH(int, chosen);
    MainWindowFixture f(3);
    const TaskList::TaskId expected = f.tasks.IdAt(chosen);
    if (selected >= 0)
        f.window->LV()->selectionModel()->select(
            f.tasks.index(selected, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (firstEndsWhileAsked)
        f.prompter.whileAsking = [&f] {
            f.tasks.RemoveAt(0);
        };
    QSignalSpy removed(f.window.get(), &frmMain::RemoveConfirmed);
    f.window->menuMsg()->SetText("a1");
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed[0][0].value<TaskList::TaskId>(), expected);
    QVERIFY(expected != 0);
}

// The window system sends every move and the release to the image that took the press,
// wherever the pointer went meanwhile; other images get no hover look while the button is down.
// Only a release back over the pressed image runs its command.
void TestCommands::pressedImageOwnsTheRelease_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("letGo");
    QTest::addColumn<bool>("runs");
    QTest::newRow("Add, back on itself") << 0 << "itself" << true;
    QTest::newRow("Add, over Setting") << 0 << "other image" << false;
    QTest::newRow("Exit, dragged off, empty list") << 5 << "background" << false;
    QTest::newRow("Exit, back on itself, empty list") << 5 << "itself" << true;
}

void TestCommands::pressedImageOwnsTheRelease() {
    QFETCH(int, command);
    QFETCH(QString, letGo);
    QFETCH(bool, runs);
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QStringList log;
    frmMain* w = f.window.get();
    QObject::connect(w, &frmMain::AddRequested, w, [&] { log << "add"; });
    QObject::connect(w, &frmMain::SettingRequested, w, [&] { log << "setting"; });
    QObject::connect(w, &frmMain::ExitConfirmed, w, [&] { log << "exit"; });
    SkinImage* pressed = f.Toolbar(command);
    const QPoint inside = pressed->rect().center();
    const QPoint overSetting = pressed->mapFrom(w, f.Toolbar(3)->geometry().center());
    const QPoint offEverything(inside.x(), 200);
    const auto heldMove = [pressed](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, pressed->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pressed, &move);
    };

    QTest::mousePress(pressed, Qt::LeftButton, {}, inside);
    const QString pressedLook = QStringLiteral("%1:pressed").arg(command);
    QCOMPARE(f.ToolbarLooks(), pressedLook);
    QVERIFY(w->imagePressed());
    heldMove(offEverything);
    QCOMPARE(f.ToolbarLooks(), QString()); // away, it no longer looks pressed
    f.MoveOver(f.Toolbar(3));
    f.MoveOver(f.Menu(2));
    QCOMPARE(f.ToolbarLooks(), QString());
    QCOMPARE(f.Menu(2)->CurrentLook(), SkinImage::Shown::Empty);
    heldMove(inside);
    QCOMPARE(f.ToolbarLooks(), pressedLook); // and back, it does again

    const QPoint release = letGo == "itself"        ? inside
                           : letGo == "other image" ? overSetting
                                                    : offEverything;
    heldMove(release);
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, release);
    const QString name = command == 0 ? QStringLiteral("add") : QStringLiteral("exit");
    QCOMPARE(log.join(' '), runs ? name : QString());
    QVERIFY(!w->imagePressed());
    // The hover look stays on a released image until the pointer moves on.
    QCOMPARE(f.ToolbarLooks(), runs ? QStringLiteral("%1:hover").arg(command) : QString());
    f.MoveOver(f.Toolbar(4));
    QCOMPARE(f.ToolbarLooks(), QStringLiteral("4:hover")); // hover works again afterwards
}

void TestCommands::hoverFollowsThePointer() {
    MainWindowFixture f;
    f.MoveOver(f.Toolbar(1));
    f.MoveOver(f.Toolbar(4));
    f.MoveOver(f.Menu(3));
    f.MoveOver(f.Link("lblSuggest"));
    QCOMPARE(f.ToolbarLooks(), QStringLiteral("4:hover"));
    QCOMPARE(f.Menu(3)->CurrentLook(), SkinImage::Shown::Hover);
    QCOMPARE(f.Link("lblSuggest")->Colour(), QColor(Qt::black));
    QCOMPARE(f.Link("lblWeb")->Colour(), QColor(68, 115, 157));
    f.MoveOver(f.window.get());
    QCOMPARE(f.ToolbarLooks(), QString());
    QCOMPARE(f.Menu(3)->CurrentLook(), SkinImage::Shown::Empty);
    QCOMPARE(f.Link("lblSuggest")->Colour(), QColor(68, 115, 157));
}

void TestCommands::menuLabelStaysPressedWhileItsMenuIsOpen() {
    MainWindowFixture f;
    QMenu file;
    file.addAction(QStringLiteral("Add New(&A)"));
    f.window->SetPopupMenu(0, &file);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QTest::mousePress(f.Menu(0), Qt::LeftButton);
    QTRY_VERIFY(file.isVisible());
    QVERIFY(f.window->imagePressed());
    QCOMPARE(f.Menu(0)->CurrentLook(), SkinImage::Shown::Pressed);
    QCOMPARE(file.pos(), f.window->mapToGlobal(QPoint(17, 31 + 20)));
    f.MoveOver(f.Toolbar(0));
    QCOMPARE(f.ToolbarLooks(), QString());
    file.hide();
    QVERIFY(!f.window->imagePressed());
    // Without a menu a press on a label comes straight back.
    QTest::mousePress(f.Menu(3), Qt::LeftButton);
    QVERIFY(!f.window->imagePressed());
}

void TestCommands::helpAndWebLinkOpenOnTheDesktop() {
    MainWindowFixture f;
    UrlRecorder opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &opened, "Open");
    f.window->SetHelpPage(QStringLiteral("/opt/vidlark/help/index.html"));
    f.window->SetMakerSite(QStringLiteral("http://127.0.0.1/maker"), QStringLiteral("maker"));
    QSignalSpy feedback(f.window.get(), &frmMain::FeedbackRequested);
    QTest::mouseClick(f.Toolbar(4), Qt::LeftButton);
    QTest::mouseClick(f.Link("lblWeb"), Qt::LeftButton);
    QTest::mouseClick(f.Link("lblSuggest"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(opened.opened,
             (QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/opt/vidlark/help/index.html")),
                          QUrl(QStringLiteral("http://127.0.0.1/maker"))}));
    QCOMPARE(feedback.count(), 1);
}

void TestCommands::closeOnlyHides() {
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QTest::mouseClick(f.Image("imgExit"), Qt::LeftButton);
    QVERIFY(f.window->isHidden());
    f.window->show();
    QVERIFY(!f.window->close());
    QVERIFY(f.window->isHidden());
}

// Which pane shows is the tabs' checked state, one of the two. A tab flipped on by assistive
// technology shows its pane; the shown one cannot be flipped off; the mouse keeps it true.
void TestCommands::tabsTellWhichPaneShows() {
    MainWindowFixture f;
    frmMain* w = f.window.get();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.Child("imgTab1"));
    QAccessibleInterface* browser = QAccessible::queryAccessibleInterface(f.Child("ImgTab2"));
    QVERIFY(list && browser && browser->actionInterface());
    QVERIFY(list->state().checkable && browser->state().checkable);
    QVERIFY(list->state().checked && !browser->state().checked);

    const QString toggle = QAccessibleActionInterface::toggleAction();
    browser->actionInterface()->doAction(toggle);
    QVERIFY(w->BrowserTabSelected());
    QVERIFY(browser->state().checked && !list->state().checked);
    browser->actionInterface()->doAction(toggle);
    QVERIFY(w->BrowserTabSelected());
    QVERIFY(browser->state().checked);

    QTest::mouseClick(f.Child("imgTab1"), Qt::LeftButton);
    QVERIFY(w->TaskListTabSelected());
    QVERIFY(list->state().checked && !browser->state().checked);
}

// Screen readers (and whole-program tests) find the image controls by name and press them.
void TestCommands::assistiveTechnologyFindsAndPresses_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Add") << "imgButton0"
                         << "Add a new download URL"
                         << "add";
    QTest::newRow("Setting") << "imgButton3"
                             << "Setting"
                             << "setting";
    QTest::newRow("File menu") << "imgMenu0"
                               << "File Menu"
                               << "";
    QTest::newRow("browser tab") << "ImgTab2"
                                 << "Music Browser"
                                 << "browser tab";
    QTest::newRow("Feedback link") << "lblSuggest"
                                   << "Feedback"
                                   << "feedback";
    QTest::newRow("minimise") << "imgMin"
                              << "Minimize"
                              << "";
}

void TestCommands::assistiveTechnologyFindsAndPresses() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, pressed);
    MainWindowFixture f;
    QStringList log;
    frmMain* w = f.window.get();
    QObject::connect(w, &frmMain::AddRequested, w, [&] { log << "add"; });
    QObject::connect(w, &frmMain::SettingRequested, w, [&] { log << "setting"; });
    QObject::connect(w, &frmMain::FeedbackRequested, w, [&] { log << "feedback"; });
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(f.Child(control));
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), name);
    QVERIFY(face->actionInterface());
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    if (pressed == "browser tab")
        QTRY_VERIFY(w->BrowserTabSelected());
    else if (!pressed.isEmpty())
        QTRY_COMPARE(log.join(' '), pressed);
}

VIDLARK_WEB_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
