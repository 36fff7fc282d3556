#pragma once
// The day curve window (TForm10): the AC power of one day as 144 ten-minute columns,
// read from the SMA day file of the main window's date or from the archive, and the
// archive of the day on show. Created once, hidden; closing hides it.
#include "data/AppContext.h"
#include "daycurve/DayOnShow.h"
#include "ui/FixedWindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace lumetra {

class TLedSpectrum;

class DayCurveWindow : public ui::FixedWindow {
    Q_OBJECT
public:
    explicit DayCurveWindow(AppContext& context, QWidget* parent = nullptr);

    const DayOnShow& dayOnShow() const { return day_; }
    // The chart panel as the archive stores it: 449 x 232, drawn from the widgets.
    QImage panelPicture() const;

    // The main window's "Tageswerte": reads the main window's day and shows the window.
    void showDayValues();

    void sButton6Click();  // "OK"
    void sButton1Click();  // "Aktualisieren"
    void sButton2Click();  // "Tageswerte archivieren"
    void sButton3Click();  // "Tageswerte aus Archiv einlesen"
    void LedSpectrum1MouseMove(int x, int y);

private:
    // PacMax from the settings field, then ShowInactive and Label2; throws before any change.
    double takeSettingsForRead();
    void showCurve();

    AppContext& context_;
    DayOnShow day_;
    QFrame* panel1_ = nullptr;
    TLedSpectrum* chart_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* archiveButton_ = nullptr;
};

}  // namespace lumetra
