#include "WebMainWindow.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "WebUrl.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "base/German.h"
#include "chart/DayChartPanel.h"
#include "dayfile/DayFileName.h"
#include "ui/WindowFont.h"

namespace lumetra {
namespace {

QLabel* boldLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

}  // namespace

WebMainWindow::WebMainWindow(Path workingDirectory, HttpLimits limits, std::unique_ptr<ConnectionProbe> probe,
                             QWidget* parent)
    : QWidget(parent),
      workingDirectory_(std::move(workingDirectory)),
      probe_(std::move(probe)),
      worker_(std::make_unique<FetchWorker>(limits)) {
    setObjectName("TForm1");
    setWindowTitle("Lumetra-Web");
    setFixedSize(464, 318);
    setFont(windowFont());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(221, 218, 210));
    setPalette(p);

    Label1 = boldLabel(this, "Label1", fromCp1252(formatDate(Clock::today())));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setGeometry(227, 6, 200, 16);  // right edge at 427

    sBitBtn4 = button(this, "sBitBtn4", "...", QRect(431, 4, 25, 17));
    sBitBtn4->setToolTip(QString::fromUtf8("Datum wählen"));

    Label2 = boldLabel(this, "Label2", "...");
    Label2->setGeometry(14, 6, 200, 16);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 24, 449, 232);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);

    LedSpectrum1 = new TLedSpectrum(Panel1);
    LedSpectrum1->setObjectName("LedSpectrum1");
    LedSpectrum1->setGeometry(4, 4, 441, 226);  // sizes itself to 441 x 225
    applyBlackBevel(*LedSpectrum1);
    LedSpectrum1->setColumns(DayColumns);
    LedSpectrum1->setBarWidth(2);
    LedSpectrum1->setMaxValue(100);
    LedSpectrum1->setMarkerVisible(true);
    connect(LedSpectrum1, &TLedSpectrum::pointerMoved, this,
            [this](int x, int) { LedSpectrum1MouseMove(x); });

    ListBox = new QListWidget(Panel1);
    ListBox->setObjectName("ListBox");
    ListBox->hide();

    LMDButton1 = button(this, "LMDButton1", "Abbruch", QRect(8, 264, 75, 25));
    LMDButton2 = button(this, "LMDButton2", "Aktualisieren", QRect(88, 264, 75, 25));
    LMDButton4 = button(this, "LMDButton4", "Einstellungen", QRect(168, 264, 75, 25));
    LMDButton3 = button(this, "LMDButton3", "Info...", QRect(248, 264, 49, 25));

    Status = boldLabel(this, "Status", "Status: OK");
    Status->setGeometry(10, 296, 450, 16);

    connect(LMDButton1, &QPushButton::clicked, this, [this] { close(); });
    connect(LMDButton2, &QPushButton::clicked, this, [this] { LMDButton2Click(); });
    connect(LMDButton4, &QPushButton::clicked, this, [this] {
        guarded([&] {
            if (showSettings_) showSettings_();
        });
    });
    connect(LMDButton3, &QPushButton::clicked, this, [this] {
        guarded([&] {
            if (showAbout_) showAbout_();
        });
    });
    connect(sBitBtn4, &QPushButton::clicked, this, [this] {
        guarded([&] {
            if (showDatePicker_) showDatePicker_();
        });
    });
}

WebMainWindow::~WebMainWindow() { worker_.reset(); }

void WebMainWindow::setWindowOpeners(std::function<void()> settingsDialog, std::function<void()> aboutBox,
                                     std::function<void()> datePicker) {
    showSettings_ = std::move(settingsDialog);
    showAbout_ = std::move(aboutBox);
    showDatePicker_ = std::move(datePicker);
}

void WebMainWindow::setDateText(const std::string& text) { Label1->setText(fromCp1252(text)); }

Path WebMainWindow::tempPath() const { return workingDirectory_ / "TEMP.CSV"; }

void WebMainWindow::LMDButton2Click() {
    // A refresh asked for meanwhile runs once the current one has ended; never two at once.
    if (fetching_) {
        refreshWaiting_ = true;
        return;
    }
    guarded([&] { startRefresh(); });
}

void WebMainWindow::startRefresh() {
    if (!settings_) return;
    const std::string baseUrl = settings_->baseUrl();
    const ConnectionState state = probe_->query(hostOfUrl(baseUrl));
    if (!state.connected) {
        Status->setText(fromCp1252(notConnectedStatusText()));
        return;
    }
    Status->setText(fromCp1252(connectedStatusText(state.flags)));

    const std::string url =
        dayFileUrl(baseUrl, DayFileName(toCp1252(Label1->text()), settings_->smaNumber()));
    const double pacMax = strToFloat(settings_->pacMaxText());
    day_.lines.clear();
    ListBox->clear();
    LedSpectrum1->setShowInactive(!settings_->hideInactive());

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
        LMDButton2Click();
    }
    if (!outcome.ok)
        guarded([&] { throw LumetraError(outcome.error); });
    else if (!saveError.empty())
        guarded([&] { throw LumetraError(saveError); });
}

void WebMainWindow::showDay(double pacMax) {
    try {
        LoadDayCurve(tempPath(), std::nullopt, pacMax, day_);
    } catch (...) {
        showCurve();  // a file that could not be read has cleared the day already
        throw;
    }
    showCurve();
    for (const std::string& line : day_.lines.lines()) ListBox->addItem(fromCp1252(line));
    if (day_.existed) Label2->clear();
}

void WebMainWindow::showCurve() {
    for (int i = 0; i < DayColumns; ++i)
        LedSpectrum1->Items(i).setValue(day_.curve[static_cast<std::size_t>(i)]);
}

void WebMainWindow::LedSpectrum1MouseMove(int x) {
    if (auto text = dayHoverText(day_.pacTexts, x)) Label2->setText(fromCp1252(*text));
}

}  // namespace lumetra
