#include "MainWindow.h"

namespace lumetra {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("TForm1");
    setWindowTitle("Lumetra +");
    setFixedSize(689, 450);
}

}  // namespace lumetra
