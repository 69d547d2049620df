#pragma once
// The one way any part of the program puts a message box in front of the user. Windows get the
// real boxes (MessageBoxPrompter); tests hand in a prompter whose answers are scripted.

#include <QString>

class Prompter {
public:
    enum class Icon { Critical, Exclamation, Information };

    virtual ~Prompter() = default;

    // A message with a single OK button.
    virtual void Inform(Icon icon, const QString& title, const QString& text) = 0;

    // A question with OK and Cancel; true only when the user answered OK.
    virtual bool AskOkCancel(const QString& title, const QString& text) = 0;
};
