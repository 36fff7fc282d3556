#include "MailRequest.h"

#include "base/Cp1252.h"

namespace lumetra {

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
    // An address that looks like an option would be taken for one.
    if (const std::string to = value("to"); !to.empty())
        args << (to.front() == '-' ? QStringLiteral("mailto:") : QString()) + fromCp1252(to);
    return args;
}

}  // namespace lumetra
