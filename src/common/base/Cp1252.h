#pragma once
// Every std::string in the domain layer (lumetra_base, lumetra_core, lumetraweb_core) is
// Windows-1252 text, never UTF-8: file contents, field texts, messages, report lines. That is
// what the data files hold, so "Zählerstand" survives a round trip byte for byte. Widgets
// and Qt's file functions speak Unicode; these convert at that boundary and nowhere else.
// A literal with umlauts in the source is UTF-8: pass it through cp1252FromUtf8.
#include <QString>
#include <string>
#include <string_view>

namespace lumetra {

QString fromCp1252(std::string_view text);
// Characters Windows-1252 cannot hold become '?'.
std::string toCp1252(const QString& text);

// For literals written in UTF-8 source files ("März", "gültiger").
std::string cp1252FromUtf8(std::string_view utf8);
std::string utf8FromCp1252(std::string_view text);

}  // namespace lumetra
