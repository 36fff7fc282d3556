#include "WebMainWindow.h"

#include <QListWidget>

#include "WebUrl.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "base/German.h"
#include "chart/DayChartPanel.h"
#include "dayfile/DayFileName.h"
#include "ui/WindowKit.h"

namespace lumetra {
WebMainWindow::WebMainWindow(Path workingDirectory, HttpLimits limits, std::unique_ptr<ConnectionProbe> probe,
                             QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm1", "Lumetra-Web", QSize(464, 318)}.as(ui::WindowKind::Main), parent),
      workingDirectory_(std::move(workingDirectory)),
      probe_(std::move(probe)),
      worker_(std::make_unique<FetchWorker>(limits)) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(221, 218, 210));
    setPalette(p);

    const ui::LabelLook bold = ui::LabelLook().bold();
    // Right edge at 427.
    label1_ = ui::placeLabel(this, "Label1", fromCp1252(formatDate(Clock::today())), QRect(227, 6, 200, 16),
                             bold.align(Qt::AlignRight | Qt::AlignTop));
    auto* pick = ui::placeButton(this, "sBitBtn4", "...", QRect(431, 4, 25, 17),
                                 ui::ButtonLook().tip(QString::fromUtf8("Datum wählen")));
    label2_ = ui::placeLabel(this, "Label2", "...", QRect(14, 6, 200, 16), bold);

    const DayChartPanel dayChart = makeDayChartPanel(this, QRect(8, 24, 449, 232));
    chart_ = dayChart.chart;
    listBox_ = new QListWidget(dayChart.panel);
    listBox_->setObjectName("ListBox");
    listBox_->hide();

    auto* cancel = ui::placeButton(this, "LMDButton1", "Abbruch", QRect(8, 264, 75, 25));
    auto* refresh = ui::placeButton(this, "LMDButton2", "Aktualisieren", QRect(88, 264, 75, 25));
    auto* settings = ui::placeButton(this, "LMDButton4", "Einstellungen", QRect(168, 264, 75, 25));
    auto* info = ui::placeButton(this, "LMDButton3", "Info...", QRect(248, 264, 49, 25));
    status_ = ui::placeLabel(this, "Status", "Status: OK", QRect(10, 296, 450, 16), bold);

    ui::connectGuarded(chart_, &TLedSpectrum::pointerMoved, this, &WebMainWindow::LedSpectrum1MouseMove);
    ui::connectGuarded(cancel, &QPushButton::clicked, this, [this] { close(); });
    ui::connectGuarded(refresh, &QPushButton::clicked, this, &WebMainWindow::LMDButton2Click);
    ui::connectGuarded(settings, &QPushButton::clicked, this, [this] {
        if (showSettings_) showSettings_();
    });
    ui::connectGuarded(info, &QPushButton::clicked, this, [this] {
        if (showAbout_) showAbout_();
    });
    ui::connectGuarded(pick, &QPushButton::clicked, this, [this] {
        if (showDatePicker_) showDatePicker_();
    });
}

WebMainWindow::~WebMainWindow() { worker_.reset(); }

void WebMainWindow::setWindowOpeners(std::function<void()> settingsDialog, std::function<void()> aboutBox,
                                     std::function<void()> datePicker) {
    showSettings_ = std::move(settingsDialog);
    showAbout_ = std::move(aboutBox);
    showDatePicker_ = std::move(datePicker);
}

void WebMainWindow::setDateText(const std::string& text) { label1_->setText(fromCp1252(text)); }

Path WebMainWindow::tempPath() const { return workingDirectory_ / "TEMP.CSV"; }

void WebMainWindow::LMDButton2Click() {
    // A refresh asked for meanwhile runs once the current one has ended; never two at once.
    if (fetching_) {
        refreshWaiting_ = true;
        return;
    }
    startRefresh();
}

void WebMainWindow::startRefresh() {
    if (!settings_) return;
    const std::string baseUrl = settings_->baseUrl();
    const ConnectionState state = probe_->query(hostOfUrl(baseUrl));
    if (!state.connected) {
        status_->setText(fromCp1252(notConnectedStatusText()));
        return;
    }
    status_->setText(fromCp1252(connectedStatusText(state.flags)));

    const std::string url =
        dayFileUrl(baseUrl, DayFileName(toCp1252(label1_->text()), settings_->smaNumber()));
    const double pacMax = strToFloat(settings_->pacMaxText());
    day_.lines.clear();
    listBox_->clear();
    chart_->setShowInactive(!settings_->hideInactive());

    const Path path = tempPath();
    body_ = std::make_unique<BodyFile>(path);
    fetching_ = true;
    worker_->start(url, body_->stream(), pathText(path), this,
                   [this, pacMax](const FetchOutcome& outcome) { finishRefresh(pacMax, outcome); });
}

void WebMainWindow::finishRefresh(double pacMax, const FetchOutcome& outcome) {
    // A failed fetch still leaves what arrived; only a failed write keeps the old file.
    std::string saveError;
    try {
        body_->commit();
    } catch (const LumetraError& e) {
        saveError = e.what();
    }
    body_.reset();
    fetching_ = false;
    if (outcome.ok && saveError.empty()) guarded([&] { showDay(pacMax); });
    if (refreshWaiting_) {
        refreshWaiting_ = false;
        guarded([&] { LMDButton2Click(); });
    }
    if (!outcome.ok)
        guarded([&] { throw LumetraError(outcome.error); });
    else if (!saveError.empty())
        guarded([&] { throw LumetraError(saveError); });
}

void WebMainWindow::showDay(double pacMax) {
    // A file that could not be read has cleared the day already.
    ui::thenAlways([&] { LoadDayCurve(tempPath(), std::nullopt, pacMax, day_); }, [&] { showCurve(); });
    for (const std::string& line : day_.lines.lines()) listBox_->addItem(fromCp1252(line));
    if (day_.existed) label2_->clear();
}

void WebMainWindow::showCurve() {
    for (int i = 0; i < DayColumns; ++i) chart_->Items(i).setValue(day_.curve[static_cast<std::size_t>(i)]);
}

void WebMainWindow::LedSpectrum1MouseMove(int x) {
    if (auto text = dayHoverText(day_.pacTexts, x)) label2_->setText(fromCp1252(*text));
}

}  // namespace lumetra
