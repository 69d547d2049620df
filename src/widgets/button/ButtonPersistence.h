#pragma once
// Keeping a button's properties in its container's layout: the named values, their order, their
// defaults, and which of them are stored at all.

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class isButton;
class QSettings;

// Named values one button keeps, in the order they were written; keys compare without regard
// to case. A layout file may hold them as a map or as a settings group.
class ButtonPropertyBag {
public:
    void Write(const QString& key, const QVariant& value);
    QVariant Read(const QString& key, const QVariant& fallback = QVariant()) const;
    bool Contains(const QString& key) const;
    QStringList Keys() const;

    QVariantMap ToMap() const;
    static ButtonPropertyBag FromMap(const QVariantMap& map);
    void SaveTo(QSettings& settings) const; // into the settings' current group
    static ButtonPropertyBag LoadFrom(QSettings& settings);

private:
    qsizetype IndexOf(const QString& key) const;
    QList<QPair<QString, QVariant>> entries_;
};

// Writes the values that differ from their defaults (and the few that are always kept).
void SaveButtonProperties(const isButton& button, ButtonPropertyBag& bag);
// Applies stored values; a missing key gives its default.
void LoadButtonProperties(isButton& button, const ButtonPropertyBag& bag);
// The values of a button just placed on a container and given a name.
void InitNewButton(isButton& button, const QString& name);
