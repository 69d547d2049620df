#pragma once
// The add-task dialog: the one place a task is made. It checks the address as it changes, offers
// the conversion profiles and their parameters, asks for the output path and, on Download,
// appends the task to the list, remembers the folder in default.ini, reports the queued address
// and closes. Every close is reported, so the program can enable its main window again, and
// empties the clipboard while it still holds the text a task source gave the dialog.

#include "AddTaskContext.h"
#include "ConversionProfiles.h"
#include "ShapedFace.h"

#include <QWidget>

#include <array>
#include <memory>

class AddressBox;
class ImageButton;
class MessageBoxPrompter;
class QComboBox;
class QLabel;
class QLineEdit;
class isButton;

class frmAdd : public QWidget {
    Q_OBJECT
public:
    enum class AddressState { Unchecked, Available, NotAvailable };

    // Without a prompter in the context, messages appear in boxes over the dialog itself.
    explicit frmAdd(AddTaskContext context, QWidget* parent = nullptr);
    ~frmAdd() override;

    // Writes an address into txtURL as a task source does; the address check runs.
    void SetAddress(const QString& address);
    void FocusAddress();
    AddressState State() const { return state_; }

Q_SIGNALS:
    // The task is in the list and default.ini is written; the dialog closes right after.
    void TaskQueued(const QString& url);
    void Closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    // The corner image's and the buttons' pictures at a device pixel ratio.
    void RenderPictures(qreal ratio);
    void CheckAddress(const QString& text);
    void ProfileChanged(int profile);
    void Browse();
    void Download();
    void Refuse(const QString& message);
    ProfileParams CurrentParams() const;
    bool TempBaseTaken(const QString& base) const;

    AddTaskContext context_;
    std::unique_ptr<MessageBoxPrompter> ownPrompter_;
    ShapedFace face_;
    qreal picturesRatio_ = 0;
    AddressState state_ = AddressState::Unchecked;
    QString takenFromSource_; // null until a task source writes an address

    QLabel* lblUrl = nullptr;
    AddressBox* txtURL = nullptr;
    QComboBox* cmbConvert = nullptr;
    std::array<QComboBox*, ParamCount> params_{}; // cmbAB, cmbVBR, cmbSize, cmbFPS, cmbAR, cmbAC
    QLineEdit* txtSave = nullptr;
    isButton* cmdBrowse = nullptr;
    isButton* cmdStart = nullptr;
    isButton* cmdBack = nullptr;
    ImageButton* ImgExit = nullptr;
};
