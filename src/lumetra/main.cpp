#include "mainwindow/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Lumetra - Lumetrascope");
    lumetra::MainWindow window;
    window.show();
    return app.exec();
}
