#include "WebUrl.h"

#include <algorithm>
#include <cctype>

#include "base/Errors.h"

namespace lumetra {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string slashed(std::string s) {
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

}  // namespace

std::string dayFileUrl(const std::string& baseUrl, const std::string& fileName) {
    return slashed(baseUrl + "\\" + fileName);
}

WebUrl parseWebUrl(const std::string& rawUrl) {
    const std::string url = slashed(rawUrl);
    const auto schemeEnd = url.find("://");
    const std::string scheme = schemeEnd == std::string::npos ? "" : lower(url.substr(0, schemeEnd));
    if (scheme == "https") throw LumetraError(msg::HttpsNotSupported);
    if (scheme != "http") fail(msg::NotAnHttpUrl, url);

    const std::size_t authorityStart = schemeEnd + 3;
    const std::size_t pathStart = std::min(url.find('/', authorityStart), url.size());
    std::string authority = url.substr(authorityStart, pathStart - authorityStart);
    // Credentials in the address are never sent.
    if (auto at = authority.rfind('@'); at != std::string::npos) authority.erase(0, at + 1);

    WebUrl out;
    std::string portText;
    const auto bracket = authority.find(']');
    const auto colon = authority.find(':', bracket == std::string::npos ? 0 : bracket);
    if (colon != std::string::npos) {
        portText = authority.substr(colon + 1);
        authority.resize(colon);
    }
    out.host = authority;
    if (out.host.empty() || out.host.find_first_of(" \t") != std::string::npos) fail(msg::NotAnHttpUrl, url);
    if (!portText.empty()) {
        if (portText.size() > 5 ||
            !std::all_of(portText.begin(), portText.end(), [](unsigned char c) { return std::isdigit(c); }))
            fail(msg::NotAnHttpUrl, url);
        out.port = std::stoi(portText);
        if (out.port < 1 || out.port > 65535) fail(msg::NotAnHttpUrl, url);
    }
    out.path = pathStart < url.size() ? url.substr(pathStart) : "/";
    return out;
}

std::string hostOfUrl(const std::string& url) {
    try {
        return parseWebUrl(url).host;
    } catch (const LumetraError&) {
        return {};
    }
}

}  // namespace lumetra
