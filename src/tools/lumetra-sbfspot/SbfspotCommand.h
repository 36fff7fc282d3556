#pragma once
// lumetra-sbfspot SOURCE TARGET [SMA-Nummer]: the command's arguments, texts and exit status.
#include <ostream>
#include <string>
#include <vector>

namespace lumetra {

// `args` without the program name, as UTF-8; messages go to `out` and `err` as UTF-8.
// 0 when every day file was written or was already current, 1 otherwise.
int runSbfspotCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumetra
