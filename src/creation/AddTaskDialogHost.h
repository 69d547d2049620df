#pragma once
// Keeps at most one add-task dialog. Every way an address reaches the dialog goes through here:
// the Add command opens it as it is, a task source opens it with an address that replaces
// whatever the address box held. An open dialog is only brought forward.

#include "AddTaskContext.h"
#include "frmAdd.h"

#include <QObject>
#include <QPointer>

class AddTaskDialogHost : public QObject {
    Q_OBJECT
public:
    explicit AddTaskDialogHost(AddTaskContext context, QObject* parent = nullptr);
    ~AddTaskDialogHost() override;

    // The Add command: show the dialog and put the focus into its address box.
    void ShowDialog();
    // A task source: the same, with the address written into the address box.
    void ShowDialog(const QString& address);

    frmAdd* Dialog() const { return dialog_; }

Q_SIGNALS:
    // A new dialog was loaded: the main window is to be disabled while it is open.
    void Opened();
    void TaskQueued(const QString& url);
    // The dialog closed: the main window is to be enabled again.
    void Closed();

private:
    frmAdd* Open();

    AddTaskContext context_;
    QPointer<frmAdd> dialog_;
};
