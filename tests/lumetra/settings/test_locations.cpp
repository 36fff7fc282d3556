#include <gtest/gtest.h>

#include "base/DelimitedLineList.h"
#include "data/LocationTable.h"
#include "lumetra/settings/SettingsFakes.h"
#include "settings/Locations.h"
#include "support/ErrorText.h"
#include "support/TempDir.h"

using namespace lumetra;
using lumetra::test::errorOf;

namespace {

const std::string kBerlin = "Berlin;1,9;3,6;7,2;10,9;14,2;14,9;14,6;12,4;8,7;5,6;2,4;1,6;890";
const std::array<double, 12> kBerlinPercent{1.9, 3.6, 7.2, 10.9, 14.2, 14.9, 14.6, 12.4, 8.7, 5.6, 2.4, 1.6};

LocationTable tableOf(std::initializer_list<std::string> lines) {
    LocationTable table;
    for (const auto& l : lines) table.appendLine(l);
    return table;
}

std::array<double, 12> all(double v) {
    std::array<double, 12> a;
    a.fill(v);
    return a;
}

std::vector<std::string> linesOf(const LocationTable& table) {
    std::vector<std::string> lines;
    for (int i = 0; i < table.count(); ++i) lines.emplace_back(table.line(i));
    return lines;
}

// The table must split a file exactly as every other line list of the program does.
TEST(LocationTable, SplitsLikeTheOtherLineLists) {
    using namespace std::string_literals;
    const std::string inputs[] = {"",           "a",        "a\r\nb\r\n",    "a\rb\nc", "\r\n\r\n",
                                  "a\n\nb\r\r", "a\r\n\nb", "x;1\0y;2\r\n"s, "\0a"s,    "a\r"};
    for (const std::string& input : inputs) {
        LocationTable table;
        table.appendLine("old");
        table.loadFromBytes(input);
        EXPECT_EQ(linesOf(table), splitLines(input)) << testing::PrintToString(input);
    }
}

TEST(LocationTable, LineEndCutBetweenTwoPiecesOfTheFile) {
    test::TempDir dir;
    std::string bytes((1 << 20) - 1, 'x');
    bytes += "\r\nBerlin\r\n";
    dir.write("GLOBAL.DAT", bytes);
    LocationTable table;
    table.loadFromFile(dir.file("GLOBAL.DAT"));
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.line(0).size(), (1u << 20) - 1);
    EXPECT_EQ(table.line(1), "Berlin");
}

// Changing or dropping a row in the middle moves the rows after it; they must stay whole.
TEST(LocationTable, EditsInTheMiddleKeepTheOtherRowsAndSaveAsLines) {
    test::TempDir dir;
    LocationTable table = tableOf({"Aa;1;2", "Bb;3;4", "Cc;5;6"});
    table.setField(1, 0, "Longer name");
    table.setField(0, 2, "");
    table.setField(3, 0, "beyond the end");
    EXPECT_EQ(linesOf(table), (std::vector<std::string>{"Aa;1;", "Longer name;3;4", "Cc;5;6"}));
    table.remove(0);
    table.appendLine("Dd;7;8");
    EXPECT_EQ(linesOf(table), (std::vector<std::string>{"Longer name;3;4", "Cc;5;6", "Dd;7;8"}));
    EXPECT_EQ(table.field(1, 2), "6");

    table.saveToFile(dir.file("GLOBAL.DAT"));
    EXPECT_EQ(dir.read("GLOBAL.DAT"), "Longer name;3;4\r\nCc;5;6\r\nDd;7;8\r\n");
    LocationTable again;
    again.loadFromFile(dir.file("GLOBAL.DAT"));
    EXPECT_EQ(linesOf(again), linesOf(table));
}

TEST(LocationTable, IndexOutsideTheTableIsTheListIndexError) {
    const LocationTable table = tableOf({"Aa"});
    for (int index : {-1, 1})
        EXPECT_EQ(errorOf([&] { (void)table.line(index); }),
                  "Der Index der Liste überschreitet das Maximum (" + std::to_string(index) + ")");
    LocationTable changed = tableOf({"Aa"});
    EXPECT_NE(errorOf([&] { changed.remove(1); }), "<no error>");
    EXPECT_EQ(linesOf(changed), std::vector<std::string>{"Aa"});
}

TEST(TakeOver, MatchingRules) {
    struct Case {
        const char* what;
        std::string name;
        std::vector<std::string> rows;
        std::array<double, 12> percentages;
        int averageYield;
    };
    auto berlinWithDecember0 = kBerlinPercent;
    berlinWithDecember0[11] = 0.833;
    const Case cases[] = {
        {"exact match", "Berlin", {"Hamburg;1;1;1;1;1;1;1;1;1;1;1;1;700", kBerlin}, kBerlinPercent, 890},
        {"case differs", "berlin", {kBerlin}, all(0.833), 42},
        {"blank differs", "Berlin ", {kBerlin}, all(0.833), 42},
        {"no table", "Berlin", {}, all(0.833), 42},
        {"December 0",
         "Berlin",
         {"Berlin;1,9;3,6;7,2;10,9;14,2;14,9;14,6;12,4;8,7;5,6;2,4;0;890"},
         berlinWithDecember0,
         890},
        {"last row of a name wins",
         "Berlin",
         {"Berlin;2;2;2;2;2;2;2;2;2;2;2;2;100", kBerlin, "Bonn;3;3;3;3;3;3;3;3;3;3;3;3;5"},
         kBerlinPercent,
         890},
        {"bad rows that do not match are never read",
         "Berlin",
         {"Bonn;x;;;;;;;;;;;;", kBerlin},
         kBerlinPercent,
         890},
    };
    for (const Case& c : cases) {
        LocationTable table;
        for (const auto& r : c.rows) table.appendLine(r);
        EvaluationState state;
        state.monthlyPercentages = all(5.0);
        state.averageYield = 42;
        takeOverLocation(table, c.name, state);
        EXPECT_EQ(state.monthlyPercentages, c.percentages) << c.what;
        EXPECT_EQ(state.averageYield, c.averageYield) << c.what;
    }
}

TEST(TakeOver, ConversionFailureStopsAtThatField) {
    EvaluationState state;
    state.averageYield = 42;
    auto table = tableOf({"Berlin;0;3,6;x;10,9;14,2;14,9;14,6;12,4;8,7;5,6;2,4;1,6;890"});
    EXPECT_EQ(errorOf([&] { takeOverLocation(table, "Berlin", state); }),
              "'x' ist kein gültiger Gleitkommawert");
    // January stays 0: the replacement of zeros does not run.
    EXPECT_EQ(state.monthlyPercentages[0], 0.0);
    EXPECT_EQ(state.monthlyPercentages[1], 3.6);
    EXPECT_EQ(state.monthlyPercentages[2], 0.833);
    EXPECT_EQ(state.averageYield, 42);

    auto noYield = tableOf({"Berlin;1;1;1;1;1;1;1;1;1;1;1;1;"});
    EXPECT_EQ(errorOf([&] { takeOverLocation(noYield, "Berlin", state); }),
              "'' ist kein gültiger Integerwert");
    EXPECT_EQ(state.monthlyPercentages, all(1.0));
}

class LocationsTest : public ::testing::Test {
protected:
    LocationsTest() { context.dirs = {dir.path(), dir.path(), dir.path(), dir.path()}; }
    LocationFields fields(const std::string& name, const std::string& month = "1",
                          const std::string& yield = "900") {
        LocationFields f;
        f.fill(month);
        f[0] = name;
        f[13] = yield;
        return f;
    }
    test::TempDir dir;
    test::FakeForm form;
    AppContext context;
    LocationTable table;
};

TEST_F(LocationsTest, StartUpLoadFillsTheListAndTakesOverSTANDORT) {
    dir.write("GLOBAL.DAT", "Zug;1;1;1;1;1;1;1;1;1;1;1;1;1\r\n" + kBerlin + "\r\n");
    dir.write("LUMETRA.INI", "[SET]\r\nSTANDORT=Berlin\r\n");
    form.texts[SettingsField::Standort] = "Typed";
    loadLocationsAtStartUp(table, form, context);
    EXPECT_EQ(form.names, (std::vector<std::string>{"Zug", "Berlin"}));  // file order, not sorted
    EXPECT_EQ(form.texts[SettingsField::Standort], "Berlin");
    EXPECT_EQ(context.evaluation.monthlyPercentages, kBerlinPercent);
    EXPECT_EQ(context.evaluation.averageYield, 890);
}

TEST_F(LocationsTest, StartUpWithoutFilesEmptiesTheField) {
    form.texts[SettingsField::Standort] = "Typed";
    table.appendLine("stale");
    loadLocationsAtStartUp(table, form, context);
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(form.names.empty());
    EXPECT_EQ(form.texts[SettingsField::Standort], "");
    EXPECT_EQ(context.evaluation.monthlyPercentages, all(0.833));
}

TEST_F(LocationsTest, AddToEmptyTableCreatesTheFileWithOneLineOf14Fields) {
    EXPECT_FALSE(addLocation(table, fields(""), form, dir.path()));
    EXPECT_FALSE(dir.exists("GLOBAL.DAT"));
    EXPECT_TRUE(addLocation(table, fields("München", "8,5"), form, dir.path()));
    EXPECT_EQ(dir.read("GLOBAL.DAT"), "München;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;900\r\n");
    EXPECT_EQ(form.names, std::vector<std::string>{"München"});
}

TEST_F(LocationsTest, ChangeAndDeleteRewriteTheFileAndTheList) {
    table = tableOf({kBerlin, "Bonn;2;2;2;2;2;2;2;2;2;2;2;2;800"});
    form.texts[SettingsField::Standort] = "Berlin";
    context.evaluation.averageYield = 890;

    // Row 0 is the remembered row before any click.
    EXPECT_TRUE(changeLocation(table, 0, fields("Köln"), form, dir.path()));
    EXPECT_EQ(dir.read("GLOBAL.DAT"),
              "Köln;1;1;1;1;1;1;1;1;1;1;1;1;900\r\nBonn;2;2;2;2;2;2;2;2;2;2;2;2;800\r\n");
    EXPECT_EQ(form.names, (std::vector<std::string>{"Köln", "Bonn"}));

    EXPECT_TRUE(changeLocation(table, 5, fields("Nirgends"), form, dir.path()));  // no such row
    EXPECT_EQ(table.count(), 2);

    deleteLocation(table, 0, form, dir.path());
    EXPECT_EQ(dir.read("GLOBAL.DAT"), "Bonn;2;2;2;2;2;2;2;2;2;2;2;2;800\r\n");
    EXPECT_EQ(form.names, std::vector<std::string>{"Bonn"});
    deleteLocation(table, -1, form, dir.path());  // nothing selected: written unchanged
    EXPECT_EQ(table.count(), 1);

    // The field keeps its text; the values in use wait for the next take-over.
    EXPECT_EQ(form.texts[SettingsField::Standort], "Berlin");
    EXPECT_EQ(context.evaluation.averageYield, 890);
}

TEST_F(LocationsTest, FailedWriteKeepsTheChangeButNotTheList) {
    dir.mkdir("GLOBAL.DAT");
    form.names = {"alt"};
    EXPECT_EQ(errorOf([&] { addLocation(table, fields("Neu"), form, dir.path()); }),
              "Datei " + dir.path() + "/GLOBAL.DAT kann nicht erstellt werden");
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(form.names, std::vector<std::string>{"alt"});
}

TEST_F(LocationsTest, TableFileFoundWhateverItsCase) {
    dir.write("global.dat", kBerlin + "\r\n");
    EXPECT_TRUE(reloadLocations(table, dir.path()));
    EXPECT_EQ(linesOf(locationNames(table)), std::vector<std::string>{"Berlin"});
    addLocation(table, fields("Bonn"), form, dir.path());
    EXPECT_FALSE(dir.exists("GLOBAL.DAT"));
    EXPECT_EQ(dir.read("global.dat").substr(0, kBerlin.size()), kBerlin);
}

}  // namespace
