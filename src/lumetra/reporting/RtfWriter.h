#pragma once
// The report document as RTF: one paragraph per line, Courier New 10 point,
// Windows-1252 with escapes, readable by RtfReader and by common word processors.
#include <string>
#include <vector>

namespace lumetra {

class RtfWriter {
public:
    static std::string write(const std::vector<std::string>& lines);
};

}  // namespace lumetra
