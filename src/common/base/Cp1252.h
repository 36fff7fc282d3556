#pragma once
// The domain keeps 8-bit Windows-1252 text, as the data files hold it.
// Widgets and file names speak Unicode; these convert at that boundary.
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
