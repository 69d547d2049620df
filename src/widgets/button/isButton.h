#pragma once
// The skinned command button of the dialogs: paints itself in one of eleven looks, turns hot
// under the pointer, can act as a check button, shows its own tooltip window and raises Click to
// its container. Containers connect only to Click().

#include "ButtonLook.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>

class ButtonToolTip;
class QStyle;

class isButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(int Style READ Style WRITE SetStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QPixmap Icon READ Icon WRITE SetIcon)
    Q_PROPERTY(int IconAlign READ IconAlign WRITE SetIconAlign)
    Q_PROPERTY(int IconSize READ IconSize WRITE SetIconSize)
    Q_PROPERTY(int CaptionAlign READ CaptionAlign WRITE SetCaptionAlign)
    Q_PROPERTY(int NonThemeStyle READ NonThemeStyle WRITE SetNonThemeStyle)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool IconVisible READ IconVisible WRITE SetIconVisible)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE SetShowFocus)
    Q_PROPERTY(bool UseCustomColors READ UseCustomColors WRITE SetUseCustomColors)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(QColor FontHighlightColor READ FontHighlightColor WRITE SetFontHighlightColor)
    Q_PROPERTY(QString ToolTip READ ToolTip WRITE SetToolTip)
    Q_PROPERTY(QString ToolTipTitle READ ToolTipTitle WRITE SetToolTipTitle)
    Q_PROPERTY(int ToolTipIcon READ ToolTipIcon WRITE SetToolTipIcon)
    Q_PROPERTY(int ToolTipType READ ToolTipType WRITE SetToolTipType)
    Q_PROPERTY(QColor ToolTipBackColor READ ToolTipBackColor WRITE SetToolTipBackColor)
    Q_PROPERTY(QColor ToolTipForeColor READ ToolTipForeColor WRITE SetToolTipForeColor)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(int ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(bool Value READ Value WRITE SetValue)
    Q_PROPERTY(QString Version READ Version CONSTANT)

public:
    // A freshly constructed button carries the values a stored button has when its keys are
    // missing (Style 3, caption "isButton", icon at the left, system colours), in Verdana
    // 8.25 pt. The dialogs of this program set Style 5, NonThemeStyle 0 and ToolTipType 0.
    explicit isButton(QWidget* parent = nullptr);
    ~isButton() override;

    int Style() const { return look_.style; }
    void SetStyle(int style);
    QString Caption() const { return look_.caption; }
    void SetCaption(const QString& caption); // leading blanks are kept and drawn
    QPixmap Icon() const { return QPixmap::fromImage(look_.icon); }
    void SetIcon(const QPixmap& icon);
    void SetIcon(const QImage& icon);
    void SetIconFile(const QString& path); // a file or a resource (":/creation/browse.png");
                                           // one that cannot be loaded leaves no icon
    int IconAlign() const { return look_.iconAlign; }
    void SetIconAlign(int align);
    int IconSize() const { return look_.iconSize; }
    void SetIconSize(int size);
    int CaptionAlign() const { return look_.captionAlign; }
    void SetCaptionAlign(int align);
    int NonThemeStyle() const { return look_.nonThemeStyle; }
    void SetNonThemeStyle(int style);
    bool Enabled() const { return look_.enabled; }
    void SetEnabled(bool enabled);
    bool IconVisible() const { return look_.iconVisible; }
    void SetIconVisible(bool visible);
    bool ShowFocus() const { return look_.showFocus; }
    void SetShowFocus(bool show);
    bool UseCustomColors() const { return look_.useCustomColors; }
    void SetUseCustomColors(bool use);
    QColor BackColor() const { return look_.backColor; }
    void SetBackColor(const QColor& color);
    QColor HighlightColor() const { return look_.highlightColor; }
    void SetHighlightColor(const QColor& color);
    QColor FontColor() const { return look_.fontColor; }
    void SetFontColor(const QColor& color);
    QColor FontHighlightColor() const { return look_.fontHighlightColor; }
    void SetFontHighlightColor(const QColor& color);
    QString ToolTip() const { return toolTip_; }
    void SetToolTip(const QString& text);
    QString ToolTipTitle() const { return toolTipTitle_; }
    void SetToolTipTitle(const QString& title);
    int ToolTipIcon() const { return toolTipIcon_; } // 0 none, 1 information, 2 warning, 3 error
    void SetToolTipIcon(int icon);
    int ToolTipType() const { return toolTipType_; } // 0 rectangle, 1 balloon
    void SetToolTipType(int type);
    // Black (RGB 0) stands for the desktop's tooltip colour.
    QColor ToolTipBackColor() const { return toolTipBackColor_; }
    void SetToolTipBackColor(const QColor& color);
    QColor ToolTipForeColor() const { return toolTipForeColor_; }
    void SetToolTipForeColor(const QColor& color);
    QFont Font() const { return look_.font; }
    void SetFont(const QFont& font);
    int ButtonType() const { return look_.buttonType; } // 1 check button, anything else push
    void SetButtonType(int type);
    bool Value() const { return look_.value; }
    void SetValue(bool value);
    QString Version() const { return QStringLiteral("3.0"); }

    // Run-time state, for containers that want to look and for tests.
    int ButtonState() const { return state_; }
    bool HasFocus() const { return hasFocus_; }
    bool MouseInside() const { return mouseInside_; }
    bool PropertiesChanged() const { return changed_; }
    void ClearPropertiesChanged() { changed_ = false; }
    const ButtonLook& Look() const { return look_; }
    QWidget* ToolTipWindow() const; // the tooltip window of the last pointer entry, if any

    // What the control paints for its current size, properties and state, at a device pixel
    // ratio and, when given, on that many device pixels.
    QImage Snapshot(qreal ratio = 1.0, QSize devicePixels = {});

    void Refresh();
    void About();
    bool OpenLink(const QString& link); // opens an address or file with the desktop's handler

    // Called by the persistence code once stored properties have been applied.
    void PropertiesLoaded();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void Click();
    void MouseEnter();
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShapeChanged();   // a property that moves things: region, repaint
    void UpdateMask();     // the look's region at the screen's ratio
    void LookChanged();    // a property that only changes colours or text: repaint
    void ApplyOverrides(); // a set check state and the disabled state win over the input state
    void Repaint();
    void PressDown();
    void ReleaseUp(Qt::MouseButton button);
    void ClickHandled();
    void PointerEntered();
    void PointerLeft();
    void ShowOwnToolTip();

    ButtonLook look_;
    QString toolTip_;
    QString toolTipTitle_;
    int toolTipIcon_ = 0;
    int toolTipType_ = 1;
    QColor toolTipBackColor_;
    QColor toolTipForeColor_;
    QString handedBackToolTip_;

    int state_ = ButtonNormal;
    bool hasFocus_ = false;
    bool mouseInside_ = false;
    int lastMouseButton_ = 0;
    bool leftHeld_ = false; // a left press on the control, not yet released
    bool secondPressOfDoubleClick_ = false;
    bool changed_ = false;
    qreal maskRatio_ = 1.0;
    QPointer<ButtonToolTip> tip_;
};
