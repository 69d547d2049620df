#include "PopupMenuAccessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QList>
#include <QMenu>
#include <QPointer>

namespace {

QList<QPointer<QMenu>>& Listed() {
    static QList<QPointer<QMenu>> menus;
    return menus;
}

QList<QMenu*> LiveMenus() {
    QList<QMenu*> live;
    for (const QPointer<QMenu>& menu : Listed())
        if (menu)
            live << menu;
    return live;
}

// The application's windows as Qt lists them, then the listed menus.
class ApplicationWithMenus : public QAccessibleApplication {
public:
    int childCount() const override {
        return QAccessibleApplication::childCount() + int(LiveMenus().size());
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const int window = QAccessibleApplication::indexOfChild(child);
        if (window >= 0 || !child)
            return window;
        const qsizetype menu = LiveMenus().indexOf(qobject_cast<QMenu*>(child->object()));
        return menu < 0 ? -1 : QAccessibleApplication::childCount() + int(menu);
    }

    QAccessibleInterface* child(int index) const override {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QMenu*> menus = LiveMenus();
        index -= windows;
        return index < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(index))
                                    : nullptr;
    }
};

// Asked for every object an assistive technology meets, class by class: only the
// application itself is ours.
QAccessibleInterface* ApplicationFactory(const QString&, QObject* object) {
    if (object && object == QCoreApplication::instance())
        return new ApplicationWithMenus;
    return nullptr;
}

void InstallOnce() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(ApplicationFactory);
    // One made for the application before now would go on hiding the menus.
    QAccessibleInterface* current =
        QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    if (current && !dynamic_cast<ApplicationWithMenus*>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

} // namespace

void ListUnderApplication(QMenu* menu) {
    if (!menu || !QCoreApplication::instance())
        return;
    InstallOnce();
    Listed().removeIf([](const QPointer<QMenu>& listed) { return listed.isNull(); });
    if (!Listed().contains(menu))
        Listed() << menu;
}
