#include <gtest/gtest.h>

#include "data/SettingsFile.h"
#include "lumetra/settings/SettingsFakes.h"
#include "support/TempDir.h"

using namespace lumetra;
using lumetra::test::errorOf;

namespace {

const char* const kAllKeys =
    "[SET]\r\nKWP=4,32\r\nEURO=0,5\r\nFL=30\r\nSTANDORT=Berlin\r\nPROGNOSE=950\r\nCO2=0,7\r\n"
    "BACKUP=/b\r\nMAIL=a@b.de\r\nSMADIR=/sma\r\nSMAPAR=01\r\nARCHIV=/arch\r\nUPLOAD=/up\r\n"
    "DATA=/data\r\nAUTOLOAD=1\r\nBAK=0\r\nDISPLAY=0\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() {
        context.dirs = {dir.path(), dir.path() + "/DATA", dir.path(), dir.path()};
        context.main = &main;
    }
    void load(const std::string& ini) {
        dir.write("LUMETRA.INI", ini);
        loadSettings(form, context);
    }
    std::string fileText() const { return dir.read("LUMETRA.INI"); }

    test::TempDir dir;
    test::FakeForm form;
    test::RecordingMain main;
    AppContext context;
};

TEST_F(SettingsFileTest, NoFileKeepsInitialContentsAndStartValues) {
    loadSettings(form, context);
    test::FakeForm initial;
    initial.texts[SettingsField::Data] = initial.texts[SettingsField::Upload] = dir.path() + "/DATA";
    EXPECT_EQ(form.texts, initial.texts);
    EXPECT_EQ(form.boxes, initial.boxes);
    EXPECT_EQ(context.evaluation.forecastYield, 0);
    EXPECT_EQ(context.evaluation.co2Factor, 0.0);
    EXPECT_TRUE(context.autoBackup);
    EXPECT_EQ(context.dirs.data, dir.path() + "/DATA");
    EXPECT_EQ(context.dirs.backup, dir.path());
    EXPECT_TRUE(main.inactiveShown.empty());
    EXPECT_FALSE(dir.exists("LUMETRA.INI"));
}

TEST_F(SettingsFileTest, FileWithAllKeysFillsFieldsAndTakesOverState) {
    load(kAllKeys);
    const std::map<SettingsField, std::string> expected{
        {SettingsField::Kwp, "4,32"},     {SettingsField::Euro, "0,5"},
        {SettingsField::Fl, "30"},        {SettingsField::Standort, "Berlin"},
        {SettingsField::Prognose, "950"}, {SettingsField::Co2, "0,7"},
        {SettingsField::Backup, "/b"},    {SettingsField::Mail, "a@b.de"},
        {SettingsField::SmaDir, "/sma"},  {SettingsField::SmaPar, "01"},
        {SettingsField::Archiv, "/arch"}, {SettingsField::Upload, "/up"},
        {SettingsField::Data, "/data"}};
    EXPECT_EQ(form.texts, expected);
    EXPECT_TRUE(form.boxes[SettingsSwitch::AutoLoad]);
    EXPECT_FALSE(form.boxes[SettingsSwitch::Bak]);
    EXPECT_FALSE(form.boxes[SettingsSwitch::Display]);
    EXPECT_EQ(context.evaluation.forecastYield, 950);
    EXPECT_DOUBLE_EQ(context.evaluation.co2Factor, 0.7);
    EXPECT_FALSE(context.autoBackup);
    EXPECT_EQ(main.inactiveShown, std::vector<bool>{false});
    EXPECT_EQ(context.dirs.backup, "/b");
    EXPECT_EQ(context.dirs.archive, "/arch");
    EXPECT_EQ(context.dirs.data, "/data");
    EXPECT_EQ(main.evaluations, 0);
}

// Keys found whatever their case; missing ones read their defaults.
TEST_F(SettingsFileTest, SingleKeysAtLoad) {
    struct Case {
        const char* ini;
        SettingsField field;
        std::string expected;
    };
    const std::string data = dir.path() + "/DATA";
    const Case cases[] = {
        {"[SET]\r\nKWP=0\r\n", SettingsField::Kwp, "1,0"},
        {"[SET]\r\nKWP=0,0\r\n", SettingsField::Kwp, "1,0"},
        {"[SET]\r\nkwp=2,5\r\n", SettingsField::Kwp, "2,5"},
        {"[SET]\r\n", SettingsField::Kwp, "1,0"},  // missing: "0", then shown as "1,0"
        {"[SET]\r\n", SettingsField::Euro, "0"},
        {"[SET]\r\n", SettingsField::Co2, "0,662"},
        {"[SET]\r\n", SettingsField::SmaPar, "00"},
        {"[SET]\r\n", SettingsField::SmaDir, data},
        {"[SET]\r\n", SettingsField::Archiv, data},
        {"[SET]\r\n", SettingsField::Upload, data},
        {"[SET]\r\n", SettingsField::Data, data},
        {"[SET]\r\n", SettingsField::Backup, ""},
    };
    for (const Case& c : cases) {
        test::FakeForm fresh;
        form = fresh;
        load(c.ini);
        EXPECT_EQ(form.texts[c.field], c.expected) << c.ini << " / " << settingsKey(c.field);
    }
}

TEST_F(SettingsFileTest, KwpZeroShownAsOneWhileTheFileKeepsZero) {
    load("[SET]\r\nKWP=0\r\n");
    EXPECT_EQ(form.texts[SettingsField::Kwp], "1,0");
    EXPECT_EQ(fileText(), "[SET]\r\nKWP=0\r\n");
}

TEST_F(SettingsFileTest, SwitchesOtherThanOneOrZeroLeaveTheBoxes) {
    load("[SET]\r\nAUTOLOAD=ja\r\nBAK=ja\r\nDISPLAY=2\r\n");
    EXPECT_FALSE(form.boxes[SettingsSwitch::AutoLoad]);
    EXPECT_TRUE(form.boxes[SettingsSwitch::Bak]);
    EXPECT_TRUE(form.boxes[SettingsSwitch::Display]);
    EXPECT_TRUE(context.autoBackup);
    EXPECT_EQ(main.inactiveShown, std::vector<bool>{true});
}

TEST_F(SettingsFileTest, EmptyBackupKeyMeansTheWorkingDirectory) {
    context.dirs.backup = "/elsewhere";
    load("[SET]\r\nBACKUP=\r\n");
    EXPECT_EQ(context.dirs.backup, dir.path());
}

TEST_F(SettingsFileTest, Co2ZeroStaysZeroAtLoad) {
    load("[SET]\r\nCO2=0\r\n");
    EXPECT_EQ(context.evaluation.co2Factor, 0.0);
}

TEST_F(SettingsFileTest, ConversionFailureStopsTheLoadAtItsStep) {
    // Forecast (step 4): nothing after it runs, the fields are already filled.
    dir.write("LUMETRA.INI", "[SET]\r\nPROGNOSE=viel\r\nBAK=0\r\nDATA=/data\r\n");
    EXPECT_EQ(errorOf([&] { loadSettings(form, context); }), "'viel' ist kein gültiger Integerwert");
    EXPECT_TRUE(form.boxes[SettingsSwitch::Bak]);
    EXPECT_EQ(form.texts[SettingsField::Prognose], "viel");
    EXPECT_EQ(context.dirs.data, dir.path() + "/DATA");

    // KWP (step 7): switches and auto backup flag are taken, chart and directories not.
    test::FakeForm fresh;
    form = fresh;
    dir.write("LUMETRA.INI", "[SET]\r\nKWP=x\r\nBAK=0\r\nPROGNOSE=800\r\nDATA=/data\r\n");
    EXPECT_EQ(errorOf([&] { loadSettings(form, context); }), "'x' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(context.evaluation.forecastYield, 800);
    EXPECT_FALSE(context.autoBackup);
    EXPECT_TRUE(main.inactiveShown.empty());
    EXPECT_EQ(context.dirs.data, dir.path() + "/DATA");

    // CO2 (step 10): the backup directory is taken, archive and data not.
    dir.write("LUMETRA.INI", "[SET]\r\nCO2=\r\nBACKUP=/b\r\nDATA=/data\r\n");
    EXPECT_EQ(errorOf([&] { loadSettings(form, context); }), "'' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(context.dirs.backup, "/b");
    EXPECT_EQ(context.dirs.data, dir.path() + "/DATA");
}

TEST_F(SettingsFileTest, FirstOkWritesTheSixteenKeysInOrder) {
    loadSettings(form, context);
    form.texts[SettingsField::Backup] = dir.path() + "/BAK";
    saveSettings(form, context);
    const std::string data = dir.path() + "/DATA";
    EXPECT_EQ(fileText(),
              "[SET]\r\nKWP=1\r\nEURO=0,4675\r\nFL=0\r\nSTANDORT=\r\nPROGNOSE=0\r\nCO2=0,662\r\n"
              "BACKUP=" +
                  dir.path() +
                  "/BAK\r\nMAIL=\r\nSMADIR=\r\nSMAPAR=00\r\nARCHIV=\r\n"
                  "UPLOAD=" +
                  data + "\r\nDATA=" + data + "\r\nAUTOLOAD=0\r\nBAK=1\r\nDISPLAY=1\r\n");
    EXPECT_EQ(main.evaluations, 1);
    EXPECT_EQ(context.dirs.backup, dir.path() + "/BAK");
    EXPECT_TRUE(dir.exists("BAK"));
    EXPECT_TRUE(main.captions.empty());
}

TEST_F(SettingsFileTest, SaveReplacesKeysInPlaceAndKeepsOthers) {
    dir.write("LUMETRA.INI", "[SET]\r\nDISPLAY=0\r\nFREMD=x\r\nKWP=3\r\n");
    form.texts[SettingsField::Kwp] = "5";
    saveSettings(form, context);
    const std::string text = fileText();
    EXPECT_EQ(text.rfind("[SET]\r\nDISPLAY=1\r\nFREMD=x\r\nKWP=5\r\nEURO=0,4675\r\n", 0), 0u) << text;
}

TEST_F(SettingsFileTest, Co2SavedAndUsed) {
    struct Case {
        std::string typed, saved;
        double used;
    };
    const Case cases[] = {
        {"", "0,662", 0.662}, {"0", "0,662", 0.662}, {"0,0", "0,0", 0.662}, {"0,55", "0,55", 0.55}};
    for (const Case& c : cases) {
        form.texts[SettingsField::Co2] = c.typed;
        saveSettings(form, context);
        EXPECT_EQ(form.texts[SettingsField::Co2], c.saved) << c.typed;
        EXPECT_NE(fileText().find("\r\nCO2=" + c.saved + "\r\n"), std::string::npos) << c.typed;
        EXPECT_DOUBLE_EQ(context.evaluation.co2Factor, c.used) << c.typed;
    }
}

TEST_F(SettingsFileTest, KwpZeroSavedAsTypedAndShownAsOne) {
    form.texts[SettingsField::Kwp] = "0";
    saveSettings(form, context);
    EXPECT_NE(fileText().find("\r\nKWP=0\r\n"), std::string::npos);
    EXPECT_EQ(form.texts[SettingsField::Kwp], "1,0");
}

TEST_F(SettingsFileTest, SaveTakesOverSwitchesAndDirectories) {
    form.boxes[SettingsSwitch::Bak] = false;
    form.boxes[SettingsSwitch::Display] = false;
    form.texts[SettingsField::Prognose] = "1000";
    form.texts[SettingsField::Archiv] = "/arch";
    form.texts[SettingsField::Data] = "/data";
    saveSettings(form, context);
    EXPECT_FALSE(context.autoBackup);
    EXPECT_EQ(context.evaluation.forecastYield, 1000);
    EXPECT_EQ(main.inactiveShown, std::vector<bool>{false});
    EXPECT_EQ(context.dirs.backup, dir.path());  // empty field: the working directory
    EXPECT_EQ(context.dirs.archive, "/arch");
    EXPECT_EQ(context.dirs.data, "/data");
}

TEST_F(SettingsFileTest, NonNumberForecastStopsTheSaveAfterTheFileIsWritten) {
    form.texts[SettingsField::Prognose] = "";
    form.texts[SettingsField::Kwp] = "0";
    form.boxes[SettingsSwitch::Bak] = false;
    context.evaluation.forecastYield = 7;
    EXPECT_EQ(errorOf([&] { saveSettings(form, context); }), "'' ist kein gültiger Integerwert");
    EXPECT_NE(fileText().find("\r\nPROGNOSE=\r\n"), std::string::npos);
    EXPECT_FALSE(context.autoBackup);
    EXPECT_EQ(context.evaluation.forecastYield, 7);
    EXPECT_EQ(form.texts[SettingsField::Kwp], "0");
    EXPECT_EQ(main.evaluations, 0);
}

TEST_F(SettingsFileTest, BackupDirectoryCreatedOneLevelOnly) {
    form.texts[SettingsField::Backup] = dir.path() + "/a/b";
    saveSettings(form, context);
    EXPECT_FALSE(dir.exists("a"));
    EXPECT_EQ(main.captions, std::vector<std::string>{"Backupverzeichnis kann nicht erstellt werden"});
    EXPECT_EQ(main.evaluations, 1);  // the save still completes
}

TEST_F(SettingsFileTest, UnwritableFileStopsTheSaveBeforeTakingOver) {
    dir.mkdir("LUMETRA.INI");
    form.boxes[SettingsSwitch::Bak] = false;
    EXPECT_EQ(errorOf([&] { saveSettings(form, context); }),
              "nach " + dir.path() + "/LUMETRA.INI kann nicht geschrieben werden");
    EXPECT_TRUE(context.autoBackup);
    EXPECT_EQ(main.evaluations, 0);
}

}  // namespace
