#include "TaskListColumns.h"

#include "TaskList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeView>

#include <algorithm>

namespace {

// The width the list's item delegate asks for to show `text` whole.
int ItemWidth(const QTreeView& list, const QString& text) {
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.font = list.font();
    option.fontMetrics = QFontMetrics(list.font());
    option.text = text;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return list.style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &list).width();
}

int FittingWidth(const QTreeView& list, int column, const QStringList& texts) {
    int width = list.header()->sectionSizeHint(column);
    for (const QString& text : texts)
        width = std::max(width, ItemWidth(list, text));
    return width;
}

} // namespace

void SizeTaskListColumns(QTreeView& list) {
    // Digits share one width in the list's fonts, so these stand for every value of their column.
    const int status = FittingWidth(list, TaskList::Status, TaskStatus::Every);
    const int progress = FittingWidth(list, TaskList::Progress, {QStringLiteral("100%")});
    const int timeUsed = FittingWidth(list, TaskList::TimeUsed, {QStringLiteral("00:00:00")});
    const int type = FittingWidth(
        list, TaskList::Type,
        {QStringLiteral("flv"), QStringLiteral("mp3"), QStringLiteral("wmv"), QStringLiteral("mov"),
         QStringLiteral("mp4"), QStringLiteral("3gp"), QStringLiteral("avi")});

    // Room as it is with a vertical scroll bar, so a long list needs no horizontal one.
    const int bar =
        list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list.verticalScrollBar());
    const int pane = list.width() - 2 * list.frameWidth() - bar;
    const int shared = std::max(0, pane - status - progress - timeUsed - type);

    list.header()->setStretchLastSection(true);
    // Half each, but never less than the File Path caption.
    const int filePath = std::max(shared / 2, list.header()->sectionSizeHint(TaskList::FilePath));
    list.setColumnWidth(TaskList::FilePath, filePath);
    list.setColumnWidth(TaskList::Status, status);
    list.setColumnWidth(TaskList::Progress, progress);
    list.setColumnWidth(TaskList::TimeUsed, timeUsed);
    list.setColumnWidth(TaskList::Type, type);
    list.setColumnWidth(TaskList::URL, std::max(0, shared - filePath));
}
