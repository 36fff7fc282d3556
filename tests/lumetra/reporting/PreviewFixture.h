#pragma once
// A preview window over a scratch data directory, with dialogs and errors recorded.
#include <gtest/gtest.h>

#include <memory>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "data/AppContext.h"
#include "reporting/BuildReport.h"
#include "reporting/PrintPreviewWindow.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

namespace lumetra::test {

inline ReportInput demoReportInput(const std::string& month = "Juli", const std::string& year = "2008") {
    ReportInput in;
    in.monthName = month;
    in.year = year;
    for (const std::string& name : reportLabelNames()) in.labels[name] = "   12.34 kWh";
    in.labels["Label25"] = "     51.43 Euro";
    in.labels["Label24"] = "   1096.57 Euro";
    in.labels["Label27"] = "   3456.78 Euro";
    in.dayCount = 31;
    for (int d = 1; d <= 31; ++d)
        in.dayValueTexts[static_cast<std::size_t>(d)] = std::to_string(d % 9 * 3) + ",25";
    in.price = "0,4675";
    in.co2 = "0,662";
    return in;
}

class PreviewFixture : public ::testing::Test {
protected:
    PreviewFixture() {
        Dialogs::setTestMode(true);
        ctx.dirs.data = data.path();
        ctx.evaluation.selectedMonth = 7;
        ctx.evaluation.selectedYear = 2008;
        window = std::make_unique<PrintPreviewWindow>(ctx);
    }

    std::vector<std::string> errors() const { return reporter.errors; }
    // A handler as its button runs it: through the error path.
    void run(void (PrintPreviewWindow::*handler)()) {
        guarded([&] { (window.get()->*handler)(); });
    }

    TempDir data;
    AppContext ctx;
    RecordingReporter reporter;
    std::unique_ptr<PrintPreviewWindow> window;
};

}  // namespace lumetra::test
