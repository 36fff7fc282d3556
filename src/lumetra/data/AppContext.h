#pragma once
// What the windows of the desktop program share. One instance lives for the whole run,
// owned by the application; every window gets a reference at creation.
#include <string>

#include "base/Files.h"
#include "data/DailyYieldList.h"
#include "data/SettingsDefaults.h"
#include "evaluation/EvaluationState.h"

namespace lumetra {

// The settings dialog's fields, read at the moment of use: an edit counts from the next
// use on, even after "Abbruch". Texts are Windows-1252, exactly as typed.
class SettingsFields {
public:
    virtual ~SettingsFields() = default;
    virtual std::string kwp() const = 0;        // "KWp:"
    virtual std::string euro() const = 0;       // "Euro/KWh"
    virtual std::string co2() const = 0;        // "1 kWh entspricht … kg CO2"
    virtual std::string mail() const = 0;       // "Mailempfänger für Statistik"
    virtual Path smaDir() const = 0;            // "Verzeichnis SMA Online"
    virtual std::string smaNumber() const = 0;  // "SMA {NN}:"
    virtual Path uploadDir() const = 0;         // "Verzeichnis auf Webserver"
    virtual std::string pacMax() const = 0;     // "PAC max W"
    virtual bool showInactive() const = 0;      // "Inaktives Diagramm anzeigen"
};

// The dialog's initial contents, as plain values (before the dialog exists, and in tests).
class PlainSettingsFields : public SettingsFields {
public:
    std::string kwpText = defaults::kInitialKwp, euroText = defaults::kInitialEuro,
                co2Text = defaults::kCo2Text, mailText, smaDirText,
                smaNumberText = defaults::kInitialSmaNumber, uploadDirText,
                pacMaxText = defaults::kInitialPacMax;
    bool showInactiveChecked = defaults::kInitialShowInactive;

    std::string kwp() const override { return kwpText; }
    std::string euro() const override { return euroText; }
    std::string co2() const override { return co2Text; }
    std::string mail() const override { return mailText; }
    Path smaDir() const override { return pathFromText(smaDirText); }
    std::string smaNumber() const override { return smaNumberText; }
    Path uploadDir() const override { return pathFromText(uploadDirText); }
    std::string pacMax() const override { return pacMaxText; }
    bool showInactive() const override { return showInactiveChecked; }
};

// What other windows ask of the main window.
class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;
    virtual void WeiterBerechnung() = 0;                            // evaluate the current selection
    virtual void setReferenceCaption(const std::string& text) = 0;  // Label22 (settings' message)
    virtual void setChartShowsInactive(bool show) = 0;              // DISPLAY taken over
    virtual void setSelectedDateText(const std::string& text) = 0;  // Label1, from the date picker
};

// Directories in use (paths without trailing "/"); the SMA and upload directories are read
// from the settings fields instead.
struct Directories {
    Path working;  // the process's current directory at start-up; holds LUMETRA.INI
    Path data;     // working / "DATA" until the settings say otherwise
    Path backup;   // working
    Path archive;  // working
};

struct AppContext {
    Directories dirs;
    bool autoBackup = defaults::kInitialAutoBackup;
    EvaluationState evaluation;
    DailyYieldList yields;          // edited by the manual entry dialog, read by the evaluation
    std::string datePickerPurpose;  // "Tagesdatum" or "Kalender"

    PlainSettingsFields initialSettings;
    SettingsFields* settings = &initialSettings;  // the settings dialog once it exists
    MainWindowActions* main = nullptr;            // the main window once it exists
};

}  // namespace lumetra
