// The control as a user drives it: clicks, double-clicks, the Space key, the pointer coming and
// going, check buttons, focus, size, accessibility and its own tooltip window.

#include "ButtonTests.h"
#include "ButtonToolTip.h"
#include "isButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

namespace {

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A real double-click arrives as press, release, double-click, release.
void DoubleClick(QWidget* w, QPoint at) {
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, at, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, at, Qt::NoButton);
    SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, at, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, at, Qt::NoButton);
}

void Move(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, at, held);
}

} // namespace

class InputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void clicks_data();
    void clicks();
    void spaceKey_data();
    void spaceKey();
    void pressLeaveAndReturn_data();
    void pressLeaveAndReturn();
    void hoverRaisesEnterAndLeave();
    void checkButtonStaysPressedWhileHovered();
    void disablingResetsAndDrawsDisabled();
    void focusIsTracked();
    void neverSmallerThanTwenty();
    void accessibleNameAndPress();
    void ownToolTip_data();
    void ownToolTip();
    void containerToolTipIsTakenOver();
    void iconFromResourceOrFile();

private:
    QWidget* window_ = nullptr;
    isButton* button_ = nullptr;
};

void InputTest::init() {
    window_ = new QWidget;
    window_->resize(200, 100);
    button_ = new isButton(window_);
    button_->SetStyle(5);
    button_->setGeometry(10, 10, 93, 37);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    button_->clearFocus(); // pixel checks expect no focus ring unless a test gives the focus
}

void InputTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void InputTest::clicks_data() {
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("value");
    QTest::addColumn<int>("state");
    QTest::newRow("left click") << 0 << "left" << 1 << false << int(ButtonHot);
    QTest::newRow("double-click is one click") << 0 << "double" << 1 << false << int(ButtonHot);
    QTest::newRow("right click") << 0 << "right" << 0 << false << int(ButtonNormal);
    QTest::newRow("check button set by a click") << 1 << "left" << 1 << true << int(ButtonPressed);
    QTest::newRow("check button right click") << 1 << "right" << 0 << false << int(ButtonNormal);
    QTest::newRow("check button double-click toggles once")
        << 1 << "double" << 1 << true << int(ButtonPressed);
    QTest::newRow("other type acts as push") << 7 << "left" << 1 << false << int(ButtonHot);
    QTest::newRow("released outside") << 0 << "outside" << 0 << false << int(ButtonNormal);
}

void InputTest::clicks() {
    QFETCH(int, buttonType);
    QFETCH(QString, gesture);
    QFETCH(int, clicks);
    QFETCH(bool, value);
    QFETCH(int, state);
    button_->SetButtonType(buttonType);
    QSignalSpy spy(button_, &isButton::Click);
    const QPoint inside(40, 18);
    Move(button_, inside);
    if (gesture == "left") {
        QTest::mouseClick(button_, Qt::LeftButton, {}, inside);
    } else if (gesture == "double") {
        DoubleClick(button_, inside);
    } else if (gesture == "right") {
        QTest::mouseClick(button_, Qt::RightButton, {}, inside);
        Move(button_, QPoint(150, 80)); // gone again
        QCOMPARE(button_->ButtonState(), int(ButtonNormal));
        Move(button_, inside);
        Move(button_, QPoint(150, 80));
    } else {
        QTest::mousePress(button_, Qt::LeftButton, {}, inside);
        Move(button_, QPoint(150, 80), Qt::LeftButton);
        QTest::mouseRelease(button_, Qt::LeftButton, {}, QPoint(150, 80));
    }
    QCOMPARE(spy.count(), clicks);
    QCOMPARE(button_->Value(), value);
    QCOMPARE(button_->ButtonState(), state);
}

void InputTest::spaceKey_data() {
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<bool>("value");
    QTest::newRow("push button") << 0 << false;
    QTest::newRow("check button") << 1 << true;
}

void InputTest::spaceKey() {
    QFETCH(int, buttonType);
    QFETCH(bool, value);
    button_->SetButtonType(buttonType);
    QSignalSpy spy(button_, &isButton::Click);
    QTest::keyPress(button_, Qt::Key_Space);
    QCOMPARE(button_->ButtonState(), int(ButtonPressed));
    QCOMPARE(spy.count(), 1);
    // Held down, the key repeats; that is still one press.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(button_, &repeat);
    QTest::keyRelease(button_, Qt::Key_Space);
    QCOMPARE(button_->Value(), value);
    QCOMPARE(button_->ButtonState(), value ? int(ButtonPressed) : int(ButtonHot));
    QCOMPARE(spy.count(), 1);
    // No default or cancel button behaviour.
    QTest::keyClick(button_, Qt::Key_Return);
    QTest::keyClick(button_, Qt::Key_Escape);
    QCOMPARE(spy.count(), 1);
}

void InputTest::pressLeaveAndReturn_data() {
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<bool>("releaseInside");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("value");
    QTest::addColumn<int>("state");
    QTest::newRow("push button, released back inside") << 0 << true << 1 << false << int(ButtonHot);
    QTest::newRow("check button, released back inside")
        << 1 << true << 1 << true << int(ButtonPressed);
    QTest::newRow("back, out again, released outside")
        << 0 << false << 0 << false << int(ButtonNormal);
}

// The pressed look follows the held pointer out and back; where it is let go decides.
void InputTest::pressLeaveAndReturn() {
    QFETCH(int, buttonType);
    QFETCH(bool, releaseInside);
    QFETCH(int, clicks);
    QFETCH(bool, value);
    QFETCH(int, state);
    button_->SetButtonType(buttonType);
    QSignalSpy spy(button_, &isButton::Click);
    const QPoint inside(40, 18);
    const QPoint outside(150, 80);
    Move(button_, inside);
    QTest::mousePress(button_, Qt::LeftButton, {}, inside);
    QCOMPARE(button_->ButtonState(), int(ButtonPressed));
    Move(button_, outside, Qt::LeftButton);
    QCOMPARE(button_->ButtonState(), int(ButtonNormal));
    Move(button_, inside, Qt::LeftButton);
    QCOMPARE(button_->ButtonState(), int(ButtonPressed));
    QVERIFY(button_->MouseInside());
    if (!releaseInside)
        Move(button_, outside, Qt::LeftButton);
    QTest::mouseRelease(button_, Qt::LeftButton, {}, releaseInside ? inside : outside);
    QCOMPARE(spy.count(), clicks);
    QCOMPARE(button_->Value(), value);
    QCOMPARE(button_->ButtonState(), state);
}

void InputTest::hoverRaisesEnterAndLeave() {
    QSignalSpy enter(button_, &isButton::MouseEnter);
    QSignalSpy leave(button_, &isButton::MouseLeave);
    Move(button_, QPoint(5, 5));
    Move(button_, QPoint(6, 6));
    QCOMPARE(enter.count(), 1);
    QCOMPARE(button_->ButtonState(), int(ButtonHot));
    QEvent leaveEvent(QEvent::Leave);
    QApplication::sendEvent(button_, &leaveEvent);
    QCOMPARE(leave.count(), 1);
    QCOMPARE(button_->ButtonState(), int(ButtonNormal));
    QVERIFY(!button_->MouseInside());
}

void InputTest::checkButtonStaysPressedWhileHovered() {
    button_->SetButtonType(1);
    button_->SetValue(true);
    QCOMPARE(button_->ButtonState(), int(ButtonPressed));
    Move(button_, QPoint(5, 5));
    QCOMPARE(button_->ButtonState(), int(ButtonPressed));
    QCOMPARE(button_->Snapshot().pixel(10, 1) & 0xFFFFFF, 0xD1CCC1u);
}

void InputTest::disablingResetsAndDrawsDisabled() {
    button_->SetButtonType(1);
    button_->SetValue(true);
    QSignalSpy spy(button_, &isButton::Click);
    button_->SetEnabled(false);
    QCOMPARE(button_->ButtonState(), int(ButtonDisabled));
    QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(40, 18));
    QCOMPARE(spy.count(), 0);
    button_->SetEnabled(true);
    QCOMPARE(button_->ButtonState(), int(ButtonPressed)); // normal, then the set check state
    QVERIFY(button_->isEnabled());
}

void InputTest::focusIsTracked() {
    auto* other = new isButton(window_);
    other->setGeometry(110, 10, 60, 30);
    other->show();
    window_->activateWindow();
    button_->setFocus();
    QTRY_VERIFY(button_->HasFocus());
    QCOMPARE(button_->Snapshot().pixel(10, 35) & 0xFFFFFF, 0x6982EEu);
    other->setFocus();
    QTRY_VERIFY(!button_->HasFocus());
    QCOMPARE(button_->Snapshot().pixel(10, 35) & 0xFFFFFF, 0xDDD9D0u);
}

void InputTest::neverSmallerThanTwenty() {
    button_->resize(5, 12);
    QCOMPARE(button_->size(), QSize(20, 20));
    QCOMPARE(button_->Snapshot().size(), QSize(20, 20));
}

void InputTest::accessibleNameAndPress() {
    button_->SetCaption(QStringLiteral("  Download"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button_);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Download"));
    QVERIFY(face->actionInterface());
    QSignalSpy spy(button_, &isButton::Click);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(spy.count() == 1 || spy.wait(2000));
    QCOMPARE(spy.count(), 1);
}

void InputTest::ownToolTip_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<bool>("systemBack");
    QTest::addColumn<bool>("systemFore");
    QTest::newRow("balloon, own colours")
        << 1 << QColor(0x2E8BD8) << QColor(0xFFFFFF) << false << false;
    QTest::newRow("rectangle, black means system")
        << 0 << QColor(0, 0, 0) << QColor(0, 0, 0) << true << true;
}

void InputTest::ownToolTip() {
    QFETCH(int, type);
    QFETCH(QColor, back);
    QFETCH(QColor, fore);
    QFETCH(bool, systemBack);
    QFETCH(bool, systemFore);
    button_->SetToolTip(QStringLiteral("Start the download & go"));
    button_->SetToolTipTitle(QStringLiteral("Download"));
    button_->SetToolTipIcon(1);
    button_->SetToolTipType(type);
    button_->SetToolTipBackColor(back);
    button_->SetToolTipForeColor(fore);
    QVERIFY(!button_->ToolTipWindow());
    Move(button_, QPoint(5, 5));
    auto* tip = qobject_cast<ButtonToolTip*>(button_->ToolTipWindow());
    QVERIFY(tip);
    QCOMPARE(tip->Content().text, QStringLiteral("Start the download & go"));
    QCOMPARE(tip->Content().balloon, type == 1);
    const QPalette system = tip->palette();
    QCOMPARE(tip->BackgroundColor(), systemBack ? system.color(QPalette::ToolTipBase) : back);
    QCOMPARE(tip->TextColor(), systemFore ? system.color(QPalette::ToolTipText) : fore);
    QTRY_VERIFY(tip->isVisible());

    // Leaving hides it; the next entry builds a fresh one.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button_, &leave);
    QVERIFY(!tip->isVisible());
    Move(button_, QPoint(6, 6));
    QVERIFY(button_->ToolTipWindow() != tip);
}

void InputTest::containerToolTipIsTakenOver() {
    auto* fresh = new isButton(window_);
    fresh->setToolTip(QStringLiteral("Pick a folder"));
    fresh->show();
    QCOMPARE(fresh->ToolTip(), QStringLiteral("Pick a folder"));
    QVERIFY(fresh->toolTip().isEmpty());
    fresh->hide();
    QCOMPARE(fresh->toolTip(), QStringLiteral("Pick a folder"));
}

void InputTest::iconFromResourceOrFile() {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/iconXXXXXX.png"));
    QVERIFY(file.open());
    QImage red(8, 8, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(&file, "PNG"));
    file.close();
    button_->SetIconSize(32);
    button_->SetIconFile(file.fileName());
    QCOMPARE(button_->Snapshot().pixel(5, 2) & 0xFFFFFF, 0xFF0000u);
    button_->SetIconFile(QStringLiteral(":/nowhere/missing.png"));
    QVERIFY(button_->Icon().isNull());
    QCOMPARE(button_->Snapshot().pixel(5, 2) & 0xFFFFFF, 0xF9F9F8u);
}

int RunInputTests(int argc, char** argv) {
    InputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InputTest.moc"
