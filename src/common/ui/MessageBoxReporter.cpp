#include "MessageBoxReporter.h"

#include "Dialogs.h"
#include "base/Cp1252.h"

namespace lumetra {

void MessageBoxReporter::showError(const std::string& text) {
    Dialogs::error(owner_.data(), title_, fromCp1252(text));
}

}  // namespace lumetra
