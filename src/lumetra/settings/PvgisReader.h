#pragma once
// Reads the JSON answer of the PVGIS PV calculation into the location editor's fields, so
// an owner gets a location's monthly shares and yearly yield without typing them.
#include <string>
#include <string_view>

#include "base/Files.h"
#include "settings/Locations.h"

namespace lumetra {

// Name "PVGIS <latitude>, <longitude>", the twelve monthly shares of the in-plane irradiation
// in percent (one decimal, decimal comma) and the yearly yield in kWh per kWp, rounded.
// Throws a German message naming what is missing or wrong; only the keys used are checked.
LocationFields readPvgisLocation(std::string_view json);

// The file at `path`; throws "Datei %s kann nicht geöffnet werden" when it cannot be read.
LocationFields readPvgisFile(const Path& path);

}  // namespace lumetra
