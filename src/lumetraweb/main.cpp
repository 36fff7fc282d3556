#include <QApplication>

#include "WebViewer.h"
#include "base/Files.h"
#include "ui/MessageBoxReporter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Lumetra - Web");
    lumetra::MessageBoxReporter reporter("Lumetra - Web");
    lumetra::ErrorReporter::setCurrent(&reporter);
    lumetra::WebViewer viewer(lumetra::currentDirectory());
    if (!viewer.mainWindow) return 1;
    reporter.setOwner(viewer.mainWindow.get());
    viewer.mainWindow->show();
    const int rc = app.exec();
    lumetra::ErrorReporter::setCurrent(nullptr);
    return rc;
}
