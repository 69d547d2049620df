// Download tokens: each lookup of a video gets a fresh one, and a token opens only its own video.
#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <string>

class Tokens {
public:
    std::string Issue(const std::string& videoId);
    bool Opens(const std::string& token, const std::string& videoId) const;

private:
    mutable std::mutex lock_;
    std::mt19937_64 random_{std::random_device{}()};
    std::map<std::string, std::string> videoOf_;
    std::deque<std::string> order_; // oldest first, so the table cannot grow without bound
};
