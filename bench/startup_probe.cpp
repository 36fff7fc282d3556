// The desktop program's start-up exactly as main.cpp runs it, watched from outside the
// program's code: at the main window's first paint it writes CLOCK_MONOTONIC (ns) to
// stdout and quits. The caller takes the same clock before it starts this process.
#include <QApplication>
#include <QEvent>
#include <cstdio>
#include <ctime>

#include "mainwindow/LumetraApp.h"

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->objectName() == "TForm1") {
            seen_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    lumetra::LumetraApp lumetra;
    lumetra.start();
    return app.exec();
}
