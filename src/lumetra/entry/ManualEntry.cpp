#include "ManualEntry.h"

#include "base/Clock.h"
#include "base/Files.h"
#include "base/German.h"

namespace lumetra {

Path ManualEntry::filePath() const { return findFileNoCase(context_.dirs.data, DailyYieldList::kFileName); }

bool ManualEntry::fillFromFileIfExists() {
    const Path path = filePath();
    if (!fileExists(path)) return false;
    context_.yields.loadFromFile(path);
    return true;
}

void ManualEntry::neu(EntryFields& fields) {
    buttons_ = EntryButtons{true, false, false};
    fields.date = formatDate(Clock::today());
    fields.energy = "0";
}

void ManualEntry::add(EntryFields& fields) {
    if (fields.energy.empty()) fields.energy = "0";
    const std::string id = formatDateId(strToDate(fields.date));
    strToFloat(fields.energy);  // the evaluation would stop at it on every run
    DailyYieldList& list = context_.yields;
    for (int i = 0; i < list.count(); ++i)
        if (list.field(i, DailyYieldList::Datum) == fields.date) return;
    list.appendLine(DailyYieldList::makeLine(id, fields.date, fields.energy));
    save();
    fields.energy = "0";
}

void ManualEntry::rowClicked(int row) {
    if (row < 0) return;
    rememberedRow_ = row;
    buttons_.add = false;
    buttons_.change = false;
    buttons_.remove = true;
}

void ManualEntry::rowDoubleClicked(int row, EntryFields& fields) {
    if (row < 0 || row >= context_.yields.count()) return;
    rememberedRow_ = row;
    buttons_.add = false;
    buttons_.remove = false;
    buttons_.change = true;
    fields.date = context_.yields.field(row, DailyYieldList::Datum);
    fields.energy = context_.yields.field(row, DailyYieldList::Leistung);
}

void ManualEntry::change(EntryFields& fields) {
    if (fields.energy.empty()) fields.energy = "0";
    if (fields.date.empty()) return;
    // Checked like "Hinzufügen": a stored non-date would stop every later evaluation.
    strToDate(fields.date);
    strToFloat(fields.energy);
    // The id stays: the line keeps its place by its old date until the next refill.
    context_.yields.setField(rememberedRow_, DailyYieldList::Datum, fields.date);
    context_.yields.setField(rememberedRow_, DailyYieldList::Leistung, fields.energy);
    save();
}

void ManualEntry::remove(int selectedRow) {
    if (selectedRow >= 0 && selectedRow < context_.yields.count()) context_.yields.remove(selectedRow);
    save();
}

void ManualEntry::save() { context_.yields.saveToFile(filePath()); }

}  // namespace lumetra
