#include <gtest/gtest.h>

#include "base/Errors.h"
#include "base/ProfileFile.h"
#include "support/TempDir.h"

using namespace lumetra;

TEST(ProfileFile, ReadsKeysWithoutRegardToCase) {
    test::TempDir dir;
    dir.write("LUMETRA.INI", "[other]\nKWP=9\n[set]\r\nkwp = 9,8\nEURO=0,0812\n\n[x]\nMAIL=no\n");
    ProfileFile ini(dir.file("LUMETRA.INI"));
    EXPECT_EQ(ini.read("SET", "KWP", "0"), "9,8");
    EXPECT_EQ(ini.read("SET", "Euro", "0"), "0,0812");
    EXPECT_EQ(ini.read("SET", "MAIL", "none"), "none");
    EXPECT_EQ(ProfileFile(dir.file("missing.ini")).read("SET", "KWP", "0"), "0");
}

TEST(ProfileFile, WriteReplacesInPlaceAppendsAndCreates) {
    test::TempDir dir;
    ProfileFile ini(dir.file("LUMETRA.INI"));
    ini.write("SET", "KWP", "1");
    EXPECT_EQ(dir.read("LUMETRA.INI"), "[SET]\r\nKWP=1\r\n");
    dir.write("LUMETRA.INI", "[SET]\r\nKWP=1\r\nEURO=0,4675\r\n\r\n[Other]\r\nA=b\r\n");
    ini.write("SET", "kwp", "9,8");
    ini.write("SET", "CO2", "0,662");
    ini.write("NEW", "X", "y");
    EXPECT_EQ(dir.read("LUMETRA.INI"),
              "[SET]\r\nkwp=9,8\r\nEURO=0,4675\r\nCO2=0,662\r\n\r\n[Other]\r\nA=b\r\n[NEW]\r\nX=y\r\n");
}

TEST(ProfileFile, LongValuesAreCutAndEightBitTextKept) {
    test::TempDir dir;
    ProfileFile ini(dir.file("x.ini"));
    ini.write("SET", "STANDORT", "M\xFCnchen");
    ini.write("SET", "PATH", std::string(3000, 'a'));
    EXPECT_EQ(ini.read("SET", "standort", ""), "M\xFCnchen");
    EXPECT_EQ(ini.read("SET", "PATH", "").size(), 2047u);
}

TEST(ProfileFile, FailedWriteNamesTheFile) {
    test::TempDir dir;
    dir.write("file", "x");
    ProfileFile ini(dir.file("file") + "/LUMWEB.INI");
    try {
        ini.write("SET", "PATH", "x");
        FAIL();
    } catch (const LumetraError& e) {
        EXPECT_EQ(std::string(e.what()), "nach " + pathText(ini.path()) + " kann nicht geschrieben werden");
    }
}
