#pragma once
// Small text rules about addresses and paths that the task sources and the add-task dialog share.

#include <QString>

// True for a text short enough for a task source to offer as an address: at most 8 KiB as
// UTF-8. A watch address is far shorter; anything longer is something else that was copied or
// dropped, and the dialog would only have to lay it all out.
bool FitsAnOffer(const QString& text);

// True when the text holds "watch?v=" (exact letter case) with at least one character after it.
bool IsWatchAddress(const QString& text);

// The characters after the last "/" of a path; the whole path when it has none.
QString ExtractFileName(const QString& path);

// The path up to and including its last "/"; empty when it has none.
QString FolderOfPath(const QString& path);
