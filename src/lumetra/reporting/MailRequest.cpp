#include "MailRequest.h"

#include <algorithm>
#include <string_view>

#include "base/Cp1252.h"
#include "base/Errors.h"

namespace lumetra {
namespace {

// Characters that would turn the address into a list, a mailto: URI with headers of its
// own (attach=, bcc=) or a second argument; Windows-1252's unused bytes count as controls.
bool breaksAnAddress(unsigned char c) {
    if (c <= 0x20 || c == 0x7F || c == 0xA0) return true;
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return true;
    return std::string_view("?&,;%#<>\"").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

void checkMailRecipient(const std::string& to) {
    const auto at = to.find('@');
    const bool single = at != std::string::npos && at != 0 && at + 1 < to.size() &&
                        to.find('@', at + 1) == std::string::npos && to.front() != '-' &&
                        std::none_of(to.begin(), to.end(), [](char c) { return breaksAnAddress(c); });
    if (!single) fail("Die Empfängeradresse '%s' ist keine gültige E-Mail-Adresse", to);
}

void MailRequest::set(const std::string& name, const std::string& value) {
    for (auto& entry : entries_)
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    entries_.emplace_back(name, value);
}

std::string MailRequest::value(const std::string& name) const {
    for (const auto& entry : entries_)
        if (entry.first == name) return entry.second;
    return {};
}

std::vector<std::string> MailRequest::attachments() const {
    std::vector<std::string> out;
    for (int n = 0;; ++n) {
        std::string path = value("attachment" + std::to_string(n));
        if (path.empty()) break;
        out.push_back(std::move(path));
    }
    return out;
}

QStringList MailRequest::xdgEmailArguments() const {
    // Qt hands arguments over as UTF-8 whatever the locale says.
    QStringList args{"--utf8"};
    if (const std::string subject = value("subject"); !subject.empty())
        args << "--subject" << fromCp1252(subject);
    if (const std::string body = value("body"); !body.empty()) args << "--body" << fromCp1252(body);
    for (const std::string& path : attachments()) args << "--attach" << fromCp1252(path);
    if (const std::string to = value("to"); !to.empty()) {
        checkMailRecipient(to);
        args << fromCp1252(to);
    }
    return args;
}

}  // namespace lumetra
