#include "TaskList.h"

TaskList::TaskList(QObject* parent) : QAbstractTableModel(parent) {}

void TaskList::Append(const QString& filePath, const QString& url, const QString& tempName,
                      const QString& shell) {
    beginInsertRows({}, Count(), Count());
    rows_.append({{filePath, TaskStatus::Awaiting, QStringLiteral("0%"), QStringLiteral("00:00:00"),
                   filePath.right(3), url},
                  tempName,
                  shell,
                  ++lastId_});
    endInsertRows();
}

QString TaskList::Text(int row, Column column) const {
    return Exists(row) ? rows_[row].texts[column] : QString();
}

void TaskList::SetText(int row, Column column, const QString& text) {
    if (!Exists(row) || rows_[row].texts[column] == text)
        return;
    rows_[row].texts[column] = text;
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

QString TaskList::TempName(int row) const {
    return Exists(row) ? rows_[row].tempName : QString();
}

QString TaskList::Shell(int row) const {
    return Exists(row) ? rows_[row].shell : QString();
}

TaskList::TaskId TaskList::IdAt(int row) const {
    return Exists(row) ? rows_[row].id : 0;
}

int TaskList::RowOf(TaskId task) const {
    for (int row = 0; task != 0 && row < Count(); ++row)
        if (rows_[row].id == task)
            return row;
    return -1;
}

void TaskList::RemoveAt(int row) {
    if (!Exists(row))
        return;
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

int TaskList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TaskList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TaskList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Exists(index.row()))
        return {};
    if (role == TaskIdRole)
        return rows_[index.row()].id;
    if (role != Qt::DisplayRole)
        return {};
    return rows_[index.row()].texts[index.column()];
}

QVariant TaskList::headerData(int section, Qt::Orientation orientation, int role) const {
    static const std::array<QString, ColumnCount> headers = {
        QStringLiteral("File Path"), QStringLiteral("Status"), QStringLiteral("Progress"),
        QStringLiteral("Time Used"), QStringLiteral("Type"),   QStringLiteral("URL")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return headers[section];
}
