#pragma once
// Tells whether this is the only running copy of the program for the current user: the first
// copy holds an exclusive lock on a file in its private folder until it ends, however it ends.

class SingleInstanceLock {
public:
    SingleInstanceLock() = default;
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when no other copy holds the lock (this one holds it from now on). When the private
    // folder cannot be used at all, the start is not refused on that account.
    bool TryAcquire();

private:
    int fd_ = -1;
};
