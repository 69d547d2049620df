// The local video site: every address the program visits, served on 127.0.0.1.
#pragma once

#include "Catalog.h"
#include "FeedbackLog.h"
#include "RequestLog.h"
#include "SiteOptions.h"
#include "Tokens.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

class SiteServer {
public:
    SiteServer(std::vector<Video> videos, SiteOptions options);
    // Binds 127.0.0.1 at the options' port; returns the port, or -1.
    int Bind();
    // Serves until Stop().
    void Run();
    // Safe from any thread: ends Run(), wakes every waiting request.
    void Stop();

private:
    void AddPageRoutes();
    void AddVideoRoutes();
    const Video* FindVideo(const std::string& id) const;
    // Looks up the request's video_id; answers 400 or 404 itself and returns null when it is
    // malformed or unknown.
    const Video* RequestedVideo(const httplib::Request& request, httplib::Response& response,
                                const std::string& key) const;
    void ServeFile(httplib::Response& response, const std::string& path,
                   const std::string& contentType, const std::string& id, const std::string& token);
    long long PerIdValue(const std::map<std::string, long long>& values,
                         const std::string& id) const;
    // Waits, unless the site is stopping; false when it is.
    bool Pause(std::chrono::microseconds time);
    bool DropNow(const std::string& token);
    void Expire(const std::string& token);
    bool Expired(const std::string& token);

    httplib::Server server_;
    std::vector<Video> videos_;
    SiteOptions options_;
    Tokens tokens_;
    FeedbackLog feedback_;
    RequestLog requests_;
    std::mutex lock_;
    std::condition_variable wake_;
    std::atomic<bool> stopping_ = false;
    std::set<std::string> droppedTokens_;
    std::set<std::string> goneTokens_;
};
