#include "DemoPlant.h"

#include <QDate>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

#include "base/Errors.h"
#include "base/Files.h"
#include "dayfile/DayFileName.h"

namespace lumetra::demo {
namespace {

constexpr double kPlantKwp = 9.8;
constexpr double kInverterShare = 0.47;  // inverter "00" carries a little less than half the modules
// Monthly shares of the yearly global radiation, German average, percent.
constexpr double kShares[12] = {2.2, 3.8, 7.1, 11.1, 14.5, 15.1, 15.3, 13.0, 8.6, 5.3, 2.4, 1.6};
constexpr double kYieldPerKwp = 1000.0;

// splitmix64: small, well mixed, the same everywhere.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

double uniform(std::uint64_t seed) { return static_cast<double>(mix(seed) >> 11) / 9007199254740992.0; }

std::uint64_t seedOf(const Date& d, std::uint64_t salt = 0) {
    return (static_cast<std::uint64_t>(d.year) * 10000 + d.month * 100 + d.day) * 1000003ULL + salt;
}

QDate qdate(const Date& d) { return QDate(d.year, d.month, d.day); }
Date date(const QDate& d) { return Date{d.year(), d.month(), d.day()}; }

// Share of a clear-sky day that the weather lets through, 0.08 … 1.1.
double weather(const Date& d) {
    double u = uniform(seedOf(d, 1));
    // Spells of weather: neighbouring days are alike.
    QDate prev = qdate(d).addDays(-1);
    double v = uniform(seedOf(date(prev), 1));
    double w = 0.6 * u + 0.4 * v;
    return 0.08 + 1.02 * std::pow(w, 0.7);
}

std::string decimalComma(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string twoDigits(int v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", v);
    return buffer;
}

// Hours of daylight at about 51° north.
double dayLength(const Date& d) {
    int doy = qdate(d).dayOfYear();
    return 12.0 + 4.2 * std::sin(2 * std::numbers::pi * (doy - 80) / 365.0);
}

std::string dayFile(const Date& d) {
    const double hours = dayLength(d);
    const double noon = 13.25;  // local summer time
    const int first = static_cast<int>(std::ceil((noon - hours / 2) * 6));
    const int last = static_cast<int>(std::floor((noon + hours / 2) * 6));
    const double peak = kPlantKwp * kInverterShare * 1000 * (0.55 + 0.35 * hours / 16.2) * weather(d);
    const std::string dateText = formatDate(d);
    std::string out;
    out += "Tageswerte Wechselrichter 00\r\n";
    out += "Version;1.2\r\n";
    out += "Intervall;600\r\n";
    out += "Datum;" + dateText + "\r\n";
    out += "Zeit;E-Total;Pac;Upv-Ist;Temperatur\r\n";
    double total = 21000.0 + (qdate(d).toJulianDay() - 2458485) * 4.6;  // kWh since commissioning
    for (int slot = first; slot <= last; ++slot) {
        double x = (slot / 6.0 - (noon - hours / 2)) / hours;  // 0 … 1 over the day
        double clear = std::pow(std::sin(std::numbers::pi * x), 1.4);
        double cloud = 0.75 + 0.25 * uniform(seedOf(d, 100 + static_cast<std::uint64_t>(slot)));
        double pac = std::max(0.0, peak * clear * cloud);
        total += pac / 6000.0;
        char line[160];
        std::snprintf(line, sizeof line, "%s %s:%s:00;%.3f;%.1f;%.0f;%.1f\r\n", dateText.c_str(),
                      twoDigits(slot / 6).c_str(), twoDigits(slot % 6 * 10).c_str(), total, pac,
                      pac > 0 ? 310 + 60 * clear : 0.0, 12 + 30 * clear);
        out += line;
    }
    return out;
}

std::string readFixed(const std::string& dir, const std::string& name) {
    return readFile(pathFromText(dir) / name);
}

void ensureDir(const std::string& path) {
    if (!dirExists(pathFromText(path)) && !createDirectory(pathFromText(path))) fail(msg::CannotCreate, path);
}

}  // namespace

double demoDailyYield(const Date& d) {
    if (uniform(seedOf(d, 7)) < 0.012) return -1;  // the logger was off that day
    double perDay = kShares[d.month - 1] / 100.0 * kYieldPerKwp / daysInMonth(d.year, d.month);
    return kPlantKwp * perDay * weather(d) * 1.45;  // the weather averages about 0.69
}

void makeDemoPlant(const std::string& targetDir, const std::string& fixedFilesDir, const Date& today) {
    for (const char* sub : {"", "/DATA", "/sma", "/archiv", "/upload", "/backup"}) ensureDir(targetDir + sub);

    std::string ini = readFixed(fixedFilesDir, "LUMETRA.INI.in");
    for (auto pos = ini.find("@DIR@"); pos != std::string::npos; pos = ini.find("@DIR@", pos))
        ini.replace(pos, 5, targetDir);
    saveFileSafely(pathFromText(targetDir) / pathFromText("LUMETRA.INI"), ini);
    saveFileSafely(pathFromText(targetDir) / pathFromText("DATA/GLOBAL.DAT"),
                   readFixed(fixedFilesDir, "GLOBAL.DAT"));

    std::string yields;
    for (QDate d(2019, 1, 1), end = qdate(today); d < end; d = d.addDays(1)) {
        double kwh = demoDailyYield(date(d));
        if (kwh < 0) continue;
        yields += formatDateId(date(d)) + ";" + formatDate(date(d)) + ";" + decimalComma(kwh, 2) + "\r\n";
    }
    saveFileSafely(pathFromText(targetDir) / pathFromText("DATA/DATEN.DAT"), yields);

    for (int back = 6; back >= 0; --back) {
        Date d = date(qdate(today).addDays(-back));
        std::string name = DayFileName(formatDate(d), "00");
        std::string content = dayFile(d);
        saveFileSafely(pathFromText(targetDir) / pathFromText("sma/" + name), content);
        saveFileSafely(pathFromText(targetDir) / pathFromText("upload/" + name), content);
    }
}

}  // namespace lumetra::demo
