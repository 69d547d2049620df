// The videos and music genres the local site offers, and the search over them.
#pragma once

#include <string>
#include <vector>

struct Genre {
    int number; // the site's genre number, the b= of the genre page's address
    std::string name;
};

struct Video {
    std::string id; // 11 characters of letters, digits, "-" and "_", as real ids look
    std::string title;
    std::string artist;
    std::vector<int> genres; // genre numbers
    int seconds = 0;
    std::string container; // "flv" or "mp4"
    std::string pattern;   // ffmpeg test source drawn in the picture
    int toneHz = 440;
    long long padTo = 0;   // bytes the file is padded to; 0 for an ordinary video
    std::string file{};    // the made file in the cache, set once it exists
    std::string preview{}; // WebM clip for the watch page's player
    long long bytes = 0;
};

const std::vector<Genre>& Genres();
const Genre* FindGenre(int number);

// The fixed set of videos every site start offers, without files yet.
std::vector<Video> StandardVideos();

bool IsVideoId(const std::string& text);

// Videos whose title, artist or genre names contain every word of the query, ignoring ASCII
// letter case and punctuation around the words.
std::vector<const Video*> Search(const std::vector<Video>& videos, const std::string& query);
