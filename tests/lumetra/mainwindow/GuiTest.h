#pragma once
#include <QApplication>

namespace lumetra::test {

// One application object for all window tests of this binary.
inline QApplication& guiApp() {
    static int argc = 1;
    static char arg0[] = "test";
    static char* argv[] = {arg0, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace lumetra::test
