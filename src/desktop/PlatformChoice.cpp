#include "PlatformChoice.h"

#include <QtGlobal>

QByteArray PlatformForSession(const QProcessEnvironment& environment) {
    // Whoever set a platform explicitly knows better.
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return {};
    const bool wayland = environment.value(QStringLiteral("XDG_SESSION_TYPE"))
                                 .compare(QStringLiteral("wayland"), Qt::CaseInsensitive) == 0 ||
                         !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    // XWayland announces itself through DISPLAY; without it xcb could not start at all.
    const bool xwayland = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    return wayland && xwayland ? QByteArrayLiteral("xcb") : QByteArray();
}

void PreferX11OnWayland() {
    const QByteArray platform = PlatformForSession(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
