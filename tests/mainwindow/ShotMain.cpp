// Shows the main window with a few tasks, optionally on the browser tab at a given page, then
// runs a command (such as a screen grab) and ends: for looking at the window, not a test.
//   mainwindow_shot <site root> <list|browser> <page address or -> <command>
//   mainwindow_shot looks <picture.png>   (every hover and pressed picture, on one sheet)

#include "frmMain.h"
#include "MusicBrowser.h"
#include "PlainPrompter.h"
#include "SkinArt.h"
#include "SkinImage.h"
#include "TaskList.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QWebEngineView>

static bool SaveLookSheet(const QString& path) {
    using SkinArt::Look;
    QImage sheet(520, 260, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int x = 4;
    for (int i : {0, 1, 3, 4, 5}) {
        p.drawPixmap(x, 4, SkinArt::ToolbarPicture(i, Look::Hover));
        p.drawPixmap(x, 80, SkinArt::ToolbarPicture(i, Look::Pressed));
        x += 64;
    }
    x = 4;
    for (int i : {0, 2, 3}) {
        p.drawPixmap(x, 160, SkinArt::MenuPicture(i, Look::Hover));
        p.drawPixmap(x, 182, SkinArt::MenuPicture(i, Look::Pressed));
        x += 80;
    }
    for (int tab : {0, 1}) {
        p.drawPixmap(250 + tab * 144, 160, SkinArt::TabPicture(tab, Look::Hover));
        p.drawPixmap(250 + tab * 144, 185, SkinArt::TabPicture(tab, Look::Pressed));
    }
    p.drawImage(330, 4, SkinArt::Background().copy(0, 0, 40, 40).scaled(120, 120));
    for (int n = 1; n <= 11; ++n)
        p.drawPixmap(4 + (n - 1) * 36, 215, SkinArt::GenreIcon(n).pixmap(32, 32));
    p.drawPixmap(460, 4, SkinArt::WindowIcon().pixmap(48, 48));
    p.drawPixmap(460, 60, SkinArt::HandCursor().pixmap());
    p.end();
    return sheet.save(path);
}

int main(int argc, char** argv) {
    MusicBrowser::PrepareProcess();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("looks"))
        return SaveLookSheet(args[2]) ? 0 : 1;
    if (args.size() < 5)
        return 2;
    TaskList tasks;
    tasks.Append(QStringLiteral("/home/user/Music/Evening Rain.mp3"),
                 QStringLiteral("http://127.0.0.1/watch?v=rain01"), QStringLiteral("a.flv"),
                 QStringLiteral("cmd"));
    tasks.SetText(0, TaskList::Status, QStringLiteral("Downloading..."));
    tasks.SetText(0, TaskList::Progress, QStringLiteral("45%"));
    tasks.SetText(0, TaskList::TimeUsed, QStringLiteral("00:00:12"));
    tasks.Append(QStringLiteral("/home/user/Videos/Harbour Lights.mp4"),
                 QStringLiteral("http://127.0.0.1/watch?v=harb02"), QStringLiteral("b.flv"),
                 QStringLiteral("None"));
    // The longest status text, to see that it fits its column.
    tasks.SetText(1, TaskList::Status, TaskStatus::Resuming);
    PlainPrompter prompter;
    frmMain window(&tasks, &prompter);
    window.SetSiteRoot(args[1]);
    window.SetMakerSite(QStringLiteral("http://127.0.0.1/"), QStringLiteral("vidlark home"));
    window.SetProgressStripVisible(true);
    window.SetProgressValue(45);
    window.SetProgressWidthTwips(4215 * 45 / 100);
    window.SetBusy(true);
    window.SetSettingsButtonVisible(false);
    window.move(40, 40);
    window.show();

    const bool browser = args[2] == QLatin1String("browser");
    const QString page = args[3];
    const QString command = args[4];
    auto shoot = [&] {
        QTimer::singleShot(1500, &app, [&] {
            QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command});
            app.quit();
        });
    };
    QObject::connect(&window, &frmMain::StartPageLoaded, &app, [&] {
        if (!browser) {
            shoot();
            return;
        }
        window.findChild<SkinImage*>(QStringLiteral("ImgTab2"))->click();
        if (page == QLatin1String("-")) {
            shoot();
            return;
        }
        QObject::connect(window.wbMusic(), &MusicBrowser::PageLoaded, &app, shoot,
                         Qt::SingleShotConnection);
        window.wbMusic()->Navigate(page);
    });
    QTimer::singleShot(30000, &app, [&] { app.exit(1); });
    return app.exec();
}
