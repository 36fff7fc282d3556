#pragma once
// The CSV import's two lists without widgets: the file's lines on the left, the day lines
// that will be written to DATEN.DAT on the right. Nothing touches the file before save().
#include <string>

#include "data/DailyYieldList.h"

namespace lumetra {

class CsvImport {
public:
    DelimitedLineList& importLines() { return importLines_; }   // "Importdaten", whole CSV lines
    DailyYieldList& originalLines() { return originalLines_; }  // "Originaldaten", id;Datum;Leistung…

    // Replaces the left list with the file's lines, sorted; a failed read keeps it.
    void loadCsv(const Path& path);
    // Replaces the right list with the file's day lines when it exists; otherwise keeps it.
    bool fillOriginalsIfExists(const Path& dataDirectory);

    // ">>": empties the right list, then converts the left rows top to bottom and stops
    // at the first that holds no date ("'%s' ist kein gültiges Datum"), keeping those taken.
    void takeAll();
    // ">": the whole line at its sorted place, unless its date text is already there.
    // leftRow < 0 does nothing.
    void takeSelected(int leftRow);

    // Writes the right list to DATEN.DAT; "Datei %s kann nicht erstellt werden" keeps the old file.
    void save(const Path& dataDirectory) const;

    static Path filePath(const Path& dataDirectory);

private:
    bool hasDate(const std::string& dateText) const;

    DelimitedLineList importLines_{DelimitedLineList::Order::Sorted};
    DailyYieldList originalLines_;
};

// "Zeile löschen": row < 0 does nothing.
void removeRowIfAny(DelimitedLineList& list, int row);

}  // namespace lumetra
