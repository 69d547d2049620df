#include "CommandLineSplit.h"

#include <QSet>
#include <QTest>

class TestCommandLineSplit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitsProgramAndArguments_data();
    void splitsProgramAndArguments();
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

QObject* NewCommandLineSplitTest() {
    return new TestCommandLineSplit;
}

#include "tst_CommandLineSplit.moc"
