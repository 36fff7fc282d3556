#include <QPushButton>

#include "EntryFixture.h"
#include "entry/CsvExport.h"
#include "entry/CsvImportDialog.h"
#include "support/Screenshot.h"

using namespace lumetra;
using namespace lumetra::test;

namespace {

DelimitedLineList dayLines(const std::vector<std::string>& lines) {
    DelimitedLineList list;
    for (const std::string& line : lines) list.appendLine(line);
    return list;
}

TEST(CsvExport, HeaderThenDateAndEnergyAsStoredInListOrder) {
    // Rows appended by ">>" stay out of id order; a row from ">" carries further fields.
    const DelimitedLineList list =
        dayLines({"20080415;15.04.2008;12,5", "20080402;2.4.08;1,5;sonnig",
                  cp1252FromUtf8("20080403;03.04.2008;0,75 kWh ü"), "20080404;04.04.2008"});
    EXPECT_EQ(csvExportBytes(list),
              "Datum;Energie (kWh)\r\n"
              "15.04.2008;12,5\r\n"
              "2.4.08;1,5\r\n" +
                  cp1252FromUtf8("03.04.2008;0,75 kWh ü\r\n") + "04.04.2008;\r\n");
    EXPECT_EQ(csvExportBytes(dayLines({})), "Datum;Energie (kWh)\r\n");
}

class CsvExportDialogTest : public EntryFixture {
protected:
    void SetUp() override {
        EntryFixture::SetUp();
        dialog = std::make_unique<CsvImportDialog>(context);
        writeData("20080301;01.03.2008;1\r\n20080302;02.03.2008;2,25\r\n");
        dialog->openFromMainWindow();
    }
    QPushButton* exportButton() { return dialog->findChild<QPushButton*>("exportButton"); }

    std::unique_ptr<CsvImportDialog> dialog;
};

TEST_F(CsvExportDialogTest, ButtonSavesTheRightListUnderTheChosenName) {
    ASSERT_NE(exportButton(), nullptr);
    EXPECT_EQ(exportButton()->text(), "Exportieren");
    EXPECT_EQ(exportButton()->toolTip(), "Originaldaten als CSV-Datei speichern");
    EXPECT_EQ(exportButton()->geometry(), QRect(216, 176, 113, 33));
    test::saveScreenshot(*dialog, "csv-import-export.png");

    const std::string expected = "Datum;Energie (kWh)\r\n01.03.2008;1\r\n02.03.2008;2,25\r\n";
    struct Case {
        std::string typed, written;
    };
    const Case cases[] = {{"ertrag", "ertrag.csv"}, {"ertrag.", "ertrag.csv"}, {"ertrag.txt", "ertrag.txt"}};
    for (const Case& c : cases) {
        Dialogs::setNextFileName(fromCp1252(dir.file(c.typed)));
        exportButton()->click();
        EXPECT_EQ(dir.read(c.written), expected) << c.typed;
    }
    EXPECT_EQ(Dialogs::lastTitle(), "CSV exportieren");
    EXPECT_EQ(Dialogs::lastFilter(), "CSV-Datei (*.csv)");
    EXPECT_EQ(Dialogs::lastDirectory(), qtPath(context.dirs.data));
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(data(), "20080301;01.03.2008;1\r\n20080302;02.03.2008;2,25\r\n");  // DATEN.DAT untouched

    // An emptied list writes the header alone, over the old export.
    dialog->findChild<QPushButton*>("clearOriginalButton")->click();
    Dialogs::setNextFileName(fromCp1252(dir.file("ertrag")));
    exportButton()->click();
    EXPECT_EQ(dir.read("ertrag.csv"), "Datum;Energie (kWh)\r\n");
}

TEST_F(CsvExportDialogTest, CancelWritesNothingAndAFailedSaveIsReported) {
    exportButton()->click();  // no name: the user cancelled
    EXPECT_TRUE(reporter.errors.empty());

    Dialogs::setNextFileName(fromCp1252(dir.file("gone/ertrag.csv")));
    exportButton()->click();
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "Datei " + dir.file("gone/ertrag.csv") + " kann nicht erstellt werden.");
    EXPECT_FALSE(dir.exists("gone"));
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
