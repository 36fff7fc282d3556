#include <gtest/gtest.h>

#include "DemoPlant.h"
#include "base/DelimitedLineList.h"
#include "base/German.h"
#include "base/ProfileFile.h"
#include "support/TempDir.h"

using namespace lumetra;

TEST(DemoPlant, SameDateGivesTheSamePlant) {
    test::TempDir a;
    const Date today{2026, 7, 15};
    demo::makeDemoPlant(a.path(), LUMETRA_DEMO_SOURCE_DIR, today);
    const std::string first = a.read("DATA/DATEN.DAT") + a.read("sma/26071500.suo");
    demo::makeDemoPlant(a.path(), LUMETRA_DEMO_SOURCE_DIR, today);
    EXPECT_EQ(a.read("DATA/DATEN.DAT") + a.read("sma/26071500.suo"), first);
}

TEST(DemoPlant, FilesAreWhatTheProgramsRead) {
    test::TempDir dir;
    demo::makeDemoPlant(dir.path(), LUMETRA_DEMO_SOURCE_DIR, Date{2024, 3, 1});

    ProfileFile ini(dir.file("LUMETRA.INI"));
    EXPECT_EQ(ini.read("SET", "KWP", ""), "9,8");
    EXPECT_EQ(ini.read("SET", "DATA", ""), dir.path() + "/DATA");

    DelimitedLineList yields;
    yields.loadFromFile(dir.file("DATA/DATEN.DAT"));
    ASSERT_GT(yields.count(), 1800);
    EXPECT_EQ(yields.line(0).substr(0, 20), "20190101;01.01.2019;");
    EXPECT_EQ(yields.field(yields.count() - 1, 1), "29.02.2024");  // up to yesterday
    double year2023 = 0;
    for (int i = 0; i < yields.count(); ++i) {
        Date d = strToDate(yields.field(i, 1), Date{2024, 3, 1});
        double kwh = strToFloat(yields.field(i, 2));
        EXPECT_GE(kwh, 0);
        if (d.year == 2023) year2023 += kwh;
    }
    EXPECT_NEAR(year2023 / 9.8, 1000, 150);  // about 1000 kWh per kWp and year

    // Day files of the last seven days, today included; five header lines, then 10-minute lines.
    for (const char* name : {"24022400.suo", "24030100.suo"}) {
        DelimitedLineList day(DelimitedLineList::Order::Unsorted);
        day.loadFromFile(dir.file(std::string("sma/") + name));
        ASSERT_GT(day.count(), 7 + 5) << name;
        std::string pac = day.field(day.count() / 2, 2);  // "." as decimal point, as the logger writes
        pac.replace(pac.find('.'), 1, ",");
        EXPECT_GT(strToFloat(pac), 100) << name;
        EXPECT_TRUE(dir.exists(std::string("upload/") + name));
    }
    EXPECT_FALSE(dir.exists("sma/24022300.suo"));
}
