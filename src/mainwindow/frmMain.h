#pragma once
// The skinned main window: frame, toolbar and menu row with their hover and pressed pictures,
// the command dispatcher and its command channel, the task list pane and the music browser
// with its genre tree, search box and tabs, and the progress displays the engine drives.
// Commands it cannot carry out itself leave as signals; the program connects them.

#include "TaskList.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>

class HiddenText;
class MusicBrowser;
class Prompter;
class QAbstractItemModel;
class QFrame;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTreeView;
class QTreeWidget;
class SkinImage;
class SkinLink;
class isButton;

// The hidden text boxes the main window shares with the rest of the program. Any left out is
// made by the window, with the start text it has on a fresh window.
struct MainWindowTexts {
    HiddenText* menuMsg = nullptr;    // command channel, starts as "b0"
    HiddenText* txtWBmusic = nullptr; // the music browser's address, starts as "Text2"
    HiddenText* txtMessage = nullptr; // clipboard text
    HiddenText* txtURL = nullptr;     // its change starts the next task
};

class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain(QAbstractItemModel* tasks, Prompter* prompter, MainWindowTexts texts = {},
            QWidget* parent = nullptr);

    void SetSiteRoot(const QString& siteRoot) { siteRoot_ = siteRoot; }
    // The web link's address and the text it shows.
    void SetMakerSite(const QString& address, const QString& caption);
    void SetHelpPage(const QString& path) { helpPage_ = path; }
    // The popup menu a menu label opens (0 File, 2 Settings, 3 About).
    void SetPopupMenu(int index, QMenu* menu);

    HiddenText* menuMsg() const { return menuMsg_; }
    HiddenText* txtWBmusic() const { return txtWBmusic_; }
    HiddenText* txtMessage() const { return txtMessage_; }
    HiddenText* txtURL() const { return txtURL_; }
    MusicBrowser* wbMusic() const { return wbMusic_; }
    QTreeView* LV() const { return LV_; }
    QTreeWidget* TV() const { return TV_; }

    bool imagePressed() const { return imagePressed_; }
    bool TaskListTabSelected() const;
    bool BrowserTabSelected() const;

public Q_SLOTS:
    void RunToolbarCommand(int index);
    void UpdateDownloadButton();
    // Opens the start page in the (still hidden) music browser; done once after the first show.
    void LoadStartPage();
    // Brings the task list's tab to the front, as a click on it does: a task just queued from
    // the browser pane is then in sight.
    void ShowTaskList();

    // Displays the engine drives.
    void SetProgressValue(double value);         // psb
    void SetProgressWidthTwips(int twips);       // imgPro
    void SetProgressStripVisible(bool visible);  // picPro
    void SetSettingsButtonVisible(bool visible); // imgButton(3)
    void SetBusy(bool busy);

Q_SIGNALS:
    void AddRequested();                            // open the add-task dialog, empty
    void DownloadRequested(const QString& address); // open it with the browser's address
    void RemoveConfirmed(TaskList::TaskId task);    // the task the question was about
    void SettingRequested();
    void FeedbackRequested();
    void ExitConfirmed();
    void StartPageLoaded(bool ok);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (frmMain.cpp).
    void BuildFrame();
    void BuildPanes();
    void BuildStatusStrip();
    // The pictures of the toolbar, menu row, tabs, search image and download button at a device
    // pixel ratio.
    void RenderPictures(qreal ratio);

    // The image swap protocol and the commands (frmMainCommands.cpp).
    void ClearToolbar();
    void ClearMenuRow();
    void OnToolbarMove(int index);
    void OnToolbarPress(int index);
    void OnToolbarHeldOver(int index, bool over);
    void OnToolbarRelease(int index, bool fromChannel);
    void OnToolbarLetGoElsewhere();
    void OnMenuMove(int index);
    void OnMenuPress(int index);
    void OnMenuRelease(int index);
    void OnMenuClosed(int index);
    void OnBackgroundMove();
    void OnMenuMsgChanged(const QString& text);
    TaskList::TaskId ChosenTask() const;
    void OpenHelp();
    void OpenMakerSite();

    // The music browser (frmMainBrowser.cpp).
    void BuildTree();
    void OnTreeClick();
    void OnSearchBoxClick();
    void Search();
    void Navigate(const QString& address);
    void OnTaskTabClick();
    void OnBrowserTabClick();
    void OnTabMove(int tab);
    void ResetTabHover();
    void OnBrowserAddress(const QString& address);

    QAbstractItemModel* tasks_;
    Prompter* prompter_;
    HiddenText* menuMsg_;
    HiddenText* txtWBmusic_;
    HiddenText* txtMessage_;
    HiddenText* txtURL_;
    QString siteRoot_;
    QString makerSite_;
    QString helpPage_;

    std::array<SkinImage*, 6> imgButton_{};
    std::array<QPixmap, 6> imgButtonData_;
    std::array<QPixmap, 6> imgButtonPush_;
    std::array<SkinImage*, 4> imgMenu_{};
    std::array<QPixmap, 4> imgMenuMove_;
    std::array<QPixmap, 4> imgMenuPush_;
    std::array<QPointer<QMenu>, 4> popupMenus_;
    bool imagePressed_ = false;

    SkinImage* imgMin_ = nullptr;
    SkinImage* imgExit_ = nullptr;
    SkinLink* lblWeb_ = nullptr;
    SkinLink* lblSuggest_ = nullptr;

    QTreeView* LV_ = nullptr;
    QTreeWidget* TV_ = nullptr;
    MusicBrowser* wbMusic_ = nullptr;
    isButton* cmdDownload_ = nullptr;
    SkinImage* imgTab1_ = nullptr;
    SkinImage* ImgTab2_ = nullptr;
    QPixmap imgTab1M_, imgTab2M_, imgTab1Push_, imgTab2Push_;
    QLineEdit* txtSearch_ = nullptr;
    SkinImage* imgSearch_ = nullptr;

    QFrame* picPro_ = nullptr;
    QWidget* imgPro_ = nullptr;
    QProgressBar* psb_ = nullptr;
    QWidget* busyLight_ = nullptr;
    QWidget* settingsVeil_ = nullptr;

    bool startPageRequested_ = false;
    qreal picturesRatio_ = 0;
};
