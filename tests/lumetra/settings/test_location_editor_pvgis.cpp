#include <QComboBox>

#include "lumetra/settings/WindowFixture.h"
#include "support/Screenshot.h"

using namespace lumetra;

namespace {

QString fixture(const char* name) { return QString(LUMETRA_TEST_DATA) + "/pvgis/" + name; }

class LocationEditorPvgisTest : public test::WindowTest {
protected:
    QStringList fieldTexts() {
        QStringList out{field(editor.get(), "nameField")->text()};
        for (int m = 1; m <= 12; ++m)
            out << field(editor.get(), QString("monthField%1").arg(m).toLatin1().constData())->text();
        out << field(editor.get(), "yieldField")->text();
        return out;
    }
    void readPvgis(const QString& path) {
        Dialogs::setNextFileName(path);
        click(editor.get(), "pvgisButton");
    }
};

TEST_F(LocationEditorPvgisTest, FillsTheFieldsAndAddWritesTheRow) {
    create();
    auto* button = control<QPushButton>(editor.get(), "pvgisButton");
    EXPECT_EQ(button->text(), "PVGIS...");
    EXPECT_EQ(button->geometry(), QRect(566, 144, 75, 25));

    readPvgis(fixture("munich-4.5kwp.json"));
    EXPECT_EQ(Dialogs::lastTitle(), QString::fromUtf8("PVGIS-Datei öffnen"));
    EXPECT_EQ(Dialogs::lastDirectory(), qtPath(context.dirs.data));
    EXPECT_EQ(fieldTexts().join(';'),
              "PVGIS 48.137, 11.575;3,8;5,4;8,6;10,8;12,1;12,4;12,9;11,6;9,0;6,5;3,9;3,1;1139");
    EXPECT_FALSE(dir.exists("DATA/GLOBAL.DAT"));  // reading adds nothing
    test::saveScreenshot(*editor, "location-editor-pvgis.png");

    click(editor.get(), "addButton");
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"),
              "PVGIS 48.137, 11.575;3,8;5,4;8,6;10,8;12,1;12,4;12,9;11,6;9,0;6,5;3,9;3,1;1139\r\n");
    auto* location = control<QComboBox>(settings.get(), "locationField");
    ASSERT_EQ(location->count(), 1);
    EXPECT_EQ(location->itemText(0), "PVGIS 48.137, 11.575");
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(LocationEditorPvgisTest, ATypedNameStaysAndTheNumbersAreReplaced) {
    create();
    field(editor.get(), "nameField")->setText("Dach Süd");
    field(editor.get(), "monthField1")->setText("99");
    readPvgis(fixture("munich-4.5kwp.json"));
    EXPECT_EQ(fieldTexts()[0], "Dach Süd");
    EXPECT_EQ(fieldTexts()[1], "3,8");
}

TEST_F(LocationEditorPvgisTest, AFileThatIsNoAnswerChangesNoFieldAndIsReported) {
    create();
    field(editor.get(), "monthField3")->setText("7,5");
    const QStringList before = fieldTexts();
    readPvgis(QString());  // cancelled
    EXPECT_TRUE(reporter.errors.empty());

    const std::pair<const char*, const char*> cases[] = {
        {"no-yearly-yield.json", "In der PVGIS-Datei fehlt „outputs.totals.fixed.E_y“."},
        {"eleven-months.json", "Die PVGIS-Datei enthält 11 statt 12 Monate."},
    };
    for (const auto& [file, message] : cases) {
        reporter.errors.clear();
        readPvgis(fixture(file));
        EXPECT_EQ(reporter.errors, std::vector<std::string>{cp1252FromUtf8(message)}) << file;
        EXPECT_EQ(fieldTexts(), before) << file;
    }
    EXPECT_FALSE(dir.exists("DATA/GLOBAL.DAT"));
}

}  // namespace
