#pragma once
// What the web viewer's windows ask of each other.
#include <string>

namespace lumetra {

// The settings dialog's fields, read at the moment of use (Windows-1252, as typed).
class WebSettingsFields {
public:
    virtual ~WebSettingsFields() = default;
    virtual std::string baseUrl() const = 0;
    virtual std::string smaNumber() const = 0;
    virtual std::string pacMaxText() const = 0;
    virtual bool hideInactive() const = 0;
};

class WebViewerActions {
public:
    virtual ~WebViewerActions() = default;
    virtual void LMDButton2Click() = 0;  // the refresh
    virtual void setChartShowInactive(bool show) = 0;
    virtual void setDateText(const std::string& text) = 0;  // Label1, from the date picker
};

}  // namespace lumetra
