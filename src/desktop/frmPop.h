#pragma once
// The popup menus: File, Settings and About under the main window's menu labels, and Main for
// the tray icon and the drag zone. Command items do not run anything here; they write a code
// into the command channel `menuMsg`, whose change the main window dispatches.

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class HiddenText;
class Prompter;
class QAction;
class QMenu;
class QWidget;

class frmPop : public QObject {
    Q_OBJECT
public:
    frmPop(HiddenText& menuMsg, Prompter& prompter, QObject* parent = nullptr);
    ~frmPop() override;

    // The window that "Open/Hide Main Window(&M)" shows and hides.
    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    QMenu* menuFile() const { return menuFile_.get(); }
    QMenu* menuSettings() const { return menuSettings_.get(); }
    QMenu* menuAbout() const { return menuAbout_.get(); }
    QMenu* menuMain() const { return menuMain_.get(); }

    // The menu a main-window menu label opens under itself (0 File, 2 Settings, 3 About), or
    // null.
    QMenu* MenuOfLabel(int labelIndex) const;

    // Flips the prefix of the next command code, so the same command twice still changes
    // `menuMsg` and runs twice.
    void ChangeMsg();
    const QString& msgPrefix() const { return msgPrefix_; }

    // The About box's three lines.
    static QString AboutText();

private:
    QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption, int code);
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption);
    void AddSeparator(QMenu* menu, const QString& name);
    void SendCommand(int code);
    void ShowAbout();

    HiddenText& menuMsg_;
    Prompter& prompter_;
    QPointer<QWidget> mainWindow_;
    QString msgPrefix_;
    std::unique_ptr<QMenu> menuFile_;
    std::unique_ptr<QMenu> menuSettings_;
    std::unique_ptr<QMenu> menuAbout_;
    std::unique_ptr<QMenu> menuMain_;
};
