#pragma once
// Hands a finished task's file to its target path. The target is either the complete new file
// or left exactly as it was: a missing or empty source delivers nothing, and the new content
// replaces the target in one step.

#include <QString>

struct DeliveryResult {
    bool delivered = false;
    QString reason; // why nothing was delivered
};

// Moves `source` over `target` when both are on one file system, otherwise copies it to a
// temporary file beside the target and renames that over it. As a copy over the target would, a
// target that is a symbolic link has the file it names replaced (the link stays), a file that
// is replaced keeps its mode and a new file gets the mode the user's umask allows. The source
// may be gone after a delivery.
DeliveryResult DeliverFile(const QString& source, const QString& target);

// The file the encoder wrote for `tempBase` and a target path: the MPEG file for an ".avi"
// target, otherwise the target's last four characters; a capitalised extension also finds the
// file the encoder wrote in small letters.
QString ConvertedFile(const QString& tempBase, const QString& target);

// Deletes the task's temporary files, in order: the download, tempBase + the target's last four
// characters (either letter case), tempBase + ".mpg". Missing files are passed over.
void DeleteTaskFiles(const QString& download, const QString& tempBase, const QString& target);
