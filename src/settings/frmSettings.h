#pragma once
// The "Settings" dialog: a skinned, borderless window with the user's two preferences. It reads
// setup.ini from the configuration folder when it opens; OK writes the file and hands both
// choices to the running program, Close and the corner image leave everything as it was. It
// deletes itself when it closes.

#include "ShapedFace.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class ImageButton;
class isButton;

class frmSettings : public QWidget {
    Q_OBJECT

public:
    // `configDir` holds setup.ini (ConfigDir() in the program); OK makes it when it is missing.
    explicit frmSettings(const QString& configDir, QWidget* parent = nullptr);

Q_SIGNALS:
    // Raised on OK, in this order, whether or not the file could be written: true means
    // "Open the folder" and "Auto Open the Drag Zone" respectively.
    void OpenFolderAfterDownloadChanged(bool open);
    void DragZoneVisibilityChosen(bool visible);
    // Raised once after those two when setup.ini could not be written: the choices hold only
    // until the program ends.
    void ChoicesNotKept(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void LoadChoices();
    void Confirm();
    // The corner image's and the buttons' pictures at a device pixel ratio.
    void RenderPictures(qreal ratio);

    QString ConfigDir;
    ShapedFace Background;
    qreal picturesRatio_ = 0;
    QLabel* Label4;
    QComboBox* cmbTC;
    QLabel* Label2;
    QComboBox* cmbDrag;
    isButton* cmdOK;
    isButton* cmdBack;
    ImageButton* imgExit;
};
