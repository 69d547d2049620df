// Address and path rules, temporary base names, default.ini and the save dialog's rules.

#include "AddressText.h"
#include "ConversionProfiles.h"
#include "DefaultIni.h"
#include "SaveDialog.h"
#include "TempBase.h"
#include "TestClasses.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class tst_TextAndFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void watchAddress_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("marker only") << "watch?v=" << false;
        QTest::newRow("ends after marker") << "http://h/watch?v=" << false;
        QTest::newRow("one character after") << "watch?v=x" << true;
        QTest::newRow("address") << "http://127.0.0.1:8080/watch?v=abc123&f=1" << true;
        QTest::newRow("capitals") << "http://h/WATCH?V=abc" << false;
        QTest::newRow("inside a sentence") << "look: http://h/watch?v=abc now" << true;
        QTest::newRow("control characters") << QString("\x01watch?v=\n\t") << true;
        QTest::newRow("second marker") << "watch?v=watch?v=" << true;
    }

    void watchAddress() {
        QFETCH(QString, text);
        QTEST(IsWatchAddress(text), "expected");
    }

    void fileNameAndFolder_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("full path") << "/home/u/Music/song.mp3"
                                   << "song.mp3"
                                   << "/home/u/Music/";
        QTest::newRow("no slash") << "song.mp3"
                                  << "song.mp3"
                                  << "";
        QTest::newRow("ends with slash") << "/home/u/"
                                         << ""
                                         << "/home/u/";
        QTest::newRow("root file") << "/x"
                                   << "x"
                                   << "/";
        QTest::newRow("blanks and letters") << "/home/u/My Müsik/a b.mp3"
                                            << "a b.mp3"
                                            << "/home/u/My Müsik/";
    }

    void fileNameAndFolder() {
        QFETCH(QString, path);
        QTEST(ExtractFileName(path), "fileName");
        QTEST(FolderOfPath(path), "folder");
    }

    void tempBase_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example")
            << QDateTime(QDate(2024, 12, 8), QTime(9, 5, 3)) << "/t/12_8_9_5_3";
        QTest::newRow("midnight") << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0)) << "/t/1_1_0_0_0";
        QTest::newRow("last second")
            << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59, 999)) << "/t/12_31_23_59_59";
    }

    void tempBase() {
        QFETCH(QDateTime, moment);
        QTEST(MakeTempBase("/t/", moment), "expected");
    }

    void tempBaseApartWithinOneSecond() {
        const QDateTime moment(QDate(2024, 12, 8), QTime(9, 5, 3));
        QSet<QString> taken;
        const auto isTaken = [&taken](const QString& base) {
            return taken.contains(base);
        };
        for (int task = 0; task < 4; ++task)
            taken.insert(MakeTempBase("/t/", moment, isTaken));
        QCOMPARE(taken, (QSet<QString>{"/t/12_8_9_5_3", "/t/12_8_9_5_3_2", "/t/12_8_9_5_3_3",
                                       "/t/12_8_9_5_3_4"}));
    }

    void defaultIniRoundTrip_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("plain") << "/home/u/Music/" << QByteArray("\"/home/u/Music/\"\r\n");
        QTest::newRow("empty") << "" << QByteArray("\"\"\r\n");
        QTest::newRow("comma and blanks")
            << "/home/u/a, b /" << QByteArray("\"/home/u/a, b /\"\r\n");
        QTest::newRow("quote doubled")
            << "/home/u/The \"Best\"/" << QByteArray("\"/home/u/The \"\"Best\"\"/\"\r\n");
        QTest::newRow("non-ASCII")
            << "/home/u/Müsik/" << QString("\"/home/u/Müsik/\"\r\n").toUtf8();
        QTest::newRow("line break in a name")
            << "/home/u/a\nb/" << QByteArray("\"/home/u/a\nb/\"\r\n");
    }

    void defaultIniRoundTrip() {
        QFETCH(QString, folder);
        QFETCH(QByteArray, record);
        QTemporaryDir configDir;
        WriteDefaultFolder(configDir.path(), folder);
        QFile file(configDir.filePath("default.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), record);
        QCOMPARE(ReadDefaultFolder(configDir.path()), folder);
    }

    void defaultIniReading_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("folder");
        QTest::newRow("unquoted up to the comma") << QByteArray("/a/b/,x\r\n") << "/a/b/";
        QTest::newRow("unquoted trimmed") << QByteArray("  /a/b/  \r\nnext") << "/a/b/";
        QTest::newRow("quoted, first line only")
            << QByteArray("\"/a/\",\"/b/\"\r\n\"/c/\"") << "/a/";
        QTest::newRow("blank before the quote") << QByteArray(" \"/a b/\"\r\n") << "/a b/";
        QTest::newRow("unterminated quote") << QByteArray("\"/a/b/") << "/a/b/";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("LF only") << QByteArray("/a/\n") << "/a/";
    }

    void defaultIniReading() {
        QFETCH(QByteArray, content);
        QTEST(DefaultIniFolder(content), "folder");
    }

    void defaultIniMissingOrUnwritable() {
        QTemporaryDir configDir;
        QCOMPARE(ReadDefaultFolder(configDir.path()), QString());
        // A configuration folder not made yet is made by the first write.
        const QString fresh = configDir.filePath("config/vidlark");
        WriteDefaultFolder(fresh, "/x/");
        QCOMPARE(ReadDefaultFolder(fresh), "/x/");
        // One that cannot be made, with a plain file in its way, takes nothing.
        QFile blocker(configDir.filePath("plain-file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString unmakeable = blocker.fileName() + "/vidlark";
        WriteDefaultFolder(unmakeable, "/x/");
        QCOMPARE(ReadDefaultFolder(unmakeable), QString());
    }

    void saveDialogStartFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "{app}/";
        QTest::newRow("blanks") << "   "
                                << "{app}/";
        QTest::newRow("with slash") << "{music}/"
                                    << "{music}/";
        QTest::newRow("without slash") << "{music}"
                                       << "{music}/";
        QTest::newRow("empty folder") << "{music}/empty"
                                      << "{music}/empty/";
        QTest::newRow("gone") << "{music}/gone/"
                              << "{app}/";
        QTest::newRow("a file") << "{music}/song.mp3"
                                << "{app}/";
    }

    void saveDialogStartFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const QString app = root.filePath("My App");
        const QString music = root.filePath("Müsik \"x\"");
        QVERIFY(QDir().mkpath(app) && QDir().mkpath(music + "/empty"));
        QFile song(music + "/song.mp3");
        QVERIFY(song.open(QIODevice::WriteOnly));
        const auto fill = [&](QString text) {
            return text.replace("{app}", app).replace("{music}", music);
        };
        QCOMPARE(SaveDialogStartFolder(fill(folder), app), fill(expected));
    }

    void installedCopyStartsAtHome() {
        QTemporaryDir prefix;
        const QString app = prefix.filePath("lib/vidlark");
        QVERIFY(QDir().mkpath(app) && QDir().mkpath(prefix.filePath("bin")));
        QFile program(app + "/vidlark");
        QVERIFY(program.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link("../lib/vidlark/vidlark", prefix.filePath("bin/vidlark")));
        QCOMPARE(SaveDialogStartFolder("", app), QDir::homePath() + "/");
        QCOMPARE(SaveDialogStartFolder("/nonexistent/x", app), QDir::homePath() + "/");
    }

    // The real dialog, answered without waiting: it opens where the rules say, offers the
    // profile's filter, never asks about overwriting, and completes a bare name.
    void showSaveDialog_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare name") << "song" << true << "{music}/song.mp3";
        QTest::newRow("existing file") << "old.mp3" << true << "{music}/old.mp3";
        QTest::newRow("cancel") << "song" << false << "";
    }

    void showSaveDialog() {
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const QString music = root.filePath("Müsik x");
        QVERIFY(QDir().mkpath(music));
        QFile old(music + "/old.mp3");
        QVERIFY(old.open(QIODevice::WriteOnly));
        QWidget owner;
        QStringList results;
        ShowSaveDialog(&owner, {"Save As", music, "MP3 file(*.MP3)|*.mp3"}, root.path(),
                       [&results](const QString& path) { results << path; });

        auto* dialog = owner.findChild<QFileDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), "Save As");
        QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(music).absolutePath());
        QCOMPARE(dialog->nameFilters(), QStringList{"MP3 file(*.MP3) (*.mp3)"});
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->selectFile(typed);
        QDialog* asDialog = dialog; // accept() is public there
        accept ? asDialog->accept() : asDialog->reject();
        QCOMPARE(results, QStringList{QString(expected).replace("{music}", music)});
    }

    // What the user reads in the dialog's file-type box: every profile's pattern once, and the
    // files of that type listed while others are not.
    void saveDialogShowsThePatternOnce_data() {
        QTest::addColumn<int>("profile");
        for (int profile = 0; profile < ProfileCount; ++profile)
            QTest::newRow(qPrintable(ProfileItemText(profile))) << profile;
    }

    void saveDialogShowsThePatternOnce() {
        QFETCH(int, profile);
        const QString filter = ProfileSaveFilter(profile);
        const QString pattern = filter.section(u'|', 1, 1);
        QTemporaryDir root;
        const QString wanted = "clip" + pattern.mid(1);
        for (const QString& name : {wanted, QStringLiteral("notes.txt")}) {
            QFile file(root.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QWidget owner;
        ShowSaveDialog(&owner, {"Save As", root.path(), filter}, root.path(), {});
        auto* dialog = owner.findChild<QFileDialog*>();
        QVERIFY(dialog);
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types);
        QCOMPARE(types->count(), 1);
        const QString shown = types->itemText(0);
        QCOMPARE(shown.count(pattern, Qt::CaseInsensitive), 1);
        QCOMPARE(shown, filter.section(u'|', 0, 0));

        auto* files = dialog->findChild<QListView*>("listView");
        QVERIFY(files);
        const auto listed = [files] {
            QStringList names;
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                names << files->model()->index(row, 0, files->rootIndex()).data().toString();
            return names;
        };
        QTRY_COMPARE(listed(), QStringList{wanted});
        dialog->reject();
    }

    void saveDialogNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one pair") << "FLV file(*.FLV)|*.flv"
                                  << QStringList{"FLV file(*.FLV) (*.flv)"};
        QTest::newRow("two pairs")
            << "MP3 file(*.MP3)|*.mp3|All|*" << QStringList{"MP3 file(*.MP3) (*.mp3)", "All (*)"};
        QTest::newRow("no pattern") << "lonely" << QStringList{};
    }

    void saveDialogNameFilters() {
        QFETCH(QString, filter);
        QTEST(SaveDialogNameFilters(filter), "expected");
    }

    void addMissingExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("added") << "/m/song"
                               << "*.mp3"
                               << "/m/song.mp3";
        QTest::newRow("other extension") << "/m/song.txt"
                                         << "*.mp3"
                                         << "/m/song.txt.mp3";
        QTest::newRow("present") << "/m/song.mp3"
                                 << "*.mp3"
                                 << "/m/song.mp3";
        QTest::newRow("present in capitals") << "/m/song.MP3"
                                             << "*.mp3"
                                             << "/m/song.MP3";
        QTest::newRow("folder named like it") << "/m.mp3/song"
                                              << "*.mp3"
                                              << "/m.mp3/song.mp3";
        QTest::newRow("any file") << "/m/song"
                                  << "*"
                                  << "/m/song";
        QTest::newRow("no pattern") << "/m/song"
                                    << ""
                                    << "/m/song";
    }

    void addMissingExtension() {
        QFETCH(QString, path);
        QFETCH(QString, pattern);
        QTEST(AddMissingExtension(path, pattern), "expected");
    }
};

CREATION_TEST(tst_TextAndFiles)
#include "tst_TextAndFiles.moc"
