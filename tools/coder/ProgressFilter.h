// Passes ffmpeg's console output through, rewriting its clock-style "time=HH:MM:SS.ss" progress
// into the plain seconds ("time=12.34 ") that the program's conversion stage reads.
#pragma once

#include <string>
#include <string_view>

class ProgressFilter {
public:
    // Takes the next piece of output and returns the complete lines ready to print.
    std::string Feed(std::string_view chunk);
    // Returns whatever is left once the output has ended.
    std::string Finish();

private:
    std::string pending_;
};

// One line with every "time=" value given in seconds.
std::string RewriteTimes(std::string_view line);
