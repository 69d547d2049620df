#include "frmMain.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QTreeView>

frmMain::frmMain(QAbstractItemModel* tasks, QWidget* parent)
    : QMainWindow(parent), LV_(new QTreeView(this)) {
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
    setCentralWidget(LV_);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), this, &frmMain::ExitRequested);
    resize(760, 420);
}

int frmMain::SelectedRow() const {
    const QModelIndexList rows = LV_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
