// videosite: a small stand-in for the video site, on 127.0.0.1, for tests and the demo run.
// Prints the site root first, then "video <id> <seconds> <bytes>" for each video, then "ready".
#include "SiteOptions.h"
#include "SiteServer.h"
#include "VideoMaker.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>

int main(int argc, char** argv) {
    // Stop signals are taken by one thread with sigwait, so every other thread must block them;
    // threads inherit the mask, so block before any is started.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&stopSignals, signal);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::string error;
    const auto options = ParseSiteOptions({argv + 1, argv + argc}, error);
    if (!options) {
        std::fprintf(stderr, "%s%s%s", error.c_str(), error.empty() ? "" : "\n", kSiteUsage);
        return error.empty() ? 0 : 2;
    }

    std::vector<Video> videos = StandardVideos();
    if (!options->bigId.empty()) {
        std::erase_if(videos, [&](const Video& video) { return video.id == options->bigId; });
        videos.push_back(BigVideo(options->bigId, options->bigMegabytes));
    }
    if (!MakeVideos(videos, options->cache, error)) {
        std::fprintf(stderr, "videosite: %s\n", error.c_str());
        return 1;
    }

    SiteServer server(videos, *options);
    const int port = server.Bind();
    if (port < 0) {
        std::fprintf(stderr, "videosite: cannot listen on 127.0.0.1 port %d\n", options->port);
        return 1;
    }
    std::thread([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.Stop();
    }).detach();

    std::printf("http://127.0.0.1:%d\n", port);
    for (const auto& video : videos)
        std::printf("video %s %d %lld\n", video.id.c_str(), video.seconds, video.bytes);
    std::printf("ready\n");
    std::fflush(stdout);
    server.Run();
    return 0;
}
