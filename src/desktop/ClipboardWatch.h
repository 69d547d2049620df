#pragma once
// Copies the clipboard's text into `txtMessage` on every clipboard change, from Start() to
// Stop(). Text already on the clipboard when the watch starts is not taken.

#include <QMetaObject>
#include <QObject>

class HiddenText;
class QClipboard;

class ClipboardWatch : public QObject {
    Q_OBJECT
public:
    ClipboardWatch(QClipboard* clipboard, HiddenText& txtMessage, QObject* parent = nullptr);

    void Start();
    void Stop();
    bool IsActive() const { return static_cast<bool>(connection_); }

private:
    void ClipboardWndProc();

    QClipboard* clipboard_;
    HiddenText& txtMessage_;
    QMetaObject::Connection connection_;
};
