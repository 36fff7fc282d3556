#pragma once
#include <string>

namespace lumetra {

// The SMA day file's name: characters 9–10, 4–5 and 1–2 of the ten-character date text
// dd.mm.yyyy, the SMA number as entered, ".suo". "15.07.2008", "00" → "08071500.suo".
// The date text is not parsed; a shorter text contributes what it has.
std::string DayFileName(const std::string& dateText, const std::string& smaNumber);

}  // namespace lumetra
