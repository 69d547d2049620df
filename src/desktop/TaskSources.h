#pragma once
// The two ways an address reaches the add-task dialog without being typed: a watch address
// copied anywhere on the desktop, and text dropped on the drag zone. Neither queues a task;
// both only offer the text, and the program opens the dialog with it.

#include <QObject>
#include <QString>

#include <optional>

class HiddenText;
class QMimeData;

// Reacts to every change of `txtMessage`: a watch address of at most 8 KiB is offered, then the
// box is emptied so that the same address copied again is offered again.
class ClipboardSource : public QObject {
    Q_OBJECT
public:
    explicit ClipboardSource(HiddenText& txtMessage, QObject* parent = nullptr);

Q_SIGNALS:
    void AddressOffered(const QString& text);

private:
    void OnMessageChanged(const QString& text);

    HiddenText& txtMessage_;
};

// The text a drop carries, or nothing. Plain text is taken as it is; a link list from a
// browser without plain text gives its web addresses; local files alone give nothing, and
// neither does a text over 8 KiB.
std::optional<QString> DroppedText(const QMimeData& data);
