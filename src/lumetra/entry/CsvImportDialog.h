#pragma once
// The CSV import dialog (TForm6): the file's lines on the left, the day lines of DATEN.DAT
// on the right; days move left to right and "Speichern" writes the right list.
#include "CsvImport.h"
#include "data/AppContext.h"
#include "ui/FixedWindow.h"

namespace lumetra {

class LineListView;

class CsvImportDialog : public ui::FixedWindow {
    Q_OBJECT
public:
    explicit CsvImportDialog(AppContext& context, QWidget* parent = nullptr);

    // The main window's "Import CSV": the right list from DATEN.DAT when it exists, then show.
    void openFromMainWindow();

    CsvImport& logic() { return logic_; }
    LineListView& importList() { return *importList_; }
    LineListView& originalList() { return *originalList_; }

    // Handlers, public for tests.
    void importButtonClick();
    void takeAllButtonClick();
    void takeOneButtonClick();
    void cancelButtonClick();
    void saveButtonClick();
    void clearImportButtonClick();
    void deleteImportRowButtonClick();
    void clearOriginalButtonClick();
    void deleteOriginalRowButtonClick();

private:
    AppContext& context_;
    CsvImport logic_;
    LineListView* importList_;
    LineListView* originalList_;
};

}  // namespace lumetra
