#include <gtest/gtest.h>

#include <climits>

#include "chart/LedSpectrumLayout.h"

using namespace lumetra;

namespace {

LedSpectrumParams params(int columns, int barWidth) {
    LedSpectrumParams p;
    p.Columns = columns;
    p.BarWidth = barWidth;
    return p;
}

}  // namespace

TEST(LedBevel, WidthAddsTheFramesThatAreThere) {
    using enum TLedBevelStyle;
    using enum TLedBevelOutlineStyle;
    LedBevelData hidden = LedBevelData::chartDefaults();
    hidden.Visible = false;
    LedBevelData flat = LedBevelData::chartDefaults();
    flat.OuterStyle = bsNone;
    flat.InnerStyle = bsNone;
    flat.OuterOutline = osNone;
    LedBevelData everything;
    everything.BorderWidth = 3;
    everything.InnerOutline = osInner;
    everything.OuterOutline = osInner;
    everything.OuterSpace = 2;
    everything.OuterWidth = 4;
    struct Case {
        const char* name;
        LedBevelData bevel;
        int width;
    };
    const Case cases[] = {
        {"chart", LedBevelData::chartDefaults(), 5},  // 1 outline + 1 outer + 2 inner + 1 space
        {"standalone", LedBevelData{}, 4},
        {"invisible", hidden, 0},
        {"flat", flat, 1},
        {"everything", everything, 3 + 1 + 1 + 2 + 1 + 4 + 1},
        {"absurd", LedBevelData{.BorderWidth = INT_MAX}, kMaxChartSide},
    };
    for (const auto& c : cases) EXPECT_EQ(bevelWidth(c.bevel), c.width) << c.name;
}

TEST(LedBevel, PaintsTheNineFramesOutsideIn) {
    using enum TLedBevelStyle;
    using enum TLedBevelOutlineStyle;
    const QRgb border = qRgb(1, 1, 1), outerHi = qRgb(2, 2, 2), outerSh = qRgb(3, 3, 3),
               outerCol = qRgb(4, 4, 4);
    const QRgb innerHi = qRgb(5, 5, 5), innerSh = qRgb(6, 6, 6), innerCol = qRgb(7, 7, 7),
               untouched = qRgb(9, 9, 9);
    LedBevelData b;
    b.BorderWidth = 1;
    b.BorderColor = border;
    b.OuterOutline = osOuter;
    b.OuterStyle = bsRaised;
    b.OuterWidth = 1;
    b.OuterHighlight = outerHi;
    b.OuterShadow = outerSh;
    b.OuterSpace = 1;
    b.OuterColor = outerCol;
    b.InnerOutline = osInner;
    b.InnerStyle = bsLowered;
    b.InnerWidth = 1;
    b.InnerHighlight = innerHi;
    b.InnerShadow = innerSh;
    b.InnerSpace = 1;
    b.InnerColor = innerCol;
    ASSERT_EQ(bevelWidth(b), 7);
    QImage image(20, 18, QImage::Format_RGB32);
    image.fill(untouched);
    paintBevel(image, b);

    // ring k: its top-left corner (k, k), a pixel of its left and right edge, bottom-right corner.
    struct Ring {
        QRgb topLeft;
        QRgb bottomRight;
    };
    const Ring rings[] = {{border, border},     {0xff000000, 0xff000000}, {outerHi, outerSh},
                          {outerCol, outerCol}, {innerSh, innerHi},       {0xff000000, 0xff000000},
                          {innerCol, innerCol}};
    const int r = image.width() - 1, bottom = image.height() - 1;
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(image.pixel(k, k), rings[k].topLeft) << "ring " << k;
        EXPECT_EQ(image.pixel(k, 9), rings[k].topLeft) << "ring " << k;
        EXPECT_EQ(image.pixel(10, k), rings[k].topLeft) << "ring " << k;
        EXPECT_EQ(image.pixel(r - k, 9), rings[k].bottomRight) << "ring " << k;
        EXPECT_EQ(image.pixel(10, bottom - k), rings[k].bottomRight) << "ring " << k;
        // The shared corners belong to the bottom and right edges.
        EXPECT_EQ(image.pixel(r - k, k), rings[k].bottomRight) << "ring " << k;
        EXPECT_EQ(image.pixel(k, bottom - k), rings[k].bottomRight) << "ring " << k;
    }
    EXPECT_EQ(image.pixel(7, 7), untouched);
    EXPECT_EQ(image.pixel(r - 7, bottom - 7), untouched);
}

TEST(LedLayout, SizesItselfToWholeColumnsAndSegments) {
    struct Case {
        const char* name;
        int columns, barWidth, clientW, clientH;
        int n, width, height;
    };
    const Case cases[] = {
        {"month, 31 days", 31, 20, 660, 299, 145, 660, 299},
        {"month, 28 days", 28, 20, 660, 299, 145, 597, 299},
        {"month, 30 days", 30, 20, 660, 299, 145, 639, 299},
        {"year", 12, 53, 660, 299, 145, 657, 299},
        {"day chart as described", 144, 2, 441, 226, 108, 441, 225},
        {"day chart of any width", 144, 2, 600, 225, 108, 441, 225},
        {"new chart", 24, 8, 117, 217, 104, 225, 217},
    };
    for (const auto& c : cases) {
        LedSpectrumParams p = params(c.columns, c.barWidth);
        p.Bevel = LedBevelData::chartDefaults();
        const LedSpectrumLayout layout = computeLayout(p, c.clientW, c.clientH);
        EXPECT_EQ(layout.bevel, 5) << c.name;
        EXPECT_EQ(layout.inner, QRect(5, 5, c.clientW - 10, c.clientH - 10)) << c.name;
        EXPECT_EQ(layout.pitch, 2) << c.name;
        EXPECT_EQ(layout.n, c.n) << c.name;
        EXPECT_EQ(layout.width, c.width) << c.name;
        EXPECT_EQ(layout.height, c.height) << c.name;
        // A second layout at the new size is stable.
        const LedSpectrumLayout again = computeLayout(p, layout.width, layout.height);
        EXPECT_EQ(again.n, c.n) << c.name;
        EXPECT_EQ(again.width, c.width) << c.name;
        EXPECT_EQ(again.height, c.height) << c.name;
    }
}

TEST(LedLayout, ColumnsArePlacedByWidthAndSpacing) {
    const LedSpectrumLayout layout = computeLayout(params(31, 20), 660, 299);
    EXPECT_EQ(layout.columnRect(0), QRect(5, 5, 20, 289));
    EXPECT_EQ(layout.columnRect(30), QRect(5 + 30 * 21, 5, 20, 289));
}

TEST(LedLayout, OddValuesStayBoundedAndDrawable) {
    struct Case {
        const char* name;
        int barWidth, barSpacing, tick, spacing, columns;
    };
    const Case cases[] = {
        {"huge bar width", INT_MAX, 1, 1, 1, 3}, {"huge tick", 8, 1, INT_MAX, 1, 3},
        {"huge spacing", 8, 1, 1, INT_MAX, 3},   {"no pitch", 8, 1, 1, -1, 3},
        {"negative pitch", 8, 1, 1, -5, 3},      {"overlapping columns", 8, -20, 3, -1, 5},
    };
    for (const auto& c : cases) {
        LedSpectrumParams p = params(c.columns, c.barWidth);
        p.BarSpacing = c.barSpacing;
        p.TickHeight = c.tick;
        p.Spacing = c.spacing;
        const LedSpectrumLayout layout = computeLayout(p, 100, 80);
        EXPECT_GE(layout.n, 0) << c.name;
        EXPECT_GE(layout.width, 0) << c.name;
        EXPECT_LE(layout.width, kMaxChartSide) << c.name;
        EXPECT_LE(layout.height, kMaxChartSide) << c.name;
        QImage image(100, 80, QImage::Format_RGB32);
        image.fill(Qt::black);
        for (int i = 0; i < c.columns; ++i) drawColumn(image, layout, i, 1000, LedColumnStyle{});
    }
}

TEST(LedArithmetic, LitSegmentsFollowTheExtendedPrecisionRule) {
    struct Case {
        long long value;
        int minValue, maxValue, n, lit;
    };
    const Case cases[] = {
        // day charts
        {50, 0, 100, 108, 54},
        {100, 0, 100, 108, 108},
        {101, 0, 100, 108, 108},
        {500, 0, 100, 108, 108},
        {-5, 0, 100, 108, 0},
        {0, 0, 100, 108, 0},
        // main window: percent 20, 50, 100, 0
        {60, 0, 299, 145, 28},
        {150, 0, 299, 145, 72},
        {299, 0, 299, 145, 145},
        {1, 0, 299, 145, 0},
        // a shifted range
        {15, 10, 20, 100, 50},
        {5, 10, 20, 100, 0},
        // extremes do not overflow
        {INT_MAX, INT_MIN, INT_MAX, 145, 145},
        {INT_MIN, INT_MIN, INT_MAX, 145, 0},
        {INT_MIN, 0, 100, 145, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(litSegments(c.value, c.minValue, c.maxValue, c.n), c.lit)
            << c.value << " in " << c.minValue << ".." << c.maxValue << ", n " << c.n;
}

TEST(LedArithmetic, WholeProductsMayComeOutOneLower) {
    struct Case {
        long long factor, percent, result;
    };
    const Case cases[] = {
        {145, 20, 28},  {145, 40, 57},   {145, 60, 86},  {145, 80, 115},
        {145, 50, 72},  {145, 100, 145}, {215, 60, 128},  // the day chart's lower band
        {289, 60, 173}, {289, 25, 72},   {215, 25, 53},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaleByPercent(c.factor, c.percent), c.result) << c.factor << " x " << c.percent;
    for (int percent = 0; percent <= 200; ++percent)
        EXPECT_EQ(scaleByPercent(108, percent), 108 * percent / 100) << percent;
}

TEST(LedStrips, BandSizesOfTheInstances) {
    struct Case {
        int h, n, pitch;
        bool plain;
        int p1, p2;
    };
    const Case cases[] = {
        {289, 145, 2, false, 173, 72},
        {215, 108, 2, false, 128, 53},
        {289, 145, 2, true, 86 * 2, 36 * 2},  // 145 x 0.6 -> 86, 145 x 0.25 -> 36
    };
    for (const auto& c : cases) {
        const LedBands bands = bandSizes(c.h, c.n, c.pitch, 60, 25, c.plain);
        EXPECT_EQ(bands.p1, c.p1) << c.h << (c.plain ? " plain" : " smooth");
        EXPECT_EQ(bands.p2, c.p2) << c.h << (c.plain ? " plain" : " smooth");
    }
}

TEST(LedStrips, SmoothStripBlendsFromTopToBottom) {
    using namespace ledcolor;
    // Lit shades: C1 lime, C2 yellow, C3 red.
    struct Row {
        int row;
        QRgb color;
    };
    struct Case {
        int h, n;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        // H 289: lower 209, upper 80
        {289,
         145,
         {{0, Red},
          {40, qRgb(255, 127, 0)},
          {80, Yellow},
          {81, Yellow},
          {82, qRgb(255 - 255 / 209, 255, 0)},
          {288, qRgb(255 - 207 * 255 / 209, 255, 0)}}},
        // H 215: lower 154, upper 61; rows 0-61 red to yellow, 62-214 yellow towards lime
        {215,
         108,
         {{0, Red},
          {30, qRgb(255, 125, 0)},
          {60, qRgb(255, 250, 0)},
          {61, Yellow},
          {62, Yellow},
          {63, qRgb(254, 255, 0)},
          {214, qRgb(4, 255, 0)}}},
    };
    for (const auto& c : cases) {
        const auto rows = stripRows(c.h, c.n, 2, 60, 25, false, Lime, Yellow, Red);
        ASSERT_EQ(rows.size(), static_cast<size_t>(c.h));
        for (const auto& r : c.rows)
            EXPECT_EQ(QColor(rows[r.row]), QColor(r.color)) << "H " << c.h << " row " << r.row;
    }
}

TEST(LedStrips, PlainStripHasThreeBandsOfWholeSegments) {
    using namespace ledcolor;
    // n 145 x 0.5 -> 72 segments (144 rows), x 0.3 -> 43 (86 rows); 59 rows remain on top.
    const auto rows = stripRows(289, 145, 2, 50, 30, true, Green, Olive, Maroon);
    ASSERT_EQ(rows.size(), 289u);
    for (int y = 0; y < 289; ++y) {
        const QRgb expected = y < 59 ? Maroon : y < 145 ? Olive : Green;
        ASSERT_EQ(rows[y], expected) << "row " << y;
    }
    const QImage strip = stripImage(rows, 20);
    EXPECT_EQ(strip.size(), QSize(20, 289));
    EXPECT_EQ(strip.pixel(19, 58), Maroon);
    EXPECT_EQ(strip.pixel(0, 59), Olive);
}

TEST(LedStrips, TinyAndOverfullHeightsStayInTheImage) {
    using namespace ledcolor;
    EXPECT_TRUE(stripRows(0, 0, 2, 60, 25, false, Lime, Yellow, Red).empty());
    EXPECT_EQ(stripRows(1, 1, 2, 60, 25, false, Lime, Yellow, Red), std::vector<QRgb>{Red});
    // Percentages above 100 in sum (possible while loading) push the top band out.
    const auto rows = stripRows(10, 5, 2, 80, 80, true, Green, Olive, Maroon);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], Olive);
    EXPECT_EQ(rows[9], Green);
}
