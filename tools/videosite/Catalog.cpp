#include "Catalog.h"

#include <algorithm>
#include <cctype>
#include <sstream>

const std::vector<Genre>& Genres() {
    static const std::vector<Genre> genres = {
        {1, "Rock"},           {2, "Pop"},           {4, "Rap & Hip-Hop"}, {5, "R & B & Soul"},
        {6, "Country & Folk"}, {8, "Jazz"},          {9, "Classical"},     {11, "Religious"},
        {13, "Blues"},         {12, "More/Other..."}};
    return genres;
}

const Genre* FindGenre(int number) {
    for (const auto& genre : Genres())
        if (genre.number == number)
            return &genre;
    return nullptr;
}

std::vector<Video> StandardVideos() {
    return {
        {"Q2xV9dLm4bA", "Signal Check", "The Test Cards", {1, 2}, 3, "flv", "testsrc2", 440},
        {"h7Rk-2pWq0E",
         "Colour Bars Forever",
         "Pattern & Tone",
         {2, 4},
         5,
         "mp4",
         "smptebars",
         523},
        {"Zt5_nY8cK1s",
         "Sine of the Times",
         "The Oscillators",
         {4, 5},
         8,
         "flv",
         "rgbtestsrc",
         330},
        {"mB3aF6uJx9Q", "Café Calibration", "Nadia Testcard", {5, 6}, 12, "flv", "testsrc", 392},
        {"Wd0-Lp7sE2r", "Four Hundred Forty", "A Natural", {6, 8}, 20, "mp4", "testsrc2", 440},
        {"cK8_vH1oT5y",
         "Blue Bars Blues",
         "Vertical Sync",
         {8, 13, 1},
         30,
         "flv",
         "smptehdbars",
         247},
        {"P4nG2xR7jUa", "Gradient in G", "Gamma Ensemble", {9, 11}, 60, "flv", "rgbtestsrc", 196},
        {"tY6eS3wQ8zN", "The Long Pattern", "Frame Rate", {11, 12, 9}, 180, "flv", "testsrc", 294},
    };
}

bool IsVideoId(const std::string& text) {
    return text.size() == 11 && std::all_of(text.begin(), text.end(), [](unsigned char c) {
               return std::isalnum(c) || c == '-' || c == '_';
           });
}

namespace {

std::string Folded(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return folded;
}

std::vector<std::string> Words(const std::string& query) {
    std::vector<std::string> words;
    std::istringstream stream(Folded(query));
    for (std::string word; stream >> word;) {
        const auto isPunct = [](unsigned char c) {
            return std::ispunct(c) != 0;
        };
        word.erase(word.begin(), std::find_if_not(word.begin(), word.end(), isPunct));
        word.erase(std::find_if_not(word.rbegin(), word.rend(), isPunct).base(), word.end());
        if (!word.empty())
            words.push_back(word);
    }
    return words;
}

} // namespace

std::vector<const Video*> Search(const std::vector<Video>& videos, const std::string& query) {
    const auto words = Words(query);
    std::vector<const Video*> found;
    if (words.empty())
        return found;
    for (const auto& video : videos) {
        std::string haystack = video.title + " " + video.artist;
        for (const int number : video.genres)
            if (const Genre* genre = FindGenre(number))
                haystack += " " + genre->name;
        haystack = Folded(haystack);
        if (std::all_of(words.begin(), words.end(), [&](const std::string& word) {
                return haystack.find(word) != std::string::npos;
            }))
            found.push_back(&video);
    }
    return found;
}
