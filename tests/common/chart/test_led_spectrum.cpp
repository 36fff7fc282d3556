#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "chart/TLedSpectrum.h"
#include "support/QtApp.h"

using namespace lumetra;

namespace {

class LedSpectrumTest : public ::testing::Test {
protected:
    void SetUp() override { lumetra::test::qtApp(); }

    // The day chart of the day curve window and the web viewer.
    void makeDayChart(TLedSpectrum& chart) {
        chart.beginLoading();
        chart.setGeometry(4, 4, 441, 226);
        applyBlackBevel(chart);
        chart.setColumns(144);
        chart.setBarWidth(2);
        chart.endLoading();
    }

    // The main window's month view.
    void makeMonthChart(TLedSpectrum& chart) {
        chart.beginLoading();
        chart.setGeometry(8, 15, 660, 299);
        applyBlackBevel(chart);
        chart.setColumns(31);
        chart.setBarWidth(20);
        chart.setMaxValue(299);
        chart.setMarkerVisible(false);
        chart.endLoading();
    }

    // Colour of segment k (0 at the top) of column `column`, at the column's left pixel.
    static QRgb segment(const TLedSpectrum& chart, int column, int k) {
        const auto& l = chart.layout();
        return chart.image().pixel(l.columnLeft(column), l.inner.top() + k * l.pitch);
    }
    static QRgb strip(const std::vector<QRgb>& rows, int k, int pitch) {
        return rows[static_cast<size_t>(k * pitch)];
    }

    // Segments of a column that show the active strip or the marker, counted from the bottom.
    static int litRows(const TLedSpectrum& chart, int column) {
        const auto& l = chart.layout();
        int lit = 0;
        for (int k = l.n - 1; k >= 0; --k) {
            const QRgb c = segment(chart, column, k);
            if (c != strip(l.activeStrip, k, l.pitch) && c != chart.MarkerColor().rgb()) break;
            ++lit;
        }
        return lit;
    }
};

TEST_F(LedSpectrumTest, NewChartHasTheDefaults) {
    TLedSpectrum chart;
    EXPECT_EQ(chart.size(), QSize(117, 217));
    EXPECT_EQ(chart.Columns(), 24);
    EXPECT_EQ(chart.Count(), 24);
    EXPECT_EQ(chart.BarWidth(), 8);
    EXPECT_EQ(chart.BarSpacing(), 1);
    EXPECT_EQ(chart.TickHeight(), 1);
    EXPECT_EQ(chart.Spacing(), 1);
    EXPECT_EQ(chart.MinValue(), 0);
    EXPECT_EQ(chart.MaxValue(), 100);
    EXPECT_EQ(chart.Percent1(), 60);
    EXPECT_EQ(chart.Percent2(), 25);
    EXPECT_FALSE(chart.PlainColors());
    EXPECT_TRUE(chart.ShowInactive());
    EXPECT_TRUE(chart.MarkerVisible());
    EXPECT_EQ(chart.MarkerColor(), QColor(255, 255, 255));
    EXPECT_EQ(chart.Color(), QColor(0, 0, 0));
    EXPECT_EQ(chart.Palette1().Low(), QColor(0, 128, 0));
    EXPECT_EQ(chart.Palette1().High(), QColor(0, 255, 0));
    EXPECT_EQ(chart.Palette2().Low(), QColor(128, 128, 0));
    EXPECT_EQ(chart.Palette2().High(), QColor(255, 255, 0));
    EXPECT_EQ(chart.Palette3().Low(), QColor(128, 0, 0));
    EXPECT_EQ(chart.Palette3().High(), QColor(255, 0, 0));
    EXPECT_EQ(chart.Bevel().InnerWidth(), 2);
    EXPECT_EQ(chart.Bevel().InnerColor(), QColor(0, 0, 0));
    EXPECT_EQ(chart.Bevel().width(), 5);
    EXPECT_FALSE(chart.layout().valid);
    for (int i = 0; i < chart.Count(); ++i) EXPECT_EQ(chart.Items(i).Value(), 0);
    EXPECT_TRUE(chart.hasMouseTracking());
}

TEST_F(LedSpectrumTest, ItemsOutsideTheColumnsThrowTheListIndexError) {
    TLedSpectrum chart;
    for (int index : {-1, 24, 1000}) {
        try {
            chart.Items(index);
            ADD_FAILURE() << index;
        } catch (const LumetraError& e) {
            EXPECT_EQ(utf8FromCp1252(e.what()),
                      "Der Index der Liste überschreitet das Maximum (" + std::to_string(index) + ")");
        }
    }
    EXPECT_NO_THROW(chart.Items(23));
}

TEST_F(LedSpectrumTest, SetterRules) {
    TLedSpectrum chart;
    chart.Items(3).setValue(40);

    for (int ignored : {0, -3}) chart.setColumns(ignored);
    EXPECT_EQ(chart.Columns(), 24);
    EXPECT_EQ(chart.Items(3).Value(), 40);
    chart.setColumns(31);
    EXPECT_EQ(chart.Count(), 31);
    for (int i = 0; i < chart.Count(); ++i) EXPECT_EQ(chart.Items(i).Value(), 0);

    chart.setMaxValue(chart.MinValue());
    EXPECT_EQ(chart.MaxValue(), 100);
    chart.setMinValue(chart.MaxValue());
    EXPECT_EQ(chart.MinValue(), 0);
    chart.setMinValue(101);
    EXPECT_EQ(chart.MinValue(), 0);

    chart.setTickHeight(0);
    EXPECT_EQ(chart.TickHeight(), 1);
    chart.setBarWidth(0);
    EXPECT_EQ(chart.BarWidth(), 8);

    chart.setPercent1(80);
    EXPECT_EQ(chart.Percent1(), 75);
    chart.setPercent2(50);
    EXPECT_EQ(chart.Percent2(), 25);
    chart.setPercent1(101);
    EXPECT_EQ(chart.Percent1(), 75);

    chart.beginLoading();
    chart.setPercent1(90);
    chart.setPercent2(30);
    chart.endLoading();
    EXPECT_EQ(chart.Percent1(), 90);
    EXPECT_EQ(chart.Percent2(), 30);
}

TEST_F(LedSpectrumTest, RangeChangesPullColumnsIntoTheRange) {
    TLedSpectrum chart;
    chart.Items(0).setValue(500);
    chart.Items(1).setValue(-20);
    chart.Items(2).setValue(50);
    chart.setMaxValue(299);
    EXPECT_EQ(chart.Items(0).Value(), 299);
    chart.setMaxValue(40);
    EXPECT_EQ(chart.Items(0).Value(), 40);
    EXPECT_EQ(chart.Items(2).Value(), 40);
    chart.setMinValue(-5);
    EXPECT_EQ(chart.Items(1).Value(), -5);
    EXPECT_EQ(chart.Items(2).Value(), 40);
    // Items keep any value they are given.
    chart.Items(3).setValue(1000);
    EXPECT_EQ(chart.Items(3).Value(), 1000);
}

TEST_F(LedSpectrumTest, RangeChangesRedrawEveryColumnOnTheNewScale) {
    TLedSpectrum chart;
    makeDayChart(chart);
    chart.Items(0).setValue(50);
    chart.Items(1).setValue(100);
    chart.setMaxValue(200);
    EXPECT_EQ(litRows(chart, 0), 27);
    EXPECT_EQ(litRows(chart, 1), 54);
    chart.setMinValue(50);
    EXPECT_EQ(litRows(chart, 0), 0);
    EXPECT_EQ(litRows(chart, 1), 35);  // percent 33
}

TEST_F(LedSpectrumTest, SizesItselfForTheViewsOfTheMainWindow) {
    TLedSpectrum chart;
    makeMonthChart(chart);
    EXPECT_EQ(chart.geometry(), QRect(8, 15, 660, 299));
    EXPECT_EQ(chart.layout().n, 145);
    chart.setColumns(28);
    EXPECT_EQ(chart.geometry(), QRect(8, 15, 597, 299));
    chart.setColumns(12);
    chart.setBarWidth(53);
    EXPECT_EQ(chart.geometry(), QRect(8, 15, 657, 299));
    // A size given from outside is only a starting point.
    chart.resize(700, 400);
    chart.fullPaint();
    EXPECT_EQ(chart.size(), QSize(657, 399));
    EXPECT_EQ(chart.image().size(), chart.size());
}

TEST_F(LedSpectrumTest, DayChartShowsLitSegmentsMarkerAndBlackFrame) {
    TLedSpectrum chart;
    makeDayChart(chart);
    ASSERT_EQ(chart.geometry(), QRect(4, 4, 441, 225));
    const auto& l = chart.layout();
    ASSERT_EQ(l.n, 108);

    chart.Items(10).setValue(50);
    chart.Items(11).setValue(100);
    chart.Items(12).setValue(-5);
    chart.Items(143).setValue(500);
    struct Case {
        int column, lit;
    };
    for (const Case c : {Case{10, 54}, Case{11, 108}, Case{12, 0}, Case{13, 0}, Case{143, 108}})
        EXPECT_EQ(litRows(chart, c.column), c.lit) << "column " << c.column;

    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(segment(chart, 10, 108 - 54), white);  // the marker
    EXPECT_EQ(segment(chart, 10, 108 - 55), strip(l.inactiveStrip, 108 - 55, 2));
    EXPECT_EQ(segment(chart, 10, 0), qRgb(128, 0, 0));    // maroon at the top, unlit
    EXPECT_EQ(segment(chart, 10, 107), qRgb(4, 255, 0));  // strip row 214, lit
    EXPECT_EQ(segment(chart, 11, 0), white);
    EXPECT_EQ(segment(chart, 143, 0), white);
    for (int k = 0; k < 108; ++k) ASSERT_NE(segment(chart, 12, k), white) << "no marker on an empty column";

    const QImage& image = chart.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x < 5 || y < 5 || x >= image.width() - 5 || y >= image.height() - 5) {
                ASSERT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            }
    // Column 10 spans x 35 and 36; spacing rows and the gap column stay black.
    for (int y = 6; y < 220; y += 2) {
        EXPECT_EQ(image.pixel(35, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(image.pixel(37, y), qRgb(0, 0, 0)) << y;
    }
    EXPECT_EQ(image.pixel(36, 5), image.pixel(35, 5));
}

TEST_F(LedSpectrumTest, MonthChartHasNoMarkerWhenSwitchedOff) {
    TLedSpectrum chart;
    makeMonthChart(chart);
    const auto& l = chart.layout();
    chart.Items(0).setValue(60);
    chart.Items(1).setValue(299);
    EXPECT_EQ(litRows(chart, 0), 28);
    EXPECT_EQ(litRows(chart, 1), 145);
    EXPECT_EQ(segment(chart, 0, 145 - 28), strip(l.activeStrip, 145 - 28, 2));
    EXPECT_EQ(segment(chart, 1, 0), qRgb(255, 0, 0));
}

TEST_F(LedSpectrumTest, HiddenInactiveSegmentsTakeTheBackground) {
    TLedSpectrum chart;
    makeDayChart(chart);
    chart.setShowInactive(false);
    chart.setColor(QColor(0, 0, 40));
    chart.Items(5).setValue(50);
    for (int k = 0; k < 54; ++k) ASSERT_EQ(segment(chart, 5, k), qRgb(0, 0, 40)) << k;
    EXPECT_EQ(segment(chart, 5, 54), qRgb(255, 255, 255));
    EXPECT_EQ(litRows(chart, 5), 54);
}

TEST_F(LedSpectrumTest, ValueChangeRedrawsOnlyItsColumn) {
    TLedSpectrum chart;
    makeDayChart(chart);
    for (int i = 0; i < 144; ++i) chart.Items(i).setValue(i % 101);
    const QImage before = chart.image().copy();
    chart.Items(20).setValue(80);
    chart.Items(20).setValue(80);
    const QRect column = chart.layout().columnRect(20);
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const bool same = before.pixel(x, y) == chart.image().pixel(x, y);
            if (!same) ++changed;
            if (!column.contains(x, y) || (y - column.top()) % 2 == 1) {
                ASSERT_TRUE(same) << x << "," << y;
            }
        }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(litRows(chart, 20), scaleByPercent(108, 80));
}

TEST_F(LedSpectrumTest, BeforeTheFirstFullPaintValuesDrawNothing) {
    TLedSpectrum chart;
    chart.Items(0).setValue(100);
    EXPECT_FALSE(chart.layout().valid);
    EXPECT_TRUE(chart.image().isNull());
    // The next full paint shows the value.
    chart.fullPaint();
    EXPECT_EQ(litRows(chart, 0), chart.layout().n);
}

TEST_F(LedSpectrumTest, LoadingDefersThePaint) {
    TLedSpectrum chart;
    chart.resize(441, 226);
    chart.beginLoading();
    chart.setColumns(144);
    chart.setBarWidth(2);
    EXPECT_FALSE(chart.layout().valid);
    EXPECT_EQ(chart.size(), QSize(441, 226));
    chart.endLoading();
    EXPECT_EQ(chart.size(), QSize(441, 225));
    EXPECT_EQ(chart.layout().n, 108);
    // What reaches the screen is the off-screen image.
    chart.Items(7).setValue(70);
    EXPECT_EQ(chart.grab().toImage().convertToFormat(QImage::Format_RGB32), chart.image());
}

TEST_F(LedSpectrumTest, PaletteAndBevelChangesRepaint) {
    TLedSpectrum chart;
    makeDayChart(chart);
    chart.Palette3().setLow(QColor(1, 2, 3));
    EXPECT_EQ(segment(chart, 0, 0), qRgb(1, 2, 3));
    TLedPalette palette(QColor(9, 9, 9), QColor(8, 8, 8));
    chart.setPalette3(palette);
    EXPECT_EQ(segment(chart, 0, 0), qRgb(9, 9, 9));
    chart.Bevel().setInnerSpace(3);  // w 7: the chart shrinks by whole segments
    EXPECT_EQ(chart.layout().bevel, 7);
    EXPECT_EQ(chart.layout().n, 106);
    EXPECT_EQ(chart.size(), QSize(445, 225));
}

TEST_F(LedSpectrumTest, ReportsPointerMovesInItsOwnCoordinates) {
    TLedSpectrum chart;
    makeDayChart(chart);
    QSignalSpy spy(&chart, &TLedSpectrum::pointerMoved);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 40), chart.mapToGlobal(QPointF(30, 40)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 30);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 40);
}

}  // namespace
