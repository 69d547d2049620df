// A stand-in console tool for the runner's tests, started through links under whatever name a
// test watches. Standard library and POSIX only.
//   marker         1020 "x" and "MARKER" in one write, so the marker straddles two chunks
//   quiet MS       silent for MS milliseconds, then "done"
//   hold           silent until it is ended
//   burst BYTES    BYTES of numbered lines as fast as possible
//   both           "out" on standard output, then "err" on standard error
//   args A...      each argument in brackets
//   split          1023 "x" and a two-byte character across the chunk boundary
//   exit CODE      "ending" and then the exit code CODE
//   env NAME...    each variable's value in brackets, "-" for an unset one

#include "BurstText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

void WriteAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t count = write(fd, text.data() + done, text.size() - done);
        if (count <= 0)
            std::exit(1);
        done += static_cast<std::size_t>(count);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "marker") {
        WriteAll(1, std::string(1020, 'x') + "MARKER\n");
    } else if (mode == "quiet" && argc > 2) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
        WriteAll(1, "done\n");
    } else if (mode == "hold") {
        for (;;)
            pause();
    } else if (mode == "burst" && argc > 2) {
        WriteAll(1, BurstText(std::strtoul(argv[2], nullptr, 10)));
    } else if (mode == "both") {
        WriteAll(1, "out\n");
        WriteAll(2, "err\n");
    } else if (mode == "args") {
        std::string text;
        for (int i = 2; i < argc; ++i)
            text += std::string("[") + argv[i] + "]";
        WriteAll(1, text + "\n");
    } else if (mode == "exit" && argc > 2) {
        WriteAll(1, "ending\n");
        return std::atoi(argv[2]);
    } else if (mode == "env") {
        std::string text;
        for (int i = 2; i < argc; ++i) {
            const char* value = std::getenv(argv[i]);
            text += std::string("[") + (value ? value : "-") + "]";
        }
        WriteAll(1, text + "\n");
    } else if (mode == "split") {
        WriteAll(1, std::string(1023, 'x') + "\xc3\xa9\n");
    } else {
        return 2;
    }
    return 0;
}
