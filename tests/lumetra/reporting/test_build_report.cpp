#include <gtest/gtest.h>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/German.h"
#include "data/AppContext.h"
#include "reporting/BuildReport.h"

namespace lumetra {
namespace {

std::string u(const char* utf8) { return cp1252FromUtf8(utf8); }

// The label texts as the evaluation leaves them for one month.
ReportInput julyInput() {
    ReportInput in;
    in.monthName = "Juli";
    in.year = "2008";
    in.labels = {
        {"Label5", "   14.20 kWh"},     {"Label6", "   15.10 kWh"},     {"Label4", "  110.00 kWh"},
        {"Label29", "   22.00 kWh"},    {"Label12", "  440.20 kWh"},    {"Label43", "   88.04 kWh"},
        {"Label13", "  468.10 kWh"},    {"Label45", "   93.62 kWh"},    {"Label20", " 2345.60 kWh"},
        {"Label21", "  469.12 kWh"},    {"Label17", " 4600.00 kWh"},    {"Label18", " 4900.00 kWh"},
        {"Label34", "   72.82 kg"},     {"Label40", " 1552.79 kg"},     {"Label41", "12345.67 kg"},
        {"Label25", "     51.43 Euro"}, {"Label24", "   1096.57 Euro"}, {"Label27", "1234567.89 Euro"},
    };
    in.dayCount = 31;
    for (int d = 1; d <= 31; ++d) in.dayValueTexts[static_cast<std::size_t>(d)] = "0,00";
    in.dayValueTexts[1] = "20,00";
    in.dayValueTexts[2] = "11";
    in.price = "0,4675";
    in.co2 = "0,662";
    return in;
}

TEST(BuildReport, WorkedMonthGivesTheExactLines) {
    ReportDocument doc;
    doc.lines = {"left over from before"};
    BuildReport(julyInput(), doc);

    EXPECT_EQ(doc.header, (PageCaptions{"PV - Statistik", "", "Juli 2008"}));
    std::vector<std::string> expected = {
        "",
        "",
        "   Durchschnittlicher Tagesenergieertrag:        14.20 kWh        ",
        "   Prognostizierte Tagesenergie der Anlage:      15.10 kWh        ",
        "",
        "   Erbrachte Monatsenergie der Anlage:          110.00 kWh        ",
        "   Erbrachte Monatsenergie der Anlage/kWp:       22.00 kWh        ",
        "   Durchschnittliche Monatsenergie:             440.20 kWh        ",
        "   Durchschnittliche Monatsenergie/kWp:          88.04 kWh        ",
        "   Prognostizierte Monatsenergie der Anlage:    468.10 kWh        ",
        "   Prognostizierte Monatsenergie/kWp:            93.62 kWh        ",
        "",
        "   Erbrachte Jahresenergie der Anlage:         2345.60 kWh        ",
        "   Erbrachte Jahresenergie der Anlage/kWp:      469.12 kWh        ",
        "   Durchschnittliche Jahresenergie:            4600.00 kWh        ",
        "   Prognostizierte Jahresenergie der Anlage:   4900.00 kWh        ",
        "",
        "   Vermiedene CO2-Emmission im Monat:            72.82 kg         ",
        "   Vermiedene CO2-Emmission im Jahr:           1552.79 kg         ",
        "   Vermiedene CO2-Emmission gesamt:           12345.67 kg         ",
        "",
        "   Monatsertrag:                                 51.43 Euro     ",
        "   Jahresertrag:                               1096.57 Euro     ",
        "   Gesamtertrag:                            1234567.89 Euro     ",
        "",
        "",
        "",
        u("   Tagesübersicht"),
        "   ------------------------------------------------------------------",
        "   Tag: 01         20.00 kWh         9.35 Euro        13.24 kg CO2",
        "   Tag: 02         11.00 kWh         5.14 Euro         7.28 kg CO2",
    };
    for (int d = 3; d <= 31; ++d)
        expected.push_back("   Tag: " + std::to_string(d / 10) + std::to_string(d % 10) +
                           "          0.00 kWh         0.00 Euro         0.00 kg CO2");
    expected.insert(expected.end(), {"", "", "", u("   Zählerstand:_____________________")});
    EXPECT_EQ(doc.lines, expected);
}

TEST(BuildReport, ReportValueIsTwentyCharacters) {
    struct Case {
        std::string label, expected;
    } cases[] = {
        {"0 kWh", "0 kWh" + std::string(15, ' ')},
        {"   12.34 kWh", "   12.34 kWh" + std::string(8, ' ')},
        {"    123.45 Euro", "    123.45 Euro" + std::string(5, ' ')},
        {"12345678901234567890123", "12345678901234567890"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReportValue(c.label), c.expected) << c.label;
}

TEST(BuildReport, DayLine) {
    EXPECT_EQ(reportDayLine(7, "20,00", "0,4675", "0,662"),
              "   Tag: 07      " + std::string(3, ' ') + "20.00 kWh" + std::string(5, ' ') +
                  std::string(4, ' ') + "9.35 Euro" + std::string(5, ' ') + std::string(3, ' ') +
                  "13.24 kg CO2");
    EXPECT_EQ(reportDayLine(12, "0,00", "0,4675", "0,662"),
              "   Tag: 12          0.00 kWh         0.00 Euro         0.00 kg CO2");
}

TEST(BuildReport, OneDayLinePerDayOfTheMonth) {
    struct Case {
        int year, month;
    } cases[] = {{2008, 2}, {2009, 2}, {2000, 2}, {1900, 2}, {2008, 7}, {2008, 4}};
    for (const Case& c : cases) {
        ReportInput in = julyInput();
        in.dayCount = daysInMonth(c.year, c.month);
        ReportDocument doc;
        BuildReport(in, doc);
        int dayLines = 0;
        for (const std::string& line : doc.lines) dayLines += line.rfind("   Tag: ", 0) == 0;
        EXPECT_EQ(dayLines, daysInMonth(c.year, c.month)) << c.year << "-" << c.month;
    }
    EXPECT_EQ(daysInMonth(2008, 2), 29);
}

TEST(BuildReport, StopsAtTheFirstNonNumberKeepingTheLinesSoFar) {
    struct Case {
        const char* what;
        int badDay;  // 0: a settings field
        std::string dayText, price, co2, message;
        std::size_t dayLinesKept;
    } cases[] = {
        {"day value", 5, "x5", "0,4675", "0,662", "'x5' ist kein gültiger Gleitkommawert", 4},
        {"decimal point", 3, "1.5", "0,4675", "0,662", "'1.5' ist kein gültiger Gleitkommawert", 2},
        {"price", 0, "", "", "0,662", "'' ist kein gültiger Gleitkommawert", 0},
        {"co2", 0, "", "0,4675", "abc", "'abc' ist kein gültiger Gleitkommawert", 0},
    };
    for (const Case& c : cases) {
        ReportInput in = julyInput();
        if (c.badDay) in.dayValueTexts[static_cast<std::size_t>(c.badDay)] = c.dayText;
        in.price = c.price;
        in.co2 = c.co2;
        ReportDocument doc;
        try {
            BuildReport(in, doc);
            ADD_FAILURE() << c.what << ": no failure";
        } catch (const LumetraError& e) {
            EXPECT_EQ(e.what(), u(c.message.c_str())) << c.what;
        }
        // 29 lines up to the table's rule, then the day lines built before the failure.
        ASSERT_EQ(doc.lines.size(), 29 + c.dayLinesKept) << c.what;
        EXPECT_EQ(doc.lines[28].substr(0, 6), "   ---") << c.what;
        EXPECT_EQ(doc.header.right, "Juli 2008") << c.what;
    }
}

TEST(BuildReport, FillsDayValuesAndSettingsFromTheContext) {
    AppContext ctx;
    ctx.evaluation.daysOfMonth = 30;
    ctx.evaluation.dayValueTexts[30] = "1,5";
    ctx.initialSettings.euroText = "0,5";
    ctx.initialSettings.co2Text = "1";
    ReportInput in = julyInput();
    fillReportInputFromContext(in, ctx);
    for (int d = 1; d < 30; ++d) in.dayValueTexts[static_cast<std::size_t>(d)] = "0,00";
    ReportDocument doc;
    BuildReport(in, doc);
    EXPECT_EQ(doc.lines[28 + 30], "   Tag: 30          1.50 kWh         0.75 Euro         1.50 kg CO2");
    EXPECT_EQ(doc.lines.size(), 29u + 30u + 4u);
}

TEST(BuildReport, LabelNamesInReportOrder) {
    const auto& names = reportLabelNames();
    ASSERT_EQ(names.size(), 18u);
    EXPECT_EQ(names.front(), "Label5");
    EXPECT_EQ(names.back(), "Label27");
}

}  // namespace
}  // namespace lumetra
