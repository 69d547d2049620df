#pragma once
// Starting a program that outlives us, and ending this process on the spot.

#include <QString>

// Starts `program` with no arguments and does not wait for it; false when it could not start.
bool StartDetached(const QString& program);

// Ends the process at once: no pending event, destructor or exit handler runs.
[[noreturn]] void EndProcessNow();
