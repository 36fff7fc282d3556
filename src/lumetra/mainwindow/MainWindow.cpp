#include "MainWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Files.h"
#include "reporting/StatisticsDialog.h"
#include "ui/WindowKit.h"

namespace lumetra {
namespace {

constexpr int kOutOfSight = 1000;
constexpr int kMinYear = 1970;
constexpr int kMaxYear = 2100;

const QColor kSilver(192, 192, 192);

struct Reference {
    ReferenceMode mode;
    const char* hint;
    QColor square;
    QColor caption;
    const char* text;
};
const Reference kReferences[3] = {
    {ReferenceMode::Kwh1000, "1000 kWh/kWp", QColor(255, 0, 0), QColor(255, 0, 0),
     "Tageswerte bei 1000 kWh/kWp lt. Durchschnittstabelle"},
    {ReferenceMode::Prognose, "Prognose", QColor(0, 0, 255), QColor(0, 128, 0),
     "Prognostizierte Tageswerte kWh/kWp"},
    // "Durchschntttliche" misspelt on purpose: users know the caption so.
    {ReferenceMode::Durchschnitt, "Durchschnitt", QColor(255, 255, 0), QColor(255, 255, 0),
     "Durchschntttliche Tageswerte kWh/kWp lt. Durchschnittstabelle"},
};

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setFill(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

const ui::LabelLook kPlain = ui::LabelLook().plain();
const ui::LabelLook kBold = kPlain.bold();

QPixmap square(const QColor& colour) {
    QPixmap pixmap(9, 9);
    pixmap.fill(colour);
    QPainter(&pixmap).drawRect(0, 0, 8, 8);
    return pixmap;
}

// The program icon: a sun over a module.
QPixmap programIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 200, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(22, 9), 7, 7);
    p.setBrush(QColor(20, 50, 120));
    p.setPen(QPen(QColor(200, 200, 220), 1));
    p.drawPolygon(QPolygonF() << QPointF(2, 30) << QPointF(26, 30) << QPointF(20, 17) << QPointF(7, 17));
    return pixmap;
}

}  // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm1", "Lumetra +", QSize(689, 450)}.as(ui::WindowKind::Main), parent),
      context_(context),
      evaluation_(context, *this) {
    buildTopRow();
    buildChartPanel();
    buildButtons();

    Directories& dirs = context_.dirs;
    dirs.working = currentDirectory();
    dirs.data = dirs.working / "DATA";
    dirs.backup = dirs.working;
    dirs.archive = dirs.working;
    context_.autoBackup = true;
    EvaluationState& state = context_.evaluation;
    state.viewMode = ViewMode::Monat;
    state.plantPower = 1.0;
    // Until an evaluation gets that far, the pointer finds no yield rather than no text.
    for (std::size_t d = 1; d < state.dayValueTexts.size(); ++d) state.dayValueTexts[d] = "0,00";
    setSelectedDateText(formatDate(Clock::today()));
    for (QLabel* name : monthNames_) name->hide();
    context_.main = this;
}

MainWindow::~MainWindow() {
    if (context_.main == this) context_.main = nullptr;
}

void MainWindow::buildTopRow() {
    struct Arrow {
        const char* name;
        ArrowDirection direction;
        int left;
        void (MainWindow::*handler)();
    };
    const Arrow arrows[] = {
        {"LedBitmapButton9", ArrowDirection::Left, 16, &MainWindow::LedBitmapButton9Click},
        {"LedBitmapButton1", ArrowDirection::Right, 40, &MainWindow::LedBitmapButton1Click},
        {"LedBitmapButton2", ArrowDirection::Left, 160, &MainWindow::LedBitmapButton2Click},
        {"LedBitmapButton3", ArrowDirection::Right, 184, &MainWindow::LedBitmapButton3Click},
    };
    for (const Arrow& a : arrows) {
        TLedBitmapButton* button = makeArrowButton(this, a.direction);
        button->setObjectName(a.name);
        button->move(a.left, 6);
        ui::connectGuarded(button, &TLedBitmapButton::clicked, this, a.handler);
    }
    monthCaption_ = ui::placeLabel(this, "Label14", "", QRect(64, 8, 90, 14), kBold);
    yearCaption_ = ui::placeLabel(this, "Label21", "", QRect(208, 8, 60, 14), kBold);
    dayValue_ = ui::placeLabel(this, "Label15", "", QRect(440, 8, 113, 14), kBold.align(Qt::AlignRight));
    dateLabel_ = ui::placeLabel(this, "Label1", "", QRect(569, 8, 80, 14), kBold.align(Qt::AlignRight));

    auto* pick = new QToolButton(this);
    pick->setObjectName("sBitBtn4");
    pick->setToolTip(fromCp1252(cp1252FromUtf8("Datum wählen")));
    pick->setText("...");
    pick->setGeometry(656, 6, 25, 17);
    ui::connectGuarded(pick, &QToolButton::clicked, this, &MainWindow::sBitBtn4Click);
}

void MainWindow::buildChartPanel() {
    chartPanel_ = ui::placeBlackPanel(this, "Panel1", QRect(8, 32, 673, 345));

    chart_ = new TLedSpectrum(chartPanel_);
    chart_->setObjectName("LedSpectrum1");
    chart_->setGeometry(8, 15, 660, 299);
    applyBlackBevel(*chart_);
    chart_->setMarkerVisible(false);
    chart_->setMaxValue(299);
    chart_->setBarWidth(20);
    chart_->setColumns(31);
    ui::connectGuarded(chart_, &TLedSpectrum::pointerMoved, this, &MainWindow::LedSpectrum1MouseMove);

    const int dayLefts[] = {21, 104, 205, 309, 415, 520, 625};
    const char* days[] = {"1", "5", "10", "15", "20", "25", "30"};
    for (int i = 0; i < 7; ++i) {
        QLabel* l = ui::placeLabel(chartPanel_, QString("Label%1").arg(28 + i), days[i],
                                   QRect(dayLefts[i], 4, 0, 0), kPlain);
        setTextColour(l, kSilver);
        dayScale_ << l;
    }
    const int monthLefts[] = {24, 73, 135, 193, 247, 299, 355, 401, 445, 506, 555, 609};
    for (int m = 1; m <= 12; ++m) {
        QLabel* l = ui::placeLabel(chartPanel_, QString("Label%1").arg(m + 1), fromCp1252(germanMonthName(m)),
                                   QRect(monthLefts[m - 1], 4, 0, 0), kPlain);
        setTextColour(l, kSilver);
        monthNames_ << l;
    }

    referenceLine_ = new QFrame(chartPanel_);
    referenceLine_->setObjectName("Panel2");
    referenceLine_->setGeometry(9, kOutOfSight, 656, 1);
    setFill(referenceLine_, Qt::red);
    for (int m = 1; m <= 12; ++m) {
        auto* mark = new QFrame(chartPanel_);
        mark->setObjectName(QString("Panel%1").arg(m + 2));
        mark->setGeometry(15 + 54 * (m - 1), kOutOfSight, 49, 1);
        setFill(mark, Qt::yellow);
        monthMarks_ << mark;
    }
    auto* baseline = new QFrame(chartPanel_);
    baseline->setObjectName("Panel15");
    baseline->setGeometry(0, 315, 673, 1);
    setFill(baseline, kSilver);

    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(chartPanel_);
        button->setObjectName(QString("sBitBtn%1").arg(i + 1));
        button->setToolTip(kReferences[i].hint);
        button->setIcon(square(kReferences[i].square));
        button->setCheckable(true);
        button->setGeometry(16 + 24 * i, 321, 17, 17);
        void (MainWindow::*handlers[3])() = {&MainWindow::sBitBtn1Click, &MainWindow::sBitBtn2Click,
                                             &MainWindow::sBitBtn3Click};
        ui::connectGuarded(button, &QToolButton::clicked, this, handlers[i]);
        referenceButtons_[i] = button;
    }
    referenceCaption_ = ui::placeLabel(chartPanel_, "Label22", "", QRect(96, 323, 560, 14), kPlain);
    chooseReference(ReferenceMode::Kwh1000);
}

void MainWindow::buildButtons() {
    struct Button {
        const char* name;
        const char* text;
        QRect place;
        void (MainWindow::*action)();
        bool opensWindow;  // a signal: the program owns those windows and wires it to them
    };
    const Button buttons[] = {
        {"TageswerteButton", "Tageswerte", QRect(8, 384, 89, 25), &MainWindow::dayValuesRequested, true},
        {"MonatButton", "Monat", QRect(104, 384, 89, 25), &MainWindow::MonatClick, false},
        {"JahrButton", "Jahr", QRect(200, 384, 89, 25), &MainWindow::JahrClick, false},
        {"ImportCsvButton", "Import CSV", QRect(352, 384, 89, 25), &MainWindow::csvImportRequested, true},
        {"EinstellungenButton", "Einstellungen", QRect(472, 384, 89, 25), &MainWindow::settingsRequested,
         true},
        {"StatistikButton", "Statistik", QRect(592, 384, 89, 25), &MainWindow::StatistikClick, false},
        {"ManuelleDatenerfassungButton", "Manuelle Datenerfassung", QRect(8, 416, 281, 25),
         &MainWindow::manualEntryRequested, true},
        {"ProgrammendeButton", "Programmende", QRect(472, 416, 89, 25), nullptr, false},
        {"InfoButton", "Info...", QRect(592, 416, 89, 25), &MainWindow::InfoClick, false},
    };
    for (const Button& b : buttons) {
        QPushButton* button = ui::placeButton(this, b.name, b.text, b.place);
        if (!b.action)
            connect(button, &QPushButton::clicked, this, &QWidget::close);  // closeEvent guards itself
        else if (b.opensWindow)
            connect(button, &QPushButton::clicked, this, b.action);
        else
            ui::connectGuarded(button, &QPushButton::clicked, this, b.action);
        if (b.action == &MainWindow::StatistikClick) statistikButton_ = button;
    }

    auto* icon = new QLabel(this);
    icon->setObjectName("Image1");
    icon->setPixmap(programIcon());
    icon->setGeometry(304, 400, 32, 32);
    // Holds the lines of the day file read last; never shown.
    auto* list = new QListWidget(this);
    list->setObjectName("ListBox");
    list->hide();
}

// --- actions -------------------------------------------------------------------------------

void MainWindow::showMonthView(bool month) {
    for (QLabel* l : dayScale_) l->setVisible(month);
    for (QLabel* l : monthNames_) l->setVisible(!month);
    dayValue_->setVisible(month);
    // Kept consistent before evaluating: a failing evaluation must not leave "Statistik"
    // enabled in the year view or disabled in the month view.
    statistikButton_->setEnabled(month);
    if (!month && statistics_) statistics_->hide();
    context_.evaluation.viewMode = month ? ViewMode::Monat : ViewMode::Jahr;
}

void MainWindow::MonatClick() {
    for (QFrame* mark : monthMarks_) mark->move(mark->x(), kOutOfSight);
    showMonthView(true);
    chart_->setColumns(31);
    chart_->setBarWidth(20);
    Berechnung();
}

void MainWindow::JahrClick() {
    referenceLine_->move(referenceLine_->x(), kOutOfSight);
    showMonthView(false);
    chart_->setColumns(12);
    chart_->setBarWidth(53);
    Berechnung();
}

void MainWindow::LedBitmapButton9Click() {
    EvaluationState& s = context_.evaluation;
    if (s.viewMode != ViewMode::Monat) return;
    if (s.selectedMonth > 1) --s.selectedMonth;
    WeiterBerechnung();
}

void MainWindow::LedBitmapButton1Click() {
    EvaluationState& s = context_.evaluation;
    if (s.viewMode != ViewMode::Monat) return;
    if (s.selectedMonth < 12) ++s.selectedMonth;
    WeiterBerechnung();
}

void MainWindow::LedBitmapButton2Click() {
    EvaluationState& s = context_.evaluation;
    if (s.selectedYear > kMinYear) --s.selectedYear;
    WeiterBerechnung();
}

void MainWindow::LedBitmapButton3Click() {
    EvaluationState& s = context_.evaluation;
    if (s.selectedYear < kMaxYear) ++s.selectedYear;
    WeiterBerechnung();
}

void MainWindow::chooseReference(ReferenceMode mode) {
    for (int i = 0; i < 3; ++i) {
        const bool down = kReferences[i].mode == mode;
        referenceButtons_[i]->setChecked(down);
        if (!down) continue;
        referenceCaption_->setText(kReferences[i].text);
        setTextColour(referenceCaption_, kReferences[i].caption);
    }
    context_.evaluation.referenceMode = mode;
}

void MainWindow::sBitBtn1Click() {
    chooseReference(ReferenceMode::Kwh1000);
    WeiterBerechnung();
}
void MainWindow::sBitBtn2Click() {
    chooseReference(ReferenceMode::Prognose);
    WeiterBerechnung();
}
void MainWindow::sBitBtn3Click() {
    chooseReference(ReferenceMode::Durchschnitt);
    WeiterBerechnung();
}

void MainWindow::sBitBtn4Click() {
    context_.datePickerPurpose = "Tagesdatum";
    emit datePickerRequested();
}

void MainWindow::StatistikClick() { ui::bringToFront(statistics_); }

void MainWindow::InfoClick() { ui::bringToFront(about_); }

void MainWindow::LedSpectrum1MouseMove(int x) {
    if (context_.evaluation.viewMode != ViewMode::Monat) return;
    const int column = static_cast<int>((x - 4) / 21.0) + 1;
    // Right of the 31st column (the chart's frame) there is no day: no yield either.
    const std::string text = column >= 1 && column <= 31
                                 ? context_.evaluation.dayValueTexts[static_cast<std::size_t>(column)]
                                 : std::string("0,00");
    dayValue_->setText(fromCp1252(text + " kWh"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // An event, not a signal: its own guard. A failing handler keeps the window open.
    bool mayClose = true;
    if (closeHandler_ && !guarded([&] { mayClose = closeHandler_(); })) mayClose = false;
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

// --- MainWindowActions ---------------------------------------------------------------------

void MainWindow::Berechnung() { evaluation_.Berechnung(); }

void MainWindow::WeiterBerechnung() { evaluation_.WeiterBerechnung(); }

void MainWindow::setReferenceCaption(const std::string& text) {
    referenceCaption_->setText(fromCp1252(text));
}

void MainWindow::setChartShowsInactive(bool show) { chart_->setShowInactive(show); }

void MainWindow::setSelectedDateText(const std::string& text) {
    context_.evaluation.selectedDateText = text;
    dateLabel_->setText(fromCp1252(text));
}

// --- EvaluationSink ------------------------------------------------------------------------

void MainWindow::setMonthCaption(const std::string& text) { monthCaption_->setText(fromCp1252(text)); }

void MainWindow::setYearCaption(const std::string& text) { yearCaption_->setText(fromCp1252(text)); }

void MainWindow::setColumns(int count) { chart_->setColumns(count); }

void MainWindow::setBar(int index, int value) { chart_->Items(index).setValue(value); }

int MainWindow::lineTop(int height) const { return chartPanel_->height() - 30 - height; }

void MainWindow::setReferenceLine(int height, Rgb colour) {
    referenceLine_->move(referenceLine_->x(), lineTop(height));
    setFill(referenceLine_, QColor(colour.red, colour.green, colour.blue));
}

void MainWindow::hideReferenceLine() { referenceLine_->move(referenceLine_->x(), kOutOfSight); }

void MainWindow::setMonthMark(int month, int height) {
    QFrame* mark = monthMarks_[month - 1];
    mark->move(mark->x(), lineTop(height));
}

void MainWindow::setFigure(Figure figure, const std::string& text) {
    if (statistics_) statistics_->setFigure(figure, text);
}

}  // namespace lumetra
