#pragma once
// What the manual entry dialog does with DailyYieldList, without widgets: the field
// handling of its buttons, their enabled states and the remembered row. Every change is
// saved to DATEN.DAT at once.
#include <string>

#include "data/AppContext.h"

namespace lumetra {

// The dialog's two fields, Windows-1252 text as they stand.
struct EntryFields {
    std::string date;
    std::string energy;
};

struct EntryButtons {
    bool add = true;
    bool change = false;
    bool remove = false;
    friend bool operator==(const EntryButtons&, const EntryButtons&) = default;
};

class ManualEntry {
public:
    explicit ManualEntry(AppContext& context) : context_(context) {}

    // DATEN.DAT in the data directory in use (name found without regard to case).
    Path filePath() const;
    // Replaces the list with the file's lines when the file exists; otherwise keeps it.
    bool fillFromFileIfExists();

    void neu(EntryFields& fields);
    // Throws "'%s' ist kein gültiges Datum" or "'%s' ist kein gültiger Gleitkommawert";
    // a day already listed is refused silently.
    void add(EntryFields& fields);
    void rowClicked(int row);
    // row < 0: no row selected, nothing happens.
    void rowDoubleClicked(int row, EntryFields& fields);
    // Same checks as add; the row keeps its id.
    void change(EntryFields& fields);
    // selectedRow < 0: nothing removed, the list is still written.
    void remove(int selectedRow);

    const EntryButtons& buttons() const { return buttons_; }
    int rememberedRow() const { return rememberedRow_; }
    DailyYieldList& yields() { return context_.yields; }

private:
    void save();

    AppContext& context_;
    EntryButtons buttons_;
    int rememberedRow_ = 0;
};

}  // namespace lumetra
