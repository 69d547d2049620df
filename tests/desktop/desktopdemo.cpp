// Shows the desktop pieces on their own: tray icon, drag zone and Main menu, with a stand-in
// main window and a stand-in add-task dialog. Prints the command codes and offered addresses.
//   desktopdemo [--busy TEXT] [--menu]

#include "DesktopIntegration.h"
#include "frmDrag.h"
#include "frmPop.h"
#include "HiddenText.h"
#include "MessageBoxPrompter.h"
#include "PlatformChoice.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    PreferX11OnWayland();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(QStringLiteral(":/mainwindow/app_icon.svg")));
    const QStringList args = app.arguments();

    HiddenText menuMsg(QStringLiteral("b0"));
    HiddenText txtMessage;
    MessageBoxPrompter prompter;
    QTextStream out(stdout);

    QLabel mainWindow(QStringLiteral("Stand-in main window"));
    mainWindow.setWindowTitle(QStringLiteral("Vidlark"));
    mainWindow.resize(320, 120);

    QWidget addDialog;
    addDialog.setWindowTitle(QStringLiteral("Add New Download"));
    auto* layout = new QVBoxLayout(&addDialog);
    auto* address = new QLabel(&addDialog);
    layout->addWidget(new QLabel(QStringLiteral("Copy and Paste video URL here"), &addDialog));
    layout->addWidget(address);

    DesktopIntegration desktop(menuMsg, txtMessage, prompter, QApplication::clipboard());
    desktop.SetMainWindow(&mainWindow);
    QObject::connect(&menuMsg, &HiddenText::Changed, &app,
                     [&out](const QString& code) { out << "menuMsg: " << code << Qt::endl; });
    QObject::connect(&desktop, &DesktopIntegration::AddressOffered, &app, [&](const QString& text) {
        out << "offered: " << text << Qt::endl;
        address->setText(text);
        addDialog.show();
        addDialog.raise();
        addDialog.activateWindow();
    });

    desktop.ShowDragZone();
    desktop.ShowTrayForm();
    desktop.StartClipboardWatch();

    const qsizetype busy = args.indexOf(QStringLiteral("--busy"));
    if (busy > 0 && busy + 1 < args.size()) {
        desktop.Drag().SetBusyLook(true);
        desktop.Drag().SetProgressVisible(true);
        desktop.Drag().SetProgressText(args.at(busy + 1));
    }
    if (args.contains(QStringLiteral("--menu"))) {
        QTimer::singleShot(300, &app, [&desktop] {
            desktop.Pop().menuMain()->popup(desktop.Drag().mapToGlobal(QPoint(-200, 20)));
        });
    }
    out << "ready" << Qt::endl;
    return app.exec();
}
