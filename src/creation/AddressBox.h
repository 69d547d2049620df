#pragma once
// The add-task dialog's address box: a line edit that holds an address of any length without
// stalling. A line edit shapes and paints its whole text at every change and every blink of
// the cursor, which takes seconds for a megabyte of pasted text. Up to LongestEditable
// characters the box is a plain line edit. A longer text is kept whole as the address, never
// cut, but the box shows only its beginning and takes it as one piece: a deletion clears it,
// typing or a paste replaces it, a copy copies all of it. Every way text gets in (keys, paste,
// middle click, drop, the context menu) goes through here, so the line edit never holds more.

#include <QLineEdit>

class AddressBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int LongestEditable = 16 * 1024;
    // How much of a longer text the box shows.
    static constexpr int ShownOfLong = 1024;

    explicit AddressBox(QWidget* parent = nullptr);

    QString Address() const { return holdsLong_ ? address_ : text(); }
    void SetAddress(const QString& address);
    // True while the address is too long to edit in place.
    bool HoldsLongText() const { return holdsLong_; }

Q_SIGNALS:
    // Every change of the address, whole.
    void AddressChanged(const QString& address);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnTextChanged(const QString& text);
    // Puts `text` where the cursor or the selection is, as typing or pasting would.
    void Insert(const QString& text);
    void Replace(const QString& address);
    void CopyAll();

    QString address_;
    bool holdsLong_ = false;
    bool showing_ = false; // the box is writing its own shown text
};
