#pragma once
#include <string>

#include "base/Cp1252.h"
#include "base/Errors.h"

namespace lumetra::test {

// The German message of what `action` threw, as UTF-8; "<no error>" when it threw nothing.
template <typename Action>
std::string errorOf(Action&& action) {
    try {
        action();
    } catch (const LumetraError& e) {
        return utf8FromCp1252(e.what());
    }
    return "<no error>";
}

}  // namespace lumetra::test
