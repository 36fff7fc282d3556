#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "base/Clock.h"
#include "lumetra/settings/WindowFixture.h"

using namespace lumetra;

namespace {

const char* const kBerlin = "Berlin;1,9;3,6;7,2;10,9;14,2;14,9;14,6;12,4;8,7;5,6;2,4;1,6;890\r\n";

class SettingsDialogTest : public test::WindowTest {
protected:
    QComboBox* location() { return control<QComboBox>(settings.get(), "locationField"); }
    QCheckBox* box(const char* name) { return control<QCheckBox>(settings.get(), name); }
};

TEST_F(SettingsDialogTest, InitialContentsWithoutSettingsFile) {
    create();
    EXPECT_EQ(settings->objectName(), "TForm2");
    EXPECT_EQ(settings->windowTitle(), "Lumetra - Einstellungen");
    EXPECT_EQ(settings->size(), QSize(658, 394));
    const std::pair<const char*, QString> fields[] = {{"kwpField", "1"},
                                                      {"euroField", "0,4675"},
                                                      {"areaField", "0"},
                                                      {"forecastField", "0"},
                                                      {"co2Field", "0,662"},
                                                      {"pacMaxField", "5000"},
                                                      {"dataDirField", qtPath(context.dirs.data)},
                                                      {"smaDirField", ""},
                                                      {"smaNumberField", "00"},
                                                      {"archiveDirField", ""},
                                                      {"backupDirField", ""},
                                                      {"mailField", ""},
                                                      {"uploadDirField", qtPath(context.dirs.data)}};
    for (const auto& [name, text] : fields) EXPECT_EQ(field(settings.get(), name)->text(), text) << name;
    EXPECT_TRUE(box("inactiveChartBox")->isChecked());
    EXPECT_TRUE(box("autoBackupBox")->isChecked());
    EXPECT_FALSE(box("autoUploadBox")->isChecked());
    EXPECT_FALSE(settings->uploadTimer().isActive());
    EXPECT_EQ(location()->currentText(), "");
    EXPECT_EQ(context.settings, static_cast<SettingsFields*>(settings.get()));
    EXPECT_EQ(control<QPushButton>(settings.get(), "locationsButton")->toolTip(), "Standorte bearbeiten");
    EXPECT_EQ(control<QPushButton>(settings.get(), "okButton")->geometry(), QRect(16, 357, 75, 28));
    EXPECT_EQ(location()->geometry(), QRect(408, 112, 193, 21));
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(SettingsDialogTest, NumberFieldsAcceptOnlyNumbersOfTheirKind) {
    create();
    struct Case {
        const char* name;
        const char* typed;
        QString shown;
    };
    const Case cases[] = {{"kwpField", "4,3x2", "4,32"},
                          {"kwpField", "123456", "12345"},
                          {"forecastField", "9,5a0", "950"},
                          {"euroField", "0,1,2", "0,12"},
                          {"smaNumberField", "A1", "A1"}};
    for (const Case& c : cases) {
        QLineEdit* edit = field(settings.get(), c.name);
        edit->clear();
        QTest::keyClicks(edit, c.typed);
        EXPECT_EQ(edit->text(), c.shown) << c.name << " " << c.typed;
    }
}

TEST_F(SettingsDialogTest, AutoUploadSwitchesTheTimerAtOnce) {
    dir.write("LUMETRA.INI", "[SET]\r\nAUTOLOAD=1\r\n");
    create();
    EXPECT_TRUE(settings->uploadTimer().isActive());
    EXPECT_EQ(settings->uploadTimer().interval(), 300000);
    QTest::mouseClick(box("autoUploadBox"), Qt::LeftButton);
    EXPECT_FALSE(settings->uploadTimer().isActive());
    QTest::mouseClick(box("autoUploadBox"), Qt::LeftButton);
    click(settings.get(), "cancelButton");  // the uploads go on for this run
    EXPECT_TRUE(settings->uploadTimer().isActive());
    EXPECT_EQ(dir.read("LUMETRA.INI"), "[SET]\r\nAUTOLOAD=1\r\n");
}

TEST_F(SettingsDialogTest, CancelKeepsTypedValuesInUseButNotInTheFile) {
    dir.write("LUMETRA.INI", "[SET]\r\nEURO=0,4675\r\n");
    create();
    settings->show();
    field(settings.get(), "euroField")->setText("0,57");
    click(settings.get(), "cancelButton");
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(context.settings->euro(), "0,57");  // the next money figure reads this
    EXPECT_EQ(dir.read("LUMETRA.INI"), "[SET]\r\nEURO=0,4675\r\n");
    EXPECT_EQ(main.evaluations, 0);
}

TEST_F(SettingsDialogTest, OkSavesEvaluatesAndCloses) {
    create();
    settings->show();
    field(settings.get(), "forecastField")->setText("950");
    click(settings.get(), "okButton");
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(main.evaluations, 1);
    EXPECT_EQ(context.evaluation.forecastYield, 950);
    EXPECT_NE(dir.read("LUMETRA.INI").find("PROGNOSE=950\r\n"), std::string::npos);
}

TEST_F(SettingsDialogTest, FailingOkKeepsTheDialogOpen) {
    create();
    settings->show();
    field(settings.get(), "co2Field")->setText(",");
    click(settings.get(), "okButton");
    EXPECT_TRUE(settings->isVisible());
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], cp1252FromUtf8("',' ist kein gültiger Gleitkommawert."));
    EXPECT_TRUE(dir.exists("LUMETRA.INI"));
    EXPECT_EQ(main.evaluations, 0);
}

TEST_F(SettingsDialogTest, FolderButtonsWithTheirTitles) {
    create();
    struct Case {
        const char* button;
        const char* field;
        QString title;
        Path Directories::*inUse;  // nullptr: read from the field
    };
    const Case cases[] = {
        {"dataDirFieldButton", "dataDirField", "Datenverzeichnis wählen", &Directories::data},
        {"smaDirFieldButton", "smaDirField", "Verzeichnis für SMA-Onlinedaten wählen", nullptr},
        {"archiveDirFieldButton", "archiveDirField", "Verzeichnis für Tagesarchivdaten",
         &Directories::archive},
        {"backupDirFieldButton", "backupDirField", "Verzeichnis für Datensicherung wählen",
         &Directories::backup},
        {"uploadDirFieldButton", "uploadDirField", "Verzeichnis für Upload wählen", nullptr},
    };
    for (const Case& c : cases) {
        const QString before = field(settings.get(), c.field)->text();
        click(settings.get(), c.button);  // cancelled: nothing changes
        EXPECT_EQ(Dialogs::lastTitle(), c.title);
        EXPECT_EQ(field(settings.get(), c.field)->text(), before);

        const std::string chosen = "/gewählt/" + std::string(c.field);
        Dialogs::setNextFolder(fromCp1252(chosen));
        click(settings.get(), c.button);
        EXPECT_EQ(field(settings.get(), c.field)->text(), fromCp1252(chosen));
        if (c.inUse) {
            EXPECT_EQ(context.dirs.*c.inUse, pathFromText(chosen)) << c.field;
        }
    }
    click(settings.get(), "cancelButton");
    EXPECT_FALSE(dir.exists("LUMETRA.INI"));
    EXPECT_EQ(context.settings->uploadDir(), pathFromText("/gewählt/uploadDirField"));
}

TEST_F(SettingsDialogTest, TypingALocationTakesItOverLetterByLetter) {
    dir.write("DATA/GLOBAL.DAT", kBerlin);
    create();
    context.evaluation.averageYield = 17;
    QTest::keyClicks(location()->lineEdit(), "Berl");
    EXPECT_EQ(context.evaluation.monthlyPercentages[5], 0.833);
    EXPECT_EQ(context.evaluation.averageYield, 17);
    QTest::keyClicks(location()->lineEdit(), "in");
    EXPECT_EQ(context.evaluation.monthlyPercentages[5], 14.9);
    EXPECT_EQ(context.evaluation.averageYield, 890);
}

TEST_F(SettingsDialogTest, ChoosingFromTheListTakesOver) {
    dir.write("DATA/GLOBAL.DAT", std::string("Bonn;2;2;2;2;2;2;2;2;2;2;2;2;700\r\n") + kBerlin);
    create();
    ASSERT_EQ(location()->count(), 2);
    location()->setCurrentIndex(1);
    EXPECT_EQ(location()->currentText(), "Berlin");
    EXPECT_EQ(context.evaluation.averageYield, 890);
}

TEST_F(SettingsDialogTest, StartUpTakesOverTheStoredLocation) {
    dir.write("DATA/GLOBAL.DAT", kBerlin);
    dir.write("LUMETRA.INI", "[SET]\r\nSTANDORT=Berlin\r\nBAK=0\r\n");
    create();
    EXPECT_EQ(location()->currentText(), "Berlin");
    EXPECT_EQ(context.evaluation.averageYield, 890);
    EXPECT_FALSE(context.autoBackup);
}

TEST_F(SettingsDialogTest, LocationsButtonReloadsKeepsTheTypedNameAndShowsTheEditor) {
    create();
    QTest::keyClicks(location()->lineEdit(), "Nirgendwo");
    dir.write("DATA/GLOBAL.DAT", std::string(kBerlin) + "Bonn;2;2;2;2;2;2;2;2;2;2;2;2;700\r\n");
    click(settings.get(), "locationsButton");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(location()->currentText(), "Nirgendwo");
    ASSERT_EQ(location()->count(), 2);
    EXPECT_EQ(location()->itemText(1), "Bonn");
    EXPECT_EQ(editor->table().count(), 2);
    EXPECT_EQ(context.evaluation.monthlyPercentages[0], 0.833);  // the reload takes nothing over
}

TEST_F(SettingsDialogTest, BackupRestoreAndUploadButtons) {
    dir.mkdir("BAK");
    dir.mkdir("SMA");
    dir.mkdir("WWW");
    dir.write("DATA/DATEN.DAT", "neu");
    dir.write("SMA/09030500.suo", "Tag");
    create();
    Dialogs::setNextFolder(fromCp1252(dir.file("BAK")));
    click(settings.get(), "backupDirFieldButton");
    click(settings.get(), "backupButton");
    EXPECT_EQ(dir.read("BAK/DATEN.DAT"), "neu");

    dir.write("BAK/DATEN.DAT", "gesichert");
    click(settings.get(), "restoreButton");
    EXPECT_EQ(dir.read("DATA/DATEN.DAT"), "gesichert");

    Clock::setToday({2009, 3, 5});
    field(settings.get(), "smaDirField")->setText(fromCp1252(dir.file("SMA")));
    field(settings.get(), "uploadDirField")->setText(fromCp1252(dir.file("WWW")));
    click(settings.get(), "uploadButton");
    settings->Timer1Timer();
    Clock::reset();
    EXPECT_EQ(dir.read("WWW/09030500.suo"), "Tag");
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(SettingsDialogTest, PictureShowsNumbersRightAlignedAndBothSeparators) {
    dir.write("DATA/GLOBAL.DAT", kBerlin);
    dir.write("LUMETRA.INI", "[SET]\r\nSTANDORT=Berlin\r\nKWP=4,32\r\n");
    create();
    const QImage shot = picture(settings.get(), "settings_dialog.png");

    // "4,32" at the right end of the KWp field (80, 8, 41 wide), its left side blank.
    EXPECT_EQ(countPixels(shot, QRect(83, 12, 12, 14), dark), 0);
    EXPECT_GT(countPixels(shot, QRect(100, 12, 18, 14), dark), 10);
    // The sunken lines at 138 and 348 stand out from the window around them.
    const QRgb window = shot.pixel(300, 130);
    for (int top : {138, 348})
        EXPECT_GT(countPixels(shot, QRect(300, top, 1, 3), [&](QRgb p) { return p != window; }), 0) << top;
}

}  // namespace
