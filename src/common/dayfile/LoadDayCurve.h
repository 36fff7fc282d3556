#pragma once
// The SMA day file reader: one file turned into the 144 ten-minute columns of the day chart.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/DelimitedLineList.h"

namespace lumetra {

inline constexpr int DayColumns = 144;

// Per column: the power in percent of PacMax, truncated toward zero.
using DayCurve = std::array<int, DayColumns>;
// Per column: field 2 of the line drawn there exactly as written, else "0,000".
using PacTexts = std::array<std::string, DayColumns>;

// The result of one read. A fresh (or cleared) one is the empty day.
// The hover text over a day chart at pointer position x: the PAC text of column
// floor((x - 4) / 3) + " Watt" for 5 < x < 431; nothing elsewhere (the label keeps its text).
std::optional<std::string> dayHoverText(const PacTexts& texts, int x);

struct DayCurveResult {
    DayCurve curve{};
    PacTexts pacTexts;
    // All lines of the file, header included, in file order (the archive writes them again).
    DelimitedLineList lines{DelimitedLineList::Order::Unsorted};
    bool existed = false;

    DayCurveResult() { clear(); }
    void clear();
};

// Throws our own message when 100 / PacMax has no finite value (PacMax 0).
void checkPacMax(double PacMax);

// The PAC value of a field 2 text: blanks before, sign, digits with an optional ".",
// an optional exponent, nothing after. nullopt when the text is not of that form.
std::optional<double> pacValue(std::string_view text);

// Reads the day file at `path` (its name found without regard to letter case) into `day`.
// A bad PacMax throws before `day` changes; otherwise `day` is cleared first, so a file that
// exists but cannot be read ("Datei %s kann nicht geöffnet werden") leaves it empty.
// Lines whose field 0 does not contain `dateFilter` are skipped, keeping their column empty.
// Of more than 144 data lines only those whose centred column lies in 0…143 are drawn.
void LoadDayCurve(const Path& path, const std::optional<std::string>& dateFilter, double PacMax,
                  DayCurveResult& day);
DayCurveResult LoadDayCurve(const Path& path, const std::optional<std::string>& dateFilter, double PacMax);

}  // namespace lumetra
