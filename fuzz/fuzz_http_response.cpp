// Any bytes a server sends back make a fetch succeed or fail with our message, never more.
// Body pieces handed on are bytes the server sent, and no cookie a response sets can put a
// control character into the next request's Cookie header.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

#include "CookieJar.h"
#include "HttpExchange.h"
#include "base/Errors.h"

namespace {

constexpr std::time_t kNow = 1215993600;

// One loopback listener for the whole run; each input is served on one connection.
int listener(int& port) {
    static int fd = -1;
    static int boundPort = 0;
    if (fd < 0) {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0 || listen(fd, 4) != 0 ||
            getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            std::abort();
        boundPort = ntohs(addr.sin_port);
    }
    port = boundPort;
    return fd;
}

void serveOnce(int fd, std::string_view response) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 5000) <= 0) return;
    const int conn = accept(fd, nullptr, nullptr);
    if (conn < 0) return;
    std::string request;
    char buf[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd c{conn, POLLIN, 0};
        if (poll(&c, 1, 5000) <= 0) break;
        const ssize_t n = recv(conn, buf, sizeof buf, 0);
        if (n <= 0) break;
        request.append(buf, static_cast<std::size_t>(n));
    }
    for (std::size_t sent = 0; sent < response.size();) {
        const ssize_t n = send(conn, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    close(conn);
}

bool isCleanHeader(const std::string& header) {
    for (unsigned char c : header)
        if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view response(reinterpret_cast<const char*>(data), size);

    // The cookie parser on every line as a header value, without the transport in between.
    lumetra::CookieJar jar;
    for (std::size_t start = 0; start <= size;) {
        std::size_t end = response.find('\n', start);
        if (end == std::string_view::npos) end = size;
        const std::string_view line = response.substr(start, end - start);
        jar.takeSetCookie(line, "pv.example", "/pvdaten/08071500.suo", kNow);
        jar.takeSetCookie2(line, "pv.example", "/pvdaten/08071500.suo", kNow);
        start = end + 1;
    }
    if (!isCleanHeader(jar.cookieHeader("pv.example", "/pvdaten/x.suo", kNow))) std::abort();

    int port = 0;
    const int fd = listener(port);
    std::thread server(serveOnce, fd, response);
    lumetra::HttpLimits limits;
    limits.connectTimeoutMs = 2000;
    limits.stallTimeoutMs = 2000;
    limits.maxBodyBytes = 4096;
    lumetra::HttpExchange exchange(limits);
    auto sink = [&](std::string_view piece) {
        if (response.find(piece) == std::string_view::npos) std::abort();
    };
    try {
        exchange.get("http://127.0.0.1:" + std::to_string(port) + "/pvdaten/08071500.suo", sink);
    } catch (const lumetra::LumetraError&) {
    }
    server.join();
    if (!isCleanHeader(exchange.cookies().cookieHeader("127.0.0.1", "/pvdaten/x.suo", std::time(nullptr))))
        std::abort();
    return 0;
}
