// The site's HTML pages. Every text from a request or the catalog is escaped.
#pragma once

#include "Catalog.h"

#include <string>
#include <vector>

std::string HtmlEscape(const std::string& text);

std::string StartPage(const std::vector<Video>& videos);
std::string GenrePage(const Genre& genre, const std::vector<Video>& videos);
std::string WatchPage(const Video& video, const std::vector<Video>& videos);
std::string ResultsPage(const std::string& query, const std::vector<const Video*>& found);
std::string PlayerPage(const Video& video);
std::string ThanksPage(const std::string& name);
std::string MessagePage(const std::string& title, const std::string& text);
