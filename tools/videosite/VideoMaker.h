// Makes the site's videos with ffmpeg into the cache folder, or finds them there from an earlier
// start. A file's name carries a fingerprint of the ffmpeg recipe, so a changed recipe makes a
// new file instead of serving a stale one.
#pragma once

#include "Catalog.h"

#include <string>
#include <vector>

// Fills in file, preview and bytes of every video; returns false with a message in `error`
// when ffmpeg fails.
bool MakeVideos(std::vector<Video>& videos, const std::string& cacheDir, std::string& error);

// A playable FLV padded with tags that players skip until it is
// `megabytes` long; big enough for download benchmarks, quick to make.
Video BigVideo(const std::string& id, long long megabytes);
