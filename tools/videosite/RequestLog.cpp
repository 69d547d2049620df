#include "RequestLog.h"

RequestLog::RequestLog(const std::string& path) {
    if (!path.empty())
        file_.open(path, std::ios::app | std::ios::binary);
}

void RequestLog::Append(const std::string& method, const std::string& target, int status) {
    const std::lock_guard guard(lock_);
    if (!file_.is_open())
        return;
    // A line a request, written out at once: the reader may look while the site runs.
    file_ << method << ' ' << target << ' ' << status << '\n';
    file_.flush();
}
