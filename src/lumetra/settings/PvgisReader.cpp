#include "settings/PvgisReader.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>

#include "base/Errors.h"
#include "base/Files.h"

namespace lumetra {
namespace {

constexpr int kMonths = 12;

[[noreturn]] void missing(const std::string& key) { fail("In der PVGIS-Datei fehlt „%s“", key); }

// The value under a dotted path of object keys; a missing step names the whole path.
QJsonValue valueAt(const QJsonObject& root, std::initializer_list<const char*> keys) {
    std::string path;
    QJsonValue value(root);
    for (const char* key : keys) {
        path += (path.empty() ? "" : ".") + std::string(key);
        if (!value.isObject() || !value.toObject().contains(QLatin1String(key))) missing(path);
        value = value.toObject().value(QLatin1String(key));
    }
    return value;
}

double numberOf(const QJsonValue& value, const std::string& key) {
    // A string holding digits is no number here: PVGIS writes numbers as JSON numbers.
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        fail("In der PVGIS-Datei ist „%s“ keine Zahl", key);
    return value.toDouble();
}

double nonNegative(double value, const std::string& key) {
    if (value < 0) fail("In der PVGIS-Datei ist „%s“ negativ", key);
    return value;
}

std::string shortest(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// One decimal with a decimal comma; 0 ≤ percent ≤ 100, so at most five characters.
std::string percentText(double percent) {
    const long long tenths = std::llround(percent * 10);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

std::array<double, kMonths> monthlyIrradiation(const QJsonObject& root) {
    const std::string arrayKey = "outputs.monthly.fixed";
    const QJsonValue list = valueAt(root, {"outputs", "monthly", "fixed"});
    if (!list.isArray()) fail("In der PVGIS-Datei ist „%s“ keine Liste von Monaten", arrayKey);
    const QJsonArray months = list.toArray();
    if (months.size() != kMonths)
        fail("Die PVGIS-Datei enthält %s statt 12 Monate", std::to_string(months.size()));

    std::array<double, kMonths> irradiation{};
    std::array<bool, kMonths> seen{};
    for (int i = 0; i < kMonths; ++i) {
        const std::string entry = arrayKey + "[" + std::to_string(i) + "]";
        const QJsonValue item = months.at(i);
        if (!item.isObject()) missing(entry + ".month");
        const QJsonObject month = item.toObject();
        if (!month.contains("month")) missing(entry + ".month");
        const double number = numberOf(month.value("month"), entry + ".month");
        if (number < 1 || number > kMonths || number != std::floor(number))
            fail("In der PVGIS-Datei ist „%s“ kein Monat von 1 bis 12", entry + ".month");
        const auto index = static_cast<std::size_t>(number) - 1;
        if (!month.contains("H(i)_m")) missing(entry + ".H(i)_m");
        irradiation[index] =
            nonNegative(numberOf(month.value("H(i)_m"), entry + ".H(i)_m"), entry + ".H(i)_m");
        seen[index] = true;
    }
    for (int m = 0; m < kMonths; ++m)
        if (!seen[static_cast<std::size_t>(m)])
            fail("In der PVGIS-Datei fehlt der Monat %s", std::to_string(m + 1));
    return irradiation;
}

}  // namespace

LocationFields readPvgisLocation(std::string_view json) {
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        fail("Die Datei ist keine PVGIS-Datei im JSON-Format");
    const QJsonObject root = document.object();

    const double latitude =
        numberOf(valueAt(root, {"inputs", "location", "latitude"}), "inputs.location.latitude");
    const double longitude =
        numberOf(valueAt(root, {"inputs", "location", "longitude"}), "inputs.location.longitude");
    const std::string powerKey = "inputs.pv_module.peak_power";
    const double peakPower = numberOf(valueAt(root, {"inputs", "pv_module", "peak_power"}), powerKey);
    if (peakPower <= 0) fail("In der PVGIS-Datei ist „%s“ nicht größer als 0", powerKey);
    const std::array<double, kMonths> irradiation = monthlyIrradiation(root);
    const std::string yearKey = "outputs.totals.fixed.E_y";
    const double yearly =
        nonNegative(numberOf(valueAt(root, {"outputs", "totals", "fixed", "E_y"}), yearKey), yearKey);

    double sum = 0;
    for (double h : irradiation) sum += h;
    if (!(sum > 0) || !std::isfinite(sum))
        fail("In der PVGIS-Datei ist die Summe der Monatswerte „H(i)_m“ 0");
    const double perKwp = yearly / peakPower;
    // The yearly yield field takes four digits; a larger figure is no plant's yield per kWp.
    if (!std::isfinite(perKwp) || perKwp >= 9999.5)
        fail("Der Jahresertrag aus der PVGIS-Datei hat mehr als 4 Stellen (%s kWh/kWp)",
             shortest(std::round(perKwp)));

    LocationFields fields;
    fields[0] = "PVGIS " + shortest(latitude) + ", " + shortest(longitude);
    for (std::size_t m = 0; m < irradiation.size(); ++m)
        fields[m + 1] = percentText(100 * irradiation[m] / sum);
    fields[kLocationFieldCount - 1] = std::to_string(std::llround(perKwp));
    return fields;
}

LocationFields readPvgisFile(const Path& path) { return readPvgisLocation(readFile(path)); }

}  // namespace lumetra
