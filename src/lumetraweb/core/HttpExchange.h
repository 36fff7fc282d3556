#pragma once
// One plain HTTP/1.1 GET per refresh over one libcurl handle kept for the run, so the
// connection is reused until the server closes it. The wire format is fixed: request line,
// Host, Accept, User-Agent, Cookie (when one applies), nothing else.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "CookieJar.h"

namespace lumetra {

struct HttpLimits {
    long connectTimeoutMs = 10000;
    long stallTimeoutMs = 30000;  // without a byte from the server
    std::int64_t maxBodyBytes = std::int64_t{64} * 1024 * 1024;
    // Less than this rate over this time ends the fetch, so a trickle cannot hold it for hours.
    long lowSpeedBytesPerSecond = 100;
    long lowSpeedTimeSeconds = 30;
};

namespace msg {
inline constexpr const char* ReadTimedOut = "Read timed out.";
inline constexpr const char* ClosedEarly = "Connection Closed Gracefully.";
inline constexpr const char* BodyTooLarge = "Die Antwort des Servers ist größer als 64 MiB";
inline constexpr const char* FetchCancelled = "Abgebrochen";
}  // namespace msg

// The error text for a libcurl result code (Windows-1252).
std::string transferErrorText(int curlCode);

class HttpExchange {
public:
    // Receives the body of a successful response piece by piece; may throw.
    using BodySink = std::function<void(std::string_view)>;

    explicit HttpExchange(HttpLimits limits = {});
    ~HttpExchange();
    HttpExchange(const HttpExchange&) = delete;
    HttpExchange& operator=(const HttpExchange&) = delete;

    // Fetches `url` ("\" already allowed, see WebUrl). Returns normally only for a 2xx
    // response without Location; everything else throws LumetraError with the text the
    // error dialog shows (the status line exactly as received for a failing response).
    // `cancel` set from another thread ends the fetch.
    void get(const std::string& url, const BodySink& sink, const std::atomic<bool>* cancel = nullptr);

    CookieJar& cookies() { return cookies_; }

private:
    struct Transfer;
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self);
    static int onRequestReady(void* self, char*, char*, int, int);
    static int onProgress(void* self, std::int64_t, std::int64_t, std::int64_t, std::int64_t);

    HttpLimits limits_;
    void* curl_ = nullptr;
    CookieJar cookies_;
};

}  // namespace lumetra
