#pragma once
// The demo plant: a working directory with settings, daily yields from 2019 up to
// yesterday, a location table and the inverter's day files of the last seven days.
// Deterministic: the same directory and date give the same bytes.
#include <string>

#include "base/German.h"

namespace lumetra::demo {

// `fixedFilesDir` holds GLOBAL.DAT and LUMETRA.INI.in. Throws LumetraError on a write failure.
void makeDemoPlant(const std::string& targetDir, const std::string& fixedFilesDir, const Date& today);

// kWh of one day (deterministic per date); negative when the day is missing from the log.
double demoDailyYield(const Date& day);

}  // namespace lumetra::demo
