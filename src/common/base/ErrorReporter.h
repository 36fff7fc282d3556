#pragma once
// The one error path: every event handler and creation step runs through `guarded`,
// which hands the completed German text of any exception to the current reporter.
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lumetra {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Windows-1252 text, already completed.
    virtual void showError(const std::string& text) = 0;
    // A failure whose box has a caption of its own instead of the program's title.
    virtual void showCaptionedError(const std::string& caption, const std::string& text) {
        (void)caption;
        showError(text);
    }

    static ErrorReporter& current();
    // Not owned; nullptr restores the default (stderr) reporter.
    static void setCurrent(ErrorReporter* reporter);
};

// Collects the texts instead of showing them (tests).
class RecordingReporter : public ErrorReporter {
public:
    RecordingReporter() : previous_(&ErrorReporter::current()) { ErrorReporter::setCurrent(this); }
    ~RecordingReporter() override { ErrorReporter::setCurrent(previous_); }
    void showError(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;

private:
    ErrorReporter* previous_;
};

void reportException(const std::exception& e);

// Runs `action`; an exception ends it and is reported. Returns false when it failed.
template <typename Action>
bool guarded(Action&& action) {
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const std::exception& e) {
        reportException(e);
    } catch (...) {
        reportException(std::runtime_error("Unbekannter Fehler"));
    }
    return false;
}

}  // namespace lumetra
