#pragma once
// A main window over a small task list, with scripted questions, for the window's tests.

#include "frmMain.h"
#include "HiddenText.h"
#include "ScriptedPrompter.h"
#include "SkinImage.h"
#include "SkinLink.h"
#include "TaskList.h"

#include <memory>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

struct MainWindowFixture {
    TaskList tasks;
    ScriptedPrompter prompter;
    std::unique_ptr<frmMain> window;

    explicit MainWindowFixture(int rows = 0) {
        for (int i = 0; i < rows; ++i)
            tasks.Append(QStringLiteral("/tmp/v%1.flv").arg(i),
                         QStringLiteral("http://127.0.0.1/watch?v=%1").arg(i),
                         QStringLiteral("t%1.flv").arg(i), QStringLiteral("None"));
        window = std::make_unique<frmMain>(&tasks, &prompter);
        window->SetSiteRoot(QStringLiteral("http://127.0.0.1:9"));
    }

    SkinImage* Image(const QString& name) const { return window->findChild<SkinImage*>(name); }
    SkinImage* Toolbar(int index) const { return Image(QStringLiteral("imgButton%1").arg(index)); }
    SkinImage* Menu(int index) const { return Image(QStringLiteral("imgMenu%1").arg(index)); }
    SkinLink* Link(const QString& name) const { return window->findChild<SkinLink*>(name); }
    QWidget* Child(const QString& name) const { return window->findChild<QWidget*>(name); }

    // A pointer move delivered straight to a widget, as the window system does when no button
    // holds the pointer elsewhere.
    static void MoveOver(QWidget* widget) {
        const QPointF at(2, 2);
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    // Which toolbar images show which look, as "0:hover 3:pressed"; empty images are left out.
    QString ToolbarLooks() const {
        QStringList looks;
        for (int i : {0, 1, 3, 4, 5}) {
            switch (Toolbar(i)->CurrentLook()) {
            case SkinImage::Shown::Hover:
                looks << QStringLiteral("%1:hover").arg(i);
                break;
            case SkinImage::Shown::Pressed:
                looks << QStringLiteral("%1:pressed").arg(i);
                break;
            default:
                break;
            }
        }
        return looks.join(QLatin1Char(' '));
    }
};
