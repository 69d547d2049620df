#pragma once
// Asks yt-dlp for the one direct media address behind a watch address of a site that is not
// SiteRoot. yt-dlp runs as a tool of the program: program and argument list (never a shell),
// the address as one argument, its output read as it comes, a time limit, and it never
// outlives a Cancel, a new resolution, or the program itself.

#include "ResolverChoice.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

class YtDlpResolver : public QObject {
    Q_OBJECT
public:
    explicit YtDlpResolver(QObject* parent = nullptr);
    ~YtDlpResolver() override;

    // The whole time yt-dlp is given for one address; also its own network time-out.
    void SetTimeLimit(int seconds);
    int TimeLimit() const { return seconds_; }

    // Starts `program` (a yt-dlp) on `address`, ending any resolution under way without a word.
    // Exactly one of Resolved and Failed follows, unless Cancel comes first.
    void Resolve(const QString& program, const QString& address);

    // Ends yt-dlp at once, with no signal. Harmless when nothing runs.
    void Cancel();

    bool IsBusy() const { return process_ != nullptr; }
    qint64 ProcessId() const;

    // The arguments for one direct address of a single file with both picture and sound,
    // reachable by a plain HTTP download; the user's own yt-dlp configuration is left out so
    // that it cannot change what is printed.
    static QStringList Arguments(const QString& address, int seconds);

Q_SIGNALS:
    void Resolved(const QString& mediaAddress);
    void Failed(const QString& reason);

private:
    void Finished(int exitCode, bool crashed);
    void StartFailed(const QString& error);
    void TimedOut();
    // Keeps at most `Limit` bytes of a stream: a tool that floods must not fill our memory.
    void Take(QByteArray& into, const QByteArray& more);

    QPointer<QProcess> process_;
    QTimer limit_;
    int seconds_ = DefaultResolveSeconds;
    QByteArray output_;
    QByteArray errors_;
};
