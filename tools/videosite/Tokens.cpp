#include "Tokens.h"

namespace {
constexpr size_t kKeptTokens = 100000;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
} // namespace

std::string Tokens::Issue(const std::string& videoId) {
    const std::lock_guard guard(lock_);
    std::string token;
    do {
        token.clear();
        for (int i = 0; i < 22; ++i)
            token.push_back(kAlphabet[random_() % 64]);
    } while (videoOf_.count(token));
    videoOf_[token] = videoId;
    order_.push_back(token);
    if (order_.size() > kKeptTokens) {
        videoOf_.erase(order_.front());
        order_.pop_front();
    }
    return token;
}

bool Tokens::Opens(const std::string& token, const std::string& videoId) const {
    const std::lock_guard guard(lock_);
    const auto found = videoOf_.find(token);
    return found != videoOf_.end() && found->second == videoId;
}
