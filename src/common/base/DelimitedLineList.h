#pragma once
// An ordered list of 8-bit text lines (Windows-1252) whose fields are separated by ";".
// The sorted variant keeps ascending text order (letter case ignored, equal lines
// in the order they came) for lines it loads or adds sorted; appended lines stay at the end.
#include <string>
#include <string_view>
#include <vector>

#include "Files.h"

namespace lumetra {

// Field rules, also used on single lines.
std::string lineField(std::string_view line, int number);
std::string withLineField(std::string_view line, int number, std::string_view text);

// CR LF, lone CR and lone LF end a line; a NUL ends the text; a final line end adds no line.
std::vector<std::string> splitLines(std::string_view bytes);

// splitLines over text that comes in pieces (a line may span pieces).
class LineSplitter {
public:
    void feed(std::string_view bytes);
    std::vector<std::string> finish();

private:
    std::vector<std::string> lines_;
    std::string partial_;
    bool afterCr_ = false;
    bool ended_ = false;
};
// Every line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// Case-blind "less than" of the sorted lists.
bool lineLess(std::string_view a, std::string_view b);

class DelimitedLineList {
public:
    enum class Order { Sorted, Unsorted };
    explicit DelimitedLineList(Order order = Order::Sorted) : order_(order) {}

    int count() const { return static_cast<int>(lines_.size()); }
    // Index outside 0 … count-1 throws the list index error.
    const std::string& line(int index) const;
    std::string field(int index, int number) const;
    // An index at or beyond count does nothing.
    void setField(int index, int number, std::string_view text);
    void appendLine(std::string line);
    void addSorted(std::string line);
    void remove(int index);
    void clear() { lines_.clear(); }
    // Replaces the content with the file's lines (sorted in the sorted variant).
    // Throws "Datei %s kann nicht geöffnet werden".
    void loadFromFile(const Path& path);
    void loadFromBytes(std::string_view bytes);
    // Safe save; throws "Datei %s kann nicht erstellt werden", the old file stays whole.
    void saveToFile(const Path& path) const;

    bool sorted() const { return order_ == Order::Sorted; }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    void checkIndex(int index) const;
    void setLines(std::vector<std::string> lines);

    Order order_;
    std::vector<std::string> lines_;
};

}  // namespace lumetra
