// The music browser side of the main window: genre tree, search box, the two tabs and the
// download button that follows the browser's address.

#include "frmMain.h"

#include "AddressText.h"
#include "HiddenText.h"
#include "isButton.h"
#include "MusicAddresses.h"
#include "MusicBrowser.h"
#include "SkinArt.h"
#include "SkinImage.h"

#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace {
const QString SearchPlaceholder = QStringLiteral("Music, Artist, Album");
constexpr int GenreRole = Qt::UserRole;
} // namespace

void frmMain::BuildTree() {
    TV_->clear();
    auto* root = new QTreeWidgetItem(TV_, {RootText()});
    root->setIcon(0, SkinArt::GenreIcon(RootIcon));
    root->setData(0, GenreRole, -1);
    const QList<Genre>& genres = Genres();
    for (int i = 0; i < genres.size(); ++i) {
        auto* node = new QTreeWidgetItem(root, {genres[i].text});
        node->setIcon(0, SkinArt::GenreIcon(genres[i].icon));
        node->setData(0, GenreRole, i);
    }
    root->setExpanded(true);
}

void frmMain::OnTreeClick() {
    UpdateDownloadButton();
    const QList<QTreeWidgetItem*> selected = TV_->selectedItems();
    if (!selected.isEmpty()) {
        const int genre = selected.first()->data(0, GenreRole).toInt();
        if (genre >= 0 && genre < Genres().size())
            Navigate(GenreAddress(siteRoot_, Genres()[genre]));
    }
    OnBrowserTabClick();
}

// The placeholder goes at the first click and never comes back.
void frmMain::OnSearchBoxClick() {
    if (txtSearch_->text() == SearchPlaceholder)
        txtSearch_->clear();
    QPalette black = txtSearch_->palette();
    black.setColor(QPalette::Text, Qt::black);
    txtSearch_->setPalette(black);
}

void frmMain::Search() {
    OnBrowserTabClick();
    Navigate(SearchAddress(siteRoot_, txtSearch_->text()));
}

void frmMain::Navigate(const QString& address) {
    wbMusic_->Navigate(address);
}

bool frmMain::TaskListTabSelected() const {
    return !imgTab1Push_.isNull() && imgTab1_->Picture().cacheKey() == imgTab1Push_.cacheKey();
}

bool frmMain::BrowserTabSelected() const {
    return !imgTab2Push_.isNull() && ImgTab2_->Picture().cacheKey() == imgTab2Push_.cacheKey();
}

void frmMain::OnTaskTabClick() {
    imgTab1_->SetPicture(imgTab1Push_, SkinImage::Shown::Pressed);
    ImgTab2_->Clear();
    imgTab1_->setChecked(true);
    wbMusic_->hide();
    cmdDownload_->hide();
    LV_->show();
}

void frmMain::ShowTaskList() {
    OnTaskTabClick();
}

void frmMain::OnBrowserTabClick() {
    ImgTab2_->SetPicture(imgTab2Push_, SkinImage::Shown::Pressed);
    imgTab1_->Clear();
    ImgTab2_->setChecked(true);
    LV_->hide();
    wbMusic_->show();
    UpdateDownloadButton();
}

void frmMain::OnTabMove(int tab) {
    SkinImage* self = tab == 0 ? imgTab1_ : ImgTab2_;
    SkinImage* other = tab == 0 ? ImgTab2_ : imgTab1_;
    const bool selfSelected = tab == 0 ? TaskListTabSelected() : BrowserTabSelected();
    const bool otherSelected = tab == 0 ? BrowserTabSelected() : TaskListTabSelected();
    if (!selfSelected)
        self->SetPicture(tab == 0 ? imgTab1M_ : imgTab2M_, SkinImage::Shown::Hover);
    if (!otherSelected)
        other->Clear();
}

void frmMain::ResetTabHover() {
    if (!TaskListTabSelected())
        imgTab1_->Clear();
    if (!BrowserTabSelected())
        ImgTab2_->Clear();
}

void frmMain::OnBrowserAddress(const QString& address) {
    txtWBmusic_->SetText(address);
    UpdateDownloadButton();
}

// The button belongs to the browser pane: over the task list it would offer a page the user
// cannot see, so it shows only while the browser tab is up.
void frmMain::UpdateDownloadButton() {
    cmdDownload_->setVisible(IsWatchAddress(txtWBmusic_->Text()) && BrowserTabSelected());
    if (cmdDownload_->isVisibleTo(this))
        cmdDownload_->raise();
}
