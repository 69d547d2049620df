#include "SiteServer.h"

#include "Pages.h"
#include "QueryCheck.h"

#include <algorithm>
#include <fstream>
#include <memory>

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr size_t kChunk = 64 * 1024;

void Answer(httplib::Response& response, int status, const std::string& title,
            const std::string& text) {
    response.status = status;
    response.set_content(MessagePage(title, text), kHtml);
}

std::string ContentType(const std::string& container) {
    if (container == "mp4")
        return "video/mp4";
    return container == "webm" ? "video/webm" : "video/x-flv";
}

} // namespace

SiteServer::SiteServer(std::vector<Video> videos, SiteOptions options)
    : videos_(std::move(videos)), options_(std::move(options)), feedback_(options_.log),
      requests_(options_.requests) {
    // Browsers keep several connections open at once, and a hanging lookup holds one for good.
    server_.new_task_queue = [] {
        return new httplib::ThreadPool(48);
    };
    server_.set_keep_alive_timeout(2);
    // Small answers (redirects, pages) must not wait for the client's delayed acknowledgement.
    server_.set_tcp_nodelay(true);
    server_.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        requests_.Append(request.method, request.target, response.status);
    });
    server_.set_pre_routing_handler(
        [](const httplib::Request& request, httplib::Response& response) {
            bool valid = HasValidEscapes(request.target);
            for (const auto& [key, value] : request.params)
                valid = valid && IsValidUtf8(key) && IsValidUtf8(value);
            if (valid)
                return httplib::Server::HandlerResponse::Unhandled;
            Answer(response, 400, "Bad request", "The address is not well formed.");
            return httplib::Server::HandlerResponse::Handled;
        });
    AddPageRoutes();
    AddVideoRoutes();
}

int SiteServer::Bind() {
    if (options_.port == 0)
        return server_.bind_to_any_port("127.0.0.1");
    return server_.bind_to_port("127.0.0.1", options_.port) ? options_.port : -1;
}

void SiteServer::Run() {
    server_.listen_after_bind();
}

void SiteServer::Stop() {
    {
        const std::lock_guard guard(lock_);
        stopping_ = true;
    }
    wake_.notify_all();
    server_.stop();
}

const Video* SiteServer::FindVideo(const std::string& id) const {
    const auto found = std::find_if(videos_.begin(), videos_.end(),
                                    [&](const Video& video) { return video.id == id; });
    return found == videos_.end() ? nullptr : &*found;
}

const Video* SiteServer::RequestedVideo(const httplib::Request& request,
                                        httplib::Response& response, const std::string& key) const {
    const std::string id = request.get_param_value(key);
    if (!IsVideoId(id)) {
        Answer(response, 400, "Bad request", "That is not a video id.");
        return nullptr;
    }
    const Video* video = FindVideo(id);
    if (!video)
        Answer(response, 404, "Not found", "There is no such video.");
    return video;
}

void SiteServer::AddPageRoutes() {
    server_.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/browse?s=mp&c=10");
    });
    server_.Get("/browse", [this](const httplib::Request& request, httplib::Response& response) {
        if (!request.has_param("b")) {
            response.set_content(StartPage(videos_), kHtml);
            return;
        }
        const std::string number = request.get_param_value("b");
        if (number.empty() || number.size() > 6 ||
            number.find_first_not_of("0123456789") != std::string::npos) {
            Answer(response, 400, "Bad request", "That is not a genre number.");
            return;
        }
        const Genre* genre = FindGenre(std::stoi(number));
        if (!genre) {
            Answer(response, 404, "Not found", "There is no such genre.");
            return;
        }
        response.set_content(GenrePage(*genre, videos_), kHtml);
    });
    server_.Get("/watch", [this](const httplib::Request& request, httplib::Response& response) {
        if (const Video* video = RequestedVideo(request, response, "v"))
            response.set_content(WatchPage(*video, videos_), kHtml);
    });
    server_.Get("/results", [this](const httplib::Request& request, httplib::Response& response) {
        const std::string query = request.get_param_value("search_query");
        response.set_content(ResultsPage(query, Search(videos_, query)), kHtml);
    });
    server_.Get("/suggest/post.php",
                [this](const httplib::Request& request, httplib::Response& response) {
                    if (!feedback_.Append(request.params)) {
                        Answer(response, 500, "Not stored", "The comment could not be stored.");
                        return;
                    }
                    response.set_content(ThanksPage(request.get_param_value("name")), kHtml);
                });
}

void SiteServer::AddVideoRoutes() {
    // The player address: a short chain of redirects that ends on an address with a fresh token.
    server_.Get("/v/(.*)", [this](const httplib::Request& request, httplib::Response& response) {
        const std::string id = request.matches[1];
        if (std::count(options_.hangIds.begin(), options_.hangIds.end(), id)) {
            std::unique_lock guard(lock_);
            wake_.wait(guard, [this] { return stopping_.load(); });
            Answer(response, 503, "Stopping", "The site is stopping.");
            return;
        }
        if (!IsVideoId(id)) {
            Answer(response, 400, "Bad request", "That is not a video id.");
            return;
        }
        if (!FindVideo(id)) {
            Answer(response, 404, "Not found", "There is no such video.");
            return;
        }
        response.set_redirect("/embed?video_id=" + id, 303);
    });
    server_.Get("/embed", [this](const httplib::Request& request, httplib::Response& response) {
        if (const Video* video = RequestedVideo(request, response, "video_id"))
            response.set_redirect("/player?video_id=" + video->id +
                                  "&t=" + tokens_.Issue(video->id) + "&fmt=flv");
    });
    server_.Get("/player", [this](const httplib::Request& request, httplib::Response& response) {
        if (const Video* video = RequestedVideo(request, response, "video_id"))
            response.set_content(PlayerPage(*video), kHtml);
    });
    server_.Get("/get_video", [this](const httplib::Request& request, httplib::Response& response) {
        const Video* video = RequestedVideo(request, response, "video_id");
        if (!video)
            return;
        const std::string token = request.get_param_value("t");
        if (!tokens_.Opens(token, video->id) || Expired(token)) {
            // The library would cut the refusal's page to the asked range and answer 416
            // instead, which a resuming client reads as "already complete".
            const_cast<httplib::Request&>(request).ranges.clear();
            Answer(response, 403, "Forbidden", "The token does not open this video.");
            return;
        }
        ServeFile(response, video->file, ContentType(video->container), video->id, token);
    });
    server_.Get(R"(/media/([A-Za-z0-9_-]{11})\.webm)",
                [this](const httplib::Request& request, httplib::Response& response) {
                    const Video* video = FindVideo(request.matches[1]);
                    if (!video) {
                        Answer(response, 404, "Not found", "There is no such video.");
                        return;
                    }
                    ServeFile(response, video->preview, ContentType("webm"), {}, {});
                });
}

long long SiteServer::PerIdValue(const std::map<std::string, long long>& values,
                                 const std::string& id) const {
    if (id.empty())
        return 0;
    if (const auto found = values.find(id); found != values.end())
        return found->second;
    const auto every = values.find("*");
    return every == values.end() ? 0 : every->second;
}

bool SiteServer::Pause(std::chrono::microseconds time) {
    std::unique_lock guard(lock_);
    return !wake_.wait_for(guard, time, [this] { return stopping_.load(); });
}

bool SiteServer::DropNow(const std::string& token) {
    const std::lock_guard guard(lock_);
    return droppedTokens_.insert(token).second;
}

void SiteServer::Expire(const std::string& token) {
    const std::lock_guard guard(lock_);
    goneTokens_.insert(token);
}

bool SiteServer::Expired(const std::string& token) {
    const std::lock_guard guard(lock_);
    return goneTokens_.count(token) > 0;
}

// Byte ranges come from the library: it calls the provider for the requested part only.
void SiteServer::ServeFile(httplib::Response& response, const std::string& path,
                           const std::string& contentType, const std::string& id,
                           const std::string& token) {
    auto file = std::make_shared<std::ifstream>(path, std::ios::binary);
    file->seekg(0, std::ios::end);
    const auto size = static_cast<long long>(file->tellg());
    if (!*file || size <= 0) {
        Answer(response, 500, "Missing", "The video file is missing from the cache.");
        return;
    }
    const long long kbps = PerIdValue(options_.throttleKbps, id);
    const long long goneAt = PerIdValue(options_.goneAfter, id);
    const long long dropAt = goneAt > 0 ? goneAt : PerIdValue(options_.dropAfter, id);
    response.set_header("Accept-Ranges", "bytes");
    response.set_content_provider(
        size_t(size), contentType,
        [this, file, kbps, dropAt, goneAt, token](size_t offset, size_t length,
                                                  httplib::DataSink& sink) {
            size_t count = std::min(length, kChunk);
            if (kbps > 0)
                count = std::min(count, std::max<size_t>(512, size_t(kbps) * 1024 / 10));
            const bool crossesDrop =
                dropAt > 0 && offset < size_t(dropAt) && offset + count >= size_t(dropAt);
            if (crossesDrop)
                count = size_t(dropAt) - offset;
            std::string buffer(count, '\0');
            file->seekg(std::streamoff(offset));
            if (count > 0 && !file->read(buffer.data(), std::streamsize(count)))
                return false;
            if (count > 0 && !sink.write(buffer.data(), count))
                return false;
            // The fault happens once for each token, so the client's resume then succeeds,
            // unless the token goes with it.
            if (crossesDrop && goneAt > 0)
                Expire(token);
            if (crossesDrop && DropNow(token))
                return false;
            if (kbps > 0)
                return Pause(std::chrono::microseconds(count * 1000000 / (size_t(kbps) * 1024)));
            return true;
        });
}
