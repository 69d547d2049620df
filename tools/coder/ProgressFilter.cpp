#include "ProgressFilter.h"

#include <cctype>
#include <optional>

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// "HH:MM:SS.ff" (possibly negative, as ffmpeg shows before the first frame) in seconds, keeping
// the fraction's digits exactly; "N/A" counts as nothing done yet.
std::optional<std::string> Seconds(std::string_view clock) {
    if (clock == "N/A")
        return "0.00";
    const bool negative = !clock.empty() && clock[0] == '-';
    if (negative)
        clock.remove_prefix(1);
    const auto first = clock.find(':');
    const auto second = clock.find(':', first == clock.npos ? 0 : first + 1);
    if (first == clock.npos || second == clock.npos)
        return std::nullopt;
    const auto hours = clock.substr(0, first);
    const auto minutes = clock.substr(first + 1, second - first - 1);
    auto rest = clock.substr(second + 1);
    const auto dot = rest.find('.');
    const auto wholeSeconds = rest.substr(0, dot);
    const auto fraction = dot == rest.npos ? std::string_view("00") : rest.substr(dot + 1);
    if (!AllDigits(hours) || !AllDigits(minutes) || !AllDigits(wholeSeconds) ||
        !AllDigits(fraction))
        return std::nullopt;
    if (negative)
        return "0.00";
    const long long total = std::stoll(std::string(hours)) * 3600 +
                            std::stoll(std::string(minutes)) * 60 +
                            std::stoll(std::string(wholeSeconds));
    return std::to_string(total) + "." + std::string(fraction);
}

} // namespace

std::string RewriteTimes(std::string_view line) {
    static constexpr std::string_view marker = "time=";
    std::string out;
    size_t from = 0;
    for (auto at = line.find(marker); at != line.npos; at = line.find(marker, from)) {
        const size_t valueStart = at + marker.size();
        size_t valueEnd = valueStart;
        while (valueEnd < line.size() && line[valueEnd] != ' ' && line[valueEnd] != '\r' &&
               line[valueEnd] != '\n')
            ++valueEnd;
        out.append(line.substr(from, valueStart - from));
        const auto seconds = Seconds(line.substr(valueStart, valueEnd - valueStart));
        if (seconds) {
            out.append(*seconds);
            if (valueEnd == line.size() || line[valueEnd] != ' ')
                out.push_back(' ');
        } else {
            out.append(line.substr(valueStart, valueEnd - valueStart));
        }
        from = valueEnd;
    }
    out.append(line.substr(from));
    return out;
}

std::string ProgressFilter::Feed(std::string_view chunk) {
    pending_.append(chunk);
    auto end = pending_.find_last_of("\r\n");
    if (end == std::string::npos) {
        // A line this long is not progress; do not hold it back any longer.
        if (pending_.size() < 65536)
            return {};
        end = pending_.size() - 1;
    }
    std::string out = RewriteTimes(std::string_view(pending_).substr(0, end + 1));
    pending_.erase(0, end + 1);
    return out;
}

std::string ProgressFilter::Finish() {
    std::string out = RewriteTimes(pending_);
    pending_.clear();
    return out;
}
