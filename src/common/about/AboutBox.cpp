#include "AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "ui/WindowKit.h"

namespace lumetra {
namespace {

// Lettering pressed into the picture: a dark edge above left, a light one below right.
class SunkenLabel : public QLabel {
public:
    SunkenLabel(const QString& text, int pixelSize, QWidget* parent) : QLabel(text, parent) {
        QFont f("Liberation Sans");
        f.setPixelSize(pixelSize);
        f.setBold(true);
        setFont(f);
        setAlignment(Qt::AlignCenter);
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(font());
        const QRect r = rect();
        p.setPen(QColor(32, 32, 32));
        p.drawText(r.translated(-1, -1), alignment(), text());
        p.setPen(QColor(255, 255, 255));
        p.drawText(r.translated(1, 1), alignment(), text());
        p.setPen(QColor(192, 192, 192));  // silver
        p.drawText(r, alignment(), text());
    }
};

// A sun over a tilted module field at dusk.
QPixmap picture() {
    QPixmap pixmap(192, 184);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 184);
    sky.setColorAt(0, QColor(8, 16, 48));
    sky.setColorAt(0.6, QColor(40, 70, 130));
    sky.setColorAt(1, QColor(230, 140, 40));
    p.fillRect(pixmap.rect(), sky);
    QRadialGradient sun(150, 118, 30);
    sun.setColorAt(0, QColor(255, 240, 150));
    sun.setColorAt(1, QColor(255, 170, 40, 0));
    p.setBrush(sun);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(150, 118), 30, 30);
    // Three rows of modules in perspective.
    for (int row = 0; row < 3; ++row) {
        const int top = 132 + row * 16;
        QPolygonF module;
        module << QPointF(10 + row * 4, top + 12) << QPointF(180 - row * 4, top + 12)
               << QPointF(170 - row * 4, top) << QPointF(20 + row * 4, top);
        p.setBrush(QColor(20, 40, 90));
        p.setPen(QPen(QColor(150, 160, 180), 1));
        p.drawPolygon(module);
        for (int c = 1; c < 8; ++c) {
            const double x0 = 20 + row * 4 + c * (150.0 - row * 8) / 8;
            const double x1 = 10 + row * 4 + c * (170.0 - row * 8) / 8;
            p.drawLine(QPointF(x0, top), QPointF(x1, top + 12));
        }
    }
    return pixmap;
}

}  // namespace

AboutBox::AboutBox(const QString& programName, QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm4", "Info...", QSize(212, 233)}.withDesktopFont().withDialogKeys(),
                  parent) {
    QFrame* panel = ui::placeBlackPanel(this, "Panel1", QRect(8, 8, 196, 188), 2);

    auto* image = new QLabel(panel);
    image->setObjectName("Image1");
    image->setPixmap(picture());
    image->setGeometry(2, 2, 192, 184);

    auto* title = new SunkenLabel(programName, 24, image);
    title->setObjectName("Label1");
    title->setGeometry(0, 16, 192, 32);
    auto* by = new SunkenLabel("by", 13, image);
    by->setObjectName("Label2");
    by->setGeometry(0, 56, 192, 18);
    auto* maker = new SunkenLabel("das Lumetra-Team", 13, image);
    maker->setObjectName("Label3");
    maker->setGeometry(0, 78, 192, 18);

    auto* ok = ui::placeButton(this, "OkButton", "OK", QRect(68, 202, 75, 25), ui::ButtonLook().asDefault());
    ui::connectGuarded(ok, &QPushButton::clicked, this, &AboutBox::OKClick);
}

void AboutBox::OKClick() { hide(); }

}  // namespace lumetra
