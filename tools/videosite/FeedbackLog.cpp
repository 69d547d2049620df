#include "FeedbackLog.h"

#include <cstdio>
#include <fstream>

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

bool FeedbackLog::Append(const std::multimap<std::string, std::string>& params) {
    std::string line = "{";
    for (auto it = params.begin(); it != params.end(); it = params.upper_bound(it->first)) {
        if (line.size() > 1)
            line += ",";
        line += JsonString(it->first) + ":" + JsonString(it->second);
    }
    line += "}\n";
    const std::lock_guard guard(lock_);
    std::ofstream file(path_, std::ios::app | std::ios::binary);
    file << line;
    return bool(file.flush());
}
