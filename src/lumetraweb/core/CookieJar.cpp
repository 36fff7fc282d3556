#include "CookieJar.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <string>

namespace lumetra {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string unquoted(std::string_view s) {
    s = trim(s);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

// Splits at `sep` outside double quotes.
std::vector<std::string_view> splitOutsideQuotes(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else if (s[i] == sep && !quoted) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(s.substr(start));
    return parts;
}

std::string defaultPath(const std::string& requestPath) {
    const auto slash = requestPath.rfind('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return requestPath.substr(0, slash);
}

bool domainMatches(const std::string& host, const std::string& domain, bool hostOnly) {
    if (host == domain) return true;
    if (hostOnly) return false;
    return host.size() > domain.size() &&
           host.compare(host.size() - domain.size(), domain.size(), domain) == 0 &&
           host[host.size() - domain.size() - 1] == '.';
}

// Control characters (tab aside) would end up in our own Cookie line: a bare CR or a NUL
// there breaks the request or smuggles in a header of the server's choosing.
bool hasControlCharacter(std::string_view s) {
    return std::any_of(s.begin(), s.end(),
                       [](unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; });
}

bool pathMatches(const std::string& requestPath, const std::string& cookiePath) {
    if (requestPath.compare(0, cookiePath.size(), cookiePath) != 0) return false;
    return requestPath.size() == cookiePath.size() || cookiePath.back() == '/' ||
           requestPath[cookiePath.size()] == '/';
}

}  // namespace

void CookieJar::takeSetCookie(std::string_view value, const std::string& host, const std::string& path,
                              std::time_t now) {
    take(value, host, path, now);
}

void CookieJar::takeSetCookie2(std::string_view value, const std::string& host, const std::string& path,
                               std::time_t now) {
    for (auto one : splitOutsideQuotes(value, ',')) take(one, host, path, now);
}

void CookieJar::take(std::string_view text, const std::string& host, const std::string& requestPath,
                     std::time_t now) {
    auto attributes = splitOutsideQuotes(text, ';');
    const std::string_view pair = trim(attributes.front());
    const auto eq = pair.find('=');
    if (eq == std::string_view::npos || eq == 0) return;

    Cookie c;
    c.name = std::string(trim(pair.substr(0, eq)));
    c.value = unquoted(pair.substr(eq + 1));
    if (hasControlCharacter(c.name) || hasControlCharacter(c.value)) return;
    if (c.name.size() + c.value.size() > kMaxCookieBytes) return;
    c.domain = lower(host);
    c.path = defaultPath(requestPath);
    bool expired = false;
    for (std::size_t i = 1; i < attributes.size(); ++i) {
        const std::string_view attr = trim(attributes[i]);
        const auto aeq = attr.find('=');
        const std::string key = lower(trim(attr.substr(0, aeq)));
        const std::string val = aeq == std::string_view::npos ? "" : unquoted(attr.substr(aeq + 1));
        if (key == "domain" && !val.empty()) {
            std::string d = lower(val);
            if (d.front() == '.') d.erase(0, 1);
            // A server may not set cookies for a domain it does not belong to.
            if (!domainMatches(lower(host), d, false)) return;
            c.domain = d;
            c.hostOnly = false;
        } else if (key == "path" && !val.empty() && val.front() == '/') {
            c.path = val;
        } else if (key == "max-age" && !val.empty()) {
            try {
                const long long seconds = std::stoll(val);
                if (seconds <= 0)
                    expired = true;
                else if (seconds > std::numeric_limits<std::time_t>::max() - now)
                    c.expires = std::numeric_limits<std::time_t>::max();  // lives as long as the run
                else
                    c.expires = now + static_cast<std::time_t>(seconds);
            } catch (const std::exception&) {
            }
        } else if (key == "expires" && c.expires == 0 && !expired) {
            const std::time_t t = curl_getdate(val.c_str(), nullptr);
            if (t != -1) {
                if (t <= now)
                    expired = true;
                else
                    c.expires = t;
            }
        }
    }

    std::erase_if(cookies_, [&](const Cookie& old) {
        return (old.name == c.name && old.domain == c.domain && old.path == c.path) ||
               (old.expires != 0 && old.expires <= now);
    });
    if (expired) return;
    cookies_.push_back(std::move(c));

    // Bounded as common clients bound it, so a server cannot grow every later request.
    const std::string lowerHost = lower(host);
    auto forThisHost = [&](const Cookie& k) { return domainMatches(lowerHost, k.domain, k.hostOnly); };
    auto count = std::count_if(cookies_.begin(), cookies_.end(), forThisHost);
    for (auto it = cookies_.begin(); count > static_cast<long>(kMaxCookiesPerHost);) {
        if (forThisHost(*it)) {
            it = cookies_.erase(it);
            --count;
        } else {
            ++it;
        }
    }
    if (cookies_.size() > kMaxCookies)
        cookies_.erase(cookies_.begin(), cookies_.end() - static_cast<long>(kMaxCookies));
}

std::string CookieJar::cookieHeader(const std::string& rawHost, const std::string& path,
                                    std::time_t now) const {
    const std::string host = lower(rawHost);
    std::vector<const Cookie*> chosen;
    for (const Cookie& c : cookies_) {
        if (c.expires != 0 && c.expires <= now) continue;
        if (domainMatches(host, c.domain, c.hostOnly) && pathMatches(path, c.path)) chosen.push_back(&c);
    }
    // More specific paths first, as servers expect.
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const Cookie* a, const Cookie* b) { return a->path.size() > b->path.size(); });
    std::string out;
    for (const Cookie* c : chosen) {
        if (!out.empty()) out += "; ";
        out += c->name + "=" + c->value;
    }
    return out;
}

}  // namespace lumetra
