// A plain window around the task list with an Add button, to try the add-task dialog by hand
// and to take screenshots of it. Not part of the test run.
//   creationdemo [--address TEXT] [--grab dialog.png]

#include "AddTaskDialogHost.h"
#include "frmAdd.h"
#include "TaskList.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QHeaderView>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"address", "Open the dialog with this address.", "text"});
    parser.addOption({"grab", "Save the open dialog to this PNG and quit.", "file"});
    parser.process(app);

    TaskList tasks;
    QMainWindow window;
    window.setWindowTitle("Vidlark");
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    auto* add = new QPushButton("Add", central);
    auto* LV = new QTableView(central);
    LV->setModel(&tasks);
    LV->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(add);
    layout->addWidget(LV);
    window.setCentralWidget(central);
    window.resize(760, 300);
    window.move(20, 20);

    AddTaskContext context;
    context.tasks = &tasks;
    context.appDir = QCoreApplication::applicationDirPath();
    context.tempDir = QDir::tempPath() + "/creationdemo/";
    AddTaskDialogHost host(context);
    QObject::connect(add, &QPushButton::clicked, &host, [&host] { host.ShowDialog(); });
    QObject::connect(&host, &AddTaskDialogHost::Opened, &window,
                     [&window] { window.setEnabled(false); });
    QObject::connect(&host, &AddTaskDialogHost::Closed, &window,
                     [&window] { window.setEnabled(true); });
    QObject::connect(&host, &AddTaskDialogHost::TaskQueued, LV, &QWidget::show);
    window.show();

    if (parser.isSet("address"))
        host.ShowDialog(parser.value("address"));
    if (parser.isSet("grab")) {
        QTimer::singleShot(300, &app, [&] {
            if (host.Dialog())
                host.Dialog()->grab().save(parser.value("grab"));
            app.quit();
        });
    }
    return app.exec();
}
