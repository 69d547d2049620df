// Translates an encoder command line written for the old ffmpeg option meanings the program
// was built around into one that the installed ffmpeg accepts with the same intent.
#pragma once

#include <string>
#include <vector>

struct EncoderSupport {
    bool amrNb = false; // ffmpeg was built with an AMR-NB encoder
};

// True when the command line asks for the old AMR-NB encoder name.
bool RequestsAmrNb(const std::vector<std::string>& args);

// The arguments for ffmpeg (without the program name). Options the mapping does not know pass
// through unchanged and in place.
std::vector<std::string> MapToFfmpeg(const std::vector<std::string>& args,
                                     const EncoderSupport& support);

// The file ffmpeg is asked to write: the last argument, or empty when there is none.
std::string OutputPath(const std::vector<std::string>& args);
