// The add-task dialog driven as a user drives it: address check, the checks of Download, the
// queued task, the save dialog through its seam, and the host that keeps one dialog.

#include "AddressBox.h"
#include "AddTaskDialogHost.h"
#include "CommandLineSplit.h"
#include "DefaultIni.h"
#include "DensityShots.h"
#include "frmAdd.h"
#include "isButton.h"
#include "ScriptedPrompter.h"
#include "TaskList.h"
#include "TestClasses.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kWatch = QStringLiteral("http://127.0.0.1:8080/watch?v=abc123");
const QDateTime kMoment(QDate(2024, 12, 8), QTime(9, 5, 3));

// Everything a dialog talks to, recorded.
struct Fixture {
    QTemporaryDir appDir;
    QTemporaryDir configDir;
    QTemporaryDir tempRoot;
    TaskList tasks;
    ScriptedPrompter prompter;
    QStringList clipboardTaken; // what each close asked to empty the clipboard of
    QList<SaveDialogRequest> saveRequests;
    QStringList saveAnswers; // taken one per save dialog; "" is a cancel

    QString TempDir() const { return tempRoot.path() + u'/'; }

    AddTaskContext Context() {
        AddTaskContext context;
        context.tasks = &tasks;
        context.appDir = appDir.path();
        context.configDir = configDir.path();
        context.tempDir = TempDir();
        context.prompter = &prompter;
        context.emptyClipboard = [this](const QString& taken) {
            clipboardTaken << taken;
        };
        context.saveDialog = [this](QWidget*, const SaveDialogRequest& request,
                                    SaveDialogDone done) {
            saveRequests.append(request);
            done(saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst());
        };
        context.clock = [] {
            return kMoment;
        };
        return context;
    }

    QStringList Messages() const {
        QStringList texts;
        for (const ScriptedPrompter::Shown& box : prompter.shown) {
            if (box.title != "Please" || box.icon != Prompter::Icon::Exclamation || box.question)
                texts << "unexpected box: " + box.title;
            texts << box.text;
        }
        return texts;
    }

    QByteArray DefaultIni() const {
        QFile file(configDir.filePath("default.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

template <typename T> T* Child(QWidget* dialog, const char* name) {
    T* child = dialog->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QStringList ParamTexts(QWidget* dialog) {
    QStringList texts;
    for (const char* name : {"cmbAB", "cmbVBR", "cmbSize", "cmbFPS", "cmbAR", "cmbAC"})
        texts << Child<QComboBox>(dialog, name)->currentText();
    return texts;
}

QString EnabledParams(QWidget* dialog) {
    QStringList names;
    for (const char* name : {"cmbAB", "cmbVBR", "cmbSize", "cmbFPS", "cmbAR", "cmbAC"})
        if (Child<QComboBox>(dialog, name)->isEnabled())
            names << QString::fromLatin1(name).mid(3);
    return names.join(u',');
}

void Press(QWidget* dialog, const char* button) {
    QTest::mouseClick(Child<isButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class tst_frmAdd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freshDialog() {
        Fixture f;
        frmAdd dialog(f.Context());
        QCOMPARE(dialog.windowTitle(), "Add New Download");
        QCOMPARE(dialog.size(), QSize(470, 370));
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        QVERIFY(!dialog.mask().contains(QPoint(469, 369)));
        QVERIFY(dialog.mask().contains(QPoint(235, 185)));
        QVERIFY(dialog.mask().contains(QPoint(0, 185)));

        QCOMPARE(Child<QComboBox>(&dialog, "cmbConvert")->currentText(), "None(*.flv)");
        QCOMPARE(Child<QComboBox>(&dialog, "cmbConvert")->count(), 7);
        QCOMPARE(ParamTexts(&dialog),
                 (QStringList{"32", "40", "128x96", "14.985", "48000", "Stereo"}));
        QCOMPARE(EnabledParams(&dialog), "");
        QCOMPARE(Child<QLabel>(&dialog, "lblUrl")->text(), "Copy and Paste video URL here");
        QCOMPARE(Child<isButton>(&dialog, "cmdStart")->Caption(), "       Download");
        QCOMPARE(Child<isButton>(&dialog, "cmdBack")->Caption(), "       Back");
        QCOMPARE(Child<isButton>(&dialog, "cmdBrowse")->Caption(), "Browse...");
        QCOMPARE(Child<isButton>(&dialog, "cmdStart")->Style(), 5);
        QVERIFY(Child<QLineEdit>(&dialog, "txtSave")->text().isEmpty());
    }

    // On a denser screen the face's title and the corner image hold detail the 1x face blown
    // up lacks, and every button's frame is one device pixel, unbroken, at any ratio.
    void crispAtAnyRatio_data() { RatioRows({2.0, 1.5, 1.25}); }

    void crispAtAnyRatio() {
        QFETCH(qreal, ratio);
        Fixture f;
        frmAdd dialog(f.Context());
        const QImage dense = RenderedAt(dialog, ratio);
        const QImage blownUp = BlownUp(RenderedAt(dialog, 1.0), dense.size());
        QVERIFY(HoldsMoreDetail(dense, blownUp, QRect(42, 10, 130, 16), ratio)); // title
        QVERIFY(HoldsMoreDetail(dense, blownUp, QRect(440, 8, 20, 20), ratio));  // Back
        for (const char* name : {"cmdStart", "cmdBack", "cmdBrowse"}) {
            const QRect place = Child<isButton>(&dialog, name)->geometry();
            QVERIFY2(TopEdgeIsOneDevicePixel(dense, place, ratio, 0xFF003C74), name);
            QVERIFY(ratio != 2.0 || !TopEdgeIsOneDevicePixel(blownUp, place, ratio, 0xFF003C74));
        }
    }

    void addressCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("available");
        QTest::newRow("watch address") << kWatch << true;
        QTest::newRow("ends after the marker") << "http://h/watch?v=" << false;
        QTest::newRow("capitals") << "http://h/WATCH?V=abc" << false;
        QTest::newRow("cleared") << "" << false;
        QTest::newRow("sentence") << "see " + kWatch << true;
        QTest::newRow("control characters") << QString("\x01\x02watch?v=\x7f\n") << true;
        QTest::newRow("1 MB") << "http://h/watch?v=" + QString(1 << 20, u'x') << true;
        QTest::newRow("1 MB without marker") << QString(1 << 20, u'\x1b') << false;
    }

    void addressCheck() {
        QFETCH(QString, text);
        QFETCH(bool, available);
        Fixture f;
        frmAdd dialog(f.Context());
        auto* txtURL = Child<AddressBox>(&dialog, "txtURL");
        auto* lblUrl = Child<QLabel>(&dialog, "lblUrl");
        txtURL->setText("x"); // the check runs on every change, so start from another text
        dialog.SetAddress(text);

        QCOMPARE(txtURL->Address(), text);
        QCOMPARE(lblUrl->text(), available ? "URL is available" : "URL is not available");
        const QColor colour = available ? QColor(0, 0, 0) : QColor(255, 0, 0);
        QCOMPARE(lblUrl->palette().color(QPalette::WindowText), colour);
        QCOMPARE(txtURL->palette().color(QPalette::Text), colour);
    }

    void downloadChecks_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("clearedCombo");
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("saveDialogs");
        QTest::addColumn<int>("queued");

        const QString song = "/home/u/Music/song.flv";
        QTest::newRow("empty address")
            << ""
            << "" << song << QStringList{"Please enter the URL of youtube video"} << 0 << 0;
        QTest::newRow("leading blank") << " " + kWatch << "" << song
                                       << QStringList{"URL must be based on HTTP Socket"} << 0 << 0;
        QTest::newRow("sentence") << "see " + kWatch << "" << song
                                  << QStringList{"URL must be based on HTTP Socket"} << 0 << 0;
        QTest::newRow("not available")
            << "http://h/watch?v="
            << "" << song << QStringList{"URL is not available"} << 0 << 0;
        QTest::newRow("disabled combo emptied")
            << kWatch << "cmbAR" << song
            << QStringList{"Please completely select convert parameters"} << 0 << 0;
        QTest::newRow("no path opens the save dialog") << kWatch << ""
                                                       << "" << QStringList{} << 1 << 0;
        QTest::newRow("upper-case HTTP") << "HTTP://H/watch?v=A"
                                         << "" << song << QStringList{} << 0 << 1;
        QTest::newRow("1 MB address") << "http://h/watch?v=" + QString(1 << 20, u'y') << "" << song
                                      << QStringList{} << 0 << 1;
        QTest::newRow("control characters")
            << QString("http\x01watch?v=\x02") << "" << song << QStringList{} << 0 << 1;
    }

    void downloadChecks() {
        QFETCH(QString, url);
        QFETCH(QString, clearedCombo);
        QFETCH(QString, savePath);
        Fixture f;
        f.saveAnswers << "/home/u/chosen.flv";
        auto* dialog = new frmAdd(f.Context());
        QPointer<frmAdd> alive(dialog);
        dialog->SetAddress(url);
        if (!clearedCombo.isEmpty())
            Child<QComboBox>(dialog, qPrintable(clearedCombo))->setEditText("");
        Child<QLineEdit>(dialog, "txtSave")->setText(savePath);

        Press(dialog, "cmdStart");

        QTEST(f.Messages(), "messages");
        QTEST(int(f.saveRequests.size()), "saveDialogs");
        QTEST(f.tasks.Count(), "queued");
        QFETCH(int, queued);
        if (queued)
            QTRY_VERIFY(!alive);
        if (alive) {
            if (f.prompter.shown.value(0).text == "URL is not available")
                QCOMPARE(dialog->focusWidget(), Child<QLineEdit>(dialog, "txtURL"));
            delete dialog;
        }
    }

    void queuedTask_data() {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QByteArray>("defaultIni");

        QTest::newRow("no conversion") << 0 << "/home/u/Music/song.flv"
                                       << "flv"
                                       << "None" << QByteArray("\"/home/u/Music/\"\r\n");
        QTest::newRow("MP3 into an odd folder")
            << 1 << "/home/u/My \"Müsik\"/a b.mp3"
            << "mp3"
            << "{P}/data/coder -i {T}.flv -ar 48000 -y -ab 96k -ac 2 {T}.mp3"
            << QString("\"/home/u/My \"\"Müsik\"\"/\"\r\n").toUtf8();
        QTest::newRow("AVI") << 6 << "/v/clip.avi"
                             << "avi"
                             << "{P}/data/coder -i {T}.flv -r 25.0 -y -s 320x240 {T}.mpg"
                             << QByteArray("\"/v/\"\r\n");
        QTest::newRow("no folder") << 0 << "song.aac"
                                   << "aac"
                                   << "None" << QByteArray("\"\"\r\n");
        QTest::newRow("short extension") << 0 << "/m/song.mp"
                                         << ".mp"
                                         << "None" << QByteArray("\"/m/\"\r\n");
        QTest::newRow("long path, missing folder")
            << 0 << "/no/such/" + QString(260, u'ä') + " x.flv"
            << "flv"
            << "None" << QByteArray("\"/no/such/\"\r\n");
    }

    void queuedTask() {
        QFETCH(int, profile);
        QFETCH(QString, savePath);
        QFETCH(QString, type);
        QFETCH(QString, shell);
        Fixture f;
        auto* dialog = new frmAdd(f.Context());
        QSignalSpy closed(dialog, &frmAdd::Closed);
        // Everything is in place by the time the address is handed on.
        int rowsWhenQueued = -1;
        QByteArray iniWhenQueued;
        QString queuedUrl;
        connect(dialog, &frmAdd::TaskQueued, this, [&](const QString& url) {
            rowsWhenQueued = f.tasks.Count();
            iniWhenQueued = f.DefaultIni();
            queuedUrl = url;
        });
        const QString url = kWatch + "  ";
        dialog->SetAddress(url);
        Child<QComboBox>(dialog, "cmbConvert")->setCurrentIndex(profile);
        Child<QLineEdit>(dialog, "txtSave")->setText(savePath);
        Press(dialog, "cmdStart");

        QCOMPARE(f.Messages(), QStringList{});
        QCOMPARE(rowsWhenQueued, 1);
        QCOMPARE(queuedUrl, url);
        QTEST(iniWhenQueued, "defaultIni");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(f.clipboardTaken, QStringList{url});

        const QString tempBase = f.TempDir() + "12_8_9_5_3";
        const QStringList row = {
            f.tasks.Text(0, TaskList::FilePath), f.tasks.Text(0, TaskList::Status),
            f.tasks.Text(0, TaskList::Progress), f.tasks.Text(0, TaskList::TimeUsed),
            f.tasks.Text(0, TaskList::Type),     f.tasks.Text(0, TaskList::URL)};
        QCOMPARE(row, (QStringList{savePath, "Awaiting...", "0%", "00:00:00", type, url}));
        QCOMPARE(f.tasks.TempName(0), tempBase + ".flv");
        shell.replace("{P}", f.appDir.path()).replace("{T}", tempBase);
        QCOMPARE(f.tasks.Shell(0), shell);
    }

    void tasksOfOneSecondKeepApart() {
        Fixture f;
        QFile leftover(f.TempDir() + "12_8_9_5_3_2.flv"); // from a run that never cleaned up
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        for (int task = 0; task < 3; ++task) {
            auto* dialog = new frmAdd(f.Context());
            dialog->SetAddress(kWatch);
            Child<QLineEdit>(dialog, "txtSave")->setText("/m/a.flv");
            Press(dialog, "cmdStart");
        }
        QCOMPARE(f.tasks.Count(), 3);
        const QString base = f.TempDir() + "12_8_9_5_3";
        QCOMPARE((QStringList{f.tasks.TempName(0), f.tasks.TempName(1), f.tasks.TempName(2)}),
                 (QStringList{base + ".flv", base + "_3.flv", base + "_4.flv"}));
    }

    void browse() {
        Fixture f;
        WriteDefaultFolder(f.configDir.path(), "/home/u/Music/");
        frmAdd dialog(f.Context());
        auto* txtSave = Child<QLineEdit>(&dialog, "txtSave");
        Child<QComboBox>(&dialog, "cmbConvert")->setCurrentIndex(1);

        f.saveAnswers << "/home/u/Music/new.mp3";
        Press(&dialog, "cmdBrowse");
        QCOMPARE(f.saveRequests.size(), 1);
        QCOMPARE(f.saveRequests[0].title, "Save As");
        QCOMPARE(f.saveRequests[0].initialFolder, "/home/u/Music/");
        QCOMPARE(f.saveRequests[0].filter, "MP3 file(*.MP3)|*.mp3");
        QCOMPARE(txtSave->text(), "/home/u/Music/new.mp3");

        Press(&dialog, "cmdBrowse"); // cancelled
        QCOMPARE(txtSave->text(), "");
    }

    void emptyPathThenSecondPress() {
        Fixture f;
        f.saveAnswers << "/home/u/first.flv";
        auto* dialog = new frmAdd(f.Context());
        dialog->SetAddress(kWatch);
        Press(dialog, "cmdStart");
        QCOMPARE(f.tasks.Count(), 0);
        QCOMPARE(Child<QLineEdit>(dialog, "txtSave")->text(), "/home/u/first.flv");
        Press(dialog, "cmdStart");
        QCOMPARE(f.tasks.Count(), 1);
        QCOMPARE(f.tasks.Text(0, TaskList::FilePath), "/home/u/first.flv");
    }

    void profileSwitchInTheDialog() {
        Fixture f;
        auto* dialog = new frmAdd(f.Context());
        auto* cmbConvert = Child<QComboBox>(dialog, "cmbConvert");
        cmbConvert->setCurrentIndex(1);
        QCOMPARE(EnabledParams(dialog), "AB,AR,AC");
        QCOMPARE(ParamTexts(dialog),
                 (QStringList{"96", "40", "128x96", "14.985", "48000", "Stereo"}));

        Child<QComboBox>(dialog, "cmbAB")->setEditText("1");
        Child<QComboBox>(dialog, "cmbAC")->setEditText("both");
        cmbConvert->setCurrentIndex(3);
        QCOMPARE(EnabledParams(dialog), "Size");
        QCOMPARE(ParamTexts(dialog),
                 (QStringList{"1", "40", "480x480", "14.985", "48000", "both"}));
        cmbConvert->setCurrentIndex(1);
        QCOMPARE(ParamTexts(dialog),
                 (QStringList{"96", "40", "480x480", "14.985", "48000", "Stereo"}));

        // A channel picked from the list counts; one typed by hand counts as 0.
        Child<QComboBox>(dialog, "cmbAC")->setCurrentIndex(1);
        dialog->SetAddress(kWatch);
        Child<QLineEdit>(dialog, "txtSave")->setText("/m/a.mp3");
        Press(dialog, "cmdStart");
        QVERIFY(f.tasks.Shell(0).contains(" -ac 1 "));
    }

    // The real clipboard: a close empties it only while it still holds what a source gave the
    // dialog. Whatever the user copied since, or had there when the dialog opened empty, stays.
    void closingLeavesOtherClipboardTextsAlone_data() {
        QTest::addColumn<bool>("fromSource");
        QTest::addColumn<QString>("copiedMeanwhile");
        QTest::addColumn<QByteArray>("closedBy");
        QTest::addColumn<QString>("left");
        QTest::newRow("back, address still there") << true << "" << QByteArray("cmdBack") << "";
        QTest::newRow("queued, address still there") << true << "" << QByteArray("cmdStart") << "";
        QTest::newRow("back, a folder copied since")
            << true << "/home/u/Music/" << QByteArray("cmdBack") << "/home/u/Music/";
        QTest::newRow("queued, a name copied since")
            << true << "Evening Rain" << QByteArray("cmdStart") << "Evening Rain";
        QTest::newRow("opened empty by Add") << false << "" << QByteArray("cmdBack") << kWatch;
    }

    void closingLeavesOtherClipboardTextsAlone() {
        QFETCH(bool, fromSource);
        QFETCH(QString, copiedMeanwhile);
        QFETCH(QByteArray, closedBy);
        QFETCH(QString, left);
        Fixture f;
        AddTaskContext context = f.Context();
        context.emptyClipboard = {}; // the desktop's own
        AddTaskDialogHost host(context);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(kWatch);
        fromSource ? host.ShowDialog(kWatch) : host.ShowDialog();
        QPointer<frmAdd> dialog = host.Dialog();
        Child<QLineEdit>(dialog, "txtURL")->setText(kWatch);
        Child<QLineEdit>(dialog, "txtSave")->setText("/m/a.flv");
        if (!copiedMeanwhile.isEmpty())
            clipboard->setText(copiedMeanwhile);

        Press(dialog, closedBy.constData());
        QTRY_VERIFY(!dialog);
        QCOMPARE(clipboard->text(), left);
    }

    // Each profile chosen in the real format list: which parameter combos it opens, what they
    // then show, and the encoder call the queued task keeps, compared argument by argument.
    void everyProfileInTheRealCombos_data() {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("arguments"); // {T} is the task's temporary base

        const QString in = "{T}.flv";
        QTest::newRow("None") << 0 << ""
                              << QStringList{"32", "40", "128x96", "14.985", "48000", "Stereo"}
                              << QStringList{};
        QTest::newRow("MP3") << 1 << "AB,AR,AC"
                             << QStringList{"96", "40", "128x96", "14.985", "48000", "Stereo"}
                             << QStringList{"-i",  in,    "-ar", "48000", "-y",
                                            "-ab", "96k", "-ac", "2",     "{T}.mp3"};
        QTest::newRow("WMV") << 2 << "AB,Size,FPS"
                             << QStringList{"80", "40", "320x240", "25.0", "48000", "Stereo"}
                             << QStringList{"-i", in,     "-vcodec", "wmv2", "-acodec", "wmav2",
                                            "-r", "25.0", "-y",      "-s",   "320x240", "{T}.wmv"};
        QTest::newRow("MOV") << 3 << "Size"
                             << QStringList{"32", "40", "480x480", "14.985", "48000", "Stereo"}
                             << QStringList{"-i", in, "-y", "-s", "480x480", "{T}.mov"};
        QTest::newRow("MP4") << 4 << "AB,VBR,Size,FPS"
                             << QStringList{"80", "512", "320x240", "25.0", "48000", "Stereo"}
                             << QStringList{"-i", in,     "-b", "512",     "-y",
                                            "-r", "25.0", "-s", "320x240", "{T}.mp4"};
        QTest::newRow("3GP") << 5 << "AB,VBR,Size,FPS"
                             << QStringList{"4.75k", "120", "176x144", "14.985", "48000", "Stereo"}
                             << QStringList{"-i",      in,        "-b",        "120",
                                            "-y",      "-r",      "14.985",    "-s",
                                            "176x144", "-acodec", "libamr_nb", "-ar",
                                            "8000",    "-ab",     "4.75k",     "{T}.3gp"};
        QTest::newRow("AVI") << 6 << "Size,FPS"
                             << QStringList{"32", "40", "320x240", "25.0", "48000", "Stereo"}
                             << QStringList{"-i", in,   "-r",      "25.0",
                                            "-y", "-s", "320x240", "{T}.mpg"};
    }

    void everyProfileInTheRealCombos() {
        QFETCH(int, profile);
        QFETCH(QStringList, arguments);
        Fixture f;
        auto* dialog = new frmAdd(f.Context());
        // Picked from the list of a fresh dialog.
        Child<QComboBox>(dialog, "cmbConvert")->setCurrentIndex(profile);
        QTEST(EnabledParams(dialog), "enabled");
        QTEST(ParamTexts(dialog), "texts");

        dialog->SetAddress(kWatch);
        Child<QLineEdit>(dialog, "txtSave")->setText("/m/clip" + ProfileOutputExtension(profile));
        Press(dialog, "cmdStart");
        QCOMPARE(f.Messages(), QStringList{});
        QCOMPARE(f.tasks.Count(), 1);
        const QString shell = f.tasks.Shell(0);
        if (arguments.isEmpty()) {
            QCOMPARE(shell, "None");
            return;
        }
        const QString coder = f.appDir.path() + "/data/coder";
        const SplitCommand split =
            SplitCommandLine(shell, [&coder](const QString& path) { return path == coder; });
        const QString tempBase = f.TempDir() + "12_8_9_5_3";
        QCOMPARE(split.program, coder);
        QCOMPARE(split.arguments, arguments.replaceInStrings("{T}", tempBase));
    }

    void hostKeepsOneDialog() {
        Fixture f;
        AddTaskDialogHost host(f.Context());
        QSignalSpy opened(&host, &AddTaskDialogHost::Opened);
        QSignalSpy closed(&host, &AddTaskDialogHost::Closed);
        QSignalSpy queued(&host, &AddTaskDialogHost::TaskQueued);

        host.ShowDialog();
        frmAdd* first = host.Dialog();
        QVERIFY(first && first->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), Child<QLineEdit>(first, "txtURL"));
        Child<QLineEdit>(first, "txtURL")->setText("typed by hand");

        host.ShowDialog(kWatch); // a source replaces what was typed
        QCOMPARE(host.Dialog(), first);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(Child<QLineEdit>(first, "txtURL")->text(), kWatch);
        QCOMPARE(first->State(), frmAdd::AddressState::Available);

        host.ShowDialog(); // the Add command leaves the address alone
        QCOMPARE(Child<QLineEdit>(first, "txtURL")->text(), kWatch);

        Press(first, "cmdBack");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(f.clipboardTaken, QStringList{kWatch});
        QCOMPARE(queued.count(), 0);
        QCOMPARE(host.Dialog(), nullptr);

        host.ShowDialog(); // afresh
        QCOMPARE(opened.count(), 2);
        QVERIFY(Child<QLineEdit>(host.Dialog(), "txtURL")->text().isEmpty());
        QTest::mouseClick(host.Dialog()->findChild<QAbstractButton*>("ImgExit"), Qt::LeftButton);
        QCOMPARE(closed.count(), 2);
        QCOMPARE(f.clipboardTaken, QStringList{kWatch}); // opened empty: nothing was taken

        host.ShowDialog(kWatch);
        Child<QLineEdit>(host.Dialog(), "txtSave")->setText("/m/a.flv");
        Press(host.Dialog(), "cmdStart");
        QCOMPARE(queued.count(), 1);
        QCOMPARE(queued.at(0).at(0).toString(), kWatch);
        QCOMPARE(closed.count(), 3);
    }
};

CREATION_TEST(tst_frmAdd)
#include "tst_frmAdd.moc"
