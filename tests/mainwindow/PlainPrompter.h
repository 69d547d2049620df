#pragma once
// A prompter that answers every question with OK and shows nothing.

#include "Prompter.h"

class PlainPrompter : public Prompter {
public:
    void Inform(Icon, const QString&, const QString&) override {}
    bool AskOkCancel(const QString&, const QString&) override { return true; }
};
