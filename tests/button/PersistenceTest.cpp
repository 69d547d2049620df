// Keeping a button in its container's layout: round trips, what is written and in which order,
// the defaults of missing keys, case-insensitive keys, bad stored values and new buttons.

#include "ButtonPersistence.h"
#include "ButtonTests.h"
#include "isButton.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList AlwaysKept{"Tooltiptitle", "ToolTipIcon", "ToolTipType", "Font"};

// A button with every property away from its default.
void MakeUnusual(isButton& b) {
    QImage icon(4, 4, QImage::Format_ARGB32);
    icon.fill(QColor(0x2E8BD8));
    b.SetIcon(icon);
    b.SetStyle(5);
    b.SetCaption(QStringLiteral("  Download"));
    b.SetIconSize(32);
    b.SetIconAlign(2);
    b.SetCaptionAlign(4);
    b.SetNonThemeStyle(0);
    b.SetEnabled(false);
    b.SetShowFocus(true);
    b.SetUseCustomColors(true);
    b.SetBackColor(QColor(0x102030));
    b.SetHighlightColor(QColor(0x405060));
    b.SetFontColor(QColor(0x708090));
    b.SetFontHighlightColor(QColor(0xA0B0C0));
    b.SetToolTip(QStringLiteral("Queue this video"));
    b.SetToolTipTitle(QStringLiteral("Download"));
    b.SetToolTipIcon(2);
    b.SetToolTipType(0);
    b.SetToolTipBackColor(QColor(0x111111));
    b.SetToolTipForeColor(QColor(0x222222));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    b.SetFont(font);
    b.SetButtonType(1);
    b.SetValue(true);
    b.SetIconVisible(false);
}

} // namespace

class PersistenceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripKeepsEveryProperty_data();
    void roundTripKeepsEveryProperty();
    void writesInOrderAndOnlyWhatDiffers();
    void missingKeysGiveDefaults_data();
    void missingKeysGiveDefaults();
    void keysIgnoreCase();
    void badStoredValuesFallBack();
    void settingsFileRoundTrip();
    void newButtonDefaults();
};

void PersistenceTest::roundTripKeepsEveryProperty_data() {
    QTest::addColumn<QByteArray>("property");
    for (const char* p :
         {"Style",          "Caption",     "IconSize",           "IconAlign",        "CaptionAlign",
          "NonThemeStyle",  "Enabled",     "ShowFocus",          "UseCustomColors",  "BackColor",
          "HighlightColor", "FontColor",   "FontHighlightColor", "ToolTip",          "ToolTipTitle",
          "ToolTipIcon",    "ToolTipType", "ToolTipBackColor",   "ToolTipForeColor", "Font",
          "ButtonType",     "Value",       "IconVisible"}) {
        QTest::newRow(p) << QByteArray(p);
    }
}

void PersistenceTest::roundTripKeepsEveryProperty() {
    QFETCH(QByteArray, property);
    isButton original;
    MakeUnusual(original);
    ButtonPropertyBag bag;
    SaveButtonProperties(original, bag);
    isButton loaded;
    LoadButtonProperties(loaded, ButtonPropertyBag::FromMap(bag.ToMap()));
    QCOMPARE(loaded.property(property), original.property(property));
    QCOMPARE(loaded.Icon().toImage().pixel(1, 1), original.Icon().toImage().pixel(1, 1));
    QVERIFY(!loaded.PropertiesChanged());
}

void PersistenceTest::writesInOrderAndOnlyWhatDiffers() {
    isButton plain;
    ButtonPropertyBag bag;
    SaveButtonProperties(plain, bag);
    QCOMPARE(bag.Keys(), AlwaysKept);

    isButton unusual;
    MakeUnusual(unusual);
    ButtonPropertyBag full;
    SaveButtonProperties(unusual, full);
    QCOMPARE(full.Keys(), QStringList({"Icon",           "Style",
                                       "Caption",        "IconSize",
                                       "IconAlign",      "CaptionAlign",
                                       "iNonThemeStyle", "Enabled",
                                       "ShowFocus",      "USeCustomColors",
                                       "BackColor",      "HighlightColor",
                                       "FontColor",      "FontHighlightColor",
                                       "ToolTipText",    "Tooltiptitle",
                                       "ToolTipIcon",    "ToolTipType",
                                       "ttBackColor",    "ttForeColor",
                                       "Font",           "ButtonType",
                                       "Value",          "IconVisible"}));
    QCOMPARE(full.Read("Caption").toString(), QStringLiteral("  Download"));
    QCOMPARE(full.Read("BackColor").toString(), QStringLiteral("#102030"));
}

void PersistenceTest::missingKeysGiveDefaults_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("icon at the left") << QByteArray("IconAlign") << QVariant(1);
    QTest::newRow("caption") << QByteArray("Caption") << QVariant(QStringLiteral("isButton"));
    QTest::newRow("style") << QByteArray("Style") << QVariant(3);
    QTest::newRow("fallback style") << QByteArray("NonThemeStyle") << QVariant(5);
    QTest::newRow("icon size") << QByteArray("IconSize") << QVariant(16);
    QTest::newRow("icon visible") << QByteArray("IconVisible") << QVariant(true);
    QTest::newRow("balloon tooltip") << QByteArray("ToolTipType") << QVariant(1);
    QTest::newRow("enabled") << QByteArray("Enabled") << QVariant(true);
    QTest::newRow("push button") << QByteArray("ButtonType") << QVariant(0);
}

void PersistenceTest::missingKeysGiveDefaults() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    isButton button;
    MakeUnusual(button); // loading must put every missing value back
    ButtonPropertyBag bag;
    bag.Write("Font", QFont().toString());
    LoadButtonProperties(button, bag);
    QCOMPARE(button.property(property), expected);
    QVERIFY(button.Icon().isNull());
    QCOMPARE(button.BackColor().rgb(), button.palette().color(QPalette::Button).rgb());
    QCOMPARE(button.ButtonState(), int(ButtonNormal));
}

void PersistenceTest::keysIgnoreCase() {
    ButtonPropertyBag bag;
    bag.Write("STYLE", 5);
    bag.Write("caption", QStringLiteral("OK"));
    bag.Write("inonthemestyle", 0);
    bag.Write("style", 7); // the same key again replaces the value
    isButton button;
    LoadButtonProperties(button, bag);
    QCOMPARE(button.Style(), 7);
    QCOMPARE(button.Caption(), QStringLiteral("OK"));
    QCOMPARE(button.NonThemeStyle(), 0);
    QCOMPARE(bag.Keys().size(), 3);
}

void PersistenceTest::badStoredValuesFallBack() {
    ButtonPropertyBag bag;
    bag.Write("Style", QStringLiteral("round"));
    bag.Write("Enabled", QStringLiteral("maybe"));
    bag.Write("BackColor", QStringLiteral("not a colour"));
    bag.Write("Icon", QByteArray("not a picture"));
    isButton button;
    LoadButtonProperties(button, bag);
    QCOMPARE(button.Style(), 3);
    QVERIFY(button.Enabled());
    QCOMPARE(button.BackColor().rgb(), button.palette().color(QPalette::Button).rgb());
    QVERIFY(button.Icon().isNull());
}

void PersistenceTest::settingsFileRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layout.ini"));
    isButton original;
    MakeUnusual(original);
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("cmdDownload"));
        ButtonPropertyBag bag;
        SaveButtonProperties(original, bag);
        bag.SaveTo(settings);
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("cmdDownload"));
    isButton loaded;
    LoadButtonProperties(loaded, ButtonPropertyBag::LoadFrom(settings));
    QCOMPARE(loaded.Caption(), QStringLiteral("  Download"));
    QCOMPARE(loaded.Style(), 5);
    QCOMPARE(loaded.Enabled(), false);
    QCOMPARE(loaded.FontHighlightColor(), QColor(0xA0B0C0));
    QCOMPARE(loaded.Font().pointSizeF(), 10.5);
    QCOMPARE(loaded.Value(), true);
    QVERIFY(!loaded.Icon().isNull());
}

void PersistenceTest::newButtonDefaults() {
    isButton button;
    InitNewButton(button, QStringLiteral("isButton1"));
    QCOMPARE(button.Style(), 0);
    QCOMPARE(button.Caption(), QStringLiteral("isButton1"));
    QCOMPARE(button.IconSize(), 16);
    QCOMPARE(button.IconAlign(), 0);
    QCOMPARE(button.NonThemeStyle(), 0);
    QCOMPARE(button.IconVisible(), false);
    QCOMPARE(button.ToolTipType(), 0);
    QCOMPARE(button.HighlightColor().rgb(), button.palette().color(QPalette::Highlight).rgb());
}

int RunPersistenceTests(int argc, char** argv) {
    PersistenceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PersistenceTest.moc"
