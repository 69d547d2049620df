#include "frmPop.h"

#include "HiddenText.h"
#include "PopupMenuAccessibility.h"
#include "Prompter.h"
#include "WindowOps.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

// Command digits of the main window's dispatcher.
constexpr int kAdd = 0;
constexpr int kRemove = 1;
constexpr int kSetting = 3;
constexpr int kHelp = 4;
constexpr int kExit = 5;

std::unique_ptr<QMenu> MakeMenu(const QString& name, const QString& title) {
    auto menu = std::make_unique<QMenu>(title);
    menu->setObjectName(name);
    // A popup shows no title of its own; assistive technology names it by this one.
    menu->setAccessibleName(title);
    return menu;
}

} // namespace

frmPop::frmPop(HiddenText& menuMsg, Prompter& prompter, QObject* parent)
    : QObject(parent), menuMsg_(menuMsg), prompter_(prompter),
      menuFile_(MakeMenu(QStringLiteral("menuFile"), QStringLiteral("File"))),
      menuSettings_(MakeMenu(QStringLiteral("menuSettings"), QStringLiteral("Settings"))),
      menuAbout_(MakeMenu(QStringLiteral("menuAbout"), QStringLiteral("About"))),
      menuMain_(MakeMenu(QStringLiteral("menuMain"), QStringLiteral("Main"))) {
    AddCommand(menuFile(), QStringLiteral("menuAdd"), QStringLiteral("Add New(&A)"), kAdd);
    AddCommand(menuFile(), QStringLiteral("menuRemove"), QStringLiteral("Remove(&R)"), kRemove);
    AddSeparator(menuFile(), QStringLiteral("menuS"));
    AddCommand(menuFile(), QStringLiteral("menuExit"), QStringLiteral("Exit(&E)"), kExit);

    AddCommand(menuSettings(), QStringLiteral("menuSetting"), QStringLiteral("Setting(&S)"),
               kSetting);

    AddCommand(menuAbout(), QStringLiteral("menuHelp"), QStringLiteral("Help(&H)"), kHelp);
    AddSeparator(menuAbout(), QStringLiteral("menuSS"));
    connect(AddItem(menuAbout(), QStringLiteral("menuA"), QStringLiteral("About(&A)")),
            &QAction::triggered, this, &frmPop::ShowAbout);

    connect(
        AddItem(menuMain(), QStringLiteral("open"), QStringLiteral("Open/Hide Main Window(&M)")),
        &QAction::triggered, this, [this] { ToggleMainWindow(mainWindow_); });
    AddCommand(menuMain(), QStringLiteral("menuAdd1"), QStringLiteral("Add a New Music Video(&A)"),
               kAdd);
    AddCommand(menuMain(), QStringLiteral("menuSetting1"), QStringLiteral("Setting(&S)"), kSetting);
    AddSeparator(menuMain(), QStringLiteral("menuSSS"));
    connect(AddItem(menuMain(), QStringLiteral("menuAA"), QStringLiteral("About(&A)")),
            &QAction::triggered, this, &frmPop::ShowAbout);
    AddCommand(menuMain(), QStringLiteral("menuExit1"), QStringLiteral("Exit(&E)"), kExit);

    // A screen reader finds them under the program, wherever they pop up.
    for (QMenu* menu : {menuFile(), menuSettings(), menuAbout(), menuMain()})
        ListUnderApplication(menu);
}

frmPop::~frmPop() = default;

QMenu* frmPop::MenuOfLabel(int labelIndex) const {
    switch (labelIndex) {
    case 0:
        return menuFile();
    case 2:
        return menuSettings();
    case 3:
        return menuAbout();
    default:
        return nullptr;
    }
}

void frmPop::ChangeMsg() {
    msgPrefix_ = menuMsg_.Text().left(1);
    msgPrefix_ = msgPrefix_ == QLatin1String("b") ? QStringLiteral("a") : QStringLiteral("b");
}

QString frmPop::AboutText() {
    return QStringLiteral("Vidlark\nProducer: the Vidlark developers\n"
                          "Free software; you may copy and share it.");
}

QAction* frmPop::AddCommand(QMenu* menu, const QString& name, const QString& caption, int code) {
    QAction* action = AddItem(menu, name, caption);
    connect(action, &QAction::triggered, this, [this, code] { SendCommand(code); });
    return action;
}

QAction* frmPop::AddItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void frmPop::AddSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void frmPop::SendCommand(int code) {
    ChangeMsg();
    menuMsg_.SetText(msgPrefix_ + QString::number(code));
}

void frmPop::ShowAbout() {
    prompter_.Inform(Prompter::Icon::Exclamation, QStringLiteral("About Vidlark"), AboutText());
}
