#pragma once
// The run's cookies, held in memory until the program ends. Our own jar rather than
// libcurl's engine: that one would put its Cookie line right after Host, and the
// server sees the headers in a fixed order.
#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

class CookieJar {
public:
    static constexpr std::size_t kMaxCookiesPerHost = 50;  // the oldest go first
    static constexpr std::size_t kMaxCookieBytes = 4096;   // name and value; a larger one is ignored
    static constexpr std::size_t kMaxCookies = 3000;

    // One Set-Cookie value (a single cookie) or Set-Cookie2 value (comma-separated list),
    // received for a request to `host` and `path`.
    void takeSetCookie(std::string_view value, const std::string& host, const std::string& path,
                       std::time_t now);
    void takeSetCookie2(std::string_view value, const std::string& host, const std::string& path,
                        std::time_t now);

    // "a=1; b=2" for the cookies that apply, "" when none does.
    std::string cookieHeader(const std::string& host, const std::string& path, std::time_t now) const;

    std::size_t size() const { return cookies_.size(); }

private:
    struct Cookie {
        std::string name, value, domain, path;
        bool hostOnly = true;
        std::time_t expires = 0;  // 0: until the program ends
    };
    void take(std::string_view oneCookie, const std::string& host, const std::string& path, std::time_t now);

    std::vector<Cookie> cookies_;
};

}  // namespace lumetra
