// The address box with texts far longer than any address: every way in keeps the whole text as
// the address while the line edit itself only ever holds a short part of it.

#include "AddressBox.h"
#include "TestClasses.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kWatch = QStringLiteral("http://127.0.0.1:8080/watch?v=abc123");

QString Long(int length, QChar fill = u'x') {
    return kWatch + QString(length - kWatch.size(), fill);
}

// The line edit's own text: what it shapes and paints.
int LaidOut(const AddressBox& box) {
    return int(box.QLineEdit::text().size());
}

void Drop(QWidget* target, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

void ContextMenuPaste(AddressBox& box) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              box.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&box, &request);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = box.findChild<QMenu*>()) && menu->isVisible());
    for (QAction* action : menu->actions())
        if (action->text().startsWith("&Paste"))
            action->trigger();
    menu->close();
}

} // namespace

class tst_AddressBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void longTextsStayWhole_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("length");
        QTest::newRow("a source, 1 MB") << "source" << (1 << 20);
        QTest::newRow("Ctrl+V, 1 MB") << "paste" << (1 << 20);
        QTest::newRow("Ctrl+V, 10 MB") << "paste" << (10 << 20);
        QTest::newRow("Ctrl+V into the middle, 1 MB") << "paste between" << (1 << 20);
        QTest::newRow("context menu, 1 MB") << "menu" << (1 << 20);
        QTest::newRow("drop, 1 MB") << "drop" << (1 << 20);
        QTest::newRow("typing one past the editable length")
            << "type" << AddressBox::LongestEditable + 1;
    }

    void longTextsStayWhole() {
        QFETCH(QString, way);
        QFETCH(int, length);
        AddressBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy changes(&box, &AddressBox::AddressChanged);
        QString text = Long(length);
        QString expected = text;
        QClipboard* clipboard = QGuiApplication::clipboard();

        if (way == "source") {
            box.SetAddress(text);
        } else if (way == "paste") {
            clipboard->setText(text);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        } else if (way == "paste between") {
            box.setText("ab");
            box.setCursorPosition(1);
            clipboard->setText(text);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            expected = "a" + text + "b";
        } else if (way == "menu") {
            clipboard->setText(text);
            ContextMenuPaste(box);
        } else if (way == "drop") {
            Drop(&box, text);
        } else if (way == "type") {
            box.setText(text.chopped(1));
            box.end(false);
            QVERIFY(!box.HoldsLongText());
            QTest::keyClick(&box, Qt::Key_X);
        }

        QVERIFY(box.HoldsLongText());
        QCOMPARE(box.Address().size(), expected.size());
        QCOMPARE(box.Address(), expected);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().first().toString(), expected);
        QVERIFY(LaidOut(box) <= AddressBox::ShownOfLong + 1);
        QVERIFY(box.QLineEdit::text().startsWith(expected.left(AddressBox::ShownOfLong)));
    }

    // Up to the editable length the box is an ordinary line edit.
    void editableLengthIsPlain() {
        AddressBox box;
        const QString text = Long(AddressBox::LongestEditable);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!box.HoldsLongText());
        QCOMPARE(box.QLineEdit::text(), text);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Address(), text.chopped(1));
    }

    // A long text is taken as one piece: copied whole, cleared, or replaced.
    void longTextIsOnePiece() {
        AddressBox box;
        QSignalSpy changes(&box, &AddressBox::AddressChanged);
        const QString text = Long(1 << 20);
        QClipboard* clipboard = QGuiApplication::clipboard();
        box.SetAddress(text);

        QTest::keyClick(&box, Qt::Key_Right);
        QTest::keyClick(&box, Qt::Key_End);
        QCOMPARE(box.Address(), text); // moving about changes nothing
        clipboard->clear();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), text);

        QTest::keyClick(&box, Qt::Key_Backspace);
        QVERIFY(!box.HoldsLongText());
        QCOMPARE(box.Address(), QString());
        QCOMPARE(changes.last().first().toString(), QString());
        QVERIFY(!box.isReadOnly());

        box.SetAddress(text);
        QTest::keyClick(&box, Qt::Key_H);
        QCOMPARE(box.Address(), "h");
        box.SetAddress(text);
        clipboard->setText(kWatch);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.Address(), kWatch);
        QCOMPARE(box.QLineEdit::text(), kWatch);

        box.SetAddress(text);
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), text);
        QCOMPARE(box.Address(), QString());
    }
};

CREATION_TEST(tst_AddressBox)
#include "tst_AddressBox.moc"
