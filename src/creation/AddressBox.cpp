#include "AddressBox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <limits>

namespace {

QString ClipboardText(QClipboard::Mode mode) {
    return QGuiApplication::clipboard()->text(mode);
}

// A menu entry worded as the line edit's own, with its shortcut.
QString MenuText(const char* text, QKeySequence::StandardKey key) {
    QString entry = QLineEdit::tr(text);
    const QKeySequence shortcut(key);
    if (!shortcut.isEmpty())
        entry += u'\t' + shortcut.toString(QKeySequence::NativeText);
    return entry;
}

bool IsTyping(const QKeyEvent* event) {
    const QString typed = event->text();
    return !typed.isEmpty() && typed.at(0).isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

AddressBox::AddressBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max()); // an address is never cut short
    connect(this, &QLineEdit::textChanged, this, &AddressBox::OnTextChanged);
}

void AddressBox::SetAddress(const QString& address) {
    Replace(address);
}

void AddressBox::Replace(const QString& address) {
    const bool wasLong = holdsLong_;
    if (address.size() <= LongestEditable) {
        holdsLong_ = false;
        address_.clear();
        setReadOnly(false);
        setToolTip(QString());
        const bool unchanged = text() == address;
        setText(address);
        // Leaving a long text for one the box happened to show is still a change.
        if (wasLong && unchanged)
            Q_EMIT AddressChanged(address);
        return;
    }
    address_ = address;
    holdsLong_ = true;
    showing_ = true;
    setReadOnly(true);
    setText(address.left(ShownOfLong) + QChar(0x2026));
    home(false);
    showing_ = false;
    setToolTip(tr("%1 characters, too many to edit here: Delete clears them, typing or a paste "
                  "replaces them.")
                   .arg(address.size()));
    Q_EMIT AddressChanged(address_);
}

void AddressBox::OnTextChanged(const QString& text) {
    if (showing_)
        return;
    if (holdsLong_) {
        // Written from outside with QLineEdit's own setter: that text is the address now.
        holdsLong_ = false;
        address_.clear();
        setReadOnly(false);
        setToolTip(QString());
    }
    if (text.size() > LongestEditable)
        return Replace(text);
    Q_EMIT AddressChanged(text);
}

void AddressBox::Insert(const QString& inserted) {
    if (holdsLong_) {
        if (!inserted.isEmpty())
            Replace(inserted);
        return;
    }
    const QString current = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int removed = hasSelectedText() ? int(selectedText().size()) : 0;
    if (current.size() - removed + inserted.size() <= LongestEditable)
        return insert(inserted); // undoable, as the line edit's own paste
    Replace(current.left(start) + inserted + current.mid(start + removed));
}

void AddressBox::CopyAll() {
    QGuiApplication::clipboard()->setText(address_, QClipboard::Clipboard);
}

void AddressBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        Insert(ClipboardText(QClipboard::Clipboard));
        return event->accept();
    }
    if (!holdsLong_) {
        const bool overflows =
            IsTyping(event) &&
            text().size() - selectedText().size() + event->text().size() > LongestEditable;
        if (!overflows)
            return QLineEdit::keyPressEvent(event);
        Insert(event->text());
        return event->accept();
    }
    // A long text is one piece.
    if (event->matches(QKeySequence::Copy)) {
        CopyAll();
    } else if (event->matches(QKeySequence::Cut)) {
        CopyAll();
        Replace(QString());
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        Replace(QString());
    } else if (IsTyping(event)) {
        Replace(event->text());
    } else {
        return QLineEdit::keyPressEvent(event); // moving about in what is shown
    }
    event->accept();
}

void AddressBox::mouseReleaseEvent(QMouseEvent* event) {
    // X11 pastes the selection on the middle button.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!holdsLong_)
            deselect();
        Insert(ClipboardText(QClipboard::Selection));
        return event->accept();
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The line edit's own menu would paste into the line edit, and a long text's menu is that of
// a read-only box; both paste here instead, and a long text is cut, copied or deleted whole.
void AddressBox::contextMenuEvent(QContextMenuEvent* event) {
    const bool canPaste = !ClipboardText(QClipboard::Clipboard).isEmpty();
    const auto paste = [this] {
        Insert(ClipboardText(QClipboard::Clipboard));
    };
    QMenu* menu = nullptr;
    if (holdsLong_) {
        menu = new QMenu(this);
        connect(menu->addAction(MenuText("Cu&t", QKeySequence::Cut)), &QAction::triggered, this,
                [this] {
                    CopyAll();
                    Replace(QString());
                });
        connect(menu->addAction(MenuText("&Copy", QKeySequence::Copy)), &QAction::triggered, this,
                &AddressBox::CopyAll);
        QAction* pasteAction = menu->addAction(MenuText("&Paste", QKeySequence::Paste));
        pasteAction->setEnabled(canPaste);
        connect(pasteAction, &QAction::triggered, this, paste);
        connect(menu->addAction(QLineEdit::tr("Delete")), &QAction::triggered, this,
                [this] { Replace(QString()); });
    } else {
        menu = createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                disconnect(action, &QAction::triggered, this, nullptr);
                connect(action, &QAction::triggered, this, paste);
            }
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void AddressBox::dropEvent(QDropEvent* event) {
    const QString dropped = event->mimeData()->text();
    if (holdsLong_ || text().size() + dropped.size() <= LongestEditable)
        return QLineEdit::dropEvent(event);
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    deselect();
    Insert(dropped);
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}
