#include "StandInWindows.h"

#include "base/Clock.h"
#include "base/German.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPushButton>

namespace lumetra {

AboutBoxStandIn::AboutBoxStandIn(const QString& programName, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("TForm4");
    setWindowTitle("Info...");
    setFixedSize(300, 200);
    auto* panel = new QFrame(this);
    panel->setGeometry(8, 8, 284, 148);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(192, 192, 192));
    panel->setPalette(black);
    auto* name = new QLabel(programName, panel);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    name->setGeometry(0, 30, 284, 40);
    name->setAlignment(Qt::AlignCenter);
    auto* sunken = new QGraphicsDropShadowEffect(name);
    sunken->setOffset(-1, -1);
    sunken->setBlurRadius(0);
    sunken->setColor(QColor(64, 64, 64));
    name->setGraphicsEffect(sunken);
    auto* credits = new QLabel(QString::fromUtf8("Tagesertrag Ihrer Solaranlage aus dem Netz\n"
                                                 "Entwickelt vom Lumetra-Team"),
                               panel);
    credits->setGeometry(0, 84, 284, 40);
    credits->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(112, 166, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

DatePickerStandIn::DatePickerStandIn(std::function<void(const std::string&)> onChosen, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), onChosen_(std::move(onChosen)) {
    setObjectName("TForm11");
    setWindowTitle("Datum");
    setFixedSize(265, 215);
    calendar_ = new QCalendarWidget(this);
    calendar_->setGeometry(8, 8, 248, 167);
    const Date today = Clock::today();
    calendar_->setSelectedDate(QDate(today.year, today.month, today.day));
    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(8, 184, 57, 25);
    auto* cancel = new QPushButton("Abbruch", this);
    cancel->setGeometry(72, 184, 57, 25);
    connect(ok, &QPushButton::clicked, this, [this] { choose(); });
    connect(calendar_, &QCalendarWidget::activated, this, [this] { choose(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
}

void DatePickerStandIn::choose() {
    const QDate d = calendar_->selectedDate();
    onChosen_(formatDate(Date{d.year(), d.month(), d.day()}));
    hide();
}

}  // namespace lumetra
