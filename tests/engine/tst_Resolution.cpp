// The yt-dlp resolution on its own: which resolver an address gets, the site.ini keys, how
// yt-dlp's answers read, and the resolver's process (its arguments, its environment, its time
// limit, and that nothing of it is left running) with small stand-in programs.

#include "ResolverChoice.h"
#include "SiteSettings.h"
#include "YtDlpAnswer.h"
#include "YtDlpResolver.h"
#include "YtDlpStub.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ytdlpstub;

namespace {

const QString Root = QStringLiteral("http://127.0.0.1:8080");

bool WriteFile(const QString& path, const QByteArray& content,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ExeOwner) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.setPermissions(permissions);
}

} // namespace

class TestResolution : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chooseResolver_data();
    void chooseResolver();
    void siteIniKeys_data();
    void siteIniKeys();
    void answers_data();
    void answers();
    void findsYtDlp();
    void addressReachesYtDlpAsOneArgument_data();
    void addressReachesYtDlpAsOneArgument();
    void timeLimitEndsYtDlp();
    void cancelEndsYtDlpAndWhatItStarted();
    void programThatCannotStart();
};

void TestResolution::chooseResolver_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<bool>("bySite");
    QTest::addColumn<QString>("root");
    QTest::newRow("on SiteRoot") << Root + "/watch?v=abc"
                                 << "" << true << Root;
    QTest::newRow("host in capitals") << "HTTP://127.0.0.1:8080/watch?v=abc"
                                      << "" << true << Root;
    QTest::newRow("other host name for the same machine") << "http://localhost:8080/watch?v=abc"
                                                          << "" << false << Root;
    QTest::newRow("other port") << "http://127.0.0.1:8081/watch?v=abc"
                                << "" << false << Root;
    QTest::newRow("other scheme") << "https://127.0.0.1:8080/watch?v=abc"
                                  << "" << false << Root;
    QTest::newRow("a site of today") << "https://video.example/watch?v=abc"
                                     << "" << false << Root;
    QTest::newRow("no scheme") << "video.example/watch?v=abc"
                               << "" << false << Root;
    QTest::newRow("SiteRoot's host inside another address")
        << "http://video.example/watch?v=abc&from=http://127.0.0.1:8080"
        << "" << false << Root;
    QTest::newRow("the scheme's own port written out") << "http://video.example:80/watch?v=abc"
                                                       << "" << true << "http://video.example";
    QTest::newRow("SiteRoot that is no address keeps the lookup for all")
        << "http://video.example/watch?v=abc"
        << "" << true << "http://127.0.0.1:8080 -O x ";
    QTest::newRow("Resolver=site takes every address") << "https://video.example/watch?v=abc"
                                                       << "site" << true << Root;
    QTest::newRow("Resolver=yt-dlp takes SiteRoot's too") << Root + "/watch?v=abc"
                                                          << "yt-dlp" << false << Root;
    QTest::newRow("unknown rule decides by address") << Root + "/watch?v=abc"
                                                     << "browser" << true << Root;
}

void TestResolution::chooseResolver() {
    QFETCH(QString, address);
    QFETCH(QString, rule);
    QFETCH(bool, bySite);
    QFETCH(QString, root);
    QCOMPARE(ChooseResolver(address, root, ReadResolverRule(rule)) == ResolverKind::Site, bySite);
}

void TestResolution::siteIniKeys_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("seconds");
    const int automatic = int(ResolverRule::Automatic);
    QTest::newRow("none given") << QByteArray("SiteRoot=http://127.0.0.1:5000\n") << automatic
                                << 30;
    QTest::newRow("site, 5 s") << QByteArray("Resolver=site\nResolveSeconds=5\n")
                               << int(ResolverRule::Site) << 5;
    QTest::newRow("yt-dlp in capitals, CR LF")
        << QByteArray("Resolver = YT-DLP\r\nResolveSeconds= 90 \r\n") << int(ResolverRule::YtDlp)
        << 90;
    QTest::newRow("unusable values keep the defaults")
        << QByteArray("Resolver=browser\nResolveSeconds=0\n") << automatic << 30;
    QTest::newRow("not a number") << QByteArray("ResolveSeconds=ten\n") << automatic << 30;
    QTest::newRow("more than an hour") << QByteArray("ResolveSeconds=3601\n") << automatic << 30;
}

void TestResolution::siteIniKeys() {
    QFETCH(QByteArray, content);
    QFETCH(int, rule);
    QFETCH(int, seconds);
    QTemporaryDir dir;
    QVERIFY(WriteFile(dir.filePath("site.ini"), content, QFile::ReadOwner | QFile::WriteOwner));
    const SiteSettings settings = ReadSiteSettings(dir.filePath("site.ini"));
    QCOMPARE(int(settings.Resolver), rule);
    QCOMPARE(settings.ResolveSeconds, seconds);
    QVERIFY(settings.Refused.isEmpty());
}

void TestResolution::answers_data() {
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("errors");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("failure");
    const QByteArray media = "http://localhost:9/media/Q2xV9dLm4bA.webm";
    QTest::newRow("one address") << 0 << media + "\n" << QByteArray() << QString(media) << "";
    QTest::newRow("blank lines around it") << 0 << "\n" + media + "\r\n\n"
                                           << QByteArray() << QString(media) << "";
    QTest::newRow("two videos") << 0 << media + "\n" + media + "\n"
                                << QByteArray() << ""
                                << "yt-dlp found 2 videos at this address; a task takes one.";
    QTest::newRow("nothing printed") << 0 << QByteArray() << QByteArray() << ""
                                     << "yt-dlp found no video at this address.";
    QTest::newRow("not a web address") << 0 << QByteArray("rtmp://h/live\n") << QByteArray() << ""
                                       << "yt-dlp gave an address the downloader cannot fetch.";
    // yt-dlp 2023.03.04's own lines.
    QTest::newRow("missing video")
        << 1 << QByteArray()
        << QByteArray("ERROR: [generic] None: Unable to download webpage: HTTP Error 404: Not "
                      "Found (caused by <HTTPError 404: 'Not Found'>); please report this issue "
                      "on  https://github.com/yt-dlp/yt-dlp/issues?q= , filling out the "
                      "appropriate issue template. Confirm you are on the latest version using  "
                      "yt-dlp -U\n")
        << ""
        << "yt-dlp: Unable to download webpage: HTTP Error 404: Not Found";
    QTest::newRow("page without video")
        << 1 << QByteArray()
        << QByteArray("WARNING: [generic] Falling back on generic information extractor\n"
                      "ERROR: Unsupported URL: http://localhost:9/browse?s=mp\n")
        << ""
        << "yt-dlp: Unsupported URL: http://localhost:9/browse?s=mp";
    QTest::newRow("no single-file format")
        << 1 << QByteArray()
        << QByteArray("ERROR: [html5] watch?v=Q2xV9dLm4bA-1: Requested format is not "
                      "available. Use --list-formats for a list of available formats\n")
        << ""
        << "The video has no single file with both picture and sound.";
    QTest::newRow("the last of several errors")
        << 1 << QByteArray()
        << QByteArray("ERROR: first\nERROR: [youtube] abc: Video unavailable\nmore text\n") << ""
        << "yt-dlp: Video unavailable";
    QTest::newRow("no error line")
        << 2 << QByteArray() << QByteArray("Usage: yt-dlp [OPTIONS] URL\nno such option\n") << ""
        << "yt-dlp: no such option";
    QTest::newRow("silent failure") << 3 << QByteArray() << QByteArray() << ""
                                    << "yt-dlp ended with exit code 3.";
    QTest::newRow("an address printed before failing")
        << 1 << media + "\n"
        << QByteArray("ERROR: [generic] x: boom\n") << ""
        << "yt-dlp: boom";
}

void TestResolution::answers() {
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, errors);
    QFETCH(QString, address);
    QFETCH(QString, failure);
    const YtDlpAnswer answer = ReadYtDlpAnswer(exitCode, output, errors);
    QCOMPARE(answer.address, address);
    QCOMPARE(answer.failure, failure);
}

void TestResolution::findsYtDlp() {
    QTemporaryDir appDir;
    QTemporaryDir onPath;
    QVERIFY(QDir().mkpath(appDir.filePath("data")));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", onPath.path().toUtf8());
    QCOMPARE(FindYtDlp(appDir.path()), QString());
    QVERIFY(WriteFile(onPath.filePath("yt-dlp"), "#!/bin/sh\n"));
    QCOMPARE(FindYtDlp(appDir.path()), onPath.filePath("yt-dlp"));
    // One in the program's own folder comes first, but only when it can run.
    QVERIFY(WriteFile(appDir.filePath("data/yt-dlp"), "#!/bin/sh\n",
                      QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(FindYtDlp(appDir.path()), onPath.filePath("yt-dlp"));
    QVERIFY(QFile::setPermissions(appDir.filePath("data/yt-dlp"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(FindYtDlp(appDir.path()), appDir.filePath("data/yt-dlp"));
    qputenv("PATH", path);
}

void TestResolution::addressReachesYtDlpAsOneArgument_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "http://localhost:9/watch?v=abc";
    QTest::newRow("blanks and quotes") << "http://h/watch?v=a b\" 'c' -o /tmp/x";
    QTest::newRow("shell text") << "http://h/watch?v=$(touch /tmp/vl-owned);x`id`|y";
    QTest::newRow("looks like an option") << "--exec=touch /tmp/vl-owned watch?v=x";
}

void TestResolution::addressReachesYtDlpAsOneArgument() {
    QFETCH(QString, address);
    QTemporaryDir folder;
    const QString stub = Write(folder.path(), "json.dump({'argv': sys.argv[1:], 'messages': "
                                              "os.environ.get('LC_MESSAGES')},\n"
                                              "          open(os.path.join(here, 'seen'), 'w'))\n"
                                              "print('http://localhost:9/media/abc.webm')");
    YtDlpResolver resolver;
    QSignalSpy resolved(&resolver, &YtDlpResolver::Resolved);
    QSignalSpy failed(&resolver, &YtDlpResolver::Failed);
    resolver.Resolve(stub, address);
    QVERIFY(resolved.wait(10000));
    QCOMPARE(resolved.at(0).at(0).toString(), "http://localhost:9/media/abc.webm");
    QCOMPARE(failed.size(), 0);
    QVERIFY(!resolver.IsBusy());

    const QJsonObject seen = QJsonDocument::fromJson(ReadFile(folder.filePath("seen"))).object();
    QStringList argv;
    for (const QJsonValue& value : seen.value("argv").toArray())
        argv.append(value.toString());
    QCOMPARE(argv, YtDlpResolver::Arguments(address, resolver.TimeLimit()));
    QCOMPARE(argv.mid(argv.size() - 2), (QStringList{"--", address}));
    // Its messages are shown as they stand, so they must be the untranslated ones.
    QCOMPARE(seen.value("messages").toString(), "C");
    QVERIFY(!QFile::exists("/tmp/vl-owned"));
}

void TestResolution::timeLimitEndsYtDlp() {
    QTemporaryDir folder;
    const QString stub = Write(folder.path(), Silent);
    YtDlpResolver resolver;
    // Long enough for the stand-in to start on a busy machine.
    resolver.SetTimeLimit(3);
    QSignalSpy failed(&resolver, &YtDlpResolver::Failed);
    resolver.Resolve(stub, "http://localhost:9/watch?v=abc");
    QTRY_VERIFY_WITH_TIMEOUT(Pid(folder.path()) > 0, 10000);
    const qint64 pid = Pid(folder.path());
    QVERIFY(IsAlive(pid));
    QVERIFY(failed.wait(10000));
    QCOMPARE(failed.at(0).at(0).toString(), "yt-dlp did not answer within 3 seconds.");
    QTRY_VERIFY(!IsAlive(pid));
    QVERIFY(!resolver.IsBusy());
}

void TestResolution::cancelEndsYtDlpAndWhatItStarted() {
    QTemporaryDir folder;
    const QString stub = Write(folder.path(), "child = subprocess.Popen(['sleep', '60'])\n"
                                              "open(os.path.join(here, 'child'), 'w')"
                                              ".write(str(child.pid))\n"
                                              "time.sleep(60)");
    YtDlpResolver resolver;
    QSignalSpy resolved(&resolver, &YtDlpResolver::Resolved);
    QSignalSpy failed(&resolver, &YtDlpResolver::Failed);
    resolver.Resolve(stub, "http://localhost:9/watch?v=abc");
    QTRY_VERIFY_WITH_TIMEOUT(!ReadFile(folder.filePath("child")).isEmpty(), 10000);
    const qint64 pid = Pid(folder.path());
    const qint64 child = ReadFile(folder.filePath("child")).toLongLong();
    QVERIFY(IsAlive(pid) && IsAlive(child));

    resolver.Cancel();
    QVERIFY(!resolver.IsBusy());
    QTRY_VERIFY(!IsAlive(pid));
    QTRY_VERIFY(!IsAlive(child));
    QTest::qWait(100);
    QCOMPARE(resolved.size() + failed.size(), 0);
}

void TestResolution::programThatCannotStart() {
    QTemporaryDir folder;
    const QString broken = folder.filePath("yt-dlp");
    QVERIFY(WriteFile(broken, "#!/no/such/interpreter\n"));
    YtDlpResolver resolver;
    QSignalSpy failed(&resolver, &YtDlpResolver::Failed);
    resolver.Resolve(broken, "http://localhost:9/watch?v=abc");
    QVERIFY(failed.wait(5000));
    QVERIFY2(failed.at(0).at(0).toString().startsWith("yt-dlp could not be started"),
             qPrintable(failed.at(0).at(0).toString()));
    QVERIFY(!resolver.IsBusy());
}

QObject* NewResolutionTest() {
    return new TestResolution;
}

#include "tst_Resolution.moc"
