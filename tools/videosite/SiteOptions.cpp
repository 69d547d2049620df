#include "SiteOptions.h"

#include "Catalog.h"

#include <cstdlib>

const char* const kSiteUsage =
    "usage: videosite [--port N] [--cache DIR] [--log FILE] [--requests FILE] [--hang-id ID]...\n"
    "                 [--big-id ID [--big-mb N]] [--throttle ID:KBPS]... [--drop ID:BYTES]...\n"
    "                 [--gone ID:BYTES]...\n"
    "ID is an 11-character video id; --throttle, --drop and --gone also take * for every video.\n"
    "--drop cuts the connection once after BYTES; --gone cuts it there and then refuses the\n"
    "download's token (403), as a site does whose address has expired.\n";

namespace {

std::optional<long long> Number(const std::string& text) {
    if (text.empty() || text.size() > 15 || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    return std::atoll(text.c_str());
}

bool PerIdValue(const std::string& text, std::map<std::string, long long>& into) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string id = text.substr(0, colon);
    const auto value = Number(text.substr(colon + 1));
    if ((id != "*" && !IsVideoId(id)) || !value || *value <= 0)
        return false;
    into[id] = *value;
    return true;
}

std::string DefaultCache() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/vidlark-site";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "/tmp") + "/.cache/vidlark-site";
}

} // namespace

std::optional<SiteOptions> ParseSiteOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    SiteOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--help" || flag == "-h") {
            error.clear();
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = "missing value or unknown flag: " + flag;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (flag == "--port") {
            const auto port = Number(value);
            ok = port && *port <= 65535;
            options.port = ok ? int(*port) : 0;
        } else if (flag == "--cache") {
            options.cache = value;
        } else if (flag == "--log") {
            options.log = value;
        } else if (flag == "--requests") {
            options.requests = value;
        } else if (flag == "--hang-id") {
            ok = IsVideoId(value);
            options.hangIds.push_back(value);
        } else if (flag == "--big-id") {
            ok = IsVideoId(value);
            options.bigId = value;
        } else if (flag == "--big-mb") {
            const auto megabytes = Number(value);
            ok = megabytes && *megabytes > 0 && *megabytes <= 4096;
            options.bigMegabytes = ok ? *megabytes : 0;
        } else if (flag == "--throttle") {
            ok = PerIdValue(value, options.throttleKbps);
        } else if (flag == "--drop") {
            ok = PerIdValue(value, options.dropAfter);
        } else if (flag == "--gone") {
            ok = PerIdValue(value, options.goneAfter);
        } else {
            error = "unknown flag: " + flag;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + flag + ": " + value;
            return std::nullopt;
        }
    }
    if (options.cache.empty())
        options.cache = DefaultCache();
    if (options.log.empty())
        options.log = options.cache + "/feedback.log";
    return options;
}
