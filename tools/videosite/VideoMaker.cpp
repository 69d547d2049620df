#include "VideoMaker.h"

#include "ChildRun.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kPreviewSeconds = 30;

struct Job {
    std::vector<std::string> recipe; // ffmpeg arguments without the output file
    std::string path;
    long long padTo = 0;
    long long weight = 0; // a guess at the work, to start the longest first
};

std::vector<std::string> Sources(const Video& video, int seconds) {
    const std::string length = std::to_string(seconds);
    return {"-f",       "lavfi",
            "-i",       video.pattern + "=s=176x144:r=12:d=" + length,
            "-f",       "lavfi",
            "-i",       "sine=f=" + std::to_string(video.toneHz) + ":r=22050:d=" + length,
            "-pix_fmt", "yuv420p"};
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> MainRecipe(const Video& video) {
    if (video.container == "mp4")
        return Joined(Sources(video, video.seconds),
                      {"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-b:a", "48k",
                       "-ac", "1", "-movflags", "+faststart", "-f", "mp4"});
    return Joined(Sources(video, video.seconds), {"-c:v", "flv1", "-q:v", "6", "-c:a", "libmp3lame",
                                                  "-b:a", "32k", "-ac", "1", "-f", "flv"});
}

std::vector<std::string> PreviewRecipe(const Video& video) {
    return Joined(Sources(video, std::min(video.seconds, kPreviewSeconds)),
                  {"-c:v", "libvpx", "-deadline", "realtime", "-cpu-used", "16", "-threads", "1",
                   "-b:v", "150k", "-c:a", "libvorbis", "-ac", "1", "-f", "webm"});
}

std::string Fingerprint(const std::vector<std::string>& recipe, long long padTo) {
    unsigned long long hash = 1469598103934665603ull;
    for (const auto& part : recipe)
        for (const char c : part + '\n') {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
    hash ^= static_cast<unsigned long long>(padTo);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", hash);
    return std::string(text, 10);
}

Job MakeJob(const std::string& cacheDir, const std::string& id, std::vector<std::string> recipe,
            const std::string& extension, long long padTo = 0) {
    const std::string name = id + "-" + Fingerprint(recipe, padTo) + "." + extension;
    return {std::move(recipe), cacheDir + "/" + name, padTo, 0};
}

// FLV tags of a type players do not know are skipped whole, so the file still plays through.
bool PadFlv(const std::string& path, long long padTo) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    long long size = file.tellp();
    const std::vector<char> zeros(8 << 20, 0);
    while (size < padTo) {
        const long long payload = std::clamp<long long>(padTo - size - 15, 1, 8 << 20);
        const unsigned char header[11] = {0x1F,
                                          (unsigned char)(payload >> 16),
                                          (unsigned char)(payload >> 8),
                                          (unsigned char)payload,
                                          0,
                                          0,
                                          0,
                                          0,
                                          0,
                                          0,
                                          0};
        const long long tagSize = payload + 11;
        const unsigned char trailer[4] = {(unsigned char)(tagSize >> 24),
                                          (unsigned char)(tagSize >> 16),
                                          (unsigned char)(tagSize >> 8), (unsigned char)tagSize};
        file.write(reinterpret_cast<const char*>(header), sizeof header);
        file.write(zeros.data(), payload);
        file.write(reinterpret_cast<const char*>(trailer), sizeof trailer);
        size += tagSize + 4;
    }
    return bool(file);
}

bool RunJob(const Job& job, std::string& error) {
    std::error_code ignored;
    if (fs::file_size(job.path, ignored) > 0 && !ignored)
        return true;
    // Made under a private name and renamed, so a second site sharing the cache never serves a
    // half-made file.
    const std::string part = job.path + ".part" + std::to_string(getpid());
    auto argv =
        Joined({"ffmpeg", "-hide_banner", "-nostdin", "-loglevel", "error", "-y"}, job.recipe);
    argv.push_back(part);
    if (RunQuietly(argv) != 0 || (job.padTo > 0 && !PadFlv(part, job.padTo))) {
        fs::remove(part, ignored);
        error = "ffmpeg could not make " + job.path;
        return false;
    }
    fs::rename(part, job.path, ignored);
    if (ignored) {
        error = "cannot store " + job.path + ": " + ignored.message();
        return false;
    }
    return true;
}

} // namespace

Video BigVideo(const std::string& id, long long megabytes) {
    Video video{id, "Wide Band Pattern", "Bandwidth", {12}, 5, "flv", "testsrc2", 880};
    video.padTo = megabytes * 1024 * 1024;
    return video;
}

bool MakeVideos(std::vector<Video>& videos, const std::string& cacheDir, std::string& error) {
    std::error_code failed;
    fs::create_directories(cacheDir, failed);
    if (failed) {
        error = "cannot create " + cacheDir + ": " + failed.message();
        return false;
    }
    std::vector<Job> jobs;
    for (auto& video : videos) {
        Job main = MakeJob(cacheDir, video.id, MainRecipe(video), video.container, video.padTo);
        Job preview = MakeJob(cacheDir, video.id, PreviewRecipe(video), "webm");
        main.weight = video.seconds + video.padTo / (1 << 20);
        preview.weight = std::min(video.seconds, kPreviewSeconds) * 2;
        video.file = main.path;
        video.preview = preview.path;
        jobs.push_back(std::move(main));
        jobs.push_back(std::move(preview));
    }
    // The longest jobs first, so the workers finish together.
    std::sort(jobs.begin(), jobs.end(), [](auto& a, auto& b) { return a.weight > b.weight; });
    std::atomic<size_t> next = 0;
    std::mutex errorLock;
    const auto work = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            std::string message;
            if (!RunJob(jobs[i], message)) {
                const std::lock_guard lock(errorLock);
                error = message;
            }
        }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < workers; ++i)
        threads.emplace_back(work);
    for (auto& thread : threads)
        thread.join();
    if (!error.empty())
        return false;
    for (auto& video : videos)
        video.bytes = static_cast<long long>(fs::file_size(video.file, failed));
    return !failed;
}
