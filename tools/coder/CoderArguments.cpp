#include "CoderArguments.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Extension(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return Lower(path.substr(dot + 1));
}

bool IsPlainNumber(const std::string& text) {
    if (text.empty() || std::count(text.begin(), text.end(), '.') > 1)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) || c == '.'; }) &&
           std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A decimal ("14.985") or a ratio ("30000/1001").
std::optional<double> ParseNumber(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos)
        return IsPlainNumber(text) ? std::optional(std::strtod(text.c_str(), nullptr))
                                   : std::nullopt;
    const auto top = ParseNumber(text.substr(0, slash));
    const auto bottom = ParseNumber(text.substr(slash + 1));
    if (!top || !bottom || *bottom == 0)
        return std::nullopt;
    return *top / *bottom;
}

// The old ffmpeg read a bare bitrate as kilobits per second; today's reads bits per second.
// A value that already carried its "k" before the command line added one ("4.75kk") means
// the same kilobits.
std::string InKilobits(const std::string& value) {
    if (IsPlainNumber(value))
        return value + "k";
    const auto lower = Lower(value);
    if (lower.size() > 2 && lower.ends_with("kk") &&
        IsPlainNumber(value.substr(0, value.size() - 2)))
        return value.substr(0, value.size() - 1);
    return value;
}

std::optional<double> BitsPerSecond(const std::string& value) {
    if (IsPlainNumber(value))
        return std::strtod(value.c_str(), nullptr) * 1000;
    if (value.size() > 1 && (value.back() == 'k' || value.back() == 'K')) {
        const auto number = value.substr(0, value.size() - 1);
        if (IsPlainNumber(number))
            return std::strtod(number.c_str(), nullptr) * 1000;
    }
    return std::nullopt;
}

template <typename T> T Nearest(const std::vector<T>& choices, double value) {
    return *std::min_element(choices.begin(), choices.end(), [value](T a, T b) {
        return std::fabs(double(a) - value) < std::fabs(double(b) - value);
    });
}

// Sample rate text snapped to the nearest one the encoder takes; other text stays as it is.
std::string SnappedRate(const std::string& value, const std::vector<int>& rates) {
    const auto rate = ParseNumber(value);
    return rate ? std::to_string(Nearest(rates, *rate)) : value;
}

// MPEG-1 and MPEG-2 video accept only these frame rates.
std::string SnappedMpegFrameRate(const std::string& value) {
    struct Rate {
        double value;
        const char* text;
    };
    static const std::vector<Rate> rates = {{24000.0 / 1001, "24000/1001"}, {24, "24"}, {25, "25"},
                                            {30000.0 / 1001, "30000/1001"}, {30, "30"}, {50, "50"},
                                            {60000.0 / 1001, "60000/1001"}, {60, "60"}};
    const auto fps = ParseNumber(value);
    if (!fps)
        return value;
    const auto best = std::min_element(rates.begin(), rates.end(), [&](auto& a, auto& b) {
        return std::fabs(a.value - *fps) < std::fabs(b.value - *fps);
    });
    return best->text;
}

const std::vector<int> kLameRates = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
const std::vector<int> kAacRates = {7350,  8000,  11025, 12000, 16000, 22050, 24000,
                                    32000, 44100, 48000, 64000, 88200, 96000};
const std::vector<int> kAmrBitrates = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
const std::vector<std::string> kH263Sizes = {"128x96", "176x144", "352x288", "704x576",
                                             "1408x1152"};

bool TakesValue(const std::string& option) {
    static const std::vector<std::string> known = {
        "-b",   "-ab",  "-r",       "-ar",      "-ac",  "-s",   "-acodec", "-vcodec",
        "-c:a", "-c:v", "-codec:a", "-codec:v", "-b:a", "-b:v", "-i",      "-f"};
    return std::find(known.begin(), known.end(), option) != known.end();
}

struct Option {
    std::string name;  // empty for a lone token that is passed on as it is
    std::string value; // the option's value, or the lone token
};

std::optional<std::string> LastValue(const std::vector<Option>& options,
                                     const std::vector<std::string>& names) {
    std::optional<std::string> found;
    for (const auto& option : options)
        if (std::find(names.begin(), names.end(), option.name) != names.end())
            found = option.value;
    return found;
}

int InputIndex(const std::vector<std::string>& args) {
    int index = -1;
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "-i")
            index = int(i + 1);
    return index;
}

bool IsAmrRequest(const std::vector<Option>& options, const std::string& extension) {
    const auto codec = LastValue(options, {"-acodec", "-c:a", "-codec:a"});
    // A 3GP file's own audio codec is AMR-NB, so the old ffmpeg picked it when none was named.
    if (!codec)
        return extension == "3gp" || extension == "3g2";
    return *codec == "libamr_nb" || *codec == "amr_nb" || *codec == "libopencore_amrnb";
}

std::vector<Option> OutputOptions(const std::vector<std::string>& args) {
    std::vector<Option> options;
    const size_t first = size_t(InputIndex(args) + 1);
    for (size_t i = first; i + 1 < args.size(); ++i) {
        if (TakesValue(args[i]) && i + 2 < args.size()) {
            options.push_back({args[i], args[i + 1]});
            ++i;
        } else {
            options.push_back({{}, args[i]});
        }
    }
    return options;
}

// The command line reaches us split at blanks; two blanks in a row may leave an empty argument,
// which ffmpeg would take for a file name.
std::vector<std::string> WithoutEmpty(const std::vector<std::string>& args) {
    std::vector<std::string> kept;
    std::copy_if(args.begin(), args.end(), std::back_inserter(kept),
                 [](const std::string& arg) { return !arg.empty(); });
    return kept;
}

} // namespace

bool RequestsAmrNb(const std::vector<std::string>& given) {
    const auto args = WithoutEmpty(given);
    return !args.empty() && IsAmrRequest(OutputOptions(args), Extension(args.back()));
}

std::string OutputPath(const std::vector<std::string>& given) {
    const auto args = WithoutEmpty(given);
    if (args.empty() || args.back()[0] == '-')
        return {};
    const int input = InputIndex(args);
    if (input >= 0 && (size_t(input) == args.size() - 1 || args[size_t(input)] == args.back()))
        return {};
    return args.back();
}

std::vector<std::string> MapToFfmpeg(const std::vector<std::string>& given,
                                     const EncoderSupport& support) {
    const auto args = WithoutEmpty(given);
    std::vector<std::string> mapped = {"-hide_banner", "-nostdin"};
    if (args.empty())
        return mapped;
    const int input = InputIndex(args);
    mapped.insert(mapped.end(), args.begin(), args.begin() + (input + 1));

    const std::string extension = Extension(args.back());
    auto options = OutputOptions(args);
    const bool isMpegVideo = [&] {
        const auto codec = LastValue(options, {"-vcodec", "-c:v", "-codec:v"});
        return codec ? (*codec == "mpeg1video" || *codec == "mpeg2video")
                     : (extension == "mpg" || extension == "mpeg");
    }();
    const bool isLame = [&] {
        const auto codec = LastValue(options, {"-acodec", "-c:a", "-codec:a"});
        return codec ? (*codec == "libmp3lame" || *codec == "mp3") : extension == "mp3";
    }();
    const bool amr = IsAmrRequest(options, extension);
    const bool amrNative = amr && support.amrNb;

    bool hasChannels = false;
    bool hasRate = false;
    for (auto& option : options) {
        if (option.name == "-b") {
            option = {"-b:v", InKilobits(option.value)};
        } else if (option.name == "-ab") {
            option = {"-b:a", InKilobits(option.value)};
            if (const auto bits = BitsPerSecond(option.value); amrNative && bits)
                option.value = std::to_string(Nearest(kAmrBitrates, *bits));
        } else if (option.name == "-acodec" && amr) {
            option.value = amrNative ? "libopencore_amrnb" : "aac";
        } else if (option.name == "-r" && isMpegVideo) {
            option.value = SnappedMpegFrameRate(option.value);
        } else if (option.name == "-ar") {
            hasRate = true;
            if (amrNative)
                option.value = "8000";
            else if (amr)
                option.value = SnappedRate(option.value, kAacRates);
            else if (isLame)
                option.value = SnappedRate(option.value, kLameRates);
        } else if (option.name == "-ac") {
            hasChannels = true;
            if (amr)
                option.value = "1";
        }
    }
    if (amr && !LastValue(options, {"-acodec", "-c:a", "-codec:a"}))
        options.push_back({"-acodec", amrNative ? "libopencore_amrnb" : "aac"});
    if (amr && !hasChannels)
        options.push_back({"-ac", "1"});
    if (amrNative && !hasRate)
        options.push_back({"-ar", "8000"});
    // H.263 is what a 3GP phone plays best, but it knows only five picture sizes.
    if ((extension == "3gp" || extension == "3g2") &&
        !LastValue(options, {"-vcodec", "-c:v", "-codec:v"})) {
        const auto size = LastValue(options, {"-s"});
        const bool h263 =
            size && std::find(kH263Sizes.begin(), kH263Sizes.end(), *size) != kH263Sizes.end();
        options.push_back({"-vcodec", h263 ? "h263" : "mpeg4"});
    }

    for (const auto& option : options) {
        if (!option.name.empty())
            mapped.push_back(option.name);
        mapped.push_back(option.value);
    }
    if (size_t(input) + 1 < args.size())
        mapped.push_back(args.back());
    return mapped;
}
