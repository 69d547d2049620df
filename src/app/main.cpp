#include "MusicBrowser.h"
#include "PlatformChoice.h"
#include "Program.h"
#include "SkinArt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Both must be settled before the application object exists.
    PreferX11OnWayland();
    MusicBrowser::PrepareProcess();
    QApplication app(argc, argv);
    // The window only hides when closed; the program ends through Exit alone.
    app.setQuitOnLastWindowClosed(false);
    // One icon for the main window, the tray and every box, the same picture as the menus'
    // (packaging renders the icon theme from it); the desktop entry matches the windows by name.
    app.setWindowIcon(SkinArt::WindowIcon());
    app.setDesktopFileName(QStringLiteral("vidlark"));
    Program program(app.arguments().mid(1));
    if (!program.Start())
        return 0;
    return app.exec();
}
