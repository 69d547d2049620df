#pragma once
// A Prompter for tests: records every box it was asked to show and answers questions from a
// queue set up in advance (OK when the queue is empty).

#include "Prompter.h"

#include <QList>
#include <QString>

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

    void Inform(Icon icon, const QString& title, const QString& text) override {
        shown.append({icon, title, text, false});
    }

    bool AskOkCancel(const QString& title, const QString& text) override {
        shown.append({Icon::Exclamation, title, text, true});
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};
