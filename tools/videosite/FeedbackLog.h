// Appends what a feedback request carried to a file, one JSON object a line, so tests and the
// person running the demo can read exactly which values arrived.
#pragma once

#include <map>
#include <mutex>
#include <string>

class FeedbackLog {
public:
    explicit FeedbackLog(std::string path) : path_(std::move(path)) {}
    // Values are already decoded; a key sent twice keeps its first value.
    bool Append(const std::multimap<std::string, std::string>& params);

private:
    std::mutex lock_;
    std::string path_;
};

std::string JsonString(const std::string& text);
