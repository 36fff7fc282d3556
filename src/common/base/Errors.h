#pragma once
// Failures are exceptions carrying the German message (Windows-1252 text),
// shown by the one error path (ErrorReporter).
#include <stdexcept>
#include <string>
#include <string_view>

namespace lumetra {

class LumetraError : public std::runtime_error {
public:
    explicit LumetraError(const std::string& cp1252Text) : std::runtime_error(cp1252Text) {}
};

// `utf8Template` is a UTF-8 literal with one "%s" (or "%d"); `arg` is Windows-1252 text.
std::string formatMessage(std::string_view utf8Template, std::string_view arg = {});

// A text as a message quotes it: at most its first 100 characters, then "…" (Windows-1252).
// A field of many megabytes would otherwise end up whole in the error dialog.
std::string quotedText(std::string_view text);

[[noreturn]] void fail(std::string_view utf8Template, std::string_view arg = {});

// The runtime's messages.
namespace msg {
inline constexpr std::string_view NotAFloat = "'%s' ist kein gültiger Gleitkommawert";
inline constexpr std::string_view NotAnInteger = "'%s' ist kein gültiger Integerwert";
inline constexpr std::string_view NotADate = "'%s' ist kein gültiges Datum";
inline constexpr std::string_view BadDateArgument = "Ungültiges Argument zum Codieren des Datums";
inline constexpr std::string_view CannotCreate = "Datei %s kann nicht erstellt werden";
inline constexpr std::string_view CannotOpen = "Datei %s kann nicht geöffnet werden";
inline constexpr std::string_view NotARegularFile = "Datei %s ist keine reguläre Datei";
inline constexpr std::string_view ListIndex = "Der Index der Liste überschreitet das Maximum (%d)";
inline constexpr std::string_view DivisionByZero = "Gleitkommadivision durch Null";
inline constexpr std::string_view InvalidOperation = "Ungültige Gleitkommaoperation";
inline constexpr std::string_view CannotWriteProfile = "nach %s kann nicht geschrieben werden";
}  // namespace msg

// The text the error dialog shows: "." appended unless the text ends in "."
// or in a character that sorts before it.
std::string completeErrorText(std::string_view text);

// x / y with the processor's faults made explicit.
double checkedDivide(double x, double y);

}  // namespace lumetra
