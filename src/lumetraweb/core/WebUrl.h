#pragma once
// The day file's address: base URL + "\" + name, every "\" turned into "/" before it
// is taken apart. Only plain http is served.
#include <string>

namespace lumetra {

struct WebUrl {
    std::string host;
    int port = 80;
    std::string path;  // as it stands, "/" when none; a doubled "/" stays
};

// "http://host:8095/pvdaten" + "08071500.suo" → "http://host:8095/pvdaten/08071500.suo".
std::string dayFileUrl(const std::string& baseUrl, const std::string& fileName);

// Throws "IOHandler value is not valid" for https and a German message for anything
// that is not an http URL with a host.
WebUrl parseWebUrl(const std::string& url);

// The host of a base URL, or "" when it has none (used by the connection check).
std::string hostOfUrl(const std::string& url);

namespace msg {
inline constexpr const char* HttpsNotSupported = "IOHandler value is not valid";
inline constexpr const char* NotAnHttpUrl = "'%s' ist keine gültige http-Adresse";
}  // namespace msg

}  // namespace lumetra
