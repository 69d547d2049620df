// The site's start-up flags.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

struct SiteOptions {
    int port = 0; // 0: any free port
    std::string cache;
    std::string log;                  // the feedback log; empty: feedback.log in the cache
    std::string requests;             // the request log; empty: none
    std::vector<std::string> hangIds; // ids whose /v/ lookup never answers
    std::string bigId;                // an extra, large video
    long long bigMegabytes = 200;
    std::map<std::string, long long> throttleKbps; // per id, "*" for every id
    std::map<std::string, long long> dropAfter;    // per id, "*" for every id
    std::map<std::string, long long> goneAfter;    // dropped there, then the token is refused
};

// The options, or nothing with a message in `error` when a flag is wrong.
std::optional<SiteOptions> ParseSiteOptions(const std::vector<std::string>& args,
                                            std::string& error);

extern const char* const kSiteUsage;
