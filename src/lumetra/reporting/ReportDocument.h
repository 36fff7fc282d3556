#pragma once
// The report document: plain lines in one fixed-pitch font, plus the page header the
// preview puts above every page. Texts are Windows-1252.
#include <string>
#include <vector>

namespace lumetra {

struct PageCaptions {
    std::string left;
    std::string centre;
    std::string right;
    friend bool operator==(const PageCaptions&, const PageCaptions&) = default;
};

struct ReportDocument {
    std::vector<std::string> lines;
    PageCaptions header;  // the footer's captions are always empty
};

}  // namespace lumetra
