#include "SbfspotCsv.h"

#include <charconv>
#include <cmath>

#include "base/Cp1252.h"
#include "base/DelimitedLineList.h"
#include "base/Errors.h"

namespace lumetra::sbfspot {
namespace {

constexpr int kHeaderLines = 8;  // the column-header line follows them
constexpr std::size_t kMaxQuoted = 40;

std::vector<std::string_view> split(std::string_view line, char delimiter) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(delimiter, start);
        fields.push_back(
            line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::string shownText(std::string_view text) {
    std::string shown(text.substr(0, kMaxQuoted));
    if (text.size() > kMaxQuoted) shown += "...";
    return " '" + shown + "'";
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

struct Format {
    char delimiter = 0, decimalPoint = 0;
    int precision = 3;
};

Format readFormatLine(std::string_view line, const Path& path) {
    Format format;
    for (std::string_view item : split(line, '|')) {
        const std::size_t blank = item.find(' ');
        const std::string_view key = item.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view{} : item.substr(blank + 1);
        if (key == "Delimiter") {
            if (value == "semicolon")
                format.delimiter = ';';
            else if (value == "comma")
                format.delimiter = ',';
            else
                failAt(path, 2, "unbekanntes Trennzeichen", shownText(value));
        } else if (key == "Decimalpoint") {
            if (value == "comma")
                format.decimalPoint = ',';
            else if (value == "dot")
                format.decimalPoint = '.';
            else
                failAt(path, 2, "unbekanntes Dezimalzeichen", shownText(value));
        } else if (key == "Precision") {
            int digits = -1;
            const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), digits);
            if (ec != std::errc() || ptr != value.data() + value.size() || digits < 0 || digits > 9)
                failAt(path, 2, "ungültige Genauigkeit", shownText(value));
            format.precision = digits;
        }
    }
    if (!format.delimiter) failAt(path, 2, "das Trennzeichen fehlt");
    if (!format.decimalPoint) failAt(path, 2, "das Dezimalzeichen fehlt");
    if (format.delimiter == format.decimalPoint)
        failAt(path, 2, "Trennzeichen und Dezimalzeichen sind gleich");
    return format;
}

bool digits(std::string_view text, std::size_t pos, std::size_t count, int& out) {
    if (pos + count > text.size()) return false;
    out = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

void failAt(const Path& path, int line, std::string_view reasonUtf8, std::string_view detail) {
    throw LumetraError(cp1252FromUtf8("SBFspot-Datei ") + pathText(path) + ", Zeile " + std::to_string(line) +
                       ": " + cp1252FromUtf8(reasonUtf8) + std::string(detail));
}

bool looksLikeSbfspot(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(bytes.substr(0, 4096));
    return lines.size() >= 2 && startsWith(lines[0], "sep=") && startsWith(lines[1], "Version CSV");
}

bool parseStamp(std::string_view text, std::string_view pattern, Reading& out) {
    struct Token {
        std::string_view name;
        int* field;
    };
    int year = -1, shortYear = -1, month = -1, day = -1;
    out.hour = out.minute = out.second = 0;
    const Token tokens[] = {{"yyyy", &year},   {"yy", &shortYear},  {"dd", &day},       {"MM", &month},
                            {"HH", &out.hour}, {"mm", &out.minute}, {"ss", &out.second}};
    std::size_t t = 0;
    for (std::size_t p = 0; p < pattern.size();) {
        const Token* match = nullptr;
        for (const Token& token : tokens)
            if (startsWith(pattern.substr(p), token.name)) {
                match = &token;
                break;
            }
        if (match) {
            if (!digits(text, t, match->name.size(), *match->field)) return false;
            t += match->name.size();
            p += match->name.size();
        } else {
            if (t >= text.size() || text[t] != pattern[p]) return false;
            ++t;
            ++p;
        }
    }
    if (t != text.size()) return false;
    if (year < 0) year = shortYear < 0 ? -1 : 2000 + shortYear;
    if (!isValidDate(year, month, day)) return false;
    if (out.hour > 23 || out.minute > 59 || out.second > 59) return false;
    out.date = Date{year, month, day};
    return true;
}

bool parseNumber(std::string_view text, char point, double& out) {
    std::string normal;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') normal.push_back(text[i++]);
    bool anyDigit = false, seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            normal.push_back(c);
        } else if (c == point && !seenPoint) {
            seenPoint = true;
            normal.push_back('.');
        } else {
            return false;
        }
    }
    if (!anyDigit) return false;
    const auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), out);
    return ec == std::errc() && ptr == normal.data() + normal.size() && std::isfinite(out);
}

std::string formatNumber(double value, int decimals, char point) {
    char buffer[512];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = ec == std::errc() ? std::string(buffer, ptr) : std::string("0");
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) text[dot] = point;
    return text;
}

CsvFile parseCsv(std::string_view bytes, const Path& path) {
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.empty() || !startsWith(lines[0], "sep=")) failAt(path, 1, "\"sep=\" erwartet");
    if (lines.size() < 2 || !startsWith(lines[1], "Version CSV")) failAt(path, 2, "\"Version CSV\" erwartet");

    const Format format = readFormatLine(lines[1], path);
    if (lines[0].size() != 5 || lines[0][4] != format.delimiter)
        failAt(path, 1, "passt nicht zum Trennzeichen der Zeile 2", shownText(lines[0]));
    if (lines.size() <= kHeaderLines)
        failAt(path, static_cast<int>(lines.size()) + 1, "die Spaltenköpfe fehlen");

    CsvFile file;
    file.delimiter = format.delimiter;
    file.decimalPoint = format.decimalPoint;
    file.precision = format.precision;

    const std::vector<std::string_view> columns = split(lines[kHeaderLines], format.delimiter);
    if (columns.size() < 3 || (columns.size() - 1) % 2 != 0)
        failAt(path, kHeaderLines + 1, "je Wechselrichter zwei Spalten erwartet");
    file.datePattern = std::string(columns[0]);
    if (file.datePattern.find("dd") == std::string::npos ||
        file.datePattern.find("MM") == std::string::npos || file.datePattern.find("yy") == std::string::npos)
        failAt(path, kHeaderLines + 1, "das Datumsmuster ist unvollständig", shownText(file.datePattern));
    file.patternHasTime =
        file.datePattern.find("HH") != std::string::npos && file.datePattern.find("mm") != std::string::npos;
    for (std::size_t c = 1; c < columns.size(); ++c) file.units.emplace_back(columns[c]);

    const std::vector<std::string_view> serialLine = split(lines[5], format.delimiter);
    for (std::size_t c = 1; c < columns.size(); c += 2)
        file.serials.emplace_back(c < serialLine.size() ? serialLine[c] : std::string_view{});

    for (std::size_t i = kHeaderLines + 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const int number = static_cast<int>(i) + 1;
        const std::vector<std::string_view> fields = split(lines[i], format.delimiter);
        if (fields.size() != columns.size())
            failAt(path, number,
                   "erwartet " + std::to_string(columns.size()) + " Felder, gefunden " +
                       std::to_string(fields.size()));
        Reading reading;
        reading.lineNumber = number;
        if (!parseStamp(fields[0], file.datePattern, reading))
            failAt(path, number, "passt nicht zum Datumsmuster",
                   " " + file.datePattern + ":" + shownText(fields[0]));
        for (std::size_t c = 1; c < fields.size(); ++c) {
            double value = 0;
            if (!parseNumber(fields[c], format.decimalPoint, value))
                failAt(path, number, "keine Zahl:", shownText(fields[c]));
            reading.values.push_back(value);
        }
        file.readings.push_back(std::move(reading));
    }
    return file;
}

}  // namespace lumetra::sbfspot
