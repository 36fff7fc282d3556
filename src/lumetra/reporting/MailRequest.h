#pragma once
// A mail to hand to the user's mail program, as name=value entries: "to", "subject",
// "body", "attachment0", "attachment1", ... (Windows-1252 text, full paths).
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

namespace lumetra {

// Throws "Die Empfängeradresse '%s' ist keine gültige E-Mail-Adresse" unless `to` is one
// plain address: one "@" with text on both sides, no blanks, controls, "?", "&", ",", ";",
// "%", "#", "<", ">", quotes, and no leading "-".
void checkMailRecipient(const std::string& to);

class MailRequest {
public:
    void set(const std::string& name, const std::string& value);
    // Empty when absent.
    std::string value(const std::string& name) const;

    // "attachment0", "attachment1", ... up to the first absent or empty entry.
    std::vector<std::string> attachments() const;

    // The arguments for xdg-email; throws when "to" is set but is no single address.
    QStringList xdgEmailArguments() const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace lumetra
