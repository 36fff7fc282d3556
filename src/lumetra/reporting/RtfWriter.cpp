#include "RtfWriter.h"

#include <cstdio>

namespace lumetra {
namespace {

void appendEscaped(std::string& out, const std::string& line) {
    for (unsigned char c : line) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c >= 0x80 || c < 0x20) {
            // 8-bit and control bytes as hex escapes keep the file 7-bit clean.
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
}

}  // namespace

std::string RtfWriter::write(const std::vector<std::string>& lines) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031"
        "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (const std::string& line : lines) {
        appendEscaped(out, line);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

}  // namespace lumetra
