#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "SbfspotFixtures.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "sbfspot/SbfspotDayFiles.h"
#include "support/TempDir.h"

using namespace lumetra;
using namespace lumetra::sbfspot;
using lumetra::test::sbfspotFixture;

namespace {

void age(const std::string& path, std::chrono::hours by) {
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - by);
}

class ProvideDayFileTest : public ::testing::Test {
protected:
    void SetUp() override { sma.mkdir("2024"); }
    bool provide(const std::string& dateText = "15.07.2024") {
        return provideDayFile(sma.path(), "24071500.suo", dateText);
    }

    test::TempDir sma;
};

}  // namespace

TEST(SbfspotDayFileName, OnlyDayFilesOfARealDate) {
    const struct {
        const char* name;
        std::optional<Date> date;
    } cases[] = {
        {"Plant-20240715.csv", Date{2024, 7, 15}}, {"My-Plant-20240229.CSV", Date{2024, 2, 29}},
        {"Plant-202407.csv", std::nullopt},        {"-20240715.csv", std::nullopt},
        {"Plant-20240230.csv", std::nullopt},      {"Plant-20240715.csv.bak", std::nullopt},
        {"Plant_20240715.csv", std::nullopt},      {"Plant-2024071x.csv", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(dateOfDayFileName(c.name), c.date) << c.name;
}

TEST_F(ProvideDayFileTest, WritesAMissingDayFileOnceAndAgainWhenItsSourceGrew) {
    sma.write("2024/Plant-20240715.csv", sbfspotFixture("Plant-20240715.csv"));
    EXPECT_TRUE(provide());
    const std::string first = sma.read("24071500.suo");
    EXPECT_EQ(first.substr(0, first.find('\r')), "Lumetra-Tagesdatei aus SBFspot-Datei Plant-20240715.csv");
    EXPECT_FALSE(provide());  // current

    // An older source changes nothing; later in the day the logger's file grows.
    const std::string path = sma.file("24071500.suo");
    age(sma.file("2024/Plant-20240715.csv"), std::chrono::hours(2));
    const auto before = std::filesystem::last_write_time(path);
    EXPECT_FALSE(provide());
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
    sma.write("2024/Plant-20240715.csv",
              sbfspotFixture("Plant-20240715.csv") + "15/07/2024 23:55:30;0,0;0,0;0,0;5,0\n");
    age(path, std::chrono::hours(1));
    EXPECT_TRUE(provide());
    EXPECT_NE(sma.read("24071500.suo"), first);
}

TEST_F(ProvideDayFileTest, ADayFileNotMadeHereIsNeverTouched) {
    const std::string own = "SMA\r\n2\r\n3\r\n4\r\n5\r\n15.07.2024 12:00:00;1;2500.0\r\n";
    sma.write("24071500.SUO", own);
    age(sma.file("24071500.SUO"), std::chrono::hours(5));
    sma.write("Plant-20240715.csv", sbfspotFixture("Plant-20240715.csv"));
    EXPECT_FALSE(provide());
    EXPECT_EQ(sma.read("24071500.SUO"), own);
    EXPECT_FALSE(sma.exists("24071500.suo"));
}

TEST_F(ProvideDayFileTest, TheFirstPlantByNameInEitherFolderIsUsed) {
    sma.write("Zwei-20240715.csv", sbfspotFixture("Plant-20240715.csv"));
    sma.write("2024/Eins-20240715.csv", sbfspotFixture("Plant-20240715.csv"));
    sma.write("2024/Plant-202407.csv", sbfspotFixture("Plant-202406.csv"));
    EXPECT_TRUE(provide());
    const std::string out = sma.read("24071500.suo");
    EXPECT_EQ(out.substr(0, out.find('\r')), "Lumetra-Tagesdatei aus SBFspot-Datei Eins-20240715.csv");
}

TEST_F(ProvideDayFileTest, NothingToDoWithoutASourceOrADate) {
    EXPECT_FALSE(provide());
    sma.write("Plant-20240716.csv", sbfspotFixture("Gaps-20240716.csv"));
    EXPECT_FALSE(provide());
    EXPECT_FALSE(provide("15.7.2024"));
    EXPECT_FALSE(provideDayFile(sma.file("missing"), "24071600.suo", "16.07.2024"));
    EXPECT_FALSE(sma.exists("24071500.suo"));
}

TEST_F(ProvideDayFileTest, ABadSourceIsReportedAndNoFileChanges) {
    sma.write("2024/Bad-20240717.csv", sbfspotFixture("Bad-20240717.csv"));
    const auto bad = [&] {
        try {
            provideDayFile(sma.path(), "24071700.suo", "17.07.2024");
        } catch (const LumetraError& e) {
            return utf8FromCp1252(e.what());
        }
        return std::string("<no error>");
    };
    EXPECT_EQ(bad(), "SBFspot-Datei " + sma.path() + "/2024/Bad-20240717.csv, Zeile 11: keine Zahl: '1.5'");
    EXPECT_FALSE(sma.exists("24071700.suo"));

    // A day file made earlier from it stays as it was.
    const std::string earlier = "Lumetra-Tagesdatei aus SBFspot-Datei Bad-20240717.csv\r\n";
    sma.write("24071700.suo", earlier);
    age(sma.file("24071700.suo"), std::chrono::hours(1));
    EXPECT_NE(bad(), "<no error>");
    EXPECT_EQ(sma.read("24071700.suo"), earlier);
}
