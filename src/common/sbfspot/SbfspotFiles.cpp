#include "SbfspotFiles.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "SbfspotCsv.h"
#include "base/DelimitedLineList.h"
#include "base/Files.h"

namespace lumetra::sbfspot {
namespace {

constexpr int kSlots = 144;
constexpr int kColumnHeaderLine = 9;

// Factor from the column's unit to the one we write, or nullopt for a unit we do not know.
std::optional<double> factor(const std::string& unit, std::string_view base, std::string_view thousandth) {
    if (unit == base) return 1.0;
    if (unit == thousandth) return 0.001;
    return std::nullopt;
}

double unitFactor(const CsvFile& file, std::size_t column, std::string_view base, std::string_view thousandth,
                  const Path& path) {
    const auto f = factor(file.units[column], base, thousandth);
    if (!f)
        failAt(path, kColumnHeaderLine,
               "Einheit " + std::string(base) + " erwartet:", " '" + file.units[column] + "'");
    return *f;
}

std::string twoDigits(int n) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%02d", n % 100);
    return buffer;
}

}  // namespace

std::vector<std::string> monthRows(std::string_view bytes, const Path& path) {
    const CsvFile file = parseCsv(bytes, path);
    std::vector<double> factors;
    for (std::size_t c = 1; c < file.units.size(); c += 2)
        factors.push_back(unitFactor(file, c, "kWh", "Wh", path));
    std::vector<std::string> rows;
    for (const Reading& r : file.readings) {
        double sum = 0;
        for (int i = 0; i < file.inverters(); ++i)
            sum += r.values[static_cast<std::size_t>(2 * i + 1)] * factors[static_cast<std::size_t>(i)];
        if (!std::isfinite(sum)) failAt(path, r.lineNumber, "Wert zu groß");
        rows.push_back(formatDate(r.date) + ";" + formatNumber(sum, file.precision, ','));
    }
    return rows;
}

bool isMadeFromSbfspot(std::string_view dayFileBytes) {
    return dayFileBytes.substr(0, kDayFileMarker.size()) == kDayFileMarker;
}

std::string dayFileFrom(std::string_view bytes, const Path& path, const Date& day) {
    const CsvFile file = parseCsv(bytes, path);
    if (!file.patternHasTime)
        failAt(path, kColumnHeaderLine,
               "das Datumsmuster enthält keine Uhrzeit:", " '" + file.datePattern + "'");
    const int inverters = file.inverters();
    std::vector<double> counterFactor, powerFactor;
    for (std::size_t c = 0; c < file.units.size(); c += 2) {
        counterFactor.push_back(unitFactor(file, c, "kWh", "Wh", path));
        powerFactor.push_back(1000.0 * unitFactor(file, c + 1, "kW", "W", path));
    }

    struct Slot {
        int lines = 0;
        double powerSum = 0;  // W, over lines and inverters
        int lastSecond = -1;  // of the day, of the reading the counter comes from
        double counter = 0;   // kWh, over inverters
    };
    std::array<Slot, kSlots> bySlot{};
    // A slot without readings carries the counter on; before the first reading of the day the
    // counter stood where that reading found it.
    std::optional<double> counter;
    int firstSecond = 0;
    for (const Reading& r : file.readings) {
        if (r.date != day) failAt(path, r.lineNumber, "gehört nicht zum Tag", " " + formatDate(day));
        Slot& slot = bySlot[static_cast<std::size_t>(r.hour * 6 + r.minute / 10)];
        double power = 0, sum = 0;
        for (int i = 0; i < inverters; ++i) {
            const auto k = static_cast<std::size_t>(i);
            sum += r.values[2 * k] * counterFactor[k];
            power += r.values[2 * k + 1] * powerFactor[k];
        }
        ++slot.lines;
        slot.powerSum += power;
        if (!std::isfinite(sum) || !std::isfinite(slot.powerSum)) failAt(path, r.lineNumber, "Wert zu groß");
        const int second = (r.hour * 60 + r.minute) * 60 + r.second;
        if (second >= slot.lastSecond) {
            slot.lastSecond = second;
            slot.counter = sum;
        }
        if (!counter || second < firstSecond) {
            counter = sum;
            firstSecond = second;
        }
    }

    std::vector<std::string> lines;
    std::string serials;
    for (const std::string& s : file.serials) serials += ";" + s;
    lines.push_back(std::string(kDayFileMarker) + pathText(path.filename()));
    lines.push_back("Datum;" + formatDate(day));
    lines.push_back("Wechselrichter" + serials);
    lines.push_back("Intervall;10 Minuten");
    lines.push_back("Zeitstempel;E-Total [kWh];PAC [W]");
    const std::string date = formatDate(day);
    for (int s = 0; s < kSlots; ++s) {
        const Slot& slot = bySlot[static_cast<std::size_t>(s)];
        if (slot.lines) counter = slot.counter;
        const double pac = slot.lines ? slot.powerSum / slot.lines : 0.0;
        lines.push_back(date + " " + twoDigits(s / 6) + ":" + std::to_string(s % 6) + "0:00;" +
                        formatNumber(counter.value_or(0.0), 3, '.') + ";" + formatNumber(pac, 1, '.'));
    }
    return joinLines(lines);
}

}  // namespace lumetra::sbfspot
