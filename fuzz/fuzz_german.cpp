// German conversions never crash; accepted dates format and convert back to themselves.
#include <cstdint>
#include <cstdlib>

#include "base/Errors.h"
#include "base/German.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const lumetra::Date today{2026, 12, 10};
    try {
        (void)lumetra::strToFloat(text);
    } catch (const lumetra::LumetraError&) {
    }
    try {
        (void)lumetra::strToInt(text);
    } catch (const lumetra::LumetraError&) {
    }
    try {
        lumetra::Date d = lumetra::strToDate(text, today);
        if (!(lumetra::strToDate(lumetra::formatDate(d), today) == d)) std::abort();
        if (lumetra::formatDateId(d).size() != 8) std::abort();
    } catch (const lumetra::LumetraError&) {
    }
    return 0;
}
