#include "frmMain.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int TwipsPerPixel = 15;
constexpr int StripTwips = 4215;
} // namespace

frmMain::frmMain(QAbstractItemModel* tasks, QWidget* parent)
    : QMainWindow(parent), LV_(new QTreeView), psb_(new QProgressBar), picPro_(new QFrame),
      imgPro_(new QFrame(picPro_)), lblPro_(new QLabel), busy_(new QLabel) {
    setWindowTitle(QStringLiteral("Vidlark"));
    LV_->setObjectName(QStringLiteral("LV"));
    LV_->setModel(tasks);
    LV_->setRootIsDecorated(false);
    LV_->setUniformRowHeights(true);
    LV_->setAllColumnsShowFocus(true);
    LV_->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_->setSelectionMode(QAbstractItemView::SingleSelection);
    LV_->header()->setStretchLastSection(true);
    LV_->setColumnWidth(0, 220);

    psb_->setObjectName(QStringLiteral("psb"));
    psb_->setRange(0, 100);
    psb_->setValue(0);
    picPro_->setObjectName(QStringLiteral("picPro"));
    picPro_->setFixedSize(StripTwips / TwipsPerPixel + 2, 12);
    picPro_->setFrameShape(QFrame::Box);
    picPro_->setStyleSheet(QStringLiteral("#picPro { background: #ffffff; border: 1px solid "
                                          "#9fb3c8; } #imgPro { background: #44739d; }"));
    imgPro_->setObjectName(QStringLiteral("imgPro"));
    imgPro_->setGeometry(1, 1, 1, 10);
    picPro_->hide();
    lblPro_->setObjectName(QStringLiteral("lblPro"));
    lblPro_->setMinimumWidth(48);
    lblPro_->hide();
    busy_->setObjectName(QStringLiteral("busy"));

    auto* strip = new QHBoxLayout;
    strip->addWidget(busy_);
    strip->addWidget(psb_, 1);
    strip->addWidget(picPro_);
    strip->addWidget(lblPro_);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(LV_, 1);
    layout->addLayout(strip);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QToolBar* tools = addToolBar(QStringLiteral("Commands"));
    tools->setMovable(false);
    QAction* add = file->addAction(QStringLiteral("&Add"), this, &frmMain::AddRequested);
    add->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    QAction* remove = file->addAction(QStringLiteral("&Remove"), this, &frmMain::RemoveRequested);
    remove->setShortcut(QKeySequence::Delete);
    setting_ = file->addAction(QStringLiteral("&Setting"), this, &frmMain::SettingRequested);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &frmMain::ExitRequested);
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    tools->addActions({add, remove, setting_, exit});
    SetBusy(false);
    resize(760, 420);
}

int frmMain::SelectedRow() const {
    const QModelIndexList rows = LV_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void frmMain::SetProgressValue(double value) {
    psb_->setValue(int(value));
}

void frmMain::SetProgressWidthTwips(int twips) {
    imgPro_->setFixedWidth(std::max(1, twips / TwipsPerPixel));
}

void frmMain::SetProgressStripVisible(bool visible) {
    picPro_->setVisible(visible);
}

void frmMain::SetProgressLabel(const QString& text) {
    lblPro_->setText(text);
}

void frmMain::SetProgressLabelVisible(bool visible) {
    lblPro_->setVisible(visible);
}

void frmMain::SetSettingsButtonVisible(bool visible) {
    setting_->setVisible(visible);
}

void frmMain::SetBusy(bool busy) {
    busy_->setText(busy ? QStringLiteral("Working") : QStringLiteral("Idle"));
}

void frmMain::ShowNotice(const QString& text) {
    statusBar()->showMessage(text);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
