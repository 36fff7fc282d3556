#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "base/Clock.h"
#include "base/ErrorReporter.h"
#include "lumetra/settings/SettingsFakes.h"
#include "settings/FileTransfer.h"
#include "support/TempDir.h"

using namespace lumetra;
using lumetra::test::errorOf;

namespace {

std::vector<std::string> entries(const std::string& dir) {
    std::vector<std::string> out;
    for (const QString& e :
         QDir(fromCp1252(dir)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        out.push_back(toCp1252(e));
    return out;
}

// Working directory with DATA and BACKUP beside LUMETRA.INI.
class TransferTest : public ::testing::Test {
protected:
    TransferTest() {
        dir.mkdir("DATA");
        dir.mkdir("BACKUP");
        dirs = {dir.path(), dir.file("DATA"), dir.file("BACKUP"), dir.path()};
    }
    void writeData() {
        dir.write("DATA/DATEN.DAT", "20090305;05.03.2009;12,5\r\n");
        dir.write("DATA/GLOBAL.DAT", "Berlin;1;1;1;1;1;1;1;1;1;1;1;1;890\r\n");
        dir.write("DATA/jahre.dat", "2009\r\n");
        dir.write("DATA/.hidden", "h");
        dir.mkdir("DATA/SUB");
        dir.write("DATA/SUB/inner", "i");
    }
    test::TempDir dir;
    Directories dirs;
    std::vector<std::string> order;  // what the pending hook saw before each file
};

TEST_F(TransferTest, BackupCopiesPlainFilesByNameCaseIgnored) {
    writeData();
    dir.write("BACKUP/OTHER.TXT", "other");
    int pending = 0;
    backupData(dirs, [&] { ++pending; });
    EXPECT_EQ(pending, 3);
    EXPECT_EQ(entries(dir.file("BACKUP")),
              (std::vector<std::string>{"DATEN.DAT", "GLOBAL.DAT", "OTHER.TXT", "jahre.dat"}));
    EXPECT_EQ(dir.read("BACKUP/DATEN.DAT"), "20090305;05.03.2009;12,5\r\n");
    EXPECT_EQ(dir.read("BACKUP/OTHER.TXT"), "other");
}

TEST_F(TransferTest, RestoreReplacesDataFilesAndBringsForeignOnes) {
    writeData();
    dir.write("BACKUP/DATEN.DAT", "alt\r\n");
    dir.write("BACKUP/OTHER.TXT", "other");
    restoreData(dirs, {});
    EXPECT_EQ(dir.read("DATA/DATEN.DAT"), "alt\r\n");
    EXPECT_EQ(dir.read("DATA/OTHER.TXT"), "other");
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"), "Berlin;1;1;1;1;1;1;1;1;1;1;1;1;890\r\n");
}

TEST_F(TransferTest, DefaultBackupDirectoryIsTheWorkingDirectory) {
    writeData();
    dir.write("LUMETRA.INI", "[SET]\r\n");
    dirs.backup = dirs.working;
    backupData(dirs, {});
    EXPECT_EQ(dir.read("DATEN.DAT"), "20090305;05.03.2009;12,5\r\n");
    EXPECT_FALSE(dir.exists("inner"));
    restoreData(dirs, {});
    EXPECT_EQ(dir.read("DATA/LUMETRA.INI"), "[SET]\r\n");
}

TEST_F(TransferTest, MissingOrEmptyDirectoriesCopyNothingSilently) {
    writeData();
    int pending = 0;
    backupData({dirs.working, dirs.data, dir.file("NONE"), ""}, [&] { ++pending; });
    EXPECT_EQ(pending, 3);  // events are still handled before each skipped file
    EXPECT_FALSE(dir.exists("NONE"));
    restoreData({dirs.working, dir.file("NONE"), dirs.backup, ""}, [&] { ++pending; });
    restoreData({dirs.working, dirs.data, dir.file("NONE"), ""}, [&] { ++pending; });
    EXPECT_EQ(pending, 3);
    EXPECT_EQ(entries(dir.file("BACKUP")), std::vector<std::string>{});
}

TEST_F(TransferTest, UnopenableSourceStopsAfterEarlierFilesAndKeepsTheTarget) {
    writeData();
    dir.write("BACKUP/GLOBAL.DAT", "alte Fassung");
    // GLOBAL.DAT vanishes between the listing and its copy.
    backupData(dirs, [] {});
    dir.write("DATA/DATEN.DAT", "neu");
    const std::string message = errorOf([&] {
        int n = 0;
        backupData(dirs, [&] {
            if (++n == 2) QFile::remove(fromCp1252(dir.file("DATA/GLOBAL.DAT")));
        });
    });
    EXPECT_EQ(message, "Datei " + dir.file("DATA/GLOBAL.DAT") + " kann nicht geöffnet werden");
    EXPECT_EQ(dir.read("BACKUP/DATEN.DAT"), "neu");                                      // before: copied
    EXPECT_EQ(dir.read("BACKUP/GLOBAL.DAT"), "Berlin;1;1;1;1;1;1;1;1;1;1;1;1;890\r\n");  // whole old copy
    EXPECT_EQ(dir.read("BACKUP/jahre.dat"), "2009\r\n");  // from the first run only
}

TEST_F(TransferTest, UncreatableTargetStopsAndLeavesNoTemporaryFile) {
    writeData();
    dir.mkdir("BACKUP/GLOBAL.DAT");  // a directory in the way
    EXPECT_EQ(errorOf([&] { backupData(dirs, {}); }),
              "Datei " + dir.file("BACKUP/GLOBAL.DAT") + " kann nicht erstellt werden");
    EXPECT_EQ(entries(dir.file("BACKUP")), (std::vector<std::string>{"DATEN.DAT", "GLOBAL.DAT"}));
}

TEST_F(TransferTest, BackupIntoTheDataDirectoryItselfKeepsTheFiles) {
    writeData();
    dirs.backup = dirs.data;
    backupData(dirs, {});
    EXPECT_EQ(dir.read("DATA/DATEN.DAT"), "20090305;05.03.2009;12,5\r\n");
    EXPECT_EQ(entries(dir.file("DATA")).size(), 5u);  // nothing left behind
}

TEST_F(TransferTest, OperationStartedBetweenFilesSeesAndLeavesWholeFiles) {
    writeData();
    const std::string big(300000, 'x');
    dir.write("DATA/DATEN.DAT", big);
    bool nested = false;
    backupData(dirs, [&] {
        if (nested) return;
        nested = true;
        restoreData(dirs, {});  // another button pressed during the backup
        backupData(dirs, {});
    });
    for (const char* name : {"DATEN.DAT", "GLOBAL.DAT", "jahre.dat"})
        EXPECT_EQ(dir.read(std::string("BACKUP/") + name), dir.read(std::string("DATA/") + name)) << name;
    EXPECT_EQ(dir.read("BACKUP/DATEN.DAT"), big);
}

class UploadTest : public TransferTest {
protected:
    UploadTest() {
        Clock::setToday({2009, 3, 5});
        dir.mkdir("SMA");
        dir.mkdir("WWW");
        fields.smaDirText = dir.file("SMA");
        fields.uploadDirText = dir.file("WWW");
        fields.smaNumberText = "00";
    }
    ~UploadTest() override { Clock::reset(); }
    PlainSettingsFields fields;
};

TEST_F(UploadTest, CopiesTodaysDayFileFoundWhateverItsCase) {
    dir.write("SMA/09030400.suo", "gestern");
    dir.write("SMA/09030500.SUO", "heute 1");
    dir.write("WWW/09030500.suo", "alt");
    int pending = 0;
    uploadToday(fields, [&] { ++pending; });
    EXPECT_EQ(pending, 1);
    EXPECT_EQ(dir.read("WWW/09030500.suo"), "heute 1");  // under the name the web viewer asks for
    EXPECT_EQ(entries(dir.file("WWW")), std::vector<std::string>{"09030500.suo"});
}

TEST_F(UploadTest, NothingWithoutTheFileOrTheDirectories) {
    dir.write("SMA/09030501.suo", "other number");
    int pending = 0;
    uploadToday(fields, [&] { ++pending; });
    fields.smaNumberText = "01";
    fields.uploadDirText = dir.file("NONE");
    uploadToday(fields, [&] { ++pending; });
    fields.smaDirText = "";
    uploadToday(fields, [&] { ++pending; });
    EXPECT_EQ(pending, 1);  // only where the file was found
    EXPECT_EQ(entries(dir.file("WWW")), std::vector<std::string>{});
}

TEST_F(UploadTest, SmaNumberWithASlashWritesNothingOutside) {
    // "00/../../escaped" would make the day file SMA/090305 + "00/../../escaped.suo".
    dir.mkdir("deep/SMA/09030500");
    dir.mkdir("deep/er/WWW/09030500");
    dir.write("deep/escaped.suo", "geheim");
    fields.smaDirText = dir.file("deep/SMA");
    fields.uploadDirText = dir.file("deep/er/WWW");
    fields.smaNumberText = "00/../../escaped";
    EXPECT_EQ(errorOf([&] { uploadToday(fields, {}); }), "Ungültige SMA-Nummer '00/../../escaped'");
    EXPECT_FALSE(dir.exists("deep/er/escaped.suo"));
}

TEST_F(UploadTest, UncreatableTargetIsReported) {
    dir.write("SMA/09030500.suo", "heute");
    dir.mkdir("WWW/09030500.suo");
    EXPECT_EQ(errorOf([&] { uploadToday(fields, {}); }),
              "Datei " + dir.file("WWW/09030500.suo") + " kann nicht erstellt werden");
}

// Names are what the file system holds; one outside Windows-1252 is copied like any other.
TEST_F(TransferTest, FilesOfAnyNameAreBackedUpAndRestored) {
    writeData();
    const Path sun = Path(dirs.data) / "Sonne\u2600.txt", moon = Path(dirs.backup) / "Mond\u263E.txt";
    QFile out(qtPath(sun));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("sonnig");
    out.close();
    dir.write("DATA/zuletzt.dat", "z");
    AppContext context;
    context.dirs = dirs;
    RecordingReporter reporter;
    EXPECT_TRUE(guarded([&] { backupOnClose(context, {}); }));
    EXPECT_EQ(reporter.errors, std::vector<std::string>{});
    EXPECT_EQ(readFile(Path(dirs.backup) / sun.filename()), "sonnig");
    EXPECT_EQ(dir.read("BACKUP/zuletzt.dat"), "z");

    std::filesystem::rename(Path(dirs.backup) / sun.filename(), moon);
    restoreData(dirs, {});
    EXPECT_EQ(readFile(Path(dirs.data) / moon.filename()), "sonnig");
}

TEST_F(TransferTest, CloseRunsTheBackupOnlyWhenAskedAndFailsTheClose) {
    writeData();
    RecordingReporter reporter;
    AppContext context;
    context.dirs = dirs;
    context.autoBackup = false;
    EXPECT_TRUE(guarded([&] { backupOnClose(context, {}); }));
    EXPECT_FALSE(dir.exists("BACKUP/DATEN.DAT"));

    context.autoBackup = true;
    EXPECT_TRUE(guarded([&] { backupOnClose(context, {}); }));
    EXPECT_TRUE(dir.exists("BACKUP/DATEN.DAT"));

    dir.write("DATA/neu.dat", "neu");
    dir.mkdir("BACKUP/neu.dat");
    EXPECT_FALSE(guarded([&] { backupOnClose(context, {}); }));
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "Datei " + dir.file("BACKUP/neu.dat") + " kann nicht erstellt werden.");
}

}  // namespace

TEST_F(UploadTest, AnSbfspotDayIsWrittenIntoTheSmaDirectoryAndCopied) {
    Clock::setToday({2024, 7, 15});
    dir.mkdir("SMA/2024");
    const QString fixtures = QString(LUMETRA_TEST_DATA) + "/sbfspot/";
    ASSERT_TRUE(
        QFile::copy(fixtures + "Plant-20240715.csv", fromCp1252(dir.file("SMA/2024/Plant-20240715.csv"))));
    uploadToday(fields, {});
    const std::string written = dir.read("SMA/24071500.suo");
    EXPECT_EQ(written.rfind("Lumetra-Tagesdatei aus SBFspot-Datei Plant-20240715.csv\r\n", 0), 0u);
    EXPECT_EQ(dir.read("WWW/24071500.suo"), written);

    Clock::setToday({2024, 7, 17});
    ASSERT_TRUE(
        QFile::copy(fixtures + "Bad-20240717.csv", fromCp1252(dir.file("SMA/2024/Bad-20240717.csv"))));
    EXPECT_EQ(errorOf([&] { uploadToday(fields, {}); }),
              "SBFspot-Datei " + dir.file("SMA/2024/Bad-20240717.csv") + ", Zeile 11: keine Zahl: '1.5'");
    EXPECT_FALSE(dir.exists("SMA/24071700.suo"));
    EXPECT_EQ(entries(dir.file("WWW")), std::vector<std::string>{"24071500.suo"});
}
