#pragma once
#include <utility>

namespace lumetra::ui {

// A copy of `options` with one field changed, for the kit's chained option setters.
template <typename Options, typename Value, typename Given>
Options with(Options options, Value Options::*field, Given&& value) {
    options.*field = std::forward<Given>(value);
    return options;
}

}  // namespace lumetra::ui
