#include <gtest/gtest.h>

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <sstream>

#include "SbfspotCommand.h"
#include "common/sbfspot/SbfspotFixtures.h"
#include "support/TempDir.h"

using namespace lumetra;
using lumetra::test::sbfspotFixture;

namespace {

class SbfspotCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        source.mkdir("2024/06");
        source.write("2024/Plant-20240715.csv", sbfspotFixture("Plant-20240715.csv"));
        source.write("2024/06/Gaps-20240716.csv", sbfspotFixture("Gaps-20240716.csv"));
        source.write("2024/Plant-202406.csv", sbfspotFixture("Plant-202406.csv"));
    }
    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        return runSbfspotCommand(args, out, err);
    }
    std::filesystem::file_time_type mtime(const std::string& name) const {
        return std::filesystem::last_write_time(target.file(name));
    }

    test::TempDir source, target;
    std::ostringstream out, err;
};

}  // namespace

TEST_F(SbfspotCommandTest, WritesWhatIsMissingOrStaleAndNothingElse) {
    ASSERT_EQ(run({source.path(), target.path()}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(target.exists("24071500.suo"));
    EXPECT_TRUE(target.exists("24071600.suo"));
    EXPECT_FALSE(target.exists("24060000.suo"));  // the month file is passed over

    // A second run writes nothing.
    const auto first = mtime("24071500.suo");
    const std::string bytes = target.read("24071500.suo");
    ASSERT_EQ(run({source.path(), target.path()}), 0);
    EXPECT_EQ(mtime("24071500.suo"), first);
    EXPECT_EQ(target.read("24071500.suo"), bytes);

    // A stale one is written again; one not made from the logger's files is left alone.
    const std::string own = "SMA\r\n2\r\n3\r\n4\r\n5\r\n16.07.2024 12:00:00;1;2500.0\r\n";
    target.write("24071600.suo", own);
    const auto day = target.file("24071500.suo");
    std::filesystem::last_write_time(day, first - std::chrono::hours(1));
    target.write("24071500.suo", "Lumetra-Tagesdatei aus SBFspot-Datei Plant-20240715.csv\r\nalt\r\n");
    std::filesystem::last_write_time(day, first - std::chrono::hours(1));
    ASSERT_EQ(run({source.path(), target.path()}), 0);
    EXPECT_EQ(target.read("24071500.suo"), bytes);
    EXPECT_EQ(target.read("24071600.suo"), own);
}

TEST_F(SbfspotCommandTest, TheSmaNumberNamesTheFiles) {
    ASSERT_EQ(run({source.path(), target.path(), "7"}), 0);
    EXPECT_TRUE(target.exists("2407157.suo"));
    EXPECT_FALSE(target.exists("24071500.suo"));
}

TEST_F(SbfspotCommandTest, ABadSourceIsNamedAndTheOthersAreStillWritten) {
    source.write("2024/Bad-20240717.csv", sbfspotFixture("Bad-20240717.csv"));
    EXPECT_EQ(run({source.path(), target.path()}), 1);
    EXPECT_EQ(err.str(),
              "SBFspot-Datei " + source.path() + "/2024/Bad-20240717.csv, Zeile 11: keine Zahl: '1.5'\n");
    EXPECT_FALSE(target.exists("24071700.suo"));
    EXPECT_TRUE(target.exists("24071500.suo"));
    EXPECT_TRUE(target.exists("24071600.suo"));
}

TEST_F(SbfspotCommandTest, ArgumentsAndHelp) {
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("Aufruf: lumetra-sbfspot QUELLE ZIEL [SMA-Nummer]"), std::string::npos);
    EXPECT_EQ(run({source.path()}), 1);
    EXPECT_NE(err.str().find("Aufruf:"), std::string::npos);
    EXPECT_EQ(run({source.path(), target.file("fehlt")}), 1);
    EXPECT_EQ(err.str(), "Ordner " + target.file("fehlt") + " nicht gefunden\n");
}

TEST_F(SbfspotCommandTest, TheProgramsExitStatus) {
    QProcess p;
    p.start(LUMETRA_SBFSPOT_EXE,
            {QString::fromStdString(source.path()), QString::fromStdString(target.path())});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(target.exists("24071500.suo"));
    source.write("2024/Bad-20240717.csv", sbfspotFixture("Bad-20240717.csv"));
    p.start(LUMETRA_SBFSPOT_EXE,
            {QString::fromStdString(source.path()), QString::fromStdString(target.path())});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains("Bad-20240717.csv, Zeile 11"));
}
