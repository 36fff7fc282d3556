#pragma once
// The logger's month and day files turned into the program's own forms: rows of the CSV
// import's left list, and a day file of 144 ten-minute lines that the day chart reads as is.
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "base/German.h"

namespace lumetra::sbfspot {

// One row "dd.mm.yyyy;<day yield>" per line of a month file, the yield summed over the
// inverters, with a decimal comma and the file's precision.
std::vector<std::string> monthRows(std::string_view bytes, const Path& path);

// The first header line of every day file made here; a day file without it is never touched.
inline constexpr std::string_view kDayFileMarker = "Lumetra-Tagesdatei aus SBFspot-Datei ";
bool isMadeFromSbfspot(std::string_view dayFileBytes);

// The day file of `day` from a day file of the logger (`path` names it in messages and in
// the first header line): five header lines, then one line per slot 00:00 … 23:50,
// "dd.mm.yyyy hh:m0:00;<E-Total kWh>;<PAC W>", CR LF after every line. E-Total is the
// slot's last counter, PAC its mean power, both summed over the inverters.
std::string dayFileFrom(std::string_view bytes, const Path& path, const Date& day);

}  // namespace lumetra::sbfspot
