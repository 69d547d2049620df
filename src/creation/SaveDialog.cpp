#include "SaveDialog.h"

#include "ConfigLocation.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString SaveDialogStartFolder(const QString& folder, const QString& appDir) {
    const auto withSlash = [](QString path) {
        if (!path.endsWith(u'/'))
            path += u'/';
        return path;
    };
    // An installed program's folder is the system's; the user's own files are at home.
    const QString fallback = withSlash(IsInstalledCopy(appDir) ? QDir::homePath() : appDir);
    if (folder.trimmed().isEmpty())
        return fallback;
    const QString start = withSlash(folder);
    return QFileInfo(start).isDir() ? start : fallback;
}

QStringList SaveDialogNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts.at(i) + QStringLiteral(" (") + parts.at(i + 1) + u')';
    return filters;
}

bool DescriptionsNamePatterns(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2)
        return false;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (!parts.at(i).contains(parts.at(i + 1), Qt::CaseInsensitive))
            return false;
    return true;
}

QString AddMissingExtension(const QString& path, const QString& pattern) {
    const QString first = pattern.section(u';', 0, 0).trimmed();
    if (!first.startsWith(QStringLiteral("*.")))
        return path;
    const QString extension = first.mid(1);
    if (extension.contains(u'*') || extension.contains(u'?'))
        return path;
    if (path.endsWith(extension, Qt::CaseInsensitive))
        return path;
    return path + extension;
}

void ShowSaveDialog(QWidget* owner, const SaveDialogRequest& request, const QString& appDir,
                    SaveDialogDone done) {
    auto* dialog =
        new QFileDialog(owner, request.title, SaveDialogStartFolder(request.initialFolder, appDir));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    // The dialog reads the pattern from the bracket it appends; a description that shows its
    // pattern already needs no second one.
    dialog->setOption(QFileDialog::HideNameFilterDetails, DescriptionsNamePatterns(request.filter));
    const QStringList filters = SaveDialogNameFilters(request.filter);
    const QStringList patterns = request.filter.split(u'|');
    dialog->setNameFilters(filters);
    if (!filters.isEmpty())
        dialog->selectNameFilter(filters.first());

    // finished() comes once, for accept and for cancel alike.
    QObject::connect(dialog, &QFileDialog::finished, dialog,
                     [dialog, filters, patterns, done](int result) {
                         QString path;
                         const QStringList chosen = dialog->selectedFiles();
                         if (result == QDialog::Accepted && !chosen.isEmpty()) {
                             // With the details hidden the dialog names the filter by its
                             // description.
                             const QString selected = dialog->selectedNameFilter();
                             qsizetype filterAt = filters.indexOf(selected);
                             if (filterAt < 0)
                                 filterAt = patterns.indexOf(selected) / 2;
                             const QString pattern = patterns.value(filterAt * 2 + 1);
                             path = AddMissingExtension(chosen.first(), pattern);
                         }
                         if (done)
                             done(path);
                     });
    dialog->open();
}
