// lumetra-demo DIR [dd.mm.yyyy]: makes the demo plant in DIR for the given day (default today).
#include <QCoreApplication>
#include <QDir>
#include <clocale>
#include <cstdio>

#include "DemoPlant.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/Errors.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // Qt took the session's locale; day files are written with "."
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: lumetra-demo DIR [dd.mm.yyyy]\n");
        return 2;
    }
    try {
        lumetra::Date today = argc == 3 ? lumetra::strToDate(argv[2]) : lumetra::Clock::today();
        std::string dir = lumetra::toCp1252(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
        lumetra::demo::makeDemoPlant(dir, LUMETRA_DEMO_SOURCE_DIR, today);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", lumetra::utf8FromCp1252(e.what()).c_str());
        return 1;
    }
    return 0;
}
