#include "CommandLineSplit.h"

#include <QSet>
#include <QTest>

class TestCommandLineSplit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitsProgramAndArguments_data();
    void splitsProgramAndArguments();
    void quotedValuesComeBackUnchanged_data();
    void quotedValuesComeBackUnchanged();
};

void TestCommandLineSplit::splitsProgramAndArguments_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    const QStringList tools = {"/opt/my tools/data/wg", "/opt/my tools/data/coder", "/opt/my",
                               "/usr/bin/wg"};
    QTest::newRow("plain path") << "/usr/bin/wg -c -O /tmp/a.flv http://h/x?a=1&t=2" << tools
                                << "/usr/bin/wg"
                                << QStringList{"-c", "-O", "/tmp/a.flv", "http://h/x?a=1&t=2"};
    QTest::newRow("blanks in the program path, longest file wins")
        << "/opt/my tools/data/wg -c -O /tmp/b.flv" << tools << "/opt/my tools/data/wg"
        << QStringList{"-c", "-O", "/tmp/b.flv"};
    QTest::newRow("quotes group an argument and go")
        << R"(/opt/my tools/data/coder -i "/tmp/in put.flv" -y "" x)" << tools
        << "/opt/my tools/data/coder" << QStringList{"-i", "/tmp/in put.flv", "-y", "", "x"};
    QTest::newRow("runs of blanks separate once")
        << "  /usr/bin/wg   a    b  " << tools << "/usr/bin/wg" << QStringList{"a", "b"};
    QTest::newRow("quoted program")
        << R"("/opt/my tools/data/wg" -c)" << tools << "/opt/my tools/data/wg" << QStringList{"-c"};
    QTest::newRow("no file: first word is the program")
        << "/missing/tool --flag value" << tools << "/missing/tool"
        << QStringList{"--flag", "value"};
    QTest::newRow("program alone") << "/usr/bin/wg" << tools << "/usr/bin/wg" << QStringList{};
    QTest::newRow("empty") << "" << tools << "" << QStringList{};
}

void TestCommandLineSplit::splitsProgramAndArguments() {
    QFETCH(QString, line);
    QFETCH(QStringList, files);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    const QSet<QString> existing(files.cbegin(), files.cend());
    const SplitCommand split =
        SplitCommandLine(line, [&](const QString& path) { return existing.contains(path); });
    QCOMPARE(split.program, program);
    QCOMPARE(split.arguments, arguments);
}

void TestCommandLineSplit::quotedValuesComeBackUnchanged_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "/tmp/a.flv";
    QTest::newRow("blank") << "/home/Ann Lee/.cache/vidlark/tmpDownload/1_2.flv";
    QTest::newRow("options after a blank") << "http://host/ -O /home/u/x";
    QTest::newRow("quotes") << R"(say "hi")";
    QTest::newRow("backslashes, before a quote and at the end") << R"(a\b\"c\)";
    QTest::newRow("lone quote") << R"(")";
    QTest::newRow("other letters and a run of blanks") << "Über  größe 動画";
    QTest::newRow("leading dash") << "-t";
    QTest::newRow("empty") << "";
}

// A value written with QuoteArgument, between others and in the program's place, is split
// back into exactly itself.
void TestCommandLineSplit::quotedValuesComeBackUnchanged() {
    QFETCH(QString, value);
    const QString line = "/usr/bin/wg -O " + QuoteArgument(value) + " " + QuoteArgument(value);
    const SplitCommand split =
        SplitCommandLine(line, [](const QString& path) { return path == "/usr/bin/wg"; });
    QCOMPARE(split.program, "/usr/bin/wg");
    QCOMPARE(split.arguments, (QStringList{"-O", value, value}));

    const SplitCommand asProgram = SplitCommandLine(QuoteArgument("/opt/" + value + "/wg") + " -c",
                                                    [](const QString&) { return false; });
    QCOMPARE(asProgram.program, "/opt/" + value + "/wg");
    QCOMPARE(asProgram.arguments, QStringList{"-c"});
}

QObject* NewCommandLineSplitTest() {
    return new TestCommandLineSplit;
}

#include "tst_CommandLineSplit.moc"
