// The image swap protocol of the toolbar and menu row, the command dispatcher and the command
// channel through which the popup menus reach it.

#include "frmMain.h"

#include "FrameLayout.h"
#include "HiddenText.h"
#include "Prompter.h"
#include "SkinArt.h"
#include "SkinImage.h"
#include "SkinLink.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTreeView>
#include <QUrl>

namespace {
const QString WarningTitle = QStringLiteral("Warning");
}

void frmMain::ClearToolbar() {
    for (SkinImage* image : imgButton_)
        if (image)
            image->Clear();
}

void frmMain::ClearMenuRow() {
    for (SkinImage* image : imgMenu_)
        if (image)
            image->Clear();
}

void frmMain::OnToolbarMove(int index) {
    if (imagePressed_)
        return;
    ClearToolbar();
    imgButton_[index]->SetPicture(imgButtonData_[index], SkinImage::Shown::Hover);
}

void frmMain::OnToolbarPress(int index) {
    ClearToolbar();
    imgButton_[index]->SetPicture(imgButtonPush_[index], SkinImage::Shown::Pressed);
    imagePressed_ = true;
}

// The pressed look stays only while the held pointer is over the pressed image, so the user
// sees that letting go elsewhere runs nothing.
void frmMain::OnToolbarHeldOver(int index, bool over) {
    if (!imagePressed_)
        return;
    if (over)
        imgButton_[index]->SetPicture(imgButtonPush_[index], SkinImage::Shown::Pressed);
    else
        imgButton_[index]->Clear();
}

// A release over the pressed image runs its command; a command from the channel comes here
// too, but lights nothing up.
void frmMain::OnToolbarRelease(int index, bool fromChannel) {
    ClearToolbar();
    const bool hasImage = index >= 0 && index < FrameLayout::ToolbarCount && imgButton_[index];
    if (!fromChannel && hasImage)
        imgButton_[index]->SetPicture(imgButtonData_[index], SkinImage::Shown::Hover);
    // Paint the swap now, before a command that may open a question on top of it.
    for (SkinImage* image : imgButton_)
        if (image && image->isVisible())
            image->repaint();
    imagePressed_ = false;
    RunToolbarCommand(index);
}

// A press dragged off its image and let go elsewhere is called off.
void frmMain::OnToolbarLetGoElsewhere() {
    ClearToolbar();
    imagePressed_ = false;
}

void frmMain::OnMenuMove(int index) {
    if (imagePressed_)
        return;
    ClearMenuRow();
    imgMenu_[index]->SetPicture(imgMenuMove_[index], SkinImage::Shown::Hover);
}

void frmMain::OnMenuPress(int index) {
    ClearMenuRow();
    imgMenu_[index]->SetPicture(imgMenuPush_[index], SkinImage::Shown::Pressed);
    imagePressed_ = true;
    QMenu* menu = popupMenus_[index];
    if (!menu) {
        OnMenuClosed(index);
        return;
    }
    const QRect label = FrameLayout::MenuRect(index);
    const QPoint corner(label.left(), label.top() + FrameLayout::Px(FrameLayout::MenuDropTwips));
    connect(
        menu, &QMenu::aboutToHide, this, [this, index] { OnMenuClosed(index); },
        Qt::SingleShotConnection);
    menu->popup(mapToGlobal(corner));
}

void frmMain::OnMenuClosed(int index) {
    if (index == 0)
        activateWindow();
    imagePressed_ = false;
}

void frmMain::OnMenuRelease(int index) {
    ClearMenuRow();
    imgMenu_[index]->SetPicture(imgMenuMove_[index], SkinImage::Shown::Hover);
    imgMenu_[index]->repaint();
    imagePressed_ = false;
}

// Leaving an image for the bare background is what takes its hover look away.
void frmMain::OnBackgroundMove() {
    ClearToolbar();
    ClearMenuRow();
    lblWeb_->SetColour(SkinArt::Colour::Link);
    lblSuggest_->SetColour(SkinArt::Colour::Link);
    ResetTabHover();
}

// The menus write "a" or "b" and the command's digit; the letter alternates so that choosing
// the same command twice still changes the text. Only the digit matters here.
void frmMain::OnMenuMsgChanged(const QString& text) {
    if (text.isEmpty() || !text.back().isDigit())
        return;
    OnToolbarRelease(text.back().digitValue(), true);
}

void frmMain::RunToolbarCommand(int index) {
    const bool hasRows = tasks_ && tasks_->rowCount() > 0;
    switch (index) {
    case 0:
        Q_EMIT AddRequested();
        break;
    case 1:
        if (hasRows && prompter_) {
            // Tasks go on while the question is open: the answer is about the task chosen now,
            // whichever row it holds by then or whether it is still there.
            const TaskList::TaskId chosen = ChosenTask();
            if (prompter_->AskOkCancel(WarningTitle,
                                       QStringLiteral("Are you sure to remove this video?")))
                Q_EMIT RemoveConfirmed(chosen);
        }
        break;
    case 3:
        Q_EMIT SettingRequested();
        break;
    case 4:
        OpenHelp();
        break;
    case 5:
        if (hasRows &&
            !(prompter_ &&
              prompter_->AskOkCancel(
                  WarningTitle, QStringLiteral("The program is downloading videos, Exit now?"))))
            break;
        Q_EMIT ExitConfirmed();
        break;
    default:
        break;
    }
}

// The selected task, or the first one when none is selected.
TaskList::TaskId frmMain::ChosenTask() const {
    const QModelIndexList selected =
        LV_->selectionModel() ? LV_->selectionModel()->selectedRows() : QModelIndexList();
    const QModelIndex chosen = selected.isEmpty() ? tasks_->index(0, 0) : selected.first();
    return chosen.data(TaskList::TaskIdRole).value<TaskList::TaskId>();
}

void frmMain::OpenHelp() {
    const QString page = helpPage_.isEmpty() ? QCoreApplication::applicationDirPath() +
                                                   QStringLiteral("/help/index.html")
                                             : helpPage_;
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void frmMain::OpenMakerSite() {
    if (!makerSite_.isEmpty())
        QDesktopServices::openUrl(QUrl(makerSite_));
}
