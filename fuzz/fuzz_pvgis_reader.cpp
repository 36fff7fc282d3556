// Any bytes give the location fields or fail with our message; what it gives fits the fields.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/Errors.h"
#include "settings/PvgisReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const lumetra::LocationFields fields =
            lumetra::readPvgisLocation(std::string_view(reinterpret_cast<const char*>(data), size));
        for (std::size_t m = 1; m <= 12; ++m)
            if (fields[m].size() > 6) std::abort();
        if (fields[13].size() > 4) std::abort();
    } catch (const lumetra::LumetraError&) {
    }
    return 0;
}
