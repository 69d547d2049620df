#pragma once
// The pane that holds the embedded music browser. The browser engine is heavy, so its view is
// made on the first navigation, not with the window. Pages may not open windows of their own.

#include <QString>
#include <QWidget>

class QWebEngineView;

class MusicBrowser : public QWidget {
    Q_OBJECT
public:
    explicit MusicBrowser(QWidget* parent);

    void Navigate(const QString& address);
    // The address of the last navigation asked for, whether or not it has arrived.
    QString RequestedAddress() const { return requested_; }
    QWebEngineView* View() const { return view_; }

    // Run before the application object exists: the browser engine needs its graphics context
    // shared, and cannot use its sandbox when the program runs as root.
    static void PrepareProcess();

Q_SIGNALS:
    // A navigation completed or a document completed; the address of the page now shown.
    void AddressChanged(const QString& address);
    void PageLoaded(bool ok);
    // A page asked for a window of its own and did not get it.
    void NewWindowRefused();

private:
    void MakeView();

    QWebEngineView* view_ = nullptr;
    QString requested_;
};
