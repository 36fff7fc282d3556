#pragma once
// Widgets need one QApplication for the whole test binary. It is never destroyed:
// tearing it down after Qt's own statics are gone crashes at exit.
#include <QApplication>

namespace lumetra::test {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "lumetra-test";
    static char* argv[] = {name, nullptr};
    // A binary with its own main() may have made one already.
    static QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance())
                                   ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

}  // namespace lumetra::test
