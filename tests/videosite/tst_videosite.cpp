// The local video site, driven over real HTTP on 127.0.0.1 and by the real wget.
#include "LocalSite.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

namespace {

const QString kDropMid = "tY6eS3wQ8zN";   // 180 s FLV, dropped after 500000 bytes
const QString kDropEarly = "h7Rk-2pWq0E"; // MP4, dropped after 1000 bytes
const QString kThrottled = "P4nG2xR7jUa"; // 300 KB/s
const QString kPlain = "cK8_vH1oT5y";
const QString kHanging = "hangingVid0";
const QString kBig = "bigPattern1";

struct Reply {
    int status = 0;
    QByteArray body;
    QUrl url; // after redirects
    QByteArray contentType;
};

QByteArray Sha256(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program's rule for the token: what follows the first "&t=" up to "&" or "=".
QString TokenIn(const QString& address) {
    const int at = address.indexOf("&t=");
    if (at < 0)
        return {};
    const QString rest = address.mid(at + 3);
    return rest.left(rest.indexOf(QRegularExpression("[&=]")));
}

QSet<QString> WatchIds(const QByteArray& page) {
    QSet<QString> ids;
    static const QRegularExpression link("href=\"/watch\\?v=([A-Za-z0-9_-]{11})\"");
    for (const auto& match : link.globalMatch(QString::fromUtf8(page)))
        ids << match.captured(1);
    return ids;
}

} // namespace

class TestVideoSite : public QObject {
    Q_OBJECT

    std::unique_ptr<LocalSite> site_;
    QNetworkAccessManager network_;

    Reply Get(const QString& path, const QByteArray& range = {}) {
        QNetworkRequest request(QUrl(site_->Root() + path));
        if (!range.isEmpty())
            request.setRawHeader("Range", range);
        QNetworkReply* reply = network_.get(request);
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(60000);
        Reply result{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                     reply->readAll(), reply->url(),
                     reply->header(QNetworkRequest::ContentTypeHeader).toByteArray()};
        reply->deleteLater();
        return result;
    }

    // The request exactly as written, which QUrl would otherwise tidy up.
    int RawStatus(const QByteArray& target) {
        QTcpSocket socket;
        socket.connectToHost("127.0.0.1", QUrl(site_->Root()).port());
        if (!socket.waitForConnected(5000))
            return -1;
        socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        QByteArray answer;
        while (!answer.contains("\r\n") && socket.waitForReadyRead(10000))
            answer += socket.readAll();
        return answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : -1;
    }

    QString Lookup(const QString& id) { return TokenIn(Get("/v/" + id).url.toString()); }

    QString DownloadPath(const QString& id, const QString& token) {
        return "/get_video?video_id=" + id + "&t=" + token;
    }

private Q_SLOTS:
    void initTestCase() {
        site_ = std::make_unique<LocalSite>(QStringList{
            "--drop", kDropMid + ":500000", "--drop", kDropEarly + ":1000", "--throttle",
            kThrottled + ":300", "--hang-id", kHanging, "--big-id", kBig, "--big-mb", "3"});
        QVERIFY2(site_->Start(), qPrintable(site_->Error()));
    }

    void printsRootAndVideos() {
        QVERIFY(QRegularExpression(R"(^http://127\.0\.0\.1:\d+$)").match(site_->Root()).hasMatch());
        QVERIFY(site_->Videos().size() >= 6);
        static const QRegularExpression idForm("^[A-Za-z0-9_-]{11}$");
        for (const auto& video : site_->Videos()) {
            QVERIFY2(idForm.match(video.id).hasMatch(), qPrintable(video.id));
            QVERIFY(video.seconds >= 3 && video.seconds <= 180);
            QCOMPARE(QFileInfo(site_->SourceFile(video.id)).size(), video.bytes);
        }
        QCOMPARE(site_->Videos().first().seconds, 3);
        QCOMPARE(site_->Videos().last().seconds, 180);
        QVERIFY(site_->Video(kBig).bytes >= 3 * 1024 * 1024);
    }

    void bigVideoStillPlays() {
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration:stream=codec_type",
                                "-of", "default=nw=1", site_->SourceFile(kBig)});
        QVERIFY(probe.waitForFinished(60000));
        const QString out = probe.readAll();
        QVERIFY2(out.contains("codec_type=video") && out.contains("codec_type=audio"),
                 qPrintable(out));
        const double duration =
            QRegularExpression(R"(duration=([\d.]+))").match(out).captured(1).toDouble();
        QVERIFY2(qAbs(duration - 5) < 0.5, qPrintable(out));
    }

    void lookupRedirectsToAFreshToken() {
        const Reply first = Get("/v/" + kPlain);
        QCOMPARE(first.status, 200);
        QVERIFY(first.url.path() != "/v/" + kPlain);
        const QString token = TokenIn(first.url.toString());
        QVERIFY2(token.size() >= 8, qPrintable(first.url.toString()));
        QVERIFY(Lookup(kPlain) != token);
    }

    void downloadChecksIdAndToken_data() {
        QTest::addColumn<QString>("tokenFor");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("status");
        QTest::newRow("its own token") << kPlain << "" << kPlain << 200;
        QTest::newRow("made-up token") << ""
                                       << "abcdefghijklmnopqrstuv" << kPlain << 403;
        QTest::newRow("no token") << ""
                                  << "" << kPlain << 403;
        QTest::newRow("another video's token") << kThrottled << "" << kPlain << 403;
        QTest::newRow("unknown id") << kPlain << ""
                                    << "zzzzzzzzzzz" << 404;
        QTest::newRow("malformed id") << kPlain << ""
                                      << "short" << 400;
        QTest::newRow("a path for an id") << kPlain << ""
                                          << "..%2F..%2Fetc%2Fpasswd" << 400;
    }
    void downloadChecksIdAndToken() {
        QFETCH(QString, tokenFor);
        QFETCH(QString, token);
        QFETCH(QString, id);
        QFETCH(int, status);
        if (!tokenFor.isEmpty())
            token = Lookup(tokenFor);
        const Reply reply = Get(DownloadPath(id, token));
        QCOMPARE(reply.status, status);
        if (status == 200)
            QCOMPARE(Sha256(reply.body), Sha256(FileBytes(site_->SourceFile(id))));
    }

    void servesByteRanges() {
        const Reply reply = Get(DownloadPath(kPlain, Lookup(kPlain)), "bytes=100-1099");
        QCOMPARE(reply.status, 206);
        QCOMPARE(reply.body, FileBytes(site_->SourceFile(kPlain)).mid(100, 1000));
    }

    void resumeAfterDropGivesTheSameFile_data() {
        QTest::addColumn<QString>("id");
        QTest::newRow("FLV dropped midway") << kDropMid;
        QTest::newRow("MP4 dropped at once") << kDropEarly;
    }
    void resumeAfterDropGivesTheSameFile() {
        QFETCH(QString, id);
        QTemporaryDir folder;
        const QString target = folder.filePath("video.flv");
        QProcess wget;
        wget.setProcessChannelMode(QProcess::MergedChannels);
        wget.start("wget", {"-c", "-O", target, site_->Root() + DownloadPath(id, Lookup(id))});
        QVERIFY(wget.waitForFinished(120000));
        const QString log = wget.readAll();
        QCOMPARE(wget.exitCode(), 0);
        QVERIFY2(log.contains("retry", Qt::CaseInsensitive), qPrintable(log));
        QCOMPARE(Sha256(FileBytes(target)), Sha256(FileBytes(site_->SourceFile(id))));
    }

    void throttleSlowsOnlyItsVideo() {
        QNetworkReply* slow = network_.get(
            QNetworkRequest(site_->Root() + DownloadPath(kThrottled, Lookup(kThrottled))));
        QNetworkReply* plain =
            network_.get(QNetworkRequest(site_->Root() + DownloadPath(kPlain, Lookup(kPlain))));
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(plain->isFinished(), 30000);
        QVERIFY(!slow->isFinished());
        QTRY_VERIFY_WITH_TIMEOUT(slow->isFinished(), 60000);
        const qint64 bytes = slow->readAll().size();
        QCOMPARE(bytes, site_->Video(kThrottled).bytes);
        QVERIFY(clock.elapsed() >= bytes * 1000 / (300 * 1024) * 9 / 10);
        slow->deleteLater();
        plain->deleteLater();
    }

    void hangingLookupNeverAnswers() {
        QNetworkReply* reply = network_.get(QNetworkRequest(site_->Root() + "/v/" + kHanging));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(!finished.wait(2000));
        QCOMPARE(Get("/v/" + kPlain).status, 200); // the site goes on serving others meanwhile
        reply->abort();
        reply->deleteLater();
    }

    void pagesLinkToEachOther() {
        const Reply start = Get("/browse?s=mp&c=10");
        QCOMPARE(start.status, 200);
        QStringList genrePages;
        for (const int b : {1, 2, 4, 5, 6, 8, 9, 11, 13, 12}) {
            const QString address = "/browse?s=mp&amp;c=10&amp;l=&amp;b=" + QString::number(b);
            QVERIFY2(start.body.contains(address.toUtf8()), qPrintable(address));
            genrePages << QString(address).replace("&amp;", "&");
        }
        QSet<QString> listed;
        for (const QString& page : genrePages) {
            const Reply genre = Get(page);
            QCOMPARE(genre.status, 200);
            QVERIFY2(!WatchIds(genre.body).isEmpty(), qPrintable(page));
            listed += WatchIds(genre.body);
        }
        const QStringList ids = site_->Ids();
        QCOMPARE(listed, QSet<QString>(ids.begin(), ids.end()));
        for (const QString& id : ids) {
            const Reply watch = Get("/watch?v=" + id);
            QCOMPARE(watch.status, 200);
            QVERIFY(watch.body.contains("<video"));
            QVERIFY(!WatchIds(watch.body).isEmpty());
            const auto src = QRegularExpression("<video[^>]* src=\"([^\"]+)\"")
                                 .match(QString::fromUtf8(watch.body))
                                 .captured(1);
            const Reply media = Get(src, "bytes=0-99");
            QCOMPARE(media.status, 206);
            QCOMPARE(media.contentType, QByteArray("video/webm"));
        }
    }

    void searchDecodesTheQuery_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("UTF-8") << "caf%C3%A9" << 200 << "café" << QStringList{"mB3aF6uJx9Q"};
        QTest::newRow("escaped ampersand")
            << "pattern%20%26%20tone" << 200 << "pattern &amp; tone" << QStringList{kDropEarly};
        QTest::newRow("plus is a blank")
            << "signal+check" << 200 << "signal check" << QStringList{"Q2xV9dLm4bA"};
        QTest::newRow("genre name")
            << "Jazz" << 200 << "Jazz" << QStringList{"Wd0-Lp7sE2r", kPlain};
        QTest::newRow("markup stays text")
            << "%3Cscript%3E" << 200 << "&lt;script&gt;" << QStringList{};
        QTest::newRow("empty") << "" << 200 << "" << QStringList{};
        QTest::newRow("invalid UTF-8") << "%C3%28" << 400 << "" << QStringList{};
        QTest::newRow("broken escape") << "100%" << 400 << "" << QStringList{};
    }
    void searchDecodesTheQuery() {
        QFETCH(QString, query);
        QFETCH(int, status);
        QFETCH(QString, heading);
        QFETCH(QStringList, ids);
        if (status != 200) {
            QCOMPARE(RawStatus("/results?search_query=" + query.toUtf8()), status);
            return;
        }
        const Reply reply = Get("/results?search_query=" + query);
        QCOMPARE(reply.status, status);
        const QString page = QString::fromUtf8(reply.body);
        QVERIFY2(page.contains("Results for &quot;" + heading + "&quot;"), qPrintable(page));
        QVERIFY(!page.contains("<script>"));
        QCOMPARE(WatchIds(reply.body), QSet<QString>(ids.begin(), ids.end()));
    }

    void feedbackIsLogged_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("comment");
        QTest::newRow("blanks") << "name=John%20Smith&age=john@example.org&comment=Nice%20site"
                                << "John Smith"
                                << "john@example.org"
                                << "Nice site";
        QTest::newRow("comment cut at its ampersand")
            << "name=Ann&age=ann@example.org&comment=Rock%20&%20roll"
            << "Ann"
            << "ann@example.org"
            << "Rock ";
        QTest::newRow("UTF-8") << "name=Ren%C3%A9e&age=r@example.fr&comment=%E2%99%AA"
                               << "Renée"
                               << "r@example.fr"
                               << "♪";
    }
    void feedbackIsLogged() {
        QFETCH(QString, query);
        QFETCH(QString, name);
        QFETCH(QString, age);
        QFETCH(QString, comment);
        const Reply reply = Get("/suggest/post.php?" + query);
        QCOMPARE(reply.status, 200);
        QVERIFY(reply.body.contains("Thank you"));
        const QList<QByteArray> lines = FileBytes(site_->FeedbackLogPath()).trimmed().split('\n');
        const QJsonObject arrived = QJsonDocument::fromJson(lines.last()).object();
        QCOMPARE(arrived["name"].toString(), name);
        QCOMPARE(arrived["age"].toString(), age);
        QCOMPARE(arrived["comment"].toString(), comment);
    }

    void refusesMalformedRequests_data() {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<int>("status");
        QTest::newRow("broken escape") << QByteArray("/watch?v=%zz") << 400;
        QTest::newRow("watch without id") << QByteArray("/watch") << 400;
        QTest::newRow("genre not a number") << QByteArray("/browse?s=mp&c=10&l=&b=abc") << 400;
        QTest::newRow("genre the site lacks") << QByteArray("/browse?s=mp&c=10&l=&b=3") << 404;
        QTest::newRow("lookup without id") << QByteArray("/v/") << 400;
        QTest::newRow("download without id") << QByteArray("/get_video") << 400;
        QTest::newRow("climbing out of the cache")
            << QByteArray("/media/../../../../etc/passwd") << 404;
        QTest::newRow("escaped climb") << QByteArray("/media/..%2F..%2F..%2Fetc%2Fpasswd") << 404;
        QTest::newRow("feedback with bad UTF-8")
            << QByteArray("/suggest/post.php?name=%FF&age=a&comment=b") << 400;
    }
    void refusesMalformedRequests() {
        QFETCH(QByteArray, target);
        QFETCH(int, status);
        QCOMPARE(RawStatus(target), status);
        QCOMPARE(RawStatus("/browse?s=mp&c=10"), 200);
    }

    // Last: ends the site.
    void endsCleanlyOnSigterm() {
        QNetworkReply* hanging = network_.get(QNetworkRequest(site_->Root() + "/v/" + kHanging));
        QTRY_VERIFY(hanging->isRunning());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(site_->Stop(), 0);
        QVERIFY(clock.elapsed() < 8000);
        hanging->deleteLater();
    }
};

QTEST_GUILESS_MAIN(TestVideoSite)
#include "tst_videosite.moc"
