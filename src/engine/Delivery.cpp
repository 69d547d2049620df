#include "Delivery.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

QString TargetExtension(const QString& target) {
    return target.right(4);
}

} // namespace

DeliveryResult DeliverFile(const QString& source, const QString& target) {
    const QFileInfo from(source);
    if (!from.exists())
        return {false, QStringLiteral("There is no file to deliver.")};
    if (from.size() == 0)
        return {false, QStringLiteral("The file to deliver is empty.")};
    if (target.isEmpty() || QFileInfo(target).isDir())
        return {false, QStringLiteral("The target is not a file path.")};

    // The quick way: a rename replaces the target in one step and copies nothing.
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0)
        return {true, {}};

    const QFileInfo to(target);
    QTemporaryFile partial(to.absolutePath() + QStringLiteral("/.") + to.fileName() +
                           QStringLiteral(".XXXXXX"));
    QFile input(source);
    if (!partial.open() || !input.open(QIODevice::ReadOnly))
        return {
            false,
            QStringLiteral("The target folder cannot be written: %1").arg(partial.errorString())};
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = input.read(buffer.data(), buffer.size());
        if (got < 0 || (got > 0 && partial.write(buffer.constData(), got) != got))
            return {false, QStringLiteral("The file could not be copied: %1")
                               .arg(got < 0 ? input.errorString() : partial.errorString())};
        if (got == 0)
            break;
    }
    if (!partial.flush())
        return {false,
                QStringLiteral("The file could not be copied: %1").arg(partial.errorString())};
    partial.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                           QFile::ReadOther);
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return {false, QStringLiteral("The target cannot be replaced.")};
    partial.setAutoRemove(false);
    return {true, {}};
}

QString ConvertedFile(const QString& tempBase, const QString& target) {
    const QString extension = TargetExtension(target);
    if (extension.compare(QLatin1String(".avi"), Qt::CaseInsensitive) == 0)
        return tempBase + QStringLiteral(".mpg");
    const QString exact = tempBase + extension;
    const QString small = tempBase + extension.toLower();
    return QFile::exists(exact) || !QFile::exists(small) ? exact : small;
}

void DeleteTaskFiles(const QString& download, const QString& tempBase, const QString& target) {
    const QString extension = TargetExtension(target);
    for (const QString& path : {download, tempBase + extension, tempBase + extension.toLower(),
                                tempBase + QStringLiteral(".mpg")})
        QFile::remove(path);
}
