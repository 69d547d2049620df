#pragma once
// The queue of download tasks, shown as the list view LV. Each row has six texts and carries
// its task's temporary file (lstTempName) and encoder command line or "None" (lstShell); they
// are kept in one record per row, so every removal keeps them aligned. Rows are 0-based; the
// active task is always row 0. Every task also has an identity of its own that no other task of
// this list ever gets, so a task can be named while the rows before it come and go.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace TaskStatus {
inline const QString Awaiting = QStringLiteral("Awaiting...");
inline const QString Analysing = QStringLiteral("Analysing URL...");
inline const QString Downloading = QStringLiteral("Downloading...");
inline const QString Resuming = QStringLiteral("Resume Broken Downloading");
inline const QString Converting = QStringLiteral("Converting...");
inline const QString Moving = QStringLiteral("Moving file...");
inline const QString Done = QStringLiteral("Done.");
// A task whose file could not be delivered; its row goes right after, as after "Done.".
inline const QString Failed = QStringLiteral("Failed.");
// Every text the Status column can show, for sizing the column.
inline const QStringList Every = {Awaiting,   Analysing, Downloading, Resuming,
                                  Converting, Moving,    Done,        Failed};
} // namespace TaskStatus

class TaskList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FilePath, Status, Progress, TimeUsed, Type, URL };
    static constexpr int ColumnCount = 6;
    // The task's identity, in every column of its row; 0 names no task.
    using TaskId = quint64;
    static constexpr int TaskIdRole = Qt::UserRole;

    explicit TaskList(QObject* parent = nullptr);

    // Adds a waiting task at the end: "Awaiting...", "0%", "00:00:00", and the last three
    // characters of the path as its type.
    void Append(const QString& filePath, const QString& url, const QString& tempName,
                const QString& shell);

    int Count() const { return static_cast<int>(rows_.size()); }

    // Reads and writes of a row that does not exist are passed over.
    QString Text(int row, Column column) const;
    void SetText(int row, Column column, const QString& text);
    QString TempName(int row) const;
    QString Shell(int row) const;
    TaskId IdAt(int row) const;
    // The row of the task, or -1 when it has left the list.
    int RowOf(TaskId task) const;
    void RemoveAt(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        std::array<QString, ColumnCount> texts;
        QString tempName;
        QString shell;
        TaskId id = 0;
    };

    bool Exists(int row) const { return row >= 0 && row < Count(); }

    QList<Row> rows_;
    TaskId lastId_ = 0;
};
