// Appends every request the site answered to a file, "METHOD TARGET STATUS" a line, so a test
// can see which addresses a program really asked for (the site's own lookup or the watch page
// and media file).
#pragma once

#include <fstream>
#include <mutex>
#include <string>

class RequestLog {
public:
    // An empty path logs nothing.
    explicit RequestLog(const std::string& path);
    void Append(const std::string& method, const std::string& target, int status);

private:
    std::mutex lock_;
    std::ofstream file_;
};
