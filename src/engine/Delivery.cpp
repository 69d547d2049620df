#include "Delivery.h"

#include "FileModes.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkLevels = 40;

QString TargetExtension(const QString& target) {
    return target.right(4);
}

// The file a target path stands for: a symbolic link is followed to the file it names, which
// need not exist yet, as a copy over the link would write there. Empty for links in a circle.
QString LinkEnd(const QString& target) {
    QString path = target;
    for (int level = 0; level < MaxLinkLevels; ++level) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget();
    }
    return {};
}

bool RenameOver(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Across file systems: a copy into a hidden file beside the destination, renamed over it only
// once it is complete, so a copy that fails half-way leaves the old file as it was.
DeliveryResult CopyOver(const QString& source, const QString& destination, int modeBits) {
    const QFileInfo to(destination);
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
    SetFileModeBits(partial.fileName(), modeBits);
    if (!RenameOver(partial.fileName(), destination))
        return {false, QStringLiteral("The target cannot be replaced.")};
    partial.setAutoRemove(false);
    return {true, {}};
}

} // namespace

DeliveryResult DeliverFile(const QString& source, const QString& target) {
    const QFileInfo from(source);
    if (!from.exists())
        return {false, QStringLiteral("There is no file to deliver.")};
    if (from.size() == 0)
        return {false, QStringLiteral("The file to deliver is empty.")};
    if (target.isEmpty())
        return {false, QStringLiteral("The target is not a file path.")};
    const QString destination = LinkEnd(target);
    if (destination.isEmpty())
        return {false, QStringLiteral("The target is a symbolic link that leads round in a "
                                      "circle.")};
    if (QFileInfo(destination).isDir())
        return {false, QStringLiteral("The target is not a file path.")};

    // What a copy over the file would leave: its own mode when it is there, otherwise the one
    // the user's umask gives a new file, whatever mode the tool gave its output.
    const int existingBits = FileModeBits(destination);
    const int modeBits = existingBits >= 0 ? existingBits : NewFileModeBits();

    // The quick way: a rename replaces the file in one step and copies nothing.
    SetFileModeBits(source, modeBits);
    if (RenameOver(source, destination))
        return {true, {}};
    return CopyOver(source, destination, modeBits);
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
