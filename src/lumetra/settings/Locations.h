#pragma once
// The location table as the settings dialog and the location editor work on it.
#include <array>
#include <string>

#include "data/AppContext.h"
#include "data/LocationTable.h"
#include "data/SettingsFile.h"

namespace lumetra {

// Name, January … December, yearly yield: the editor's fields, texts as they stand.
using LocationFields = std::array<std::string, kLocationFieldCount>;

// At start-up: the table from the file (empty without one), the location field emptied and
// its list filled, the field set from STANDORT when the settings file exists, then the take-over.
void loadLocationsAtStartUp(LocationTable& table, SettingsForm& form, AppContext& context);

// Writes the table and refills the dialog's location list. A failed write leaves the list alone.
void commitLocations(const LocationTable& table, SettingsForm& form, const Path& dataDir);

// The editor's buttons; each commits. Add and change do nothing without a name.
bool addLocation(LocationTable& table, const LocationFields& fields, SettingsForm& form, const Path& dataDir);
bool changeLocation(LocationTable& table, int row, const LocationFields& fields, SettingsForm& form,
                    const Path& dataDir);
// `row` < 0: nothing selected, the file is written unchanged.
void deleteLocation(LocationTable& table, int row, SettingsForm& form, const Path& dataDir);

}  // namespace lumetra
