#include "StandInWindows.h"

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

}  // namespace lumetra
