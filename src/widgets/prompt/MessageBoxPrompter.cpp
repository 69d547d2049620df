#include "MessageBoxPrompter.h"

#include <QMessageBox>

namespace {
QMessageBox::Icon ToBoxIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}
} // namespace

void MessageBoxPrompter::Inform(Icon icon, const QString& title, const QString& text) {
    QMessageBox box(ToBoxIcon(icon), title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool MessageBoxPrompter::AskOkCancel(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent_);
    return box.exec() == QMessageBox::Ok;
}
