#pragma once
// Reads the text lines out of an RTF document as common word processors and RtfWriter
// write it: paragraphs and line breaks end lines, formatting is dropped, destinations
// such as font and colour tables are skipped. Text is Windows-1252.
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

class RtfReader {
public:
    // True when the bytes start like RTF ("{\rtf", blanks before allowed).
    static bool looksLikeRtf(std::string_view bytes);
    // Throws "Das Laden des Streams ist mißlungen" for malformed RTF (unbalanced groups,
    // a bad hex escape, a cut-off control word).
    static std::vector<std::string> read(std::string_view bytes);
};

}  // namespace lumetra
