#include "frmAdd.h"

#include "AddressBox.h"
#include "AddressText.h"
#include "DefaultIni.h"
#include "DevicePixels.h"
#include "ImageButton.h"
#include "isButton.h"
#include "MessageBoxPrompter.h"
#include "Prompter.h"
#include "SkinPictures.h"
#include "TaskList.h"
#include "TempBase.h"
#include "WindowMover.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <limits>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kFaceText(0x1E, 0x2A, 0x36);

const QString kMessageTitle = QStringLiteral("Please");
const QSize kFaceSize(470, 370);
const QSize kIconSize(32, 32);

// Where each parameter sits: video on the left, audio on the right, three rows each.
struct ParamPlace {
    const char* name;
    int column;
    int row;
};
const std::array<ParamPlace, ParamCount> kParamPlaces = {{
    {"cmbAB", 1, 0},
    {"cmbVBR", 0, 0},
    {"cmbSize", 0, 1},
    {"cmbFPS", 0, 2},
    {"cmbAR", 1, 1},
    {"cmbAC", 1, 2},
}};

QLabel* MakeLabel(const QString& text, const QRect& place, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kFaceText);
    label->setPalette(palette);
    return label;
}

isButton* MakeButton(const char* name, const QString& caption, const QRect& place,
                     QWidget* parent) {
    auto* button = new isButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetStyle(5);
    button->SetNonThemeStyle(0);
    button->SetToolTipType(0);
    button->SetIconAlign(1);
    button->SetIconSize(32);
    button->SetFont(QFont(QStringLiteral("Verdana"), 8.25));
    button->SetCaption(caption);
    button->setAccessibleName(caption.trimmed());
    button->setGeometry(place);
    return button;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

frmAdd::frmAdd(AddTaskContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(std::move(context)),
      face_(QStringLiteral(":/creation/face.svg"), kFaceSize) {
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(QStringLiteral("Add New Download"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kFaceSize);
    if (context_.configDir.isEmpty())
        context_.configDir = context_.appDir;
    if (!context_.prompter) {
        ownPrompter_ = std::make_unique<MessageBoxPrompter>(this);
        context_.prompter = ownPrompter_.get();
    }

    setMask(face_.Shape());
    new WindowMover(this, Qt::LeftButton);

    BuildControls();
    RenderPictures(devicePixelRatioF());

    // A fresh dialog: no conversion, the first item of every parameter list.
    ProfileChanged(0);
    for (QComboBox* combo : params_)
        combo->setCurrentIndex(0);
}

frmAdd::~frmAdd() = default;

void frmAdd::BuildControls() {
    ImgExit = new ImageButton(QStringLiteral("Back"), this);
    ImgExit->setObjectName(QStringLiteral("ImgExit"));
    ImgExit->setGeometry(440, 8, 20, 20);
    connect(ImgExit, &ImageButton::clicked, this, &QWidget::close);

    lblUrl =
        MakeLabel(QStringLiteral("Copy and Paste video URL here"), QRect(34, 40, 420, 20), this);
    lblUrl->setObjectName(QStringLiteral("lblUrl"));
    QFont bold = lblUrl->font();
    bold.setBold(true);
    lblUrl->setFont(bold);

    txtURL = new AddressBox(this);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    txtURL->setGeometry(14, 62, 442, 26);
    lblUrl->setBuddy(txtURL);
    connect(txtURL, &AddressBox::AddressChanged, this, &frmAdd::CheckAddress);

    auto* convertLabel =
        MakeLabel(QStringLiteral("Auto Covert To:"), QRect(42, 102, 100, 24), this);
    cmbConvert = new QComboBox(this);
    cmbConvert->setObjectName(QStringLiteral("cmbConvert"));
    for (int profile = 0; profile < ProfileCount; ++profile)
        cmbConvert->addItem(ProfileItemText(profile));
    cmbConvert->setGeometry(146, 101, 300, 26);
    convertLabel->setBuddy(cmbConvert);
    connect(cmbConvert, &QComboBox::currentIndexChanged, this, &frmAdd::ProfileChanged);

    for (int p = 0; p < ParamCount; ++p) {
        const ParamPlace& place = kParamPlaces[p];
        const int x = place.column == 0 ? 32 : 255;
        const int y = 138 + place.row * 44;
        auto* label = MakeLabel(ParamLabel(Param(p)), QRect(x, y, 196, 18), this);
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(place.name));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(ParamItems(Param(p)));
        combo->setGeometry(x, y + 18, 190, 24);
        label->setBuddy(combo);
        params_[p] = combo;
    }

    auto* saveLabel = MakeLabel(QStringLiteral("Save AS:"), QRect(34, 282, 58, 26), this);
    txtSave = new QLineEdit(this);
    txtSave->setObjectName(QStringLiteral("txtSave"));
    txtSave->setMaxLength(std::numeric_limits<int>::max());
    txtSave->setGeometry(92, 282, 252, 26);
    saveLabel->setBuddy(txtSave);

    cmdBrowse =
        MakeButton("cmdBrowse", QStringLiteral("Browse..."), QRect(352, 280, 104, 30), this);
    cmdStart =
        MakeButton("cmdStart", QStringLiteral("       Download"), QRect(238, 323, 106, 38), this);
    cmdBack = MakeButton("cmdBack", QStringLiteral("       Back"), QRect(350, 323, 106, 38), this);
    connect(cmdBrowse, &isButton::Click, this, &frmAdd::Browse);
    connect(cmdStart, &isButton::Click, this, &frmAdd::Download);
    connect(cmdBack, &isButton::Click, this, &QWidget::close);

    // Tab walks the face as it reads: address, format, the video column, the audio column.
    const std::array<QWidget*, 12> order = {txtURL,
                                            cmbConvert,
                                            params_[ParamVBR],
                                            params_[ParamSize],
                                            params_[ParamFPS],
                                            params_[ParamAB],
                                            params_[ParamAR],
                                            params_[ParamAC],
                                            txtSave,
                                            cmdBrowse,
                                            cmdStart,
                                            cmdBack};
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmAdd::RenderPictures(qreal ratio) {
    picturesRatio_ = ratio;
    ImgExit->SetPictures(
        RenderIcon(QStringLiteral(":/creation/exit.svg"), QSize(20, 20), ratio),
        RenderIcon(QStringLiteral(":/creation/exit_hot.svg"), QSize(20, 20), ratio));
    cmdStart->SetIcon(RenderIcon(QStringLiteral(":/creation/download.svg"), kIconSize, ratio));
    cmdBack->SetIcon(RenderIcon(QStringLiteral(":/creation/back.svg"), kIconSize, ratio));
}

void frmAdd::SetAddress(const QString& address) {
    takenFromSource_ = address;
    txtURL->SetAddress(address);
}

void frmAdd::FocusAddress() {
    raise();
    activateWindow();
    txtURL->setFocus(Qt::OtherFocusReason);
}

void frmAdd::CheckAddress(const QString& text) {
    state_ = IsWatchAddress(text) ? AddressState::Available : AddressState::NotAvailable;
    const bool available = state_ == AddressState::Available;
    const QColor colour = available ? kBlack : kRed;
    SetTextColour(txtURL, QPalette::Text, colour);
    lblUrl->setText(available ? QStringLiteral("URL is available")
                              : QStringLiteral("URL is not available"));
    SetTextColour(lblUrl, QPalette::WindowText, colour);
}

// The profile's rules work on what the combos hold; the combos then show the result.
void frmAdd::ProfileChanged(int profile) {
    ProfileParams params = CurrentParams();
    ApplyProfile(profile, params);
    for (int p = 0; p < ParamCount; ++p) {
        QComboBox* combo = params_[p];
        combo->setEnabled(params[p].enabled);
        if (params[p].index >= 0)
            combo->setCurrentIndex(params[p].index);
        else
            combo->setEditText(params[p].text);
    }
}

// A combo counts as picked from its list only while its text is still that item's text.
ProfileParams frmAdd::CurrentParams() const {
    ProfileParams params;
    for (int p = 0; p < ParamCount; ++p) {
        const QComboBox* combo = params_[p];
        const int index = combo->currentIndex();
        params[p].enabled = combo->isEnabled();
        params[p].text = combo->currentText();
        params[p].index = index >= 0 && combo->itemText(index) == params[p].text ? index : -1;
    }
    return params;
}

void frmAdd::Browse() {
    const SaveDialogRequest request{QStringLiteral("Save As"),
                                    ReadDefaultFolder(context_.configDir),
                                    ProfileSaveFilter(cmbConvert->currentIndex())};
    // The dialog may be gone by the time the user answers.
    QPointer<frmAdd> self(this);
    const SaveDialogDone done = [self](const QString& path) {
        if (self)
            self->txtSave->setText(path);
    };
    if (context_.saveDialog) {
        context_.saveDialog(this, request, done);
    } else {
        ShowSaveDialog(this, request, context_.appDir, done);
    }
}

void frmAdd::Refuse(const QString& message) {
    context_.prompter->Inform(Prompter::Icon::Exclamation, kMessageTitle, message);
}

bool frmAdd::TempBaseTaken(const QString& base) const {
    const QString download = base + QStringLiteral(".flv");
    if (QFileInfo::exists(download))
        return true;
    for (int row = 0; context_.tasks && row < context_.tasks->Count(); ++row)
        if (context_.tasks->TempName(row) == download)
            return true;
    return false;
}

void frmAdd::Download() {
    const QString url = txtURL->Address();
    if (url.isEmpty())
        return Refuse(QStringLiteral("Please enter the URL of youtube video"));
    if (url.left(4).compare(QLatin1String("http"), Qt::CaseInsensitive) != 0)
        return Refuse(QStringLiteral("URL must be based on HTTP Socket"));
    if (state_ == AddressState::NotAvailable) {
        Refuse(QStringLiteral("URL is not available"));
        txtURL->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (const QComboBox* combo : params_)
        if (combo->currentText().isEmpty())
            return Refuse(QStringLiteral("Please completely select convert parameters"));
    const QString savePath = txtSave->text();
    if (savePath.isEmpty())
        return Browse();

    const QDateTime now = context_.clock ? context_.clock() : QDateTime::currentDateTime();
    const QString tempBase = MakeTempBase(
        context_.tempDir, now, [this](const QString& base) { return TempBaseTaken(base); });
    const int profile = cmbConvert->currentIndex();
    if (context_.tasks)
        context_.tasks->Append(
            savePath, url, tempBase + QStringLiteral(".flv"),
            BuildEncoderCommand(profile, context_.appDir, tempBase, CurrentParams()));
    WriteDefaultFolder(context_.configDir, FolderOfPath(savePath));
    Q_EMIT TaskQueued(url);
    close();
}

void frmAdd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A new ratio (another screen, or a grab at another density) reaches the controls before
    // they paint themselves, right after the face.
    const qreal ratio = PaintRatio(painter);
    if (ratio != picturesRatio_)
        RenderPictures(ratio);
    face_.Paint(painter);
}

void frmAdd::closeEvent(QCloseEvent* event) {
    if (context_.emptyClipboard && !takenFromSource_.isNull())
        context_.emptyClipboard(takenFromSource_);
    event->accept();
    Q_EMIT Closed();
}
