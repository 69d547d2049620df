// Shows the main window with a few tasks, optionally on the browser tab at a given page, then
// runs a command (such as a screen grab) and ends: for looking at the window, not a test.
//   mainwindow_shot <site root> <list|browser> <page address or -> <command>

#include "frmMain.h"
#include "MusicBrowser.h"
#include "PlainPrompter.h"
#include "SkinImage.h"
#include "TaskList.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <QWebEngineView>

int main(int argc, char** argv) {
    MusicBrowser::PrepareProcess();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
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
