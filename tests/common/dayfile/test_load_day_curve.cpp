#include <gtest/gtest.h>

#include <limits>

#include "base/Errors.h"
#include "dayfile/LoadDayCurve.h"
#include "support/TempDir.h"

using namespace lumetra;

namespace {

const std::string Header = "Kopf 1\r\nKopf 2\r\nKopf 3\r\nKopf 4\r\nZeit;E;Pac\r\n";

// Data line k carries the PAC k + 1, so a line on the wrong column shows.
std::string numberedDay(int dataLines) {
    std::string bytes = Header;
    for (int k = 0; k < dataLines; ++k) bytes += "15.07.2008 12:00:00;0;" + std::to_string(k + 1) + "\r\n";
    return bytes;
}

std::string dayWithPacs(const std::vector<std::string>& pacs) {
    std::string bytes = Header;
    for (const auto& pac : pacs) bytes += "15.07.2008 12:00:00;0;" + pac + ";7\r\n";
    return bytes;
}

std::string data(const std::string& name) { return std::string(LUMETRA_TEST_DATA) + "/dayfiles/" + name; }

}  // namespace

TEST(LoadDayCurve, PlacesDataLinesCentredOnColumn72AndNothingOutside) {
    struct Case {
        int dataLines;
        int first;
        int last;
    };  // first > last: nothing drawn
    const Case cases[] = {
        {0, 1, 0},     {1, 1, 0},     {2, 71, 72},   {3, 71, 73},   {4, 70, 73},
        {144, 0, 143}, {145, 0, 143}, {146, 0, 143}, {200, 0, 143},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("day.suo", numberedDay(c.dataLines));
        const auto day = LoadDayCurve(dir.file("day.suo"), std::nullopt, 100.0);
        SCOPED_TRACE("data lines " + std::to_string(c.dataLines));
        EXPECT_TRUE(day.existed);
        EXPECT_EQ(day.lines.count(), 5 + c.dataLines);
        const int half = c.dataLines / 2;
        for (int col = 0; col < DayColumns; ++col) {
            const bool drawn = col >= c.first && col <= c.last;
            const int k = col - 72 + half;  // the data line that belongs here
            const auto i = static_cast<std::size_t>(col);
            EXPECT_EQ(day.curve[i], drawn ? k + 1 : 0) << "column " << col;
            EXPECT_EQ(day.pacTexts[i], drawn ? std::to_string(k + 1) : "0,000") << "column " << col;
        }
    }
}

TEST(LoadDayCurve, PacTextGrammar) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"1500", 1500.0},
        {"  1500", 1500.0},
        {"+12.5", 12.5},
        {"-30", -30.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1.5E3", 1500.0},
        {"1.5e+3", 1500.0},
        {"25E-1", 2.5},
        {"0", 0.0},
        {"1500 ", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"1,5", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"E3", std::nullopt},
        {"1E", std::nullopt},
        {"1E+", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"\t1", std::nullopt},
        {"1.5.0", std::nullopt},
        {"+-1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(pacValue(c.text), c.value) << "'" << c.text << "'";
}

TEST(LoadDayCurve, KeepsPacTextAsWrittenAndSkipsInvalidOnes) {
    test::TempDir dir;
    dir.write("day.suo", dayWithPacs({"  1500", "1500 ", "", "1.5E3"}));
    const auto day = LoadDayCurve(dir.file("day.suo"), std::nullopt, 5000.0);
    // Four data lines: columns 70 to 73.
    EXPECT_EQ(day.pacTexts[70], "  1500");
    EXPECT_EQ(day.curve[70], 30);
    EXPECT_EQ(day.pacTexts[71], "0,000");
    EXPECT_EQ(day.curve[71], 0);
    EXPECT_EQ(day.pacTexts[72], "0,000");
    EXPECT_EQ(day.pacTexts[73], "1.5E3");
    EXPECT_EQ(day.curve[73], 30);
}

TEST(LoadDayCurve, ScalesByHundredOverPacMaxAndTruncates) {
    struct Case {
        const char* pac;
        double pacMax;
        int percent;
    };
    const Case cases[] = {
        {"2499.9", 5000, 49},
        {"5000", 5000, 100},
        {"6000", 5000, 120},
        {"-100", 5000, -2},
        {"-149.9", 5000, -2},
        {"4600.5", 4600.5, 100},
        {"2500", -5000, -50},
        {"1E300", 5000, std::numeric_limits<int>::max()},
        {"-1E300", 5000, std::numeric_limits<int>::min()},
        {"1E400", 5000, std::numeric_limits<int>::max()},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("day.suo", dayWithPacs({c.pac, "0"}));
        const auto day = LoadDayCurve(dir.file("day.suo"), std::nullopt, c.pacMax);
        EXPECT_EQ(day.curve[71], c.percent) << c.pac << " / " << c.pacMax;
    }
}

TEST(LoadDayCurve, DateFilterSkipsOtherDaysWithoutMovingLaterLines) {
    const auto filtered = LoadDayCurve(data("filtered.suo"), std::string("15.07.2008"), 5000.0);
    EXPECT_EQ(filtered.curve[71], 2);
    EXPECT_EQ(filtered.pacTexts[71], "100");
    EXPECT_EQ(filtered.curve[72], 0);
    EXPECT_EQ(filtered.pacTexts[72], "0,000");
    EXPECT_EQ(filtered.curve[73], 6);
    EXPECT_EQ(filtered.pacTexts[73], "300");

    const auto unfiltered = LoadDayCurve(data("filtered.suo"), std::nullopt, 5000.0);
    EXPECT_EQ(unfiltered.curve[72], 4);
    EXPECT_EQ(unfiltered.pacTexts[72], "200");

    // The header lines carry the date and 4000 W in field 2; none of them is drawn.
    for (const auto* day : {&filtered, &unfiltered}) {
        int drawn = 0;
        for (int v : day->curve) drawn += v != 0;
        EXPECT_EQ(drawn, day == &filtered ? 2 : 3);
        EXPECT_EQ(day->lines.count(), 8);
        EXPECT_EQ(day->lines.line(0), "15.07.2008;Kopf;4000");
    }
}

TEST(LoadDayCurve, MissingFileAfterAGoodReadLeavesNothing) {
    test::TempDir dir;
    dir.write("day.suo", numberedDay(10));
    DayCurveResult day;
    LoadDayCurve(dir.file("day.suo"), std::nullopt, 100.0, day);
    ASSERT_TRUE(day.existed);
    ASSERT_NE(day.curve[72], 0);

    LoadDayCurve(dir.file("other.suo"), std::nullopt, 100.0, day);
    EXPECT_FALSE(day.existed);
    EXPECT_EQ(day.lines.count(), 0);
    for (int col = 0; col < DayColumns; ++col) {
        EXPECT_EQ(day.curve[static_cast<std::size_t>(col)], 0);
        EXPECT_EQ(day.pacTexts[static_cast<std::size_t>(col)], "0,000");
    }
}

TEST(LoadDayCurve, FindsTheFileWithoutRegardToLetterCase) {
    test::TempDir dir;
    dir.write("08071500.SUO", numberedDay(2));
    const auto day = LoadDayCurve(dir.file("08071500.suo"), std::nullopt, 100.0);
    EXPECT_TRUE(day.existed);
    EXPECT_EQ(day.curve[72], 2);
}

TEST(LoadDayCurve, ADirectoryAtThePathCountsAsNoFile) {
    test::TempDir dir;
    dir.mkdir("08071500.suo");
    const auto day = LoadDayCurve(dir.file("08071500.suo"), std::nullopt, 100.0);
    EXPECT_FALSE(day.existed);
}

TEST(LoadDayCurve, UnreadableFileThrowsAndLeavesTheDayCleared) {
    // Root reads any file whatever its mode; this one exists and fails on read.
    const std::string path = "/proc/self/mem";
    DayCurveResult day;
    day.curve[5] = 9;
    day.lines.appendLine("alt");
    try {
        LoadDayCurve(path, std::nullopt, 5000.0, day);
        FAIL() << "no error";
    } catch (const LumetraError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Datei /proc/self/mem kann nicht ge\xF6"
                  "ffnet werden");
    }
    EXPECT_EQ(day.curve[5], 0);
    EXPECT_EQ(day.lines.count(), 0);
}

TEST(LoadDayCurve, PacMaxZeroIsRefusedBeforeAnythingChanges) {
    test::TempDir dir;
    dir.write("day.suo", numberedDay(10));
    DayCurveResult day;
    LoadDayCurve(dir.file("day.suo"), std::nullopt, 100.0, day);
    const auto before = day.curve;
    for (double bad : {0.0, -0.0, 1e-320}) {
        try {
            LoadDayCurve(dir.file("day.suo"), std::nullopt, bad, day);
            FAIL() << "no error for " << bad;
        } catch (const LumetraError& e) {
            EXPECT_EQ(std::string(e.what()), "PAC max darf nicht 0 sein");
        }
        EXPECT_EQ(day.curve, before);
        EXPECT_EQ(day.lines.count(), 15);
    }
}

TEST(DayHoverText, ColumnUnderThePointer) {
    lumetra::PacTexts texts;
    texts.fill("0,000");
    texts[0] = "12.5";
    texts[1] = "100";
    texts[142] = "2229.0";
    struct Case {
        int x;
        std::optional<std::string> text;
    };
    const Case cases[] = {{5, std::nullopt},  {6, "12.5 Watt"},     {7, "100 Watt"},     {9, "100 Watt"},
                          {10, "0,000 Watt"}, {430, "2229.0 Watt"}, {431, std::nullopt}, {-3, std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(lumetra::dayHoverText(texts, c.x), c.text) << c.x;
}
