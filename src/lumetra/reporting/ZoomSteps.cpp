#include "ZoomSteps.h"

#include <algorithm>
#include <array>

namespace lumetra {
namespace {

constexpr std::array<int, 15> kSteps = {7, 10, 14, 20, 30, 45, 60, 80, 120, 170, 250, 350, 500, 650, 800};

}  // namespace

int zoomIn(int current) {
    auto it = std::upper_bound(kSteps.begin(), kSteps.end(), current);
    if (it == kSteps.end()) return current;
    return std::min(*it, kMaxZoom);
}

int zoomOut(int current) {
    auto it = std::lower_bound(kSteps.begin(), kSteps.end(), current);
    if (it == kSteps.begin()) return current;
    return std::max(*std::prev(it), kMinZoom);
}

}  // namespace lumetra
