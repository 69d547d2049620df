#include "ButtonPersistence.h"

#include "ButtonPainter.h"
#include "isButton.h"

#include <QApplication>
#include <QBuffer>
#include <QMetaProperty>
#include <QSettings>

namespace {

enum class Kept { IfDifferent, Always, WhenSet };

struct Key {
    const char* name;     // the stored key
    const char* property; // the button's property
    Kept kept;
};

// The order in which the values are written.
const Key WriteOrder[] = {
    {"Icon", "Icon", Kept::WhenSet},
    {"Style", "Style", Kept::IfDifferent},
    {"Caption", "Caption", Kept::IfDifferent},
    {"IconSize", "IconSize", Kept::IfDifferent},
    {"IconAlign", "IconAlign", Kept::IfDifferent},
    {"CaptionAlign", "CaptionAlign", Kept::IfDifferent},
    {"iNonThemeStyle", "NonThemeStyle", Kept::IfDifferent},
    {"Enabled", "Enabled", Kept::IfDifferent},
    {"ShowFocus", "ShowFocus", Kept::IfDifferent},
    {"USeCustomColors", "UseCustomColors", Kept::IfDifferent},
    {"BackColor", "BackColor", Kept::IfDifferent},
    {"HighlightColor", "HighlightColor", Kept::IfDifferent},
    {"FontColor", "FontColor", Kept::IfDifferent},
    {"FontHighlightColor", "FontHighlightColor", Kept::IfDifferent},
    {"ToolTipText", "ToolTip", Kept::IfDifferent},
    {"Tooltiptitle", "ToolTipTitle", Kept::Always},
    {"ToolTipIcon", "ToolTipIcon", Kept::Always},
    {"ToolTipType", "ToolTipType", Kept::Always},
    {"ttBackColor", "ToolTipBackColor", Kept::IfDifferent},
    {"ttForeColor", "ToolTipForeColor", Kept::IfDifferent},
    {"Font", "Font", Kept::Always},
    {"ButtonType", "ButtonType", Kept::IfDifferent},
    {"Value", "Value", Kept::IfDifferent},
    {"IconVisible", "IconVisible", Kept::IfDifferent},
};

// Defaults of missing keys; colours are the desktop's at the time of loading, tooltip text and
// font are the container's.
QVariant DefaultOf(const char* property, const isButton& button) {
    const SystemColors sys = SystemColorsFrom(button.palette());
    const QString p = QString::fromLatin1(property);
    static const QHash<QString, QVariant> fixed = {
        {"Style", 3},
        {"Caption", QStringLiteral("isButton")},
        {"IconSize", 16},
        {"IconAlign", 1},
        {"CaptionAlign", 0},
        {"NonThemeStyle", 5},
        {"Enabled", true},
        {"ShowFocus", false},
        {"UseCustomColors", false},
        {"ToolTipTitle", QString()},
        {"ToolTipIcon", 0},
        {"ToolTipType", 1},
        {"ButtonType", 0},
        {"Value", false},
        {"IconVisible", true},
        {"Icon", QPixmap()},
    };
    if (fixed.contains(p)) {
        return fixed.value(p);
    }
    if (p == "BackColor") {
        return sys.buttonFace;
    }
    if (p == "HighlightColor") {
        return sys.highlight;
    }
    if (p == "FontColor" || p == "FontHighlightColor") {
        return sys.buttonText;
    }
    if (p == "ToolTipBackColor") {
        return sys.toolTipBack;
    }
    if (p == "ToolTipForeColor") {
        return sys.toolTipText;
    }
    if (p == "ToolTip") {
        return button.QWidget::toolTip();
    }
    // "Font"
    return button.parentWidget() ? button.parentWidget()->font() : QApplication::font();
}

// How a property's value is kept: colours as #RRGGBB, the font as its description, the icon
// as PNG bytes.
QVariant Stored(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QColor:
        return value.value<QColor>().name();
    case QMetaType::QFont:
        return value.value<QFont>().toString();
    case QMetaType::QPixmap: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        value.value<QPixmap>().save(&buffer, "PNG");
        return png;
    }
    default:
        return value;
    }
}

// A stored value turned back into what the property takes; invalid when it does not fit.
QVariant Restored(const QVariant& stored, QMetaType type) {
    switch (type.id()) {
    case QMetaType::QColor: {
        const QColor c = stored.metaType().id() == QMetaType::QColor
                             ? stored.value<QColor>()
                             : QColor::fromString(stored.toString());
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case QMetaType::QFont: {
        if (stored.metaType().id() == QMetaType::QFont) {
            return stored;
        }
        QFont font;
        return font.fromString(stored.toString()) ? QVariant(font) : QVariant();
    }
    case QMetaType::QPixmap: {
        QPixmap pixmap;
        pixmap.loadFromData(stored.toByteArray());
        return pixmap;
    }
    case QMetaType::Int: {
        bool ok = false;
        const int v = stored.toInt(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case QMetaType::Bool: {
        const QString text = stored.toString().toLower();
        if (text == "true" || text == "1") {
            return true;
        }
        if (text == "false" || text == "0") {
            return false;
        }
        return QVariant();
    }
    default:
        return stored.toString();
    }
}

bool SameValue(const QVariant& a, const QVariant& b) {
    if (a.metaType().id() == QMetaType::QColor) {
        return a.value<QColor>().rgb() == b.value<QColor>().rgb();
    }
    return a == b;
}

} // namespace

qsizetype ButtonPropertyBag::IndexOf(const QString& key) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i].first.compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void ButtonPropertyBag::Write(const QString& key, const QVariant& value) {
    const qsizetype i = IndexOf(key);
    if (i >= 0) {
        entries_[i].second = value;
    } else {
        entries_.append({key, value});
    }
}

QVariant ButtonPropertyBag::Read(const QString& key, const QVariant& fallback) const {
    const qsizetype i = IndexOf(key);
    return i >= 0 ? entries_[i].second : fallback;
}

bool ButtonPropertyBag::Contains(const QString& key) const {
    return IndexOf(key) >= 0;
}

QStringList ButtonPropertyBag::Keys() const {
    QStringList keys;
    for (const auto& entry : entries_) {
        keys << entry.first;
    }
    return keys;
}

QVariantMap ButtonPropertyBag::ToMap() const {
    QVariantMap map;
    for (const auto& entry : entries_) {
        map.insert(entry.first, entry.second);
    }
    return map;
}

ButtonPropertyBag ButtonPropertyBag::FromMap(const QVariantMap& map) {
    ButtonPropertyBag bag;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        bag.Write(it.key(), it.value());
    }
    return bag;
}

void ButtonPropertyBag::SaveTo(QSettings& settings) const {
    for (const auto& entry : entries_) {
        settings.setValue(entry.first, entry.second);
    }
}

ButtonPropertyBag ButtonPropertyBag::LoadFrom(QSettings& settings) {
    ButtonPropertyBag bag;
    for (const QString& key : settings.childKeys()) {
        bag.Write(key, settings.value(key));
    }
    return bag;
}

void SaveButtonProperties(const isButton& button, ButtonPropertyBag& bag) {
    for (const Key& key : WriteOrder) {
        const QVariant value = button.property(key.property);
        bool keep = false;
        switch (key.kept) {
        case Kept::Always:
            keep = true;
            break;
        case Kept::WhenSet:
            keep = !value.value<QPixmap>().isNull();
            break;
        case Kept::IfDifferent:
            keep = !SameValue(value, DefaultOf(key.property, button));
            break;
        }
        if (keep) {
            bag.Write(QString::fromLatin1(key.name), Stored(value));
        }
    }
}

void LoadButtonProperties(isButton& button, const ButtonPropertyBag& bag) {
    // Reading visits the caption's alignment before the icon's.
    QList<const Key*> readOrder;
    for (const Key& key : WriteOrder) {
        readOrder << &key;
    }
    std::swap(readOrder[4], readOrder[5]);

    const QMetaObject* meta = button.metaObject();
    for (const Key* key : readOrder) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(key->property));
        QVariant value = DefaultOf(key->property, button);
        if (bag.Contains(QString::fromLatin1(key->name))) {
            const QVariant restored =
                Restored(bag.Read(QString::fromLatin1(key->name)), property.metaType());
            if (restored.isValid()) {
                value = restored;
            }
        }
        property.write(&button, value);
    }
    button.PropertiesLoaded();
    button.ClearPropertiesChanged();
}

void InitNewButton(isButton& button, const QString& name) {
    const SystemColors sys = SystemColorsFrom(button.palette());
    button.SetStyle(0);
    button.SetCaption(name);
    button.SetIconSize(16);
    button.SetIcon(QPixmap());
    button.SetEnabled(true);
    button.SetShowFocus(false);
    button.SetUseCustomColors(false);
    button.SetBackColor(sys.buttonFace);
    button.SetHighlightColor(sys.highlight);
    button.SetFontColor(sys.buttonText);
    button.SetFontHighlightColor(sys.buttonText);
    // Everything else starts at zero, false or empty.
    button.SetIconAlign(0);
    button.SetCaptionAlign(0);
    button.SetNonThemeStyle(0);
    button.SetIconVisible(false);
    button.SetToolTip(QString());
    button.SetToolTipTitle(QString());
    button.SetToolTipIcon(0);
    button.SetToolTipType(0);
    button.SetToolTipBackColor(QColor(0, 0, 0));
    button.SetToolTipForeColor(QColor(0, 0, 0));
    button.SetButtonType(0);
    button.SetValue(false);
    button.PropertiesLoaded();
}
