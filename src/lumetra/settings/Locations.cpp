#include "settings/Locations.h"

#include "base/Files.h"
#include "base/ProfileFile.h"

namespace lumetra {

void loadLocationsAtStartUp(LocationTable& table, SettingsForm& form, AppContext& context) {
    if (!reloadLocations(table, context.dirs.data)) table.clear();
    form.setText(SettingsField::Standort, "");
    form.setLocationNames(locationNames(table));
    const ProfileFile settings(settingsFilePath(context.dirs));
    if (settings.exists())
        form.setText(SettingsField::Standort,
                     settings.read(kSettingsSection, settingsKey(SettingsField::Standort), ""));
    takeOverLocation(table, form.text(SettingsField::Standort), context.evaluation);
}

void commitLocations(const LocationTable& table, SettingsForm& form, const Path& dataDir) {
    saveLocations(table, dataDir);
    form.setLocationNames(locationNames(table));
}

bool addLocation(LocationTable& table, const LocationFields& fields, SettingsForm& form,
                 const Path& dataDir) {
    if (fields[0].empty()) return false;
    std::string line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += ";" + fields[i];
    table.appendLine(std::move(line));
    commitLocations(table, form, dataDir);
    return true;
}

bool changeLocation(LocationTable& table, int row, const LocationFields& fields, SettingsForm& form,
                    const Path& dataDir) {
    if (fields[0].empty()) return false;
    for (std::size_t i = 0; i < fields.size(); ++i) table.setField(row, static_cast<int>(i), fields[i]);
    commitLocations(table, form, dataDir);
    return true;
}

void deleteLocation(LocationTable& table, int row, SettingsForm& form, const Path& dataDir) {
    if (row >= 0 && row < table.count()) table.remove(row);
    commitLocations(table, form, dataDir);
}

}  // namespace lumetra
