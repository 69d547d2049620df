#pragma once
// The local video site for the pipeline tests: started on a free loopback port with the given
// faults, its videos kept in the build folder's cache between runs.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

class SiteFixture {
public:
    ~SiteFixture() { Stop(); }

    // Starts the site and waits until it serves; false with the reason in `error`.
    bool Start(const QStringList& options, QString& error) {
        const QString bin = qEnvironmentVariable("VIDLARK_BINDIR");
        cache_ = bin + QStringLiteral("/../site-cache");
        QDir().mkpath(cache_);
        process_.setProgram(bin + QStringLiteral("/videosite"));
        process_.setArguments(
            QStringList{"--port", "0", "--cache", cache_, "--log", cache_ + "/feedback.log"} +
            options);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (!process_.waitForStarted()) {
            error = process_.errorString();
            return false;
        }
        QString output;
        // Making the videos the first time takes a while; later starts find them made.
        for (int waited = 0; !output.contains(QStringLiteral("\nready\n")) && waited < 240000;
             waited += 100) {
            if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning)
                break;
            output += QString::fromUtf8(process_.readAll());
        }
        if (!output.contains(QStringLiteral("\nready\n"))) {
            error = QStringLiteral("the site did not start: ") + output;
            return false;
        }
        const QStringList lines = output.split(u'\n');
        root_ = lines.first();
        for (const QString& line : lines) {
            const QStringList words = line.split(u' ');
            if (words.size() == 4 && words[0] == QLatin1String("video"))
                bytes_[words[1]] = words[3].toLongLong();
        }
        return root_.startsWith(QStringLiteral("http://127.0.0.1:"));
    }

    void Stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished();
    }

    const QString& Root() const { return root_; }
    QString WatchAddress(const QString& id) const { return root_ + "/watch?v=" + id; }
    qint64 Bytes(const QString& id) const { return bytes_.value(id); }

    // The content the site serves for a video.
    QByteArray Content(const QString& id) const {
        const QStringList names = QDir(cache_).entryList({id + "-*"}, QDir::Files);
        for (const QString& name : names) {
            if (!name.endsWith(QLatin1String(".webm"))) {
                QFile file(cache_ + u'/' + name);
                if (file.open(QIODevice::ReadOnly) && file.size() == Bytes(id))
                    return file.readAll();
            }
        }
        return {};
    }

private:
    QProcess process_;
    QString cache_;
    QString root_;
    QMap<QString, qint64> bytes_;
};
