#pragma once
// The page view's zoom, in percent.

namespace lumetra {

inline constexpr int kStartZoom = 50;
inline constexpr int kMinZoom = 5;
inline constexpr int kMaxZoom = 400;

// The next step above `current`, at most kMaxZoom; `current` when there is none.
int zoomIn(int current);
// The next step below `current`, at least kMinZoom; `current` when there is none.
int zoomOut(int current);

}  // namespace lumetra
