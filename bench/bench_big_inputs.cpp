// Huge inputs that once froze the windows: each case makes its input in a scratch directory,
// then times the window's work on it once per iteration and reports the peak memory it took
// (the label's "peak N MB": the rise of the process's peak resident size over what it held
// before). A label, not counters: the CSV output wants the same counters in every benchmark.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "datepicker/DatePickerDialog.h"
#include "entry/CsvImportDialog.h"
#include "mainwindow/LumetraApp.h"
#include "reporting/PrintPreviewWindow.h"
#include "settings/LocationEditor.h"
#include "settings/SettingsDialog.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// Peak resident size from now on: the kernel starts the peak afresh at the current size.
class PeakMemory {
public:
    PeakMemory() {
        malloc_trim(0);  // what earlier cases freed would otherwise hide what this one takes
        std::ofstream("/proc/self/clear_refs") << "5";
        start_ = statusKb("VmRSS:");
    }
    double megabytes() const { return static_cast<double>(statusKb("VmHWM:") - start_) / 1024.0; }

private:
    long start_;
};

void writeFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

void label(benchmark::State& state, double peakMegabytes, const std::string& more = {}) {
    state.SetLabel("peak " + std::to_string(static_cast<long>(peakMegabytes + 0.5)) + " MB" +
                   (more.empty() ? "" : " " + more));
}

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Runs `work` once per iteration; the highest rise of peak memory over the runs. `work`
// keeps its windows in its own scope, so each run ends with them gone.
template <typename Work>
double peakOfRuns(benchmark::State& state, Work work) {
    double peak = 0;
    for (auto _ : state) {
        PeakMemory memory;
        work();
        peak = std::max(peak, memory.megabytes());
    }
    return peak;
}

// A plant kept in `dir`, its data in DATA.
AppContext plantIn(const QTemporaryDir& dir) {
    AppContext context;
    context.dirs = {dir.path().toStdString(), dir.filePath("DATA").toStdString(), dir.path().toStdString(),
                    dir.path().toStdString()};
    return context;
}

// Start-up on a DATEN.DAT whose energy field is `MB` megabytes, with the error box it brings.
void BM_BigEnergyFieldStartup(benchmark::State& state) {
    QTemporaryDir dir;
    std::string daten = "20240101;01.01.2024;12,5\r\n20240102;02.01.2024;";
    daten.append(static_cast<std::size_t>(state.range(0)) << 20, '7');
    daten += "x\r\n";
    writeFile(dir.filePath("DATA/DATEN.DAT"), daten);
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Dialogs::setTestMode(true);
    const double peak = peakOfRuns(state, [&] {
        Dialogs::shownMessages().clear();
        LumetraApp app;
        app.start();
        settle();
        // What the error dialog would lay out.
        for (const ShownMessage& shown : Dialogs::shownMessages()) {
            QMessageBox box(QMessageBox::Critical, shown.caption, shown.text, QMessageBox::Ok);
            benchmark::DoNotOptimize(box.sizeHint());
        }
    });
    label(state, peak, std::to_string(Dialogs::shownMessages().size()) + " messages");
    Dialogs::setTestMode(false);
    QDir::setCurrent(home);
}

// The CSV import of a file whose one line holds a field of `MB` megabytes, shown and painted.
void BM_BigCsvLineImport(benchmark::State& state) {
    QTemporaryDir dir;
    std::string csv = "01.04.2008;";
    csv.append(static_cast<std::size_t>(state.range(0)) << 20, '5');
    csv += "\r\n02.04.2008;7\r\n";
    writeFile(dir.filePath("big.csv"), csv);
    AppContext context = plantIn(dir);
    Dialogs::setTestMode(true);
    RecordingReporter reporter;
    const double peak = peakOfRuns(state, [&] {
        CsvImportDialog dialog(context);
        Dialogs::setNextFileName(dir.filePath("big.csv"));
        dialog.importButtonClick();
        for (int paint = 0; paint < 5; ++paint) benchmark::DoNotOptimize(dialog.grab());
    });
    Dialogs::setTestMode(false);
    label(state, peak);
}

// Opening a statistics file of `MB` megabytes of text in the print preview.
void BM_BigReportOpen(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string line =
        "   Erbrachte Energie am Tag: 12,5 kWh, vermiedene Emission 8,3 kg, Ertrag 5,84 Euro,"
        " und so weiter bis zum Zeilenende\r\n";
    std::string text;
    const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
    text.reserve(size + line.size());
    while (text.size() < size) text += line;
    writeFile(dir.filePath("big.PVS"), text);
    AppContext context;
    context.dirs.data = dir.path().toStdString();
    Dialogs::setTestMode(true);
    RecordingReporter reporter;
    int pages = 0;
    const double peak = peakOfRuns(state, [&] {
        PrintPreviewWindow preview(context);
        Dialogs::setNextFileName(dir.filePath("big.PVS"));
        preview.openClick();
        settle();
        pages = preview.pageCount();
    });
    Dialogs::setTestMode(false);
    label(state, peak, std::to_string(pages) + " pages");
}

// The location editor on a GLOBAL.DAT of `rows` rows, created and painted.
void BM_BigLocationTable(benchmark::State& state) {
    QTemporaryDir dir;
    std::string table;
    for (int row = 0; row < state.range(0); ++row)
        table +=
            "Ort " + std::to_string(row) + ";1,9;3,6;7,2;10,9;14,2;14,9;14,6;12,4;8,7;5,6;2,4;1,6;890\r\n";
    writeFile(dir.filePath("DATA/GLOBAL.DAT"), table);
    AppContext context = plantIn(dir);
    Dialogs::setTestMode(true);
    RecordingReporter reporter;
    const double peak = peakOfRuns(state, [&] {
        SettingsDialog settings(context);
        LocationEditor editor(context, settings);
        benchmark::DoNotOptimize(editor.grab());
    });
    Dialogs::setTestMode(false);
    label(state, peak);
}

// The date picker on a JAHRE.DAT of `rows` lines.
void BM_BigYearList(benchmark::State& state) {
    QTemporaryDir dir;
    std::string years;
    for (int row = 0; row < state.range(0); ++row) years += std::to_string(1900 + row % 125) + "\r\n";
    writeFile(dir.filePath("JAHRE.DAT"), years);
    RecordingReporter reporter;
    const double peak = peakOfRuns(state, [&] {
        DatePickerDialog picker(dir.path().toStdString(), nullptr);
        benchmark::DoNotOptimize(picker.grab());
    });
    label(state, peak);
}

}  // namespace

BENCHMARK(BM_BigEnergyFieldStartup)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BigCsvLineImport)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BigReportOpen)->Arg(65)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BigLocationTable)->Arg(2000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BigYearList)->Arg(2000000)->Unit(benchmark::kMillisecond)->Iterations(1);
