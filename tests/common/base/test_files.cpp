#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "support/ErrorText.h"
#include "support/TempDir.h"

using namespace lumetra;

using test::errorOf;

TEST(SafeSave, FailureLeavesTheOldFileByteForByte) {
    test::TempDir dir;
    const std::string old = "20080415;15.04.2008;12,5\r\n";
    dir.write("DATEN.DAT", old);
    dir.mkdir("DATEN.BAK");
    DelimitedLineList list;
    list.appendLine("neu");
    // A directory in place of the target, and a path through a regular file.
    EXPECT_EQ(errorOf([&] { list.saveToFile(dir.file("DATEN.BAK")); }),
              "Datei " + dir.file("DATEN.BAK") + " kann nicht erstellt werden");
    EXPECT_EQ(errorOf([&] { list.saveToFile(dir.file("DATEN.DAT/x")); }),
              "Datei " + dir.file("DATEN.DAT/x") + " kann nicht erstellt werden");
    EXPECT_EQ(dir.read("DATEN.DAT"), old);
    list.saveToFile(dir.file("DATEN.DAT"));
    EXPECT_EQ(dir.read("DATEN.DAT"), "neu\r\n");
}

TEST(SafeSave, UnreadableFileAndMissingFile) {
    test::TempDir dir;
    dir.mkdir("DATEN.DAT");
    DelimitedLineList list;
    EXPECT_EQ(errorOf([&] { list.loadFromFile(dir.file("DATEN.DAT")); }),
              "Datei " + dir.file("DATEN.DAT") + " kann nicht geöffnet werden");
    EXPECT_FALSE(readFileIfExists(dir.file("nothing")).has_value());
    EXPECT_THROW(readFile(dir.file("nothing")), LumetraError);
}

TEST(Files, CaseBlindLookupAndPlainFileList) {
    test::TempDir dir;
    dir.write("08071500.SUO", "x");
    dir.write("b.dat", "x");
    dir.write("A.dat", "x");
    dir.write(".hidden", "x");
    dir.mkdir("sub");
    EXPECT_EQ(findFileNoCase(dir.path(), "08071500.suo"), dir.file("08071500.SUO"));
    EXPECT_EQ(findFileNoCase(dir.path(), "none.suo"), dir.file("none.suo"));
    EXPECT_EQ(listPlainFiles(dir.path()), (std::vector<Path>{"08071500.SUO", "A.dat", "b.dat"}));
}

// A FIFO would block the read, a device would fill memory: only regular files are read.
TEST(Files, OnlyRegularFilesAreRead) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("DATEN.DAT").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", dir.file("GLOBAL.DAT").c_str()), 0);
    dir.mkdir("BACKUP");
    for (const char* name : {"DATEN.DAT", "GLOBAL.DAT"}) {
        const std::string expected = "Datei " + dir.file(name) + " ist keine reguläre Datei";
        DelimitedLineList list;
        EXPECT_EQ(errorOf([&] { list.loadFromFile(dir.file(name)); }), expected);
        EXPECT_EQ(errorOf([&] { readFileIfExists(dir.file(name)); }), expected);
        EXPECT_EQ(errorOf([&] { copyFileSafely(dir.file(name), dir.file("BACKUP/x")); }), expected);
    }
    EXPECT_EQ(listPlainFiles(dir.path()), std::vector<Path>{});
    EXPECT_FALSE(dir.exists("BACKUP/x"));
}
