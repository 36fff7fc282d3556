#pragma once
// The CSV files of the SBFspot logger: an extended header of eight lines (the second names
// delimiter, decimal point and precision), one column-header line whose first field is the
// date pattern, then one line per reading with a pair of value columns per inverter.
// Every line is checked against the file's own header; a line that does not follow it throws
// a message naming the file and the line.
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "base/German.h"

namespace lumetra::sbfspot {

// Whether the bytes begin as the logger's files do: "sep=" and "Version CSV…".
bool looksLikeSbfspot(std::string_view bytes);

struct Reading {
    Date date;
    int hour = 0, minute = 0, second = 0;
    std::vector<double> values;  // two per inverter, in column order
    int lineNumber = 0;          // counted from 1
};

struct CsvFile {
    char delimiter = ';';
    char decimalPoint = ',';
    int precision = 3;
    std::string datePattern;
    bool patternHasTime = false;
    std::vector<std::string> units;    // one per value column
    std::vector<std::string> serials;  // one per inverter
    std::vector<Reading> readings;     // in file order
    int inverters() const { return static_cast<int>(serials.size()); }
};

// `path` names the file in messages. Throws LumetraError.
CsvFile parseCsv(std::string_view bytes, const Path& path);

// "SBFspot-Datei <path>, Zeile <line>: <reason>" (reason UTF-8, the rest Windows-1252).
[[noreturn]] void failAt(const Path& path, int line, std::string_view reasonUtf8,
                         std::string_view detail = {});

// A date and time text against a pattern of dd, MM, yyyy, yy, HH, mm, ss and literal characters.
bool parseStamp(std::string_view text, std::string_view pattern, Reading& out);

// Digits with an optional sign and one decimal point `point`; nothing else.
bool parseNumber(std::string_view text, char point, double& out);

// Fixed notation with `decimals` digits and `point` as decimal point, never "-0".
std::string formatNumber(double value, int decimals, char point);

}  // namespace lumetra::sbfspot
