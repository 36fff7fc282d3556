#pragma once
// The main window's chart and arrow buttons.
#if __has_include("chart/TLedSpectrum.h")
#include "chart/TLedBitmapButton.h"
#include "chart/TLedSpectrum.h"
#else
#include "mainwindow/ChartStandIn.h"
namespace lumetra {
using standin::applyBlackBevel;
using standin::ArrowDirection;
using standin::makeArrowButton;
using standin::TLedBitmapButton;
using standin::TLedSpectrum;
}  // namespace lumetra
#endif
