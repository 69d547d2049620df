#pragma once
// The plain main window: the task list LV and a File menu with Exit. Closing it only hides it;
// the program ends through Exit alone.

#include <QMainWindow>

class QAbstractItemModel;
class QTreeView;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QAbstractItemModel* tasks, QWidget* parent = nullptr);

    QTreeView* LV() const { return LV_; }

    // The row the Remove command acts on: the selected one, or -1 when none is selected.
    int SelectedRow() const;

Q_SIGNALS:
    void ExitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTreeView* LV_;
};
