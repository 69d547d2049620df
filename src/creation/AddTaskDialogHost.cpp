#include "AddTaskDialogHost.h"

#include "frmAdd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>

AddTaskDialogHost::AddTaskDialogHost(AddTaskContext context, QObject* parent)
    : QObject(parent), context_(std::move(context)) {
    if (!context_.emptyClipboard)
        context_.emptyClipboard = [](const QString& taken) {
            QClipboard* clipboard = QGuiApplication::clipboard();
            if (clipboard->text(QClipboard::Clipboard) == taken)
                clipboard->clear(QClipboard::Clipboard);
        };
}

AddTaskDialogHost::~AddTaskDialogHost() {
    delete dialog_.data();
}

frmAdd* AddTaskDialogHost::Open() {
    if (!dialog_) {
        dialog_ = new frmAdd(context_);
        connect(dialog_, &frmAdd::TaskQueued, this, &AddTaskDialogHost::TaskQueued);
        // Forgotten at once: the closed dialog is only deleted later, and must not be reused.
        connect(dialog_, &frmAdd::Closed, this, [this] {
            dialog_ = nullptr;
            Q_EMIT Closed();
        });
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            dialog_->move(screen->availableGeometry().center() - dialog_->rect().center());
        Q_EMIT Opened();
    }
    dialog_->show();
    return dialog_;
}

void AddTaskDialogHost::ShowDialog() {
    Open()->FocusAddress();
}

void AddTaskDialogHost::ShowDialog(const QString& address) {
    frmAdd* dialog = Open();
    dialog->SetAddress(address);
    dialog->FocusAddress();
}
