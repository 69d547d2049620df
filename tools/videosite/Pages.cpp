#include "Pages.h"

#include <algorithm>

namespace {

const char* const kStyle =
    "body{font-family:'DejaVu Sans',sans-serif;font-size:13px;margin:0;background:#F4F7FB;"
    "color:#1E2A36}"
    "header{background:linear-gradient(#2F5D8A,#1F3A5A);color:#fff;padding:6px 10px;"
    "display:flex;gap:12px;align-items:center}"
    "header a{color:#fff;font-weight:bold;text-decoration:none}"
    "header input{border:1px solid #C5D3E3;padding:2px 4px}"
    "main{padding:8px 12px}h1{font-size:16px;margin:4px 0 8px}h2{font-size:14px;margin:10px 0 4px}"
    "a{color:#1D6CB0}ul{padding-left:18px;margin:4px 0}li{margin:3px 0}"
    ".meta{color:#5A6B7D}video{background:#1F3A5A;display:block;margin:6px 0}";

std::string Layout(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + HtmlEscape(title) +
           "</title><style>" + kStyle +
           "</style></head><body><header><a href=\"/browse?s=mp&amp;c=10\">Music</a>"
           "<form action=\"/results\" method=\"get\"><input name=\"search_query\" "
           "placeholder=\"Search\"> <button type=\"submit\">Search</button></form></header>"
           "<main>" +
           body + "</main></body></html>\n";
}

std::string Length(int seconds) {
    const std::string rest = std::to_string(seconds % 60);
    return std::to_string(seconds / 60) + ":" + (rest.size() < 2 ? "0" : "") + rest;
}

std::string GenreAddress(int number) {
    return "/browse?s=mp&amp;c=10&amp;l=&amp;b=" + std::to_string(number);
}

std::string WatchLink(const Video& video) {
    return "<li><a href=\"/watch?v=" + video.id + "\">" + HtmlEscape(video.title) +
           "</a> <span class=\"meta\">" + HtmlEscape(video.artist) + " &middot; " +
           Length(video.seconds) + "</span></li>";
}

std::string VideoList(const std::vector<const Video*>& videos) {
    if (videos.empty())
        return "<p>No videos here.</p>";
    std::string list = "<ul>";
    for (const Video* video : videos)
        list += WatchLink(*video);
    return list + "</ul>";
}

std::vector<const Video*> All(const std::vector<Video>& videos) {
    std::vector<const Video*> all;
    for (const auto& video : videos)
        all.push_back(&video);
    return all;
}

} // namespace

std::string HtmlEscape(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string StartPage(const std::vector<Video>& videos) {
    std::string body = "<h1>Music</h1><h2>Genres</h2><ul>";
    for (const auto& genre : Genres())
        body += "<li><a href=\"" + GenreAddress(genre.number) + "\">" + HtmlEscape(genre.name) +
                "</a></li>";
    body += "</ul><h2>Featured videos</h2>" + VideoList(All(videos));
    return Layout("Music", body);
}

std::string GenrePage(const Genre& genre, const std::vector<Video>& videos) {
    std::vector<const Video*> inGenre;
    for (const auto& video : videos)
        if (std::count(video.genres.begin(), video.genres.end(), genre.number))
            inGenre.push_back(&video);
    return Layout(genre.name + " - Music", "<h1>" + HtmlEscape(genre.name) + "</h1>" +
                                               VideoList(inGenre) +
                                               "<p><a href=\"/browse?s=mp&amp;c=10\">All "
                                               "genres</a></p>");
}

std::string WatchPage(const Video& video, const std::vector<Video>& videos) {
    std::string body = "<h1>" + HtmlEscape(video.title) +
                       "</h1><video controls "
                       "preload=\"metadata\" width=\"352\" height=\"288\" src=\"/media/" +
                       video.id + ".webm\"></video><p class=\"meta\">" + HtmlEscape(video.artist) +
                       " &middot; " + Length(video.seconds) + "</p>";
    body += "<p>Genres:";
    for (const int number : video.genres)
        if (const Genre* genre = FindGenre(number))
            body += " <a href=\"" + GenreAddress(number) + "\">" + HtmlEscape(genre->name) + "</a>";
    body += "</p><h2>More videos</h2>";
    std::vector<const Video*> others;
    for (const auto& other : videos)
        if (other.id != video.id)
            others.push_back(&other);
    body += VideoList(others);
    return Layout(video.title, body);
}

std::string ResultsPage(const std::string& query, const std::vector<const Video*>& found) {
    return Layout(query + " - Search",
                  "<h1>Results for &quot;" + HtmlEscape(query) + "&quot;</h1>" +
                      (found.empty() ? std::string("<p>No videos match.</p>") : VideoList(found)));
}

std::string PlayerPage(const Video& video) {
    return Layout(video.title, "<h1>" + HtmlEscape(video.title) + "</h1><p><a href=\"/watch?v=" +
                                   video.id + "\">Back to the video's page</a></p>");
}

std::string ThanksPage(const std::string& name) {
    return Layout("Thank you",
                  "<h1>Thank you, " + HtmlEscape(name) + "!</h1><p>Your comment has arrived.</p>");
}

std::string MessagePage(const std::string& title, const std::string& text) {
    return Layout(title, "<h1>" + HtmlEscape(title) + "</h1><p>" + HtmlEscape(text) + "</p>");
}
