#include "WebMainWindow.h"

namespace lumetra {

WebMainWindow::WebMainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("TForm1");
    setWindowTitle("Lumetra-Web");
    setFixedSize(464, 318);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(221, 218, 210));
    setPalette(p);
}

}  // namespace lumetra
