#include "LedSpectrumLayout.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace lumetra {

static_assert(std::numeric_limits<long double>::digits == 64,
              "segment arithmetic needs extended precision with a 64-bit significand");

LedBevelData LedBevelData::chartDefaults() {
    LedBevelData bevel;
    bevel.InnerWidth = 2;
    bevel.InnerColor = ledcolor::Black;
    return bevel;
}

int bevelWidth(const LedBevelData& b) {
    if (!b.Visible) return 0;
    long long w = static_cast<long long>(b.BorderWidth) + b.InnerSpace + b.OuterSpace;
    if (b.InnerOutline != TLedBevelOutlineStyle::osNone) ++w;
    if (b.OuterOutline != TLedBevelOutlineStyle::osNone) ++w;
    if (b.InnerStyle != TLedBevelStyle::bsNone) w += b.InnerWidth;
    if (b.OuterStyle != TLedBevelStyle::bsNone) w += b.OuterWidth;
    return static_cast<int>(std::clamp<long long>(w, -kMaxChartSide, kMaxChartSide));
}

namespace {

void fillRow(QImage& image, int y, int x0, int x1, QRgb color) {
    if (y < 0 || y >= image.height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width() - 1);
    if (x0 > x1) return;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(line + x0, line + x1 + 1, color);
}

void setPixel(QImage& image, int x, int y, QRgb color) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
}

// k nested one-pixel rectangles; top and left in `topLeft`, bottom and right
// (including the corners they share with the others) in `bottomRight`.
void frame(QImage& image, QRect& rect, int k, QRgb topLeft, QRgb bottomRight) {
    for (int i = 0; i < k && rect.width() > 0 && rect.height() > 0; ++i) {
        const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
        fillRow(image, t, l, r - 1, topLeft);
        for (int y = t; y < b; ++y) setPixel(image, l, y, topLeft);
        for (int y = t; y <= b; ++y) setPixel(image, r, y, bottomRight);
        fillRow(image, b, l, r, bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void styledFrame(QImage& image, QRect& rect, TLedBevelStyle style, int width, QRgb highlight, QRgb shadow) {
    if (style == TLedBevelStyle::bsRaised) frame(image, rect, width, highlight, shadow);
    if (style == TLedBevelStyle::bsLowered) frame(image, rect, width, shadow, highlight);
}

QRgb blend(QRgb from, QRgb to, int step, int steps) {
    auto channel = [&](int a, int b) { return a + step * (b - a) / steps; };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

}  // namespace

void paintBevel(QImage& image, const LedBevelData& b) {
    if (!b.Visible) return;
    using enum TLedBevelOutlineStyle;
    QRect rect = image.rect();
    if (b.BorderWidth > 0) frame(image, rect, b.BorderWidth, b.BorderColor, b.BorderColor);
    if (b.OuterOutline == osOuter) frame(image, rect, 1, ledcolor::Black, ledcolor::Black);
    styledFrame(image, rect, b.OuterStyle, b.OuterWidth, b.OuterHighlight, b.OuterShadow);
    if (b.OuterOutline == osInner) frame(image, rect, 1, ledcolor::Black, ledcolor::Black);
    frame(image, rect, b.OuterSpace, b.OuterColor, b.OuterColor);
    if (b.InnerOutline == osOuter) frame(image, rect, 1, ledcolor::Black, ledcolor::Black);
    styledFrame(image, rect, b.InnerStyle, b.InnerWidth, b.InnerHighlight, b.InnerShadow);
    if (b.InnerOutline == osInner) frame(image, rect, 1, ledcolor::Black, ledcolor::Black);
    frame(image, rect, b.InnerSpace, b.InnerColor, b.InnerColor);
}

long long scaleByPercent(long long factor, long long percent) {
    // Each step is stored, so it is rounded to the 64-bit significand exactly once.
    volatile long double hundredth = 0.01L;
    volatile long double share = static_cast<long double>(percent) * hundredth;
    volatile long double product = static_cast<long double>(factor) * share;
    const long double limit = static_cast<long double>(std::numeric_limits<int>::max());
    const long double clamped = std::clamp(static_cast<long double>(product), -limit, limit);
    return static_cast<long long>(clamped);
}

int litSegments(long long value, int minValue, int maxValue, int n) {
    const long long range = static_cast<long long>(maxValue) - minValue;
    if (range <= 0 || n <= 0) return 0;
    const long long percent = 100 * (value - minValue) / range;
    return static_cast<int>(std::clamp<long long>(scaleByPercent(n, percent), 0, n));
}

LedBands bandSizes(int innerHeight, int n, int pitch, int percent1, int percent2, bool plainColors) {
    if (plainColors)
        return {static_cast<int>(scaleByPercent(n, percent1) * pitch),
                static_cast<int>(scaleByPercent(n, percent2) * pitch)};
    return {static_cast<int>(scaleByPercent(innerHeight, percent1)),
            static_cast<int>(scaleByPercent(innerHeight, percent2))};
}

std::vector<QRgb> stripRows(int innerHeight, int n, int pitch, int percent1, int percent2, bool plainColors,
                            QRgb c1, QRgb c2, QRgb c3) {
    std::vector<QRgb> rows;
    if (innerHeight <= 0) return rows;
    rows.reserve(static_cast<size_t>(innerHeight));
    const LedBands bands = bandSizes(innerHeight, n, pitch, percent1, percent2, plainColors);
    if (plainColors) {
        const long long upperEnd = static_cast<long long>(innerHeight) - bands.p1 - bands.p2;
        const long long middleEnd = static_cast<long long>(innerHeight) - bands.p1;
        for (int y = 0; y < innerHeight; ++y) rows.push_back(y < upperEnd ? c3 : y < middleEnd ? c2 : c1);
        return rows;
    }
    const int lower = std::max(1, bands.p1 + bands.p2 / 2);
    const int upper = std::max(1, innerHeight - lower);
    // upper + 1 and lower + 1 rows: two more than fit, the bottom ones are dropped.
    for (int r = 0; r <= upper && static_cast<int>(rows.size()) < innerHeight; ++r)
        rows.push_back(blend(c3, c2, r, upper));
    for (int j = 0; j <= lower && static_cast<int>(rows.size()) < innerHeight; ++j)
        rows.push_back(blend(c2, c1, j, lower));
    return rows;
}

QImage stripImage(const std::vector<QRgb>& rows, int barWidth) {
    QImage image(std::max(barWidth, 0), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        fillRow(image, y, 0, image.width() - 1, rows[static_cast<size_t>(y)]);
    return image;
}

int LedSpectrumLayout::columnLeft(int index) const {
    const long long left =
        inner.left() + static_cast<long long>(index) * (barWidth + static_cast<long long>(barSpacing));
    return static_cast<int>(std::clamp<long long>(left, -kMaxChartSide, 2LL * kMaxChartSide));
}

QRect LedSpectrumLayout::columnRect(int index) const {
    return QRect(columnLeft(index), inner.top(), barWidth, inner.height());
}

LedSpectrumLayout computeLayout(const LedSpectrumParams& p, int clientWidth, int clientHeight) {
    LedSpectrumLayout layout;
    layout.valid = true;
    layout.bevel = bevelWidth(p.Bevel);
    const int w = layout.bevel;
    layout.inner = QRect(w, w, clientWidth - 2 * w, clientHeight - 2 * w);
    const int innerHeight = clientHeight - 2 * w;
    layout.pitch = static_cast<int>(
        std::clamp<long long>(static_cast<long long>(p.TickHeight) + p.Spacing, INT_MIN, INT_MAX));
    layout.barWidth = p.BarWidth;
    layout.barSpacing = p.BarSpacing;
    layout.tickHeight = p.TickHeight;
    // Without a positive pitch there are no segments and the height is left alone.
    layout.n = layout.pitch > 0 ? static_cast<int>(std::max(
                                      0LL, (static_cast<long long>(innerHeight) + p.Spacing) / layout.pitch))
                                : 0;

    layout.inactiveStrip = stripRows(innerHeight, layout.n, layout.pitch, p.Percent1, p.Percent2,
                                     p.PlainColors, p.Low[0], p.Low[1], p.Low[2]);
    layout.activeStrip = stripRows(innerHeight, layout.n, layout.pitch, p.Percent1, p.Percent2, p.PlainColors,
                                   p.High[0], p.High[1], p.High[2]);

    const long long width =
        2LL * w + (static_cast<long long>(p.BarWidth) + p.BarSpacing) * p.Columns - p.BarSpacing;
    const long long height = layout.pitch > 0
                                 ? 2LL * w + static_cast<long long>(layout.n) * layout.pitch - p.Spacing
                                 : clientHeight;
    layout.width = static_cast<int>(std::clamp<long long>(width, 0, kMaxChartSide));
    layout.height = static_cast<int>(std::clamp<long long>(height, 0, kMaxChartSide));
    return layout;
}

void drawColumn(QImage& image, const LedSpectrumLayout& layout, int index, int lit,
                const LedColumnStyle& style) {
    if (!layout.valid || layout.n <= 0 || layout.barWidth <= 0) return;
    lit = std::clamp(lit, 0, layout.n);
    const int left = layout.columnLeft(index);
    const int right = static_cast<int>(
        std::min<long long>(static_cast<long long>(left) + layout.barWidth - 1, kMaxChartSide));
    const int top = layout.inner.top();
    const int rows = static_cast<int>(layout.activeStrip.size());
    auto segment = [&](int k, bool active, bool marker) {
        const long long segTop = top + static_cast<long long>(k) * layout.pitch;
        const long long first = std::max<long long>(segTop, 0);
        const long long end = std::min<long long>(segTop + layout.tickHeight, image.height());
        for (long long y = first; y < end; ++y) {
            const long long row = y - top;
            QRgb color = style.background;
            if (marker) {
                color = style.markerColor;
            } else if (active || style.showInactive) {
                if (row < 0 || row >= rows) continue;
                color = (active ? layout.activeStrip : layout.inactiveStrip)[static_cast<size_t>(row)];
            }
            fillRow(image, static_cast<int>(y), left, right, color);
        }
    };
    const int unlit = layout.n - lit;
    for (int k = 0; k < unlit; ++k) segment(k, false, false);
    for (int k = 0; k < lit; ++k) segment(unlit + k, true, k == 0 && style.markerVisible);
}

}  // namespace lumetra
