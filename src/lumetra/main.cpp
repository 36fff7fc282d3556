#include <QApplication>

#include "mainwindow/LumetraApp.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumetra::LumetraApp lumetra;
    lumetra.start();
    return app.exec();
}
