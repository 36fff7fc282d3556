#pragma once
// Widget-free arithmetic and drawing of the segmented LED bar chart: bevel width,
// inner rectangle, segment count, self-sizing, the two strip images, value -> lit
// segments and the drawing of the bevel and of one column into a QImage.
// TLedSpectrum (the widget) only stores properties and calls these.
#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

namespace lumetra {

namespace ledcolor {
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb Green = qRgb(0, 128, 0);
inline constexpr QRgb Lime = qRgb(0, 255, 0);
inline constexpr QRgb Olive = qRgb(128, 128, 0);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb Maroon = qRgb(128, 0, 0);
inline constexpr QRgb Red = qRgb(255, 0, 0);
// Fixed stand-ins for the platform's button colours.
inline constexpr QRgb ButtonFace = qRgb(240, 240, 240);
inline constexpr QRgb ButtonShadow = qRgb(160, 160, 160);
inline constexpr QRgb ButtonHighlight = qRgb(255, 255, 255);
}  // namespace ledcolor

enum class TLedBevelStyle { bsNone, bsLowered, bsRaised };
enum class TLedBevelOutlineStyle { osOuter, osInner, osNone };

// The bevel's properties. The defaults are those of a bevel made on its own;
// a chart starts from chartDefaults().
struct LedBevelData {
    int BorderWidth = 0;
    QRgb BorderColor = ledcolor::ButtonFace;
    TLedBevelOutlineStyle OuterOutline = TLedBevelOutlineStyle::osOuter;
    TLedBevelStyle OuterStyle = TLedBevelStyle::bsRaised;
    int OuterWidth = 1;
    QRgb OuterHighlight = ledcolor::ButtonHighlight;
    QRgb OuterShadow = ledcolor::ButtonShadow;
    int OuterSpace = 0;
    QRgb OuterColor = ledcolor::ButtonFace;
    TLedBevelOutlineStyle InnerOutline = TLedBevelOutlineStyle::osNone;
    TLedBevelStyle InnerStyle = TLedBevelStyle::bsLowered;
    int InnerWidth = 1;
    QRgb InnerHighlight = ledcolor::ButtonHighlight;
    QRgb InnerShadow = ledcolor::ButtonShadow;
    int InnerSpace = 1;
    QRgb InnerColor = ledcolor::ButtonFace;
    bool Visible = true;

    static LedBevelData chartDefaults();
    bool operator==(const LedBevelData&) const = default;
};

int bevelWidth(const LedBevelData& bevel);

// The nine frames, outside in, along the image's edge.
void paintBevel(QImage& image, const LedBevelData& bevel);

// floor(factor * (percent * 0.01)) in extended precision (64-bit significand,
// round to nearest after each product), truncated toward zero. 0.01 lies slightly
// below one hundredth there, so whole products may come out one lower (145 * 20 % -> 28).
long long scaleByPercent(long long factor, long long percent);

// Segments lit by `value` in a column of n segments, 0 ... n.
int litSegments(long long value, int minValue, int maxValue, int n);

// Everything the layout depends on.
struct LedSpectrumParams {
    int Columns = 24;
    int BarWidth = 8;
    int BarSpacing = 1;
    int TickHeight = 1;
    int Spacing = 1;
    int Percent1 = 60;
    int Percent2 = 25;
    bool PlainColors = false;
    QRgb Low[3] = {ledcolor::Green, ledcolor::Olive, ledcolor::Maroon};
    QRgb High[3] = {ledcolor::Lime, ledcolor::Yellow, ledcolor::Red};
    LedBevelData Bevel = LedBevelData::chartDefaults();
};

struct LedBands {
    int p1 = 0;
    int p2 = 0;
};
LedBands bandSizes(int innerHeight, int n, int pitch, int percent1, int percent2, bool plainColors);

// One colour per row of a strip, `innerHeight` rows, row 0 at the top.
// c1, c2, c3: the lower, middle and upper palette's colour.
std::vector<QRgb> stripRows(int innerHeight, int n, int pitch, int percent1, int percent2, bool plainColors,
                            QRgb c1, QRgb c2, QRgb c3);
// The same as a picture `barWidth` pixels wide.
QImage stripImage(const std::vector<QRgb>& rows, int barWidth);

// Largest side the chart sizes itself to; keeps absurd property values from
// asking for gigantic images.
inline constexpr int kMaxChartSide = 32767;

struct LedSpectrumLayout {
    bool valid = false;  // false until the first full paint
    int bevel = 0;       // w
    QRect inner;
    int pitch = 0;
    int n = 0;
    int width = 0;   // W': the size the control must have
    int height = 0;  // H'
    int barWidth = 0;
    int barSpacing = 0;
    int tickHeight = 0;
    std::vector<QRgb> inactiveStrip;
    std::vector<QRgb> activeStrip;

    int columnLeft(int index) const;
    QRect columnRect(int index) const;
};

LedSpectrumLayout computeLayout(const LedSpectrumParams& params, int clientWidth, int clientHeight);

struct LedColumnStyle {
    bool showInactive = true;
    bool markerVisible = true;
    QRgb markerColor = ledcolor::White;
    QRgb background = ledcolor::Black;
};

// Draws column `index` with `lit` of the layout's n segments lit; the spacing rows
// between segments are left as they are. Clipped to the image.
void drawColumn(QImage& image, const LedSpectrumLayout& layout, int index, int lit,
                const LedColumnStyle& style);

}  // namespace lumetra
