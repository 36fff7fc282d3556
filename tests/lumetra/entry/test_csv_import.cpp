#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "EntryFixture.h"
#include "entry/CsvImport.h"
#include "entry/CsvImportDialog.h"
#include "entry/LineListView.h"

using namespace lumetra;
using namespace lumetra::test;

namespace {

using Lines = std::vector<std::string>;

std::string csv(const std::string& name) { return std::string(LUMETRA_TEST_DATA) + "/csv/" + name; }

class CsvImportTest : public EntryFixture {
protected:
    CsvImport import;
};

}  // namespace

TEST_F(CsvImportTest, LeftListHoldsWholeLinesSortedByText) {
    import.loadCsv(csv("days.csv"));
    EXPECT_EQ(import.importLines().lines(), (Lines{"01.04.2008;3,2", "15.04.2008;12,5", "16.04.2008;7"}));
    import.loadCsv(csv("header.csv"));
    EXPECT_EQ(import.importLines().line(2), "Datum;Energie");
}

TEST_F(CsvImportTest, TakeAllReplacesEveryDayAndSaveWritesOnlyThose) {
    writeData("20080301;01.03.2008;1\r\n");
    ASSERT_TRUE(import.fillOriginalsIfExists(context.dirs.data));
    import.loadCsv(csv("three_fields.csv"));
    import.importLines().appendLine("02.04.2008;1,5");
    import.takeAll();
    EXPECT_EQ(import.originalLines().lines(), (Lines{"20080415;15.04.2008;12,5", "20080402;02.04.2008;1,5"}));
    import.save(context.dirs.data);
    EXPECT_EQ(data(), "20080415;15.04.2008;12,5\r\n20080402;02.04.2008;1,5\r\n");
}

TEST_F(CsvImportTest, TakeAllStopsAtTheFirstRowWithoutADate) {
    struct Case {
        const char* file;
        Lines taken;
        std::string message;
    };
    const Case cases[] = {
        {"header.csv", {"20080415;15.04.2008;12,5", "20080416;16.04.2008;8,1"}, notADate("Datum")},
        {"iso_dates.csv", {}, notADate("2008-04-15")},
    };
    for (const auto& c : cases) {
        import.originalLines().appendLine("20080301;01.03.2008;1");
        import.loadCsv(csv(c.file));
        try {
            import.takeAll();
            ADD_FAILURE() << c.file;
        } catch (const LumetraError& e) {
            EXPECT_EQ(completeErrorText(e.what()), c.message);
        }
        EXPECT_EQ(import.originalLines().lines(), c.taken) << c.file;
    }
    EXPECT_FALSE(dir.exists("DATA/DATEN.DAT"));
}

TEST_F(CsvImportTest, TakeSelectedComparesTheDateTextItself) {
    import.originalLines().addSorted("20080415;15.04.2008;12,5");
    import.loadCsv(csv("days.csv"));
    import.takeSelected(1);  // 15.04.2008 written the same way
    EXPECT_EQ(import.originalLines().count(), 1);

    import.loadCsv(csv("short_date.csv"));
    import.takeSelected(0);  // 15.4.08 is the same day, written differently
    EXPECT_EQ(import.originalLines().lines(), (Lines{"20080415;15.04.2008;12,5", "20080415;15.4.08;9,9"}));

    import.takeSelected(-1);
    EXPECT_EQ(import.originalLines().count(), 2);
}

TEST_F(CsvImportTest, TakeSelectedCarriesEveryFieldToItsSortedPlace) {
    import.originalLines().addSorted("20080401;01.04.2008;1");
    import.originalLines().addSorted("20080430;30.04.2008;2");
    import.loadCsv(csv("three_fields.csv"));
    import.takeSelected(0);
    EXPECT_EQ(import.originalLines().line(1), "20080415;15.04.2008;12,5;sonnig");

    import.loadCsv(csv("header.csv"));
    EXPECT_THROW(import.takeSelected(2), LumetraError);
    EXPECT_EQ(import.originalLines().count(), 3);
}

TEST_F(CsvImportTest, BadFilesGiveMessagesNotCrashes) {
    dir.write("binary.csv", std::string("15.04.2008;1\r\n\x89PNG\x1a\x00\xff\xfe;x", 24));
    dir.write("big.csv", [] {
        std::string s;
        for (int i = 0; i < 50000; ++i)
            s += "01.01." + std::to_string(2000 + i % 20) + ";" + std::to_string(i) + "\r\n";
        return s;
    }());

    import.loadCsv(csv("empty.csv"));
    EXPECT_EQ(import.importLines().count(), 0);

    import.loadCsv(dir.file("binary.csv"));  // reading ends at the NUL
    EXPECT_EQ(import.importLines().lines(), (Lines{"15.04.2008;1", "\x89PNG\x1a"}));
    EXPECT_THROW(import.takeAll(), LumetraError);
    EXPECT_EQ(import.originalLines().count(), 1);

    import.loadCsv(dir.file("big.csv"));
    import.takeAll();
    EXPECT_EQ(import.originalLines().count(), 50000);

    EXPECT_THROW(import.loadCsv(dir.file("missing.csv")), LumetraError);
    EXPECT_EQ(import.importLines().count(), 50000);  // a failed read keeps the list
}

// ---- the dialog

namespace {

class CsvImportDialogTest : public EntryFixture {
protected:
    void SetUp() override {
        EntryFixture::SetUp();
        dialog = std::make_unique<CsvImportDialog>(context);
    }
    QPushButton* button(const char* name) { return dialog->findChild<QPushButton*>(name); }
    void importFile(const std::string& path) {
        Dialogs::setNextFileName(fromCp1252(path));
        button("importButton")->click();
    }
    int rows(LineListView& list) { return list.view()->model()->rowCount(); }

    std::unique_ptr<CsvImportDialog> dialog;
};

}  // namespace

TEST_F(CsvImportDialogTest, ImportTakeAllAndSave) {
    EXPECT_EQ(dialog->objectName(), "TForm6");
    EXPECT_EQ(dialog->windowTitle(), "Lumetra - Import CSV");
    EXPECT_EQ(dialog->size(), QSize(545, 305));
    writeData("20080301;01.03.2008;1\r\n");
    context.yields.appendLine("untouched");
    dialog->openFromMainWindow();
    EXPECT_EQ(rows(dialog->originalList()), 1);

    importFile(csv("days.csv"));
    EXPECT_EQ(Dialogs::lastTitle(), "CSV importieren");
    EXPECT_TRUE(Dialogs::lastFilter().startsWith("CSV-Datei (*.CSV"));
    EXPECT_EQ(rows(dialog->importList()), 3);
    EXPECT_EQ(dialog->importList().scrollBar()->value(), 0);
    EXPECT_EQ(dialog->importList().scrollBar()->maximum(), 2);

    button("takeAllButton")->click();
    EXPECT_EQ(rows(dialog->originalList()), 3);
    button("saveButton")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(data(), "20080401;01.04.2008;3,2\r\n20080415;15.04.2008;12,5\r\n20080416;16.04.2008;7\r\n");
    EXPECT_EQ(context.yields.lines(), Lines{"untouched"});
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(CsvImportDialogTest, HeaderLineStopsTakeAllWithAMessageAndNothingIsWritten) {
    writeData("20080301;01.03.2008;1\r\n");
    dialog->openFromMainWindow();
    importFile(csv("header.csv"));
    button("takeAllButton")->click();
    EXPECT_EQ(reporter.errors, std::vector<std::string>{notADate("Datum")});
    EXPECT_EQ(rows(dialog->originalList()), 2);
    EXPECT_EQ(data(), "20080301;01.03.2008;1\r\n");

    // A cancelled file dialog keeps the left list.
    button("importButton")->click();
    EXPECT_EQ(rows(dialog->importList()), 3);
}

TEST_F(CsvImportDialogTest, TakeSelectedRowAndDeleteButtons) {
    importFile(csv("three_fields.csv"));
    button("takeOneButton")->click();  // nothing selected
    EXPECT_EQ(rows(dialog->originalList()), 0);
    dialog->importList().selectRow(0);
    button("takeOneButton")->click();
    button("takeOneButton")->click();  // the same date again
    EXPECT_EQ(dialog->logic().originalLines().lines(), Lines{"20080415;15.04.2008;12,5;sonnig"});

    button("deleteOriginalRowButton")->click();  // nothing selected there
    EXPECT_EQ(rows(dialog->originalList()), 1);
    dialog->originalList().selectRow(0);
    button("deleteOriginalRowButton")->click();
    EXPECT_EQ(rows(dialog->originalList()), 0);
    button("clearImportButton")->click();
    EXPECT_EQ(rows(dialog->importList()), 0);
    EXPECT_FALSE(dir.exists("DATA/DATEN.DAT"));
}

TEST_F(CsvImportDialogTest, OpeningKeepsTheRightListWithoutAFileAndTheLeftListAlways) {
    importFile(csv("days.csv"));
    dialog->logic().originalLines().appendLine("20080101;01.01.2008;1");
    dialog->openFromMainWindow();
    EXPECT_EQ(rows(dialog->originalList()), 1);
    writeData("20080301;01.03.2008;1\r\n20080302;02.03.2008;1\r\n");
    dialog->openFromMainWindow();
    EXPECT_EQ(dialog->logic().originalLines().line(0), "20080301;01.03.2008;1");
    EXPECT_EQ(rows(dialog->importList()), 3);
}

TEST_F(CsvImportDialogTest, FailedSaveKeepsDialogListAndOldFile) {
    writeData("20080301;01.03.2008;1\r\n");
    dialog->openFromMainWindow();
    importFile(csv("days.csv"));
    button("takeAllButton")->click();
    context.dirs.data = dir.file("gone");
    button("saveButton")->click();
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "Datei " + dir.file("gone/DATEN.DAT") + " kann nicht erstellt werden.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(rows(dialog->originalList()), 3);
    EXPECT_EQ(data(), "20080301;01.03.2008;1\r\n");
}

TEST_F(CsvImportDialogTest, SbfspotMonthFilesOfSeveralPicksTakenAndSaved) {
    const std::string sbfspot = std::string(LUMETRA_TEST_DATA) + "/sbfspot/";
    Dialogs::setNextFileNames({fromCp1252(sbfspot + "Roof-202407.csv"),
                               fromCp1252(sbfspot + "Plant-202406.csv"), fromCp1252(csv("days.csv"))});
    button("importButton")->click();
    EXPECT_EQ(dialog->logic().importLines().lines(),
              (Lines{"01.04.2008;3,2", "01.06.2024;50,620", "02.06.2024;48,537", "03.06.2024;4,000",
                     "15.04.2008;12,5", "16.04.2008;7", "30.07.2024;21,13", "31.07.2024;0,50"}));
    button("clearImportButton")->click();
    importFile(sbfspot + "Plant-202406.csv");
    button("takeAllButton")->click();
    button("saveButton")->click();
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(data(),
              "20240601;01.06.2024;50,620\r\n20240602;02.06.2024;48,537\r\n20240603;03.06.2024;4,000\r\n");
}

TEST_F(CsvImportDialogTest, AMalformedSbfspotFileKeepsTheLeftList) {
    const std::string sbfspot = std::string(LUMETRA_TEST_DATA) + "/sbfspot/";
    importFile(csv("days.csv"));
    Dialogs::setNextFileNames(
        {fromCp1252(sbfspot + "Plant-202406.csv"), fromCp1252(sbfspot + "Bad-202405.csv")});
    button("importButton")->click();
    EXPECT_EQ(reporter.errors,
              std::vector<std::string>{
                  "SBFspot-Datei " + sbfspot +
                  "Bad-202405.csv, Zeile 11: passt nicht zum Datumsmuster dd/MM/yyyy: '2024-05-02'"});
    EXPECT_EQ(dialog->logic().importLines().lines(),
              (Lines{"01.04.2008;3,2", "15.04.2008;12,5", "16.04.2008;7"}));
    EXPECT_EQ(rows(dialog->importList()), 3);
    EXPECT_FALSE(dir.exists("DATA/DATEN.DAT"));
}
