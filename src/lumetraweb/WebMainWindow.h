#pragma once
// The web viewer's main window (TForm1): the date, the day chart, the refresh.
#include <cstdio>
#include <functional>
#include <memory>

#include "BodyFile.h"
#include "ConnectionState.h"
#include "FetchWorker.h"
#include "WebInterfaces.h"
#include "chart/TLedSpectrum.h"
#include "dayfile/LoadDayCurve.h"
#include "ui/FixedWindow.h"

class QLabel;
class QListWidget;

namespace lumetra {

class WebMainWindow : public ui::FixedWindow, public WebViewerActions {
    Q_OBJECT
public:
    // FormCreate: takes the working directory, shows today, clears the power texts.
    explicit WebMainWindow(Path workingDirectory, HttpLimits limits = {},
                           std::unique_ptr<ConnectionProbe> probe = std::make_unique<SystemConnectionProbe>(),
                           QWidget* parent = nullptr);
    ~WebMainWindow() override;

    void setSettings(const WebSettingsFields* settings) { settings_ = settings; }
    void setWindowOpeners(std::function<void()> settingsDialog, std::function<void()> aboutBox,
                          std::function<void()> datePicker);

    // WebViewerActions
    void LMDButton2Click() override;
    void setChartShowInactive(bool show) override { chart_->setShowInactive(show); }
    void setDateText(const std::string& text) override;

    void LedSpectrum1MouseMove(int x);

    bool refreshRunning() const { return fetching_; }
    bool refreshWaiting() const { return refreshWaiting_; }
    const DayCurveResult& day() const { return day_; }
    Path tempPath() const;
    TLedSpectrum* chart() const { return chart_; }

private:
    void startRefresh();
    void finishRefresh(double pacMax, const FetchOutcome& outcome);
    void showDay(double pacMax);
    void showCurve();

    std::unique_ptr<BodyFile> body_;  // TEMP.CSV while a fetch fills it
    Path workingDirectory_;
    std::unique_ptr<ConnectionProbe> probe_;
    const WebSettingsFields* settings_ = nullptr;
    DayCurveResult day_;
    bool fetching_ = false;
    bool refreshWaiting_ = false;
    std::function<void()> showSettings_, showAbout_, showDatePicker_;

    QLabel* label1_;
    QLabel* label2_;
    TLedSpectrum* chart_;
    QListWidget* listBox_;
    QLabel* status_;

    // Last: its thread must end before the rest goes.
    std::unique_ptr<FetchWorker> worker_;
};

}  // namespace lumetra
