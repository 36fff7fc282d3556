#include "HttpExchange.h"

#include <curl/curl.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <exception>
#include <mutex>

#include "WebUrl.h"
#include "base/Cp1252.h"
#include "base/Errors.h"

namespace lumetra {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kHostNotFound = 11001;

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

std::string socketError(int number, const std::string& description) {
    return "Socket Error # " + std::to_string(number) + "\n" + description;
}

std::string systemDescription(int number) {
    std::string text = std::strerror(number);
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

void globalInitOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

// The library's own texts are English; the error box speaks German.
std::string transferErrorText(int curlCode) {
    const char* text = nullptr;
    switch (static_cast<CURLcode>(curlCode)) {
        case CURLE_UNSUPPORTED_PROTOCOL:  // also what it says of a reply that is no HTTP at all
            text = "Die Antwort des Servers ist keine HTTP-Antwort";
            break;
        case CURLE_WEIRD_SERVER_REPLY:
            text = "Die Antwort des Servers ist fehlerhaft";
            break;
        case CURLE_RECV_ERROR:
            text = "Fehler beim Empfangen der Daten vom Server";
            break;
        case CURLE_SEND_ERROR:
            text = "Fehler beim Senden der Anfrage an den Server";
            break;
        case CURLE_OUT_OF_MEMORY:  // what it says of a header line beyond its limit
            text = "Eine Kopfzeile der Antwort des Servers ist zu lang";
            break;
        case CURLE_BAD_CONTENT_ENCODING:
            text = "Die Antwort des Servers ist fehlerhaft kodiert";
            break;
        case CURLE_URL_MALFORMAT:
            text = "Die Adresse ist ungültig";
            break;
        case CURLE_FAILED_INIT:
            text = "Die HTTP-Verbindung kann nicht hergestellt werden";
            break;
        default:
            return cp1252FromUtf8("Fehler bei der HTTP-Übertragung (" + std::to_string(curlCode) + ")");
    }
    return cp1252FromUtf8(text);
}

struct HttpExchange::Transfer {
    HttpExchange* owner = nullptr;
    const BodySink* sink = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    WebUrl url;
    std::string statusLine;  // of the response being read, CR LF removed
    int statusCode = 0;
    bool hasLocation = false;
    bool bodyStarted = false;
    bool success = false;
    std::int64_t bodyBytes = 0;
    bool tooLarge = false;
    bool stalled = false;
    bool cancelled = false;
    bool requestSent = false;  // the connection stood: a time-out from now on is a read time-out
    std::exception_ptr sinkError;
    SteadyClock::time_point lastByte = SteadyClock::now();
};

HttpExchange::HttpExchange(HttpLimits limits) : limits_(limits) {
    globalInitOnce();
    curl_ = curl_easy_init();
}

HttpExchange::~HttpExchange() {
    if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
}

std::size_t HttpExchange::onHeader(char* data, std::size_t size, std::size_t count, void* self) {
    auto& t = *static_cast<Transfer*>(self);
    const std::size_t n = size * count;
    t.lastByte = SteadyClock::now();
    std::string_view line(data, n);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);

    if (startsWithNoCase(line, "HTTP/")) {
        // A new response begins (after 100 Continue, for example): forget the last one.
        t.statusLine = std::string(line);
        t.hasLocation = false;
        const auto blank = line.find(' ');
        t.statusCode = 0;
        if (blank != std::string_view::npos) {
            std::string_view rest = line.substr(blank + 1);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            for (char c : rest.substr(0, rest.find(' '))) {
                if (c < '0' || c > '9') break;
                t.statusCode = t.statusCode * 10 + (c - '0');
                if (t.statusCode > 999) {  // no status code, and the digits may go on for ever
                    t.statusCode = 0;
                    break;
                }
            }
        }
        return n;
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return n;
    const std::string_view name = line.substr(0, colon);
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    const std::time_t now = std::time(nullptr);
    auto sameName = [&](std::string_view expected) {
        return name.size() == expected.size() && startsWithNoCase(name, expected);
    };
    if (sameName("Location"))
        t.hasLocation = true;
    else if (sameName("Set-Cookie"))
        t.owner->cookies_.takeSetCookie(value, t.url.host, t.url.path, now);
    else if (sameName("Set-Cookie2"))
        t.owner->cookies_.takeSetCookie2(value, t.url.host, t.url.path, now);
    return n;
}

std::size_t HttpExchange::onBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto& t = *static_cast<Transfer*>(self);
    const std::size_t n = size * count;
    t.lastByte = SteadyClock::now();
    if (!t.bodyStarted) {
        t.bodyStarted = true;
        t.success = t.statusCode >= 200 && t.statusCode <= 299 && !t.hasLocation;
    }
    if (!t.success) return n;  // a failing response's body is read and dropped

    std::size_t keep = n;
    const std::int64_t room = t.owner->limits_.maxBodyBytes - t.bodyBytes;
    if (static_cast<std::int64_t>(n) > room) {
        keep = static_cast<std::size_t>(room);
        t.tooLarge = true;
    }
    try {
        if (keep > 0) (*t.sink)(std::string_view(data, keep));
    } catch (...) {
        t.sinkError = std::current_exception();
        return 0;
    }
    t.bodyBytes += static_cast<std::int64_t>(keep);
    return t.tooLarge ? 0 : n;
}

int HttpExchange::onRequestReady(void* self, char*, char*, int, int) {
    static_cast<Transfer*>(self)->requestSent = true;
    return CURL_PREREQFUNC_OK;
}

int HttpExchange::onProgress(void* self, std::int64_t, std::int64_t, std::int64_t, std::int64_t) {
    auto& t = *static_cast<Transfer*>(self);
    if (t.cancel && t.cancel->load()) {
        t.cancelled = true;
        return 1;
    }
    const auto quiet = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - t.lastByte);
    if (quiet.count() >= t.owner->limits_.stallTimeoutMs) {
        t.stalled = true;
        return 1;
    }
    return 0;
}

void HttpExchange::get(const std::string& rawUrl, const BodySink& sink, const std::atomic<bool>* cancel) {
    Transfer t;
    t.owner = this;
    t.sink = &sink;
    t.cancel = cancel;
    t.url = parseWebUrl(rawUrl);

    CURL* curl = static_cast<CURL*>(curl_);
    if (!curl) throw LumetraError(transferErrorText(CURLE_FAILED_INIT));
    curl_easy_reset(curl);  // keeps the open connection and the resolved names

    const std::string target = "http://" + t.url.host +
                               (t.url.port != 80 ? ":" + std::to_string(t.url.port) : std::string()) +
                               t.url.path;
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Accept: text/html, */*");
    headers = curl_slist_append(headers, "User-Agent: Mozilla/3.0 (compatible; Indy Library)");
    const std::string cookie = cookies_.cookieHeader(t.url.host, t.url.path, std::time(nullptr));
    if (!cookie.empty()) headers = curl_slist_append(headers, ("Cookie: " + cookie).c_str());

    curl_easy_setopt(curl, CURLOPT_URL, target.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits_.connectTimeoutMs);
    // A server that trickles its reply byte by byte never trips the stall check.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.lowSpeedTimeSeconds);
    curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, &HttpExchange::onRequestReady);
    curl_easy_setopt(curl, CURLOPT_PREREQDATA, &t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &HttpExchange::onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &HttpExchange::onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &HttpExchange::onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);

    const CURLcode rc = curl_easy_perform(curl);
    long osErrno = 0;
    curl_easy_getinfo(curl, CURLINFO_OS_ERRNO, &osErrno);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_slist_free_all(headers);

    if (t.sinkError) std::rethrow_exception(t.sinkError);
    if (t.tooLarge) throw LumetraError(cp1252FromUtf8(msg::BodyTooLarge));
    if (t.cancelled) throw LumetraError(msg::FetchCancelled);
    if (t.stalled) throw LumetraError(msg::ReadTimedOut);

    switch (rc) {
        case CURLE_OK:
            break;
        case CURLE_COULDNT_RESOLVE_HOST:
            throw LumetraError(socketError(kHostNotFound, "Host not found."));
        case CURLE_OPERATION_TIMEDOUT:
            if (t.requestSent) throw LumetraError(msg::ReadTimedOut);
            throw LumetraError(socketError(ETIMEDOUT, systemDescription(ETIMEDOUT)));
        case CURLE_PARTIAL_FILE:
        case CURLE_GOT_NOTHING:
            throw LumetraError(msg::ClosedEarly);
        default:
            if (osErrno != 0)
                throw LumetraError(
                    socketError(static_cast<int>(osErrno), systemDescription(static_cast<int>(osErrno))));
            if (rc == CURLE_COULDNT_CONNECT)
                throw LumetraError(socketError(ECONNREFUSED, systemDescription(ECONNREFUSED)));
            throw LumetraError(transferErrorText(rc));
    }
    // A response with no body never reached onBody: judge it here.
    const bool success =
        t.bodyStarted ? t.success : (t.statusCode >= 200 && t.statusCode <= 299 && !t.hasLocation);
    if (!success) throw LumetraError(t.statusLine);
}

}  // namespace lumetra
