#include "WebMainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Lumetra - Web");
    lumetra::WebMainWindow window;
    window.show();
    return app.exec();
}
