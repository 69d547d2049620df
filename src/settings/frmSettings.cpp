#include "frmSettings.h"

#include "DevicePixels.h"
#include "ImageButton.h"
#include "isButton.h"
#include "SettingsFile.h"
#include "SkinPictures.h"
#include "WindowMover.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>

namespace {

const QSize FaceSize(465, 176);
const QSize PictureSize(465, 180);
const QSize IconSize(32, 32);

QFont FaceFont(const QString& wanted, qreal points, const QString& standIn) {
    QFont font;
    font.setFamilies({wanted, standIn, font.family()});
    font.setPointSizeF(points);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x1E2A36));
    label->setPalette(palette);
    return label;
}

QComboBox* MakeChoice(QWidget* parent, const char* name, const QStringList& entries,
                      const QRect& place, QLabel* label) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(entries);
    box->setGeometry(place);
    label->setBuddy(box);
    return box;
}

isButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                     const QRect& place) {
    auto* button = new isButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetStyle(5);
    button->SetNonThemeStyle(0);
    button->SetToolTipType(0);
    button->SetFont(FaceFont(QStringLiteral("Verdana"), 8.25, QStringLiteral("DejaVu Sans")));
    button->SetIconSize(IconSize.width());
    button->SetIconAlign(1);
    button->SetIconVisible(true);
    button->SetCaption(caption);
    button->setGeometry(place);
    button->PropertiesLoaded();
    return button;
}

// A stored index selects its entry only when the box has one of that number; anything else
// leaves the box without a selection, and OK then stores -1 for it.
void Select(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

frmSettings::frmSettings(const QString& configDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ConfigDir(configDir),
      Background(QStringLiteral(":/settings/face.svg"), PictureSize) {
    setObjectName(QStringLiteral("frmSettings"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(FaceSize);
    // Tahoma's stand-in is Liberation Sans: close enough in width for the labels' places.
    setFont(FaceFont(QStringLiteral("Tahoma"), 9, QStringLiteral("Liberation Sans")));

    setMask(Background.Shape() & QRegion(QRect(QPoint(0, 0), FaceSize)));
    // Any button on the face moves the window, as a title bar would.
    new WindowMover(this);

    Label4 = MakeLabel(this, "Label4", QStringLiteral("After downloading"), {20, 44, 115, 17});
    cmbTC =
        MakeChoice(this, "cmbTC", {QStringLiteral("Open the folder"), QStringLiteral("Do Nothing")},
                   {16, 60, 203, 22}, Label4);
    Label2 =
        MakeLabel(this, "Label2", QStringLiteral("Hide/Open the Drag Window"), {240, 44, 171, 17});
    cmbDrag = MakeChoice(
        this, "cmbDrag",
        {QStringLiteral("Auto Open the Drag Zone"), QStringLiteral("Hide the Drag Zone")},
        {238, 60, 213, 22}, Label2);
    // The leading blanks keep the centred caption clear of the icon at the left edge.
    cmdOK = MakeButton(this, "cmdOK", QStringLiteral("       O K"), {248, 112, 93, 37});
    cmdBack = MakeButton(this, "cmdBack", QStringLiteral("        Close"), {346, 112, 93, 37});
    imgExit = new ImageButton(QStringLiteral("Back"), this);
    imgExit->setObjectName(QStringLiteral("imgExit"));
    imgExit->setGeometry(442, 10, 15, 15);

    setTabOrder(cmbTC, cmbDrag);
    setTabOrder(cmbDrag, cmdOK);
    setTabOrder(cmdOK, cmdBack);

    connect(cmdOK, &isButton::Click, this, &frmSettings::Confirm);
    connect(cmdBack, &isButton::Click, this, &frmSettings::close);
    connect(imgExit, &ImageButton::clicked, this, &frmSettings::close);

    RenderPictures(devicePixelRatioF());
    LoadChoices();
}

void frmSettings::RenderPictures(qreal ratio) {
    picturesRatio_ = ratio;
    cmdOK->SetIcon(RenderIcon(QStringLiteral(":/settings/ok.svg"), IconSize, ratio));
    cmdBack->SetIcon(RenderIcon(QStringLiteral(":/settings/close.svg"), IconSize, ratio));
    imgExit->SetPictures(RenderIcon(QStringLiteral(":/settings/exit.svg"), QSize(15, 15), ratio));
}

void frmSettings::LoadChoices() {
    const QString path = SettingsPath(ConfigDir);
    if (!QFile::exists(path)) {
        cmbTC->setCurrentIndex(0);
        cmbDrag->setCurrentIndex(0);
        return;
    }
    const SettingsValues stored = ReadSettings(path);
    Select(cmbTC, stored.AfterDownload);
    Select(cmbDrag, stored.DragZone);
}

void frmSettings::Confirm() {
    const SettingsValues chosen{cmbTC->currentIndex(), cmbDrag->currentIndex()};
    // A file that cannot be written changes nothing on disk, but the running program still
    // takes the choices.
    const QString path = SettingsPath(ConfigDir);
    const bool kept = QDir().mkpath(ConfigDir) && WriteSettings(path, chosen);
    Q_EMIT OpenFolderAfterDownloadChanged(chosen.AfterDownload == 0);
    Q_EMIT DragZoneVisibilityChosen(chosen.DragZone == 0);
    if (!kept)
        Q_EMIT ChoicesNotKept(path);
    close();
}

void frmSettings::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A new ratio (another screen, or a grab at another density) reaches the controls before
    // they paint themselves, right after the face.
    const qreal ratio = PaintRatio(painter);
    if (ratio != picturesRatio_)
        RenderPictures(ratio);
    Background.Paint(painter);
}
