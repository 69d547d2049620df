#include "ClipboardWatch.h"

#include "HiddenText.h"

#include <QClipboard>

ClipboardWatch::ClipboardWatch(QClipboard* clipboard, HiddenText& txtMessage, QObject* parent)
    : QObject(parent), clipboard_(clipboard), txtMessage_(txtMessage) {}

void ClipboardWatch::Start() {
    if (clipboard_ && !connection_)
        connection_ =
            connect(clipboard_, &QClipboard::dataChanged, this, &ClipboardWatch::ClipboardWndProc);
}

void ClipboardWatch::Stop() {
    disconnect(connection_);
    connection_ = {};
}

void ClipboardWatch::ClipboardWndProc() {
    // A clipboard without text reads as the empty string.
    txtMessage_.SetText(clipboard_->text(QClipboard::Clipboard));
}
