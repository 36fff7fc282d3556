// Any bytes load into a list; saving and loading again gives the same lines.
#include <cstdint>
#include <cstdlib>

#include "base/DelimitedLineList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (auto order :
         {lumetra::DelimitedLineList::Order::Sorted, lumetra::DelimitedLineList::Order::Unsorted}) {
        lumetra::DelimitedLineList list(order);
        list.loadFromBytes(bytes);
        lumetra::DelimitedLineList again(order);
        again.loadFromBytes(lumetra::joinLines(list.lines()));
        if (again.lines() != list.lines()) std::abort();
        for (int i = 0; i < list.count() && i < 8; ++i) {
            for (int f = 0; f < 4; ++f) {
                std::string changed = lumetra::withLineField(list.line(i), f, "x");
                if (lumetra::lineField(changed, f) != "x") std::abort();
            }
        }
    }
    return 0;
}
