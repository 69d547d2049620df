#pragma once
// The composition root: builds every object of the program (windows unshown), wires them
// together through their signals and fills in the start-up and shutdown steps. Nothing else
// knows more than one module; this class is where they meet.

#include "CompletionSound.h"
#include "HiddenText.h"
#include "Lifecycle.h"
#include "SingleInstance.h"
#include "SiteSettings.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class AddTaskDialogHost;
class DesktopIntegration;
class frmMain;
class frmSettings;
class frmSuggest;
class MessageBoxPrompter;
class TaskEngine;

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(const QStringList& arguments);
    ~Program() override;

    // Runs the start-up steps; false when this copy must end at once.
    bool Start();

private:
    // The wiring, one area at a time (ProgramWiring.cpp).
    void WireMainWindow();
    void WireDesktop();
    void WireTaskCreation();
    void ConnectEngine();
    void ShowSettings();
    void ShowFeedback();
    void OnTaskQueued(const QString& url);

    // The start-up and shutdown steps (Program.cpp).
    void SetStartupSteps();
    void SetShutdownSteps();
    void ReadStartSettings();
    void ReportRefusedSiteSettings();

    SingleInstanceLock instanceLock_;
    bool browserStart_ = false;
    SiteSettings site_;

    // The hidden text boxes the parts talk through; they outlive everyone who holds them.
    HiddenText menuMsg{QStringLiteral("b0")};
    HiddenText txtWBmusic{QStringLiteral("Text2")};
    HiddenText txtMessage;
    HiddenText txtURL;

    std::unique_ptr<MessageBoxPrompter> prompter_;
    std::unique_ptr<TaskEngine> engine_;
    std::unique_ptr<frmMain> window_;
    std::unique_ptr<DesktopIntegration> desktop_;
    std::unique_ptr<AddTaskDialogHost> addHost_;
    QPointer<frmSettings> settings_;
    QPointer<frmSuggest> feedback_;
    CompletionSound sound_;
    StartupSequence startup_;
    ShutdownSequence shutdown_;
};
