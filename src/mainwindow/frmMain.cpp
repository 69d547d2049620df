#include "frmMain.h"

#include "DevicePixels.h"
#include "FrameLayout.h"
#include "HiddenText.h"
#include "isButton.h"
#include "MusicAddresses.h"
#include "MusicBrowser.h"
#include "SkinArt.h"
#include "SkinImage.h"
#include "SkinLink.h"
#include "SkinPictures.h"
#include "TaskListColumns.h"
#include "WindowMover.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

using namespace FrameLayout;
using SkinArt::Look;

namespace {

QString ToolbarToolTip(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("Add a new download URL");
    case 1:
        return QStringLiteral("Remove file from list");
    case 3:
        return QStringLiteral("Setting");
    case 4:
        return QStringLiteral("Help");
    default:
        return QStringLiteral("Exit");
    }
}

QString MenuToolTip(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("File Menu");
    case 2:
        return QStringLiteral("Preferences");
    default:
        return QStringLiteral("About and Help");
    }
}

HiddenText* Own(HiddenText* given, const QString& startText, QObject* owner) {
    return given ? given : new HiddenText(startText, owner);
}

// A plain coloured rectangle, for the progress fill and the busy light.
QWidget* Swatch(const QColor& colour, QWidget* parent) {
    auto* swatch = new QWidget(parent);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    return swatch;
}

// A picture on show is swapped for its copy at the new ratio.
void ShowAgain(SkinImage* image, const QPixmap& hover, const QPixmap& pressed) {
    switch (image->CurrentLook()) {
    case SkinImage::Shown::Hover:
        image->SetPicture(hover, SkinImage::Shown::Hover);
        break;
    case SkinImage::Shown::Pressed:
        image->SetPicture(pressed, SkinImage::Shown::Pressed);
        break;
    default:
        break;
    }
}

} // namespace

frmMain::frmMain(QAbstractItemModel* tasks, Prompter* prompter, MainWindowTexts texts,
                 QWidget* parent)
    : QWidget(parent), tasks_(tasks), prompter_(prompter),
      menuMsg_(Own(texts.menuMsg, QStringLiteral("b0"), this)),
      txtWBmusic_(Own(texts.txtWBmusic, QStringLiteral("Text2"), this)),
      txtMessage_(Own(texts.txtMessage, {}, this)), txtURL_(Own(texts.txtURL, {}, this)) {
    setObjectName(QStringLiteral("frmMain"));
    BuildFrame();
    BuildPanes();
    BuildStatusStrip();
    RenderPictures(devicePixelRatioF());
    connect(menuMsg_, &HiddenText::Changed, this, &frmMain::OnMenuMsgChanged);

    // Start-up, in its order: the links' colour, the progress strip's white face and the
    // bar's range, then the genre tree and the task-list tab. The start page follows the
    // first show, so the heavy browser engine never holds the window back.
    lblWeb_->SetColour(SkinArt::Colour::Link);
    lblSuggest_->SetColour(SkinArt::Colour::Link);
    psb_->setMaximum(100);
    BuildTree();
    OnTaskTabClick();
}

void frmMain::BuildFrame() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Vidlark"));
    setWindowIcon(SkinArt::WindowIcon());
    setFixedSize(ClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMask(SkinArt::Shape());
    // A press anywhere on the background moves the window, as a title bar would.
    new WindowMover(this);

    for (int i = 0; i < ToolbarCount; ++i) {
        if (i == 2)
            continue;
        auto* image = new SkinImage(QStringLiteral("imgButton%1").arg(i), ToolbarRect(i),
                                    ToolbarToolTip(i), this);
        connect(image, &SkinImage::Moved, this, [this, i] { OnToolbarMove(i); });
        connect(image, &SkinImage::Pressed, this, [this, i] { OnToolbarPress(i); });
        connect(image, &SkinImage::HeldOverChanged, this,
                [this, i](bool over) { OnToolbarHeldOver(i, over); });
        connect(image, &SkinImage::Released, this, [this, i](bool over) {
            if (over)
                OnToolbarRelease(i, false);
            else
                OnToolbarLetGoElsewhere();
        });
        connect(image, &SkinImage::Activated, this, [this, i] {
            OnToolbarPress(i);
            OnToolbarRelease(i, false);
        });
        imgButton_[i] = image;
    }
    // While a task runs the Settings image is away; the veil greys its idle look meanwhile.
    settingsVeil_ = Swatch(QColor(0xF4, 0xF7, 0xFB, 185), this);
    settingsVeil_->setGeometry(ToolbarRect(3));
    settingsVeil_->setAttribute(Qt::WA_TransparentForMouseEvents);
    settingsVeil_->hide();

    for (int i : {0, 2, 3}) {
        auto* image =
            new SkinImage(QStringLiteral("imgMenu%1").arg(i), MenuRect(i), MenuToolTip(i), this);
        connect(image, &SkinImage::Moved, this, [this, i] { OnMenuMove(i); });
        connect(image, &SkinImage::Pressed, this, [this, i] { OnMenuPress(i); });
        connect(image, &SkinImage::Released, this, [this, i] { OnMenuRelease(i); });
        connect(image, &SkinImage::Activated, this, [this, i] { OnMenuPress(i); });
        imgMenu_[i] = image;
    }

    const QCursor hand = SkinArt::HandCursor();
    imgMin_ =
        new SkinImage(QStringLiteral("imgMin"), MinimiseRect, QStringLiteral("Minimize"), this);
    imgExit_ = new SkinImage(QStringLiteral("imgExit"), CloseRect, QStringLiteral("Exit"), this);
    imgMin_->setCursor(hand);
    imgExit_->setCursor(hand);
    connect(imgMin_, &SkinImage::Clicked, this, &QWidget::showMinimized);
    connect(imgExit_, &SkinImage::Clicked, this, &QWidget::close);

    lblWeb_ = new SkinLink(QStringLiteral("lblWeb"), WebLinkRect, {}, false, this);
    lblSuggest_ = new SkinLink(QStringLiteral("lblSuggest"), FeedbackLinkRect,
                               QStringLiteral("Feedback"), true, this);
    lblSuggest_->setToolTip(QStringLiteral("Send us your feedback"));
    for (SkinLink* link : {lblWeb_, lblSuggest_}) {
        link->setCursor(hand);
        connect(link, &SkinLink::Moved, this, [link] { link->SetColour(Qt::black); });
    }
    connect(lblWeb_, &SkinLink::Clicked, this, &frmMain::OpenMakerSite);
    connect(lblSuggest_, &SkinLink::Clicked, this, &frmMain::FeedbackRequested);
}

void frmMain::BuildPanes() {
    LV_ = new QTreeView(this);
    LV_->setObjectName(QStringLiteral("LV"));
    LV_->setAccessibleName(QStringLiteral("Downloading List"));
    LV_->setGeometry(TaskListRect);
    LV_->setFrameShape(QFrame::NoFrame);
    LV_->setRootIsDecorated(false);
    LV_->setUniformRowHeights(true);
    LV_->setAllColumnsShowFocus(true);
    LV_->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_->setSelectionMode(QAbstractItemView::SingleSelection);
    LV_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_->setFont(SkinArt::UiFont(11));
    LV_->setModel(tasks_);
    LV_->header()->setFont(SkinArt::UiFont(11, true));
    LV_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SizeTaskListColumns(*LV_);
    LV_->viewport()->setMouseTracking(true);
    LV_->viewport()->installEventFilter(this);
    LV_->hide();

    TV_ = new QTreeWidget(this);
    TV_->setObjectName(QStringLiteral("TV"));
    TV_->setAccessibleName(QStringLiteral("Music Genres"));
    TV_->setGeometry(TreeRect);
    TV_->setFrameShape(QFrame::NoFrame);
    TV_->setHeaderHidden(true);
    TV_->setRootIsDecorated(false);
    TV_->setItemsExpandable(false);
    TV_->setIndentation(16);
    TV_->setIconSize({16, 16});
    TV_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV_->setFont(SkinArt::UiFont(11));
    QPalette face = TV_->palette();
    face.setColor(QPalette::Base, SkinArt::Colour::PanelFace);
    TV_->setPalette(face);
    TV_->viewport()->installEventFilter(this);
    TV_->installEventFilter(this);
    connect(TV_, &QTreeWidget::itemCollapsed, this,
            [](QTreeWidgetItem* item) { item->setExpanded(true); });

    wbMusic_ = new MusicBrowser(this);
    wbMusic_->setGeometry(BrowserRect);
    wbMusic_->hide();
    connect(wbMusic_, &MusicBrowser::AddressChanged, this, &frmMain::OnBrowserAddress);

    cmdDownload_ = new isButton(this);
    cmdDownload_->setObjectName(QStringLiteral("cmdDownload"));
    cmdDownload_->SetStyle(5);
    cmdDownload_->SetNonThemeStyle(0);
    cmdDownload_->SetToolTipType(0);
    cmdDownload_->SetCaption(QStringLiteral("     Download This Music Video Now!"));
    cmdDownload_->SetIconSize(16);
    cmdDownload_->setAccessibleName(QStringLiteral("Download This Music Video Now!"));
    cmdDownload_->setGeometry(DownloadButtonRect);
    cmdDownload_->hide();
    connect(cmdDownload_, &isButton::Click, this,
            [this] { Q_EMIT DownloadRequested(txtWBmusic_->Text()); });

    imgTab1_ = new SkinImage(QStringLiteral("imgTab1"), TaskTabRect,
                             QStringLiteral("Downloading List"), this);
    ImgTab2_ = new SkinImage(QStringLiteral("ImgTab2"), BrowserTabRect,
                             QStringLiteral("Music Browser"), this);
    connect(imgTab1_, &SkinImage::Clicked, this, &frmMain::OnTaskTabClick);
    connect(ImgTab2_, &SkinImage::Clicked, this, &frmMain::OnBrowserTabClick);
    // Assistive technology tells which pane shows by the tabs' checked state, one of the two,
    // and may flip it itself: a tab flipped on shows its pane, the shown one stays on.
    for (SkinImage* tab : {imgTab1_, ImgTab2_}) {
        tab->setCheckable(true);
        tab->setAutoExclusive(true);
    }
    connect(imgTab1_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on != TaskListTabSelected())
            OnTaskTabClick();
    });
    connect(ImgTab2_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on != BrowserTabSelected())
            OnBrowserTabClick();
    });
    connect(imgTab1_, &SkinImage::Moved, this, [this] { OnTabMove(0); });
    connect(ImgTab2_, &SkinImage::Moved, this, [this] { OnTabMove(1); });

    txtSearch_ = new QLineEdit(QStringLiteral("Music, Artist, Album"), this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setAccessibleName(QStringLiteral("Search music"));
    txtSearch_->setGeometry(SearchBoxRect);
    txtSearch_->setFrame(false);
    txtSearch_->setTextMargins(0, 0, 0, 0);
    QFont searchFont;
    searchFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")});
    searchFont.setPixelSize(10); // 7.5 pt
    txtSearch_->setFont(searchFont);
    QPalette grey = txtSearch_->palette();
    grey.setColor(QPalette::Text, QColor(128, 128, 128));
    txtSearch_->setPalette(grey);
    txtSearch_->installEventFilter(this);

    imgSearch_ =
        new SkinImage(QStringLiteral("imgSearch"), SearchImageRect, QStringLiteral("Search"), this);
    imgSearch_->setCursor(SkinArt::HandCursor());
    connect(imgSearch_, &SkinImage::Clicked, this, &frmMain::Search);
}

void frmMain::BuildStatusStrip() {
    picPro_ = new QFrame(this);
    picPro_->setObjectName(QStringLiteral("picPro"));
    picPro_->setAccessibleName(QStringLiteral("Progress"));
    picPro_->setGeometry(ProgressStripRect);
    picPro_->setFrameShape(QFrame::Box);
    picPro_->setAutoFillBackground(true);
    QPalette strip = picPro_->palette();
    strip.setColor(QPalette::Window, Qt::white);
    strip.setColor(QPalette::WindowText, SkinArt::Colour::PanelBorder);
    picPro_->setPalette(strip);
    picPro_->hide();

    imgPro_ = Swatch(SkinArt::Colour::Accent, picPro_);
    imgPro_->setObjectName(QStringLiteral("imgPro"));
    imgPro_->setGeometry(1, 1, 0, ProgressStripRect.height() - 2);

    // The bar keeps the exact value; the strip is what the user sees of it.
    psb_ = new QProgressBar(this);
    psb_->setObjectName(QStringLiteral("psb"));
    psb_->hide();

    busyLight_ = Swatch(SkinArt::Colour::Busy, this);
    busyLight_->setObjectName(QStringLiteral("busyLight"));
    busyLight_->setToolTip(QStringLiteral("Working on a video"));
    busyLight_->setAccessibleName(QStringLiteral("Working on a video"));
    busyLight_->setGeometry(ProgressStripRect.right() + 8, ProgressStripRect.top() + 2, 8, 8);
    busyLight_->hide();
}

void frmMain::RenderPictures(qreal ratio) {
    picturesRatio_ = ratio;
    for (int i = 0; i < ToolbarCount; ++i) {
        if (!imgButton_[i])
            continue;
        imgButtonData_[i] = SkinArt::ToolbarPicture(i, Look::Hover, ratio);
        imgButtonPush_[i] = SkinArt::ToolbarPicture(i, Look::Pressed, ratio);
        ShowAgain(imgButton_[i], imgButtonData_[i], imgButtonPush_[i]);
    }
    for (int i : {0, 2, 3}) {
        imgMenuMove_[i] = SkinArt::MenuPicture(i, Look::Hover, ratio);
        imgMenuPush_[i] = SkinArt::MenuPicture(i, Look::Pressed, ratio);
        ShowAgain(imgMenu_[i], imgMenuMove_[i], imgMenuPush_[i]);
    }
    imgTab1Push_ = SkinArt::TabPicture(0, Look::Pressed, ratio);
    imgTab2Push_ = SkinArt::TabPicture(1, Look::Pressed, ratio);
    imgTab1M_ = SkinArt::TabPicture(0, Look::Hover, ratio);
    imgTab2M_ = SkinArt::TabPicture(1, Look::Hover, ratio);
    ShowAgain(imgTab1_, imgTab1M_, imgTab1Push_);
    ShowAgain(ImgTab2_, imgTab2M_, imgTab2Push_);
    imgSearch_->SetPicture(SkinArt::SearchPicture(ratio), SkinImage::Shown::Fixed);
    cmdDownload_->SetIcon(SkinArt::DownloadIcon(ratio));
}

void frmMain::SetMakerSite(const QString& address, const QString& caption) {
    makerSite_ = address;
    lblWeb_->setText(caption);
    lblWeb_->setToolTip(address);
}

void frmMain::SetPopupMenu(int index, QMenu* menu) {
    if (index < 0 || index >= MenuCount || !imgMenu_[index])
        return;
    popupMenus_[index] = menu;
}

void frmMain::LoadStartPage() {
    if (startPageRequested_)
        return;
    startPageRequested_ = true;
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(wbMusic_, &MusicBrowser::PageLoaded, this, [this, once](bool ok) {
        disconnect(*once);
        Q_EMIT StartPageLoaded(ok);
    });
    wbMusic_->Navigate(StartPageAddress(siteRoot_));
}

void frmMain::SetProgressValue(double value) {
    psb_->setValue(qRound(value));
    picPro_->setAccessibleDescription(QString::number(value) + QLatin1Char('%'));
}

void frmMain::SetProgressWidthTwips(int twips) {
    imgPro_->resize(qBound(0, Px(twips), ProgressStripRect.width() - 2), imgPro_->height());
}

void frmMain::SetProgressStripVisible(bool visible) {
    picPro_->setVisible(visible);
}

void frmMain::SetSettingsButtonVisible(bool visible) {
    imgButton_[3]->setVisible(visible);
    settingsVeil_->setVisible(!visible);
}

void frmMain::SetBusy(bool busy) {
    busyLight_->setVisible(busy);
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Painted at another ratio than before (another screen, or a grab at another density): the
    // images over the frame follow before they are painted themselves, right after this.
    const qreal ratio = PaintRatio(painter);
    if (ratio != picturesRatio_)
        RenderPictures(ratio);
    painter.drawImage(0, 0, SkinArt::Background(ratio));
    // Making the browser engine takes a good second; once the window has been drawn it can no
    // longer hold the window back.
    if (!startPageRequested_)
        QTimer::singleShot(0, this, &frmMain::LoadStartPage);
}

// Pointer moves the window mover leaves through are hover moves over the background.
void frmMain::mouseMoveEvent(QMouseEvent*) {
    OnBackgroundMove();
}

// Closing only hides the window: the tasks and the program go on.
void frmMain::closeEvent(QCloseEvent* event) {
    hide();
    event->ignore();
}

// A window hidden again before it was ever drawn still gets its start page.
void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!startPageRequested_)
        QTimer::singleShot(500, this, &frmMain::LoadStartPage);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == LV_->viewport() && type == QEvent::MouseMove) {
        ResetTabHover();
    } else if (watched == TV_->viewport() && type == QEvent::MouseButtonRelease) {
        OnTreeClick();
    } else if (watched == TV_ && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            OnTreeClick();
    } else if (watched == txtSearch_ && type == QEvent::MouseButtonPress) {
        OnSearchBoxClick();
    } else if (watched == txtSearch_ && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!txtSearch_->text().isEmpty())
                Search();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
