// The engine's text rules, each against a table of the texts the site, the user and the two
// tools produce.

#include "SiteSettings.h"
#include "TextRules.h"

#include <QTemporaryDir>
#include <QTest>

using Percentages = QList<std::optional<double>>;
Q_DECLARE_METATYPE(Percentages)

class TestTextRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valueAfterMarker_data();
    void valueAfterMarker();
    void leadingNumber_data();
    void leadingNumber();
    void percentText_data();
    void percentText();
    void clockText_data();
    void clockText();
    void downloaderChunks_data();
    void downloaderChunks();
    void encoderChunks_data();
    void encoderChunks();
    void addressParts_data();
    void addressParts();
    void announcedLength_data();
    void announcedLength();
    void siteSettings_data();
    void siteSettings();
};

void TestTextRules::valueAfterMarker_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("value");
    const QString watch = QStringLiteral("watch?v=");
    QTest::newRow("id before more parameters")
        << "http://127.0.0.1/watch?v=abc123&feature=related" << watch << "abc123";
    QTest::newRow("id to the end") << "http://h/watch?v=abc123" << watch << "abc123";
    QTest::newRow("cut at =") << "watch?v=ab=cd&x" << watch << "ab";
    QTest::newRow("first occurrence") << "watch?v=one&watch?v=two" << watch << "one";
    QTest::newRow("other letter case") << "http://h/Watch?V=abc123" << watch << "";
    QTest::newRow("missing") << "http://h/v/abc123" << watch << "";
    QTest::newRow("marker ends the text") << "http://h/watch?v=" << watch << "";
    QTest::newRow("token") << "http://h/player?video_id=abc&t=Tk9_x-&fmt=flv"
                           << "&t="
                           << "Tk9_x-";
    QTest::newRow("empty token") << "http://h/player?video_id=abc&t=&fmt=flv"
                                 << "&t="
                                 << "";
    QTest::newRow("blanks kept") << "watch?v=a b -O /x" << watch << "a b -O /x";
}

void TestTextRules::valueAfterMarker() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(QString, value);
    QCOMPARE(ValueAfterMarker(text, marker), value);
}

void TestTextRules::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("blank 4 5") << " 45" << 45.0;
    QTest::newRow("point blank 9") << ". 9" << 0.9;
    QTest::newRow("100") << "100" << 100.0;
    QTest::newRow("blanks inside") << "1 0\t0\n" << 100.0;
    QTest::newRow("no digits") << "ab%" << 0.0;
    QTest::newRow("only a point") << " . " << 0.0;
    QTest::newRow("sign") << "-3.5x" << -3.5;
    QTest::newRow("second point stops") << "12.3415.6" << 12.3415;
    QTest::newRow("comma stops") << "25.40," << 25.4;
    QTest::newRow("colon stops") << "00:03:25.40" << 0.0;
    QTest::newRow("exponent E") << "2E3" << 2000.0;
    QTest::newRow("exponent D") << "2d2kB" << 200.0;
    QTest::newRow("letter without digits") << "7Ex" << 7.0;
    QTest::newRow("carriage return stops") << "4\r5" << 4.0;
}

void TestTextRules::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

void TestTextRules::percentText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("45") << 45.0 << "45";
    QTest::newRow("100") << 100.0 << "100";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("cut to four") << 5.853659 << "5.85";
    QTest::newRow("12.5") << 12.5 << "12.5";
    QTest::newRow("102 of 205") << 102.0 / 205 * 100 << "49.7";
    QTest::newRow("below one") << 0.4878 << "0.48";
}

void TestTextRules::percentText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(PercentText(value), text);
}

void TestTextRules::clockText_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "00:00:1";
    QTest::newRow("59") << 59 << "00:00:59";
    QTest::newRow("60") << 60 << "00:1:0";
    QTest::newRow("125") << 125 << "00:2:5";
    QTest::newRow("3599") << 3599 << "00:59:59";
    QTest::newRow("3600") << 3600 << "1:0:0";
    QTest::newRow("3661") << 3661 << "1:1:1";
    QTest::newRow("a day") << 90061 << "25:1:1";
}

void TestTextRules::clockText() {
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(ClockText(seconds), text);
}

void TestTextRules::downloaderChunks_data() {
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<bool>("retry");
    QTest::addColumn<Percentages>("values");
    QTest::newRow("dot line") << "  2350K .......... .......... 45%  12.1M 1s\n"
                              << false << Percentages{45.0};
    QTest::newRow("two lines") << "....  5% 1M\n.... 100% 2M\n" << false << Percentages{5.0, 100.0};
    QTest::newRow("percent too early") << "5% more" << false << Percentages{std::nullopt};
    QTest::newRow("percent at the third place") << "45%" << false << Percentages{std::nullopt};
    QTest::newRow("percent at the fourth place") << " 45%" << false << Percentages{45.0};
    QTest::newRow("retrying") << "Connection closed at byte 4096. Retrying.\n"
                              << true << Percentages{};
    QTest::newRow("capitals") << "RETRY" << true << Percentages{};
    QTest::newRow("split word") << "re-try" << false << Percentages{};
}

void TestTextRules::downloaderChunks() {
    QFETCH(QString, chunk);
    QFETCH(bool, retry);
    QFETCH(Percentages, values);
    QCOMPARE(ContainsRetry(chunk), retry);
    QCOMPARE(DownloadPercentages(chunk), values);
}

void TestTextRules::encoderChunks_data() {
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<int>("durationBefore");
    QTest::addColumn<int>("durationAfter");
    QTest::addColumn<bool>("timeFound");
    QTest::addColumn<int>("elapsed");
    QTest::newRow("duration") << "  Duration: 00:03:25.40, start: 0.000000, bitrate: 64 kb/s\n"
                              << 0 << 205 << false << 0;
    QTest::newRow("hours") << "Duration: 01:00:00.50, " << 0 << 3600 << false << 0;
    QTest::newRow("halves to even, up") << "Duration: 00:00:03.50, " << 0 << 4 << false << 0;
    QTest::newRow("progress") << "size=  100kB time=102.5 bitrate= 8kbits/s\r" << 205 << 205 << true
                              << 102;
    QTest::newRow("halves to even, elapsed up") << "time=103.5 " << 205 << 205 << true << 104;
    QTest::newRow("duration and progress in one chunk")
        << "Duration: 00:03:25.40, start: 0\nsize= 1kB time=0.52 bitrate=\r" << 0 << 205 << true
        << 0;
    QTest::newRow("two progress lines") << "time=12.3 b\rtime=15.6 b\r" << 205 << 205 << true << 12;
    QTest::newRow("duration known already")
        << "Duration: 00:01:00.00, " << 205 << 205 << false << 0;
    QTest::newRow("split duration with three fields")
        << "x\nDuration: 00:03:2" << 0 << 182 << false << 0;
    QTest::newRow("split duration with two fields") << "x\nDuration: 00:0" << 0 << 0 << false << 0;
    QTest::newRow("rest of a split duration") << "5.40, start: 0\n" << 0 << 0 << false << 0;
    QTest::newRow("no duration") << "Duration: N/A, bitrate" << 0 << 0 << false << 0;
    QTest::newRow("marker at the very end") << "frame=1 time=" << 205 << 205 << false << 0;
}

void TestTextRules::encoderChunks() {
    QFETCH(QString, chunk);
    QFETCH(int, durationBefore);
    QFETCH(int, durationAfter);
    QFETCH(bool, timeFound);
    QFETCH(int, elapsed);
    int duration = durationBefore;
    const EncoderReading reading = ReadEncoderChunk(chunk, duration);
    QCOMPARE(duration, durationAfter);
    QCOMPARE(reading.timeFound, timeFound);
    QCOMPARE(reading.elapsedSeconds, elapsed);
}

void TestTextRules::addressParts_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("plain id") << "Q2xV9dLm4bA"
                              << "Q2xV9dLm4bA";
    QTest::newRow("unreserved marks") << "a~b-c.d_e"
                                      << "a~b-c.d_e";
    QTest::newRow("blanks and options") << "x -O /tmp/evil"
                                        << "x%20-O%20%2Ftmp%2Fevil";
    QTest::newRow("quotes and shell marks") << "a\"b'c;d|e$(f)"
                                            << "a%22b%27c%3Bd%7Ce%24%28f%29";
    QTest::newRow("already encoded stays once") << "a%2Bb%20c"
                                                << "a%2Bb%20c";
    QTest::newRow("lone percent") << "50%off"
                                  << "50%25off";
    QTest::newRow("non-ASCII") << QStringLiteral("caf\u00e9") << "caf%C3%A9";
}

void TestTextRules::addressParts() {
    QFETCH(QString, raw);
    QFETCH(QString, encoded);
    QCOMPARE(EncodeAddressPart(raw), encoded);
}

void TestTextRules::announcedLength_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<qint64>("length");
    QTest::newRow("fresh") << "HTTP request sent, awaiting response... 200 OK\n"
                              "Length: 756216 (738K) [video/mp4]\n"
                           << qint64(756216);
    QTest::newRow("resumed: the first announcement is the whole file")
        << "Length: 756216 (738K) [video/mp4]\n... Retrying.\n"
           "Length: 756216 (738K), 726216 (709K) remaining [video/mp4]\n"
        << qint64(756216);
    QTest::newRow("unspecified") << "Length: unspecified [text/html]\n" << qint64(-1);
    QTest::newRow("only inside a line") << "xLength: 5\n" << qint64(-1);
}

void TestTextRules::announcedLength() {
    QFETCH(QString, output);
    QTEST(AnnouncedLength(output), "length");
}

void TestTextRules::siteSettings_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("siteRoot");
    QTest::addColumn<QString>("feedbackHost");
    QTest::addColumn<QStringList>("refused");
    const SiteSettings builtIn;
    QTest::newRow("all three") << QByteArray("SiteRoot=http://127.0.0.1:5000\n"
                                             "FeedbackHost=http://127.0.0.1:5001/\n"
                                             "MakerSite=http://127.0.0.1:5002\n")
                               << "http://127.0.0.1:5000"
                               << "http://127.0.0.1:5001" << QStringList{};
    QTest::newRow("CR LF, blanks, unknown keys")
        << QByteArray("# local\r\nOther=1\r\n SiteRoot = http://127.0.0.1:7 \r\n")
        << "http://127.0.0.1:7" << builtIn.FeedbackHost << QStringList{};
    QTest::newRow("empty value keeps the built-in one")
        << QByteArray("SiteRoot=\n") << builtIn.SiteRoot << builtIn.FeedbackHost << QStringList{};
    QTest::newRow("https with a path")
        << QByteArray("SiteRoot=HTTPS://videos.example.org:8443/app/\n")
        << "HTTPS://videos.example.org:8443/app" << builtIn.FeedbackHost << QStringList{};
    QTest::newRow("options after the address are refused")
        << QByteArray("SiteRoot=http://host/ -O /home/u/x\nFeedbackHost=http://127.0.0.1:9\n")
        << builtIn.SiteRoot << "http://127.0.0.1:9" << QStringList{"SiteRoot"};
    QTest::newRow("not http, no host, a query, a quote")
        << QByteArray("SiteRoot=file:///etc\nFeedbackHost=http://\nMakerSite=http://h/?a=1\n"
                      "SiteRoot=http://h\"x\n")
        << builtIn.SiteRoot << builtIn.FeedbackHost
        << QStringList{"SiteRoot", "FeedbackHost", "MakerSite"};
}

void TestTextRules::siteSettings() {
    QFETCH(QByteArray, content);
    QFETCH(QString, siteRoot);
    QFETCH(QString, feedbackHost);
    QTemporaryDir dir;
    QCOMPARE(ReadSiteSettings(SiteSettingsPath(dir.path())).SiteRoot, SiteSettings().SiteRoot);
    QFile file(SiteSettingsPath(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const SiteSettings settings = ReadSiteSettings(file.fileName());
    QCOMPARE(settings.SiteRoot, siteRoot);
    QCOMPARE(settings.FeedbackHost, feedbackHost);
    QTEST(settings.Refused, "refused");
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_TextRules.moc"
