#pragma once
// The plain main window, until the skinned one takes its place: the task list LV, the progress
// bar psb, the progress strip picPro with its image imgPro, the stage label lblPro, and the
// commands Add, Remove, Settings and Exit. Closing it only hides it; the program ends through
// Exit alone. It shows what the engine tells it and reports commands as signals.

#include <QMainWindow>

class QAbstractItemModel;
class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QTreeView;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QAbstractItemModel* tasks, QWidget* parent = nullptr);

    QTreeView* LV() const { return LV_; }

    // The row the Remove command acts on: the selected one, or -1 when none is selected.
    int SelectedRow() const;

public Q_SLOTS:
    void SetProgressValue(double value);         // psb
    void SetProgressWidthTwips(int twips);       // imgPro
    void SetProgressStripVisible(bool visible);  // picPro
    void SetProgressLabel(const QString& text);  // lblPro
    void SetProgressLabelVisible(bool visible);  // lblPro
    void SetSettingsButtonVisible(bool visible); // the Settings command
    void SetBusy(bool busy);
    void ShowNotice(const QString& text);

Q_SIGNALS:
    void AddRequested();
    void RemoveRequested();
    void SettingRequested();
    void ExitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTreeView* LV_;
    QProgressBar* psb_;
    QFrame* picPro_;
    QFrame* imgPro_;
    QLabel* lblPro_;
    QLabel* busy_;
    QAction* setting_;
};
