#pragma once
// A data directory, a fixed today and a main window that records what it is asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "data/AppContext.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

namespace lumetra::test {

class RecordingMain : public MainWindowActions {
public:
    std::vector<std::string> calls;
    void WeiterBerechnung() override { calls.push_back("WeiterBerechnung"); }
    void setReferenceCaption(const std::string& text) override { calls.push_back("caption " + text); }
    void setChartShowsInactive(bool show) override { calls.push_back(show ? "inactive on" : "inactive off"); }
    void setSelectedDateText(const std::string& text) override { calls.push_back("Label1 " + text); }
};

class EntryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        Dialogs::setTestMode(true);
        Clock::setToday(Date{2008, 4, 20});
        dir.mkdir("DATA");
        context.dirs.working = dir.path();
        context.dirs.data = dir.file("DATA");
        context.main = &main;
    }
    void TearDown() override { Clock::reset(); }

    void writeData(const std::string& bytes) { dir.write("DATA/DATEN.DAT", bytes); }
    std::string data() const { return dir.read("DATA/DATEN.DAT"); }

    TempDir dir;
    RecordingReporter reporter;
    RecordingMain main;
    AppContext context;
};

inline std::string notADate(const std::string& text) {
    return "'" + text + cp1252FromUtf8("' ist kein gültiges Datum.");
}

}  // namespace lumetra::test
