#pragma once
// The import dialog's day lines as a file a spreadsheet under German settings opens as dates
// and numbers: a header, then date and energy texts as stored, ";"-separated, CR LF.
#include <string>

#include "base/DelimitedLineList.h"
#include "base/Files.h"

namespace lumetra {

inline constexpr const char* kCsvExportHeader = "Datum;Energie (kWh)";

// Day lines id;Datum;Leistung… in list order; further fields are left out.
std::string csvExportBytes(const DelimitedLineList& dayLines);

// Safe save; throws "Datei %s kann nicht erstellt werden", an old file stays whole.
void saveCsvExport(const Path& path, const DelimitedLineList& dayLines);

}  // namespace lumetra
