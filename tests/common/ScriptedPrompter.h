#pragma once
// A Prompter for tests: records every box it was asked to show and answers questions from a
// queue set up in advance (OK when the queue is empty). `whileAsking` runs while a question is
// open, before it is answered: what happens in the program while the user thinks.

#include "Prompter.h"

#include <QList>
#include <QString>

#include <functional>

class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
        bool question;
    };

    QList<Shown> shown;
    QList<bool> answers;
    std::function<void()> whileAsking;

    void Inform(Icon icon, const QString& title, const QString& text) override {
        shown.append({icon, title, text, false});
    }

    bool AskOkCancel(const QString& title, const QString& text) override {
        shown.append({Icon::Exclamation, title, text, true});
        if (whileAsking)
            whileAsking();
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};
