#include <gtest/gtest.h>

#include "SbfspotFixtures.h"
#include "base/Cp1252.h"
#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "dayfile/LoadDayCurve.h"
#include "sbfspot/SbfspotCsv.h"
#include "sbfspot/SbfspotFiles.h"
#include "support/TempDir.h"

using namespace lumetra;
using namespace lumetra::sbfspot;
using lumetra::test::plantPac;
using lumetra::test::sbfspotFixture;

namespace {

using Lines = std::vector<std::string>;

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const LumetraError& e) {
        return utf8FromCp1252(e.what());
    }
    return "<no error>";
}

// The eight header lines and the column-header line of a one-inverter file.
std::string head(const std::string& columns = "dd/MM/yyyy;kWh;kWh",
                 const std::string& format = "Delimiter semicolon|Decimalpoint comma|Precision 3",
                 const std::string& sep = "sep=;") {
    return sep + "\nVersion CSV1|Tool SBFspotV3.9.7 (Linux)|Linebreaks LF|" + format +
           "\n\n;SN: 1;SN: 1\n;T;T\n;1;1\n;Total yield;Day yield\n;Counter;Analog\n" + columns + "\n";
}

}  // namespace

TEST(SbfspotMonth, RowsSumTheInvertersWithTheFilesPrecisionAndADecimalComma) {
    EXPECT_EQ(monthRows(sbfspotFixture("Plant-202406.csv"), "Plant-202406.csv"),
              (Lines{"01.06.2024;50,620", "02.06.2024;48,537", "03.06.2024;4,000"}));
    // Comma-delimited, decimal dot, CR LF, precision 2.
    EXPECT_EQ(monthRows(sbfspotFixture("Roof-202407.csv"), "Roof-202407.csv"),
              (Lines{"30.07.2024;21,13", "31.07.2024;0,50"}));
}

TEST(SbfspotMonth, RecognisedByItsFirstTwoLines) {
    EXPECT_TRUE(looksLikeSbfspot(sbfspotFixture("Plant-202406.csv")));
    EXPECT_TRUE(looksLikeSbfspot(sbfspotFixture("Roof-202407.csv")));
    EXPECT_FALSE(looksLikeSbfspot("15.04.2008;12,5\r\n"));
    EXPECT_FALSE(looksLikeSbfspot("sep=;\r\n15.04.2008;12,5\r\n"));
    EXPECT_FALSE(looksLikeSbfspot(""));
}

TEST(SbfspotCsv, LinesThatDoNotFollowTheFilesHeaderNameFileAndLine) {
    const std::string p = "m.csv: ";
    const struct {
        std::string bytes, message;
    } cases[] = {
        {"15.04.2008;1\n", "SBFspot-Datei m.csv, Zeile 1: \"sep=\" erwartet"},
        {head("dd/MM/yyyy;kWh;kWh", "Delimiter tab|Decimalpoint comma"),
         "SBFspot-Datei m.csv, Zeile 2: unbekanntes Trennzeichen 'tab'"},
        {head("dd/MM/yyyy;kWh;kWh", "Delimiter semicolon|Decimalpoint comma|Precision x"),
         "SBFspot-Datei m.csv, Zeile 2: ungültige Genauigkeit 'x'"},
        {head("dd/MM/yyyy;kWh;kWh", "Delimiter comma|Decimalpoint comma"),
         "SBFspot-Datei m.csv, Zeile 2: Trennzeichen und Dezimalzeichen sind gleich"},
        {head("dd/MM/yyyy;kWh;kWh", "Delimiter semicolon|Decimalpoint comma", "sep=,"),
         "SBFspot-Datei m.csv, Zeile 1: passt nicht zum Trennzeichen der Zeile 2 'sep=,'"},
        {"sep=;\nVersion CSV1|Delimiter semicolon|Decimalpoint comma\n\n;SN\n",
         "SBFspot-Datei m.csv, Zeile 5: die Spaltenköpfe fehlen"},
        {head("dd/MM/yyyy;kWh"), "SBFspot-Datei m.csv, Zeile 9: je Wechselrichter zwei Spalten erwartet"},
        {head("dd/MM;kWh;kWh"), "SBFspot-Datei m.csv, Zeile 9: das Datumsmuster ist unvollständig 'dd/MM'"},
        {head() + "01/06/2024;1,0;2,0\n02/06/2024;1,0\n",
         "SBFspot-Datei m.csv, Zeile 11: erwartet 3 Felder, gefunden 2"},
        {head() + "01/06/2024;1,0;2,0;\n", "SBFspot-Datei m.csv, Zeile 10: erwartet 3 Felder, gefunden 4"},
        {head() + "01/06/2024;1,0;1.5\n", "SBFspot-Datei m.csv, Zeile 10: keine Zahl: '1.5'"},
        {head() + "01/06/2024;1,0;\n", "SBFspot-Datei m.csv, Zeile 10: keine Zahl: ''"},
        {head() + "1/6/2024;1,0;2,0\n",
         "SBFspot-Datei m.csv, Zeile 10: passt nicht zum Datumsmuster dd/MM/yyyy: '1/6/2024'"},
        {head() + "31/06/2024;1,0;2,0\n",
         "SBFspot-Datei m.csv, Zeile 10: passt nicht zum Datumsmuster dd/MM/yyyy: '31/06/2024'"},
        {head("dd/MM/yyyy;kWh;kW"), "SBFspot-Datei m.csv, Zeile 9: Einheit kWh erwartet: 'kW'"},
        {head("dd/MM/yyyy;kWh;kWh;kWh;kWh") + "01/06/2024;1;1" + std::string(308, '0') + ";1;1" +
             std::string(308, '0') + "\n",
         "SBFspot-Datei m.csv, Zeile 10: Wert zu groß"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { monthRows(c.bytes, "m.csv"); }), c.message) << c.bytes;
    // Empty lines carry nothing and are passed over.
    EXPECT_EQ(monthRows(head() + "01/06/2024;1,0;2,0\n\n", "m.csv"), (Lines{"01.06.2024;2,000"}));
}

TEST(SbfspotCsv, StampsFollowTheirPattern) {
    const struct {
        const char *text, *pattern;
        bool ok;
        Date date;
        int h, m, s;
    } cases[] = {
        {"15/07/2024 12:05:30", "dd/MM/yyyy HH:mm:ss", true, {2024, 7, 15}, 12, 5, 30},
        {"2024-07-15T23:55", "yyyy-MM-ddTHH:mm", true, {2024, 7, 15}, 23, 55, 0},
        {"15.07.24", "dd.MM.yy", true, {2024, 7, 15}, 0, 0, 0},
        {"29/02/2024", "dd/MM/yyyy", true, {2024, 2, 29}, 0, 0, 0},
        {"29/02/2023", "dd/MM/yyyy", false, {}, 0, 0, 0},
        {"15/07/2024 24:00:00", "dd/MM/yyyy HH:mm:ss", false, {}, 0, 0, 0},
        {"15/07/2024 12:60", "dd/MM/yyyy HH:mm", false, {}, 0, 0, 0},
        {"15-07-2024", "dd/MM/yyyy", false, {}, 0, 0, 0},
        {"15/07/2024 ", "dd/MM/yyyy", false, {}, 0, 0, 0},
        {"15/07/202", "dd/MM/yyyy", false, {}, 0, 0, 0},
        {"+5/07/2024", "dd/MM/yyyy", false, {}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Reading r;
        ASSERT_EQ(parseStamp(c.text, c.pattern, r), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(r.date, c.date) << c.text;
        EXPECT_EQ(r.hour * 3600 + r.minute * 60 + r.second, c.h * 3600 + c.m * 60 + c.s) << c.text;
    }
}

TEST(SbfspotCsv, NumbersTakeOnlyTheFilesDecimalPoint) {
    const struct {
        const char* text;
        char point;
        bool ok;
        double value;
    } cases[] = {
        {"41234,567", ',', true, 41234.567},
        {"41234.567", '.', true, 41234.567},
        {"-0,5", ',', true, -0.5},
        {"7", ',', true, 7},
        {",5", ',', true, 0.5},
        {"1.5", ',', false, 0},
        {"1,2,3", ',', false, 0},
        {" 1", ',', false, 0},
        {"1e3", '.', false, 0},
        {"", ',', false, 0},
        {"-", ',', false, 0},
        {"+1", ',', false, 0},
        {"nan", '.', false, 0},
    };
    for (const auto& c : cases) {
        double v = 0;
        ASSERT_EQ(parseNumber(c.text, c.point, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_EQ(formatNumber(-0.0001, 1, '.'), "0.0");
    EXPECT_EQ(formatNumber(1225, 1, '.'), "1225.0");
    EXPECT_EQ(formatNumber(50.62, 3, ','), "50,620");
}

TEST(SbfspotDay, FullDayGivesOneLinePerTenMinuteSlot) {
    const std::string out =
        dayFileFrom(sbfspotFixture("Plant-20240715.csv"), "/x/2024/Plant-20240715.csv", Date{2024, 7, 15});
    const Lines lines = splitLines(out);
    ASSERT_EQ(lines.size(), 149u);
    EXPECT_EQ(out.substr(out.size() - 2), "\r\n");
    EXPECT_EQ(splitLines(out).size(), static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')));
    EXPECT_EQ(lines[0], "Lumetra-Tagesdatei aus SBFspot-Datei Plant-20240715.csv");
    EXPECT_TRUE(isMadeFromSbfspot(out));
    EXPECT_EQ(lines[2], "Wechselrichter;2130011111;2130022222");
    EXPECT_EQ(lines[5], "15.07.2024 00:00:00;61345.567;0.0");
    EXPECT_EQ(lines[148], "15.07.2024 23:50:00;61374.337;0.0");
    for (int s = 0; s < 144; ++s) {
        const std::string& line = lines[static_cast<std::size_t>(5 + s)];
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "15.07.2024 %02d:%d0:00", s / 6, s % 6);
        EXPECT_EQ(lineField(line, 0), stamp);
        char pac[32];
        std::snprintf(pac, sizeof pac, "%.1f", plantPac(s));
        EXPECT_EQ(lineField(line, 2), pac) << s;
    }
    // The chart reads it as is: one slot per column.
    test::TempDir dir;
    dir.write("24071500.suo", out);
    const DayCurveResult day = LoadDayCurve(dir.file("24071500.suo"), "15.07.2024", 5000);
    for (int s = 0; s < 144; ++s)
        EXPECT_EQ(day.curve[static_cast<std::size_t>(s)], static_cast<int>(plantPac(s) * 0.02)) << s;
}

TEST(SbfspotDay, GapsLeaveTheirSlotsEmptyAndCarryTheCounterOn) {
    const Lines lines =
        splitLines(dayFileFrom(sbfspotFixture("Gaps-20240716.csv"), "Gaps-20240716.csv", Date{2024, 7, 16}));
    ASSERT_EQ(lines.size(), 149u);
    const struct {
        int slot;
        const char* line;
    } cases[] = {
        {0, "16.07.2024 00:00:00;500.100;0.0"},  // before the first line: its counter
        {30, "16.07.2024 05:00:00;500.200;1200.0"},
        {71, "16.07.2024 11:50:00;508.400;1200.0"},
        {72, "16.07.2024 12:00:00;508.400;0.0"},  // gap
        {77, "16.07.2024 12:50:00;508.400;0.0"},
        {78, "16.07.2024 13:00:00;508.450;2345.0"},  // 13:07:30 alone in its slot
        {79, "16.07.2024 13:10:00;508.600;1200.0"},
        {125, "16.07.2024 20:50:00;517.800;1200.0"},
        {126, "16.07.2024 21:00:00;517.800;0.0"},
        {143, "16.07.2024 23:50:00;517.800;0.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(lines[static_cast<std::size_t>(5 + c.slot)], c.line);
}

TEST(SbfspotDay, MalformedDayFilesNameFileAndLine) {
    const std::string dayHead = head("dd/MM/yyyy HH:mm:ss;kWh;kW");
    const struct {
        std::string bytes, message;
    } cases[] = {
        {sbfspotFixture("Bad-20240717.csv"), "SBFspot-Datei d.csv, Zeile 11: keine Zahl: '1.5'"},
        {dayHead + "17/07/2024 00:00:00;1,0;0,0\n18/07/2024 00:00:00;1,0;0,0\n",
         "SBFspot-Datei d.csv, Zeile 11: gehört nicht zum Tag 17.07.2024"},
        {head(), "SBFspot-Datei d.csv, Zeile 9: das Datumsmuster enthält keine Uhrzeit: 'dd/MM/yyyy'"},
        {head("dd/MM/yyyy HH:mm:ss;kWh;kWh"), "SBFspot-Datei d.csv, Zeile 9: Einheit kW erwartet: 'kWh'"},
        {dayHead + "17/07/2024 00:00:00;1,0;1" + std::string(307, '0') + "\n",
         "SBFspot-Datei d.csv, Zeile 10: Wert zu groß"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { dayFileFrom(c.bytes, "d.csv", Date{2024, 7, 17}); }), c.message);
}
