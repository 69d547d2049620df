#pragma once
// The drag zone: a small see-through tile that floats above every window. Text dropped on it
// is offered as an address, it shows the running task's progress, a double-click brings the
// main window back and the right button opens the Main menu. The tile is "loaded" by its first
// use and shown then; only the start-up placement puts it near the top-right corner.

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QLabel;
class QMenu;

class frmDrag : public QWidget {
    Q_OBJECT
public:
    explicit frmDrag(QWidget* parent = nullptr);

    void SetMainMenu(QMenu* menuMain);
    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    // The start-up step: show, place near the top-right corner of the screen, idle look.
    void ShowAndPlace();

    bool IsLoaded() const { return loaded_; }
    bool IsBusyLook() const { return busy_; }
    QLabel* lblPro() const { return lblPro_; }

    // Where the start-up puts the tile on a screen of this geometry.
    static QPoint StartupPosition(const QRect& screenGeometry);

public Q_SLOTS:
    // The settings dialog's switch; it never moves the tile.
    void SetShown(bool shown);
    // The engine's looks and texts: busy (plain tile) or idle (logo), and `lblPro`.
    void SetBusyLook(bool busy);
    void SetProgressVisible(bool visible);
    void SetProgressText(const QString& text);

Q_SIGNALS:
    void AddressOffered(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void EnsureLoaded();
    void Prepare();

    QLabel* lblPro_;
    QPointer<QMenu> menuMain_;
    QPointer<QWidget> mainWindow_;
    bool loaded_ = false;
    bool busy_ = false;
};
