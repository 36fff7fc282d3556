#include "MessageBoxReporter.h"

#include "Dialogs.h"
#include "base/Cp1252.h"

namespace lumetra {

void MessageBoxReporter::showError(const std::string& text) {
    Dialogs::error(owner_.data(), title_, fromCp1252(text));
}

void MessageBoxReporter::showCaptionedError(const std::string& caption, const std::string& text) {
    Dialogs::error(owner_.data(), fromCp1252(caption), fromCp1252(text));
}

}  // namespace lumetra
