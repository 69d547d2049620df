#pragma once
// The text the stand-in tool's burst writes: numbered lines, so a test can tell whether it
// arrived whole and in order.

#include <cstddef>
#include <string>

inline std::string BurstText(std::size_t bytes) {
    std::string text;
    for (int line = 0; text.size() < bytes; ++line)
        text += "line " + std::to_string(line) + " of the burst\n";
    text.resize(bytes);
    return text;
}
