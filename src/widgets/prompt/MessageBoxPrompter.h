#pragma once
// Real message boxes for the Prompter seam.

#include "Prompter.h"

class QWidget;

class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    void Inform(Icon icon, const QString& title, const QString& text) override;
    bool AskOkCancel(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};
