#include "mainwindow/LumetraApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumetra::LumetraApp lumetra;
    lumetra.start();
    return app.exec();
}
