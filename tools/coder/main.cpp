// coder: the program's encoder. Accepts the program's ffmpeg-style command lines, runs the
// installed ffmpeg with today's equivalent options, and reports progress the way the program
// reads it.
#include "CoderArguments.h"
#include "FfmpegChild.h"
#include "ProgressFilter.h"

#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool FfmpegHasEncoder(const std::string& name) {
    FILE* list = popen("ffmpeg -hide_banner -encoders 2>/dev/null", "r");
    if (!list)
        return false;
    std::string text;
    char buffer[4096];
    while (const size_t got = fread(buffer, 1, sizeof buffer, list))
        text.append(buffer, got);
    pclose(list);
    return text.find(" " + name + " ") != std::string::npos;
}

void Print(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
        if (written <= 0)
            return;
        text.remove_prefix(size_t(written));
    }
}

std::optional<struct stat> FileState(const std::string& path) {
    struct stat state {};
    if (path.empty() || stat(path.c_str(), &state) != 0)
        return std::nullopt;
    return state;
}

bool SameFileState(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    EncoderSupport support;
    if (RequestsAmrNb(args))
        support.amrNb = FfmpegHasEncoder("libopencore_amrnb");

    const std::string output = OutputPath(args);
    const auto before = FileState(output);

    ProgressFilter filter;
    const int status = RunFfmpegChild("ffmpeg", MapToFfmpeg(args, support),
                                      [&](std::string_view chunk) { Print(filter.Feed(chunk)); });
    Print(filter.Finish());

    // A failed run leaves nothing half-written behind, but never removes a file it did not touch.
    if (status != 0) {
        const auto after = FileState(output);
        if (after && S_ISREG(after->st_mode) && (!before || !SameFileState(*before, *after)))
            unlink(output.c_str());
    }
    return status;
}
