// The feedback form: what Send asks for first, and the one request it fires.

#include "frmSuggest.h"
#include "LocalSite.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

class tst_feedback : public QObject {
    Q_OBJECT

    template <typename T> static T* Child(QWidget* form, const char* name) {
        T* child = form->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

    // An address on 127.0.0.1 where nothing listens, for requests that must fail.
    static QString DeadHost() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    }

    static void Fill(QWidget* form, const QString& name, const QString& email,
                     const QString& comment) {
        Child<QLineEdit>(form, "txtName")->setText(name);
        Child<QLineEdit>(form, "txtEMail")->setText(email);
        Child<QLineEdit>(form, "txtComment")->setText(comment);
    }

    // What the site recorded: one decoded query a line.
    static QList<QJsonObject> Received(const QString& logPath) {
        QList<QJsonObject> requests;
        QFile log(logPath);
        if (log.open(QIODevice::ReadOnly))
            for (const QByteArray& line : log.readAll().split('\n'))
                if (!line.isEmpty())
                    requests << QJsonDocument::fromJson(line).object();
        return requests;
    }

    // `text` repeated until it is `length` characters long.
    static QString Repeated(const QString& text, int length) {
        return text.repeated(length / text.size() + 1).left(length);
    }

    LocalSite site;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(site.Start(), qPrintable(site.Error())); }

    void checksInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("focused");
        QTest::newRow("all empty") << ""
                                   << ""
                                   << ""
                                   << "Your Name?"
                                   << "txtName";
        QTest::newRow("only name missing") << ""
                                           << "e"
                                           << "c"
                                           << "Your Name?"
                                           << "txtName";
        QTest::newRow("email missing") << "n"
                                       << ""
                                       << "c"
                                       << "Your Email?"
                                       << "txtEMail";
        QTest::newRow("comment missing") << "n"
                                         << "e"
                                         << ""
                                         << "Comment?"
                                         << "txtComment";
        QTest::newRow("blanks count as text") << " "
                                              << " "
                                              << ""
                                              << "Comment?"
                                              << "txtComment";
    }

    void checksInOrder() {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, comment);
        QFETCH(QString, status);
        QFETCH(QString, focused);
        frmSuggest form(DeadHost());
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* lblSending = Child<QLabel>(&form, "lblSending");
        QVERIFY(lblSending->isHidden());
        Fill(&form, name, email, comment);
        Child<QPushButton>(&form, "Command2")->setFocus();

        QTest::mouseClick(Child<QPushButton>(&form, "Command1"), Qt::LeftButton);
        QCOMPARE(lblSending->text(), status);
        QVERIFY(lblSending->isVisible());
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(&form, focused.toLatin1()));
        QVERIFY(Child<QPushButton>(&form, "Command1")->isEnabled());
    }

    void boxesStopAtTheirLimits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        QTest::newRow("name") << "txtName" << 50;
        QTest::newRow("email") << "txtEMail" << 100;
        QTest::newRow("comment") << "txtComment" << 256;
    }

    void boxesStopAtTheirLimits() {
        QFETCH(QString, box);
        QFETCH(int, limit);
        frmSuggest form(DeadHost());
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        auto* edit = Child<QLineEdit>(&form, box.toLatin1());
        QTest::keyClicks(edit, QString(limit + 5, u'x'));
        QCOMPARE(edit->text().size(), limit);
    }

    // The three texts reach the server exactly as they stand in the boxes, whatever they hold.
    void theSiteReceivesTheTextsAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("comment");
        const QString reserved = QStringLiteral("a &b#c+d%20=e?/;");
        QTest::newRow("query characters, cut at the limits")
            << Repeated(reserved, 57) << Repeated(reserved, 107) << Repeated(reserved, 263);
        QTest::newRow("any characters")
            << QStringLiteral("  Zo\u00eb \u674e ") << QStringLiteral("o'neil+tag@\u4f8b.jp")
            << QStringLiteral("tab\there \"quoted\" \\ %zz & comment=x # \U0001F3B5");
        QTest::newRow("blanks alone") << " "
                                      << "  "
                                      << "   ";
    }

    void theSiteReceivesTheTextsAsTyped() {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, comment);
        QFile::remove(site.FeedbackLogPath());
        frmSuggest form(site.Root());
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        form.show();
        Fill(&form, name, email, comment);

        QTest::mouseClick(Child<QPushButton>(&form, "Command1"), Qt::LeftButton);
        QTRY_COMPARE(Child<QLabel>(&form, "lblSending")->text(), QStringLiteral("Finished."));
        const QList<QJsonObject> received = Received(site.FeedbackLogPath());
        QCOMPARE(received.size(), 1);
        QCOMPARE(received[0].value("name").toString(), name.left(50));
        QCOMPARE(received[0].value("age").toString(), email.left(100));
        QCOMPARE(received[0].value("comment").toString(), comment.left(256));
        QCOMPARE(received[0].keys(), (QStringList{"age", "comment", "name"}));
    }

    // Without an answer (refused, broken off, or silent past the limit) the form says so and
    // offers Send again, which sends once more; an answer, an error page included, is the end.
    void outcomeOfARequest_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("sendAgain");
        QTest::newRow("refused") << "nobody listens"
                                 << "Sending failed." << true;
        QTest::newRow("hangs up") << "hangs up"
                                  << "Sending failed." << true;
        QTest::newRow("never answers") << "never answers"
                                       << "Sending failed." << true;
        QTest::newRow("error page") << "error page"
                                    << "Finished." << false;
        QTest::newRow("answered") << "site"
                                  << "Finished." << false;
    }

    void outcomeOfARequest() {
        QFETCH(QString, server);
        QFETCH(QString, status);
        QFETCH(bool, sendAgain);
        // Takes connections and keeps them open without a word, or drops them at once.
        QTcpServer listener;
        QList<QTcpSocket*> held;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        connect(&listener, &QTcpServer::newConnection, &listener, [&] {
            while (QTcpSocket* socket = listener.nextPendingConnection()) {
                if (server == "hangs up")
                    socket->close();
                held << socket;
            }
        });
        const QString listening = QStringLiteral("http://127.0.0.1:%1").arg(listener.serverPort());
        const QString host = server == "nobody listens" ? DeadHost()
                             : server == "error page"   ? site.Root() + "/no/such/place"
                             : server == "site"         ? site.Root()
                                                        : listening;
        constexpr std::chrono::milliseconds limit(400);
        frmSuggest form(host);
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        form.SetAnswerLimit(limit);
        form.show();
        Fill(&form, "n", "e", "c");
        auto* send = Child<QPushButton>(&form, "Command1");
        auto* shown = Child<QLabel>(&form, "lblSending");
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(shown->text(), QStringLiteral("Sending..."));
        QVERIFY(!send->isEnabled());

        QTRY_COMPARE(shown->text(), status);
        if (server == "never answers")
            QVERIFY(clock.elapsed() >= limit.count());
        QCOMPARE(send->isEnabled(), sendAgain);
        // The whole text shows, bold, in the room the form gives it.
        QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->width());
        if (sendAgain) {
            QTest::mouseClick(send, Qt::LeftButton);
            QCOMPARE(shown->text(), QStringLiteral("Sending..."));
            QVERIFY(!send->isEnabled());
            QTRY_COMPARE(shown->text(), status);
        }
    }

    // The program keeps only a guarded pointer; Back must really end the form so that the
    // next opening builds an empty one.
    void backEndsTheForm() {
        QPointer<frmSuggest> form = new frmSuggest(DeadHost());
        form->show();
        QTest::mouseClick(Child<QPushButton>(form, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(tst_feedback)
#include "tst_feedback.moc"
