#pragma once
// The task list's column widths. The list pane is narrow, so the widths come from the texts
// the columns can hold in the list's own fonts: every status text and the longest progress,
// time and type texts fit whole, and File Path and URL share what is left, so the URL column
// always starts inside the pane and no horizontal scroll bar is needed, even once the list is
// long enough for a vertical one.

class QTreeView;

// Call once the list has its model and fonts.
void SizeTaskListColumns(QTreeView& list);
