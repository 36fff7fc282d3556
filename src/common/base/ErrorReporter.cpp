#include "ErrorReporter.h"

#include <cstdio>

#include "Cp1252.h"
#include "Errors.h"

namespace lumetra {
namespace {

class StderrReporter : public ErrorReporter {
public:
    void showError(const std::string& text) override {
        std::fprintf(stderr, "%s\n", utf8FromCp1252(text).c_str());
    }
};

StderrReporter defaultReporter;
ErrorReporter* currentReporter = &defaultReporter;

}  // namespace

ErrorReporter& ErrorReporter::current() { return *currentReporter; }

void ErrorReporter::setCurrent(ErrorReporter* reporter) {
    currentReporter = reporter ? reporter : &defaultReporter;
}

void reportException(const std::exception& e) { currentReporter->showError(completeErrorText(e.what())); }

}  // namespace lumetra
