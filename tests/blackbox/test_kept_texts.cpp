// Texts kept exactly as users have always read them, misspellings and odd blanks included:
// printed reports are filed with them and people find their way by them. Each row names
// where one text is produced, so a well-meant correction anywhere fails here.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <functional>

#include "WebSettingsDialog.h"
#include "base/Cp1252.h"
#include "data/AppContext.h"
#include "mainwindow/MainWindow.h"
#include "reporting/BuildReport.h"
#include "reporting/StatisticsDialog.h"
#include "settings/SettingsDialog.h"
#include "support/QtApp.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

class IdleViewer : public WebViewerActions {
public:
    void LMDButton2Click() override {}
    void setChartShowInactive(bool) override {}
    void setDateText(const std::string&) override {}
};

QStringList labelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

// The report's lines without the value column's padding.
QStringList reportLines() {
    ReportInput input;
    input.price = "0,4675";
    input.co2 = "0,662";
    ReportDocument document;
    BuildReport(input, document);
    QStringList lines;
    for (std::string line : document.lines) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines << fromCp1252(line);
    }
    return lines;
}

TEST(KeptTexts, StandWhereTheyAreProduced) {
    test::qtApp();
    test::TempDir dir;
    AppContext context;
    context.dirs = {dir.path(), dir.file("DATA"), dir.path(), dir.path()};

    MainWindow main(context);
    main.findChild<QAbstractButton*>("sBitBtn3")->click();
    const QString referenceCaption = main.findChild<QLabel*>("Label22")->text();
    const StatisticsDialog statistics;
    const SettingsDialog settings(context);
    IdleViewer viewer;
    const WebSettingsDialog webSettings(dir.path(), viewer);

    struct Case {
        const char* where;
        std::function<QStringList()> texts;
        const char* text;  // UTF-8
    };
    const Case cases[] = {
        {"main window, reference caption of \"Durchschnitt\"", [&] { return QStringList{referenceCaption}; },
         "Durchschntttliche Tageswerte kWh/kWp lt. Durchschnittstabelle"},
        {"statistics window, caption", [&] { return labelTexts(statistics); },
         "Prognostozierte Monatsenergie pro kWp:"},
        {"report line", reportLines, "   Vermiedene CO2-Emmission im Monat:"},
        {"report line", reportLines, "   Vermiedene CO2-Emmission im Jahr:"},
        {"report line", reportLines, "   Vermiedene CO2-Emmission gesamt:"},
        {"settings dialog, caption", [&] { return labelTexts(settings); }, "Euro/KWh"},
        {"settings dialog, caption", [&] { return labelTexts(settings); },
         "Durchschnittliche Globalstrahlung  (%) Monatsmittelwert"},
        {"settings dialog, caption", [&] { return labelTexts(settings); }, "SMA {NN}:"},
        {"web viewer settings, caption", [&] { return labelTexts(webSettings); }, "SMA{NN}:"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.texts().contains(QString::fromUtf8(c.text))) << c.where << ": \"" << c.text << "\"";
}

}  // namespace
}  // namespace lumetra
