#pragma once
// A hidden text box: it only carries a text between parts of the program, and a change of
// that text is the event the receiving side acts on. Writing the same text again raises
// nothing, just as an unchanged text box fires no change.

#include <QObject>
#include <QString>

class HiddenText : public QObject {
    Q_OBJECT
public:
    explicit HiddenText(QString initialText = {}, QObject* parent = nullptr)
        : QObject(parent), text_(std::move(initialText)) {}

    const QString& Text() const { return text_; }

    void SetText(const QString& text) {
        if (text == text_)
            return;
        text_ = text;
        Q_EMIT Changed(text_);
    }

    // Changes the text without raising the change event (for writes the receiver itself makes).
    void SetTextSilently(const QString& text) { text_ = text; }

Q_SIGNALS:
    void Changed(const QString& text);

private:
    QString text_;
};
