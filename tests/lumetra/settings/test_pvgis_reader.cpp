#include <gtest/gtest.h>

#include <string>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "settings/PvgisReader.h"

using namespace lumetra;

namespace {

std::string fixture(const std::string& name) { return std::string(LUMETRA_TEST_DATA) + "/pvgis/" + name; }

std::string errorOf(const std::string& json) {
    try {
        readPvgisLocation(json);
    } catch (const LumetraError& e) {
        return utf8FromCp1252(e.what());
    }
    return "<no error>";
}

// A small answer with the keys the reader uses; `months` and the other parts replace the defaults.
std::string answer(const std::string& months, const std::string& eY = "1000", const std::string& peak = "1",
                   const std::string& location = R"("latitude": 48.1, "longitude": -3.25)") {
    return R"({"inputs": {"location": {)" + location + R"(}, "pv_module": {"peak_power": )" + peak +
           R"(}}, "outputs": {"monthly": {"fixed": [)" + months + R"(]}, "totals": {"fixed": {"E_y": )" + eY +
           "}}}}";
}

std::string months(const std::string& h = "10", int count = 12) {
    std::string out;
    for (int m = 1; m <= count; ++m)
        out += (m > 1 ? "," : "") + std::string(R"({"month": )") + std::to_string(m) + R"(, "H(i)_m": )" + h +
               "}";
    return out;
}

TEST(PvgisReader, FixtureGivesTheEditorsFieldTexts) {
    const LocationFields fields = readPvgisFile(fixture("munich-4.5kwp.json"));
    EXPECT_EQ(fields[0], "PVGIS 48.137, 11.575");
    // 100 × H(i)_m / 1386,6, one decimal.
    const LocationFields expected = {"PVGIS 48.137, 11.575",
                                     "3,8",
                                     "5,4",
                                     "8,6",
                                     "10,8",
                                     "12,1",
                                     "12,4",
                                     "12,9",
                                     "11,6",
                                     "9,0",
                                     "6,5",
                                     "3,9",
                                     "3,1",
                                     "1139"};  // 5123,45 kWh / 4,5 kWp
    EXPECT_EQ(fields, expected);
}

TEST(PvgisReader, MonthsAreTakenByTheirNumberNotTheirPlace) {
    std::string list;
    for (int m = 12; m >= 1; --m)
        list += (m < 12 ? "," : "") + std::string(R"({"month": )") + std::to_string(m) + R"(, "H(i)_m": )" +
                (m == 1 ? "45" : "5") + "}";
    const LocationFields fields = readPvgisLocation(answer(list, "1234.5", "2"));
    EXPECT_EQ(fields[1], "45,0");  // 45 / 100
    EXPECT_EQ(fields[12], "5,0");
    EXPECT_EQ(fields[13], "617");  // 617,25 rounded
    EXPECT_EQ(fields[0], "PVGIS 48.1, -3.25");
}

TEST(PvgisReader, SharesAndYieldRoundToTheirFields) {
    // One month holds all the radiation: 100,0 is the widest share (five characters).
    std::string list = R"({"month": 1, "H(i)_m": 7})";
    for (int m = 2; m <= 12; ++m) list += R"(,{"month": )" + std::to_string(m) + R"(, "H(i)_m": 0})";
    const LocationFields fields = readPvgisLocation(answer(list, "9999.4"));
    EXPECT_EQ(fields[1], "100,0");
    EXPECT_EQ(fields[2], "0,0");
    EXPECT_EQ(fields[13], "9999");
    // A third each of three months: 33,3 and no 33,33.
    std::string thirds;
    for (int m = 1; m <= 12; ++m)
        thirds += (m > 1 ? "," : "") + std::string(R"({"month": )") + std::to_string(m) + R"(, "H(i)_m": )" +
                  (m <= 3 ? "1" : "0") + "}";
    EXPECT_EQ(readPvgisLocation(answer(thirds))[3], "33,3");
}

TEST(PvgisReader, ForeignKeysAndOtherValuesAreNotLookedAt) {
    const std::string json = R"({"inputs": {"location": {"latitude": 1, "longitude": 2, "elevation": "hoch"},
        "pv_module": {"peak_power": 1, "technology": null}},
        "outputs": {"monthly": {"fixed": [)" +
                             months("8.25") +
                             R"(]}, "totals": {"fixed": {"E_y": 950, "H(i)_y": "n/a"}}}, "meta": 7})";
    const LocationFields fields = readPvgisLocation(json);
    EXPECT_EQ(fields[0], "PVGIS 1, 2");
    EXPECT_EQ(fields[6], "8,3");  // 8,333…
    EXPECT_EQ(fields[13], "950");
}

TEST(PvgisReader, FilesThatAreNoSuchAnswerNameWhatIsMissing) {
    struct Case {
        const char* what;
        std::string json;
        const char* message;
    };
    const Case cases[] = {
        {"not JSON", "<html>", "Die Datei ist keine PVGIS-Datei im JSON-Format"},
        {"JSON array", "[1, 2]", "Die Datei ist keine PVGIS-Datei im JSON-Format"},
        {"no inputs", R"({"outputs": {}})", "In der PVGIS-Datei fehlt „inputs“"},
        {"no longitude", answer(months(), "1000", "1", R"("latitude": 1)"),
         "In der PVGIS-Datei fehlt „inputs.location.longitude“"},
        {"latitude text", answer(months(), "1000", "1", R"("latitude": "48", "longitude": 1)"),
         "In der PVGIS-Datei ist „inputs.location.latitude“ keine Zahl"},
        {"peak power 0", answer(months(), "1000", "0"),
         "In der PVGIS-Datei ist „inputs.pv_module.peak_power“ nicht größer als 0"},
        {"months no list", answer("").replace(answer("").find("[]"), 2, "{}"),
         "In der PVGIS-Datei ist „outputs.monthly.fixed“ keine Liste von Monaten"},
        {"eleven months", answer(months("10", 11)), "Die PVGIS-Datei enthält 11 statt 12 Monate"},
        {"no H(i)_m", answer(months().replace(months().find(R"(, "H(i)_m": 10)"), 14, "")),
         "In der PVGIS-Datei fehlt „outputs.monthly.fixed[0].H(i)_m“"},
        {"H(i)_m null", answer(months("null")),
         "In der PVGIS-Datei ist „outputs.monthly.fixed[0].H(i)_m“ keine Zahl"},
        {"H(i)_m negative", answer(months("-1")),
         "In der PVGIS-Datei ist „outputs.monthly.fixed[0].H(i)_m“ negativ"},
        {"month twice", answer(months().replace(months().find(R"("month": 2,)"), 11, R"("month": 1,)")),
         "In der PVGIS-Datei fehlt der Monat 2"},
        {"month 13", answer(months().replace(months().find(R"("month": 12,)"), 12, R"("month": 13,)")),
         "In der PVGIS-Datei ist „outputs.monthly.fixed[11].month“ kein Monat von 1 bis 12"},
        {"sum 0", answer(months("0")), "In der PVGIS-Datei ist die Summe der Monatswerte „H(i)_m“ 0"},
        {"no E_y", answer(months()).replace(answer(months()).find(R"({"E_y": 1000})"), 13, "{}"),
         "In der PVGIS-Datei fehlt „outputs.totals.fixed.E_y“"},
        {"E_y text", answer(months(), R"("1000")"),
         "In der PVGIS-Datei ist „outputs.totals.fixed.E_y“ keine Zahl"},
        {"yield five digits", answer(months(), "19999.5", "2"),
         "Der Jahresertrag aus der PVGIS-Datei hat mehr als 4 Stellen (10000 kWh/kWp)"},
        {"overflowing yield", answer(months(), "1e308", "1e-308"),
         "Der Jahresertrag aus der PVGIS-Datei hat mehr als 4 Stellen (inf kWh/kWp)"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.json), c.message) << c.what;
}

TEST(PvgisReader, FixturesWithAKeyOrAMonthMissing) {
    const auto fileError = [](const std::string& name) {
        try {
            readPvgisFile(fixture(name));
        } catch (const LumetraError& e) {
            return utf8FromCp1252(e.what());
        }
        return std::string("<no error>");
    };
    EXPECT_EQ(fileError("no-yearly-yield.json"), "In der PVGIS-Datei fehlt „outputs.totals.fixed.E_y“");
    EXPECT_EQ(fileError("eleven-months.json"), "Die PVGIS-Datei enthält 11 statt 12 Monate");
    EXPECT_EQ(fileError("nowhere.json"), "Datei " + fixture("nowhere.json") + " kann nicht geöffnet werden");
}

}  // namespace
