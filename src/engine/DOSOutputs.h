#pragma once
// Runs one console tool at a time with its standard output and error in one pipe and no input,
// and hands its output to the owner as it comes. ExecuteCommand returns at once; a 50 ms poll
// then reads whatever waits in the pipe, raising ReceiveOutputs once per chunk of at most
// 1024 bytes; once the started tool has ended, the polls follow each other without a pause
// until the pipe is empty. The run is over at the first poll that finds the pipe empty, the
// started tool gone and no other process of the watched name running the same program, whoever
// started it: then CommandOver is raised, once, and LastExit tells how the started tool ended.
// Tools run with their messages in English (ToolEnvironment).

#include "ToolExit.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringDecoder>

class Prompter;
class QProcess;
class QTimer;

class DOSOutputs : public QObject {
    Q_OBJECT
public:
    static constexpr int ChunkSize = 1024;
    static constexpr int PollMilliseconds = 50;

    explicit DOSOutputs(Prompter* prompter, QObject* parent = nullptr);
    ~DOSOutputs() override;

    const QString& CommandLine() const { return commandLine_; }
    void SetCommandLine(const QString& DOSCommand) { commandLine_ = DOSCommand; }

    // Everything read during the last run, in order.
    const QString& Outputs() const { return outputs_; }

    bool IsRunning() const { return running_; }

    // How the tool of the last finished run ended.
    const ToolExit& LastExit() const { return exit_; }

    // Starts `commandLine` (the stored one when it is empty) and watches the processes named
    // `cmdName`. When the tool cannot be started, a message goes through the prompter,
    // StartFailed follows and no CommandOver comes. A call during a run is ignored.
    void ExecuteCommand(const QString& commandLine, const QString& cmdName);

    // Ends the processes of the running tool; the run then ends as usual, with LastExit saying
    // that we ended it.
    void EndTool();

Q_SIGNALS:
    void ReceiveOutputs(const QString& CommandOutputs);
    void CommandOver();
    void StartFailed(const QString& message);

private:
    enum class ReadResult { Nothing, Data, Broken };

    void Poll();
    bool StartedToolRunning() const;
    ReadResult ReadWaiting();
    void Fail(const QString& message);
    void Finish();
    void CloseReadEnd();

    Prompter* prompter_;
    QTimer* pollTimer_;
    QString commandLine_;
    QString outputs_;
    QString watchedName_;
    QString watchedProgram_;
    bool startedIsWatched_ = false;
    ToolExit exit_;
    QStringDecoder decoder_;
    QPointer<QProcess> process_;
    int readEnd_ = -1;
    bool running_ = false;
};
