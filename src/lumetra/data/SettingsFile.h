#pragma once
// LUMETRA.INI: the load at start-up and the save on "OK". Both work on the settings
// dialog's fields through SettingsForm, so they run without widgets in tests.
#include <string>
#include <vector>

#include "data/AppContext.h"
#include "data/LocationTable.h"

namespace lumetra {

// The text fields, in the order "OK" writes their keys.
enum class SettingsField {
    Kwp,
    Euro,
    Fl,
    Standort,
    Prognose,
    Co2,
    Backup,
    Mail,
    SmaDir,
    SmaPar,
    Archiv,
    Upload,
    Data
};
enum class SettingsSwitch { AutoLoad, Bak, Display };

inline constexpr const char* kSettingsFileName = "LUMETRA.INI";
inline constexpr const char* kSettingsSection = "SET";

const char* settingsKey(SettingsField field);
const char* settingsKey(SettingsSwitch sw);

// The settings dialog's fields as the load and save see them. Setting the location field
// from here never starts a take-over; checking AutoLoad switches the upload timer;
// replacing the location names keeps the location field's text.
class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    virtual std::string text(SettingsField field) const = 0;
    virtual void setText(SettingsField field, const std::string& text) = 0;
    virtual bool checked(SettingsSwitch sw) const = 0;
    virtual void setChecked(SettingsSwitch sw, bool on) = 0;
    virtual void setLocationNames(LocationNames names) = 0;
};

// The settings file of the working directory (an existing one is found whatever its case).
Path settingsFilePath(const Directories& dirs);

// Both stop at a value that does not convert; what ran before stays done.
void loadSettings(SettingsForm& form, AppContext& context);
// Ends with the main window's new evaluation; closing the dialog is the caller's.
void saveSettings(SettingsForm& form, AppContext& context);

}  // namespace lumetra
