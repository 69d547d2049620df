// Writes the given number of bytes to standard output as fast as it can.

#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char* argv[]) {
    std::size_t left = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0;
    const std::string block(64 * 1024, 'v');
    while (left > 0) {
        const ssize_t count = write(1, block.data(), std::min(left, block.size()));
        if (count <= 0)
            return 1;
        left -= static_cast<std::size_t>(count);
    }
    return 0;
}
