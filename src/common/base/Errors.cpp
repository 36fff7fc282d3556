#include "Errors.h"

#include <cmath>

#include "Cp1252.h"

namespace lumetra {

std::string formatMessage(std::string_view utf8Template, std::string_view arg) {
    std::string text = cp1252FromUtf8(utf8Template);
    for (std::string_view placeholder : {"%s", "%d"}) {
        auto pos = text.find(placeholder);
        if (pos != std::string::npos) {
            text.replace(pos, placeholder.size(), arg);
            break;
        }
    }
    return text;
}

std::string quotedText(std::string_view text) {
    constexpr std::size_t kMaxQuoted = 100;
    if (text.size() <= kMaxQuoted) return std::string(text);
    std::string out(text.substr(0, kMaxQuoted));
    out.push_back('\x85');
    return out;
}

void fail(std::string_view utf8Template, std::string_view arg) {
    throw LumetraError(formatMessage(utf8Template, arg));
}

std::string completeErrorText(std::string_view text) {
    std::string out(text);
    if (!out.empty() && static_cast<unsigned char>(out.back()) > static_cast<unsigned char>('.'))
        out.push_back('.');
    return out;
}

double checkedDivide(double x, double y) {
    if (std::isnan(x) || std::isnan(y) || (y == 0.0 && x == 0.0) || (std::isinf(x) && std::isinf(y)))
        fail(msg::InvalidOperation);
    if (y == 0.0) fail(msg::DivisionByZero);
    return x / y;
}

}  // namespace lumetra
