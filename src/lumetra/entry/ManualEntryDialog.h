#pragma once
// The manual entry dialog (TForm5): adds, changes and deletes daily yields in DailyYieldList,
// saving DATEN.DAT after every change. It is also where the date picker's "Kalender" goes.
#include "ManualEntry.h"
#include "base/DatePicker.h"
#include "ui/FixedWindow.h"

class QLineEdit;
class QPushButton;

namespace lumetra {

class LineListView;

class ManualEntryDialog : public ui::FixedWindow, public DatePickerTarget {
    Q_OBJECT
public:
    // Fills DailyYieldList from DATEN.DAT (creation step at start-up).
    explicit ManualEntryDialog(AppContext& context, QWidget* parent = nullptr);

    // Shown by "..." after the purpose is set to "Kalender"; not owned.
    void setDatePicker(QWidget* datePicker) { datePicker_ = datePicker; }
    // The main window's "Manuelle Datenerfassung": refill from the file when it exists, show.
    void openFromMainWindow();
    // The date picker's "Kalender" result goes into the date field.
    void acceptDate(const std::string& dateText) override;

    ManualEntry& logic() { return logic_; }
    LineListView& list() { return *list_; }

    // Handlers, public for tests.
    void pickerButtonClick();
    void newButtonClick();
    void addButtonClick();
    void changeButtonClick();
    void deleteButtonClick();
    void okButtonClick();
    void listViewClick(int row);
    void listViewDblClick(int row);

private:
    void FormCreate();
    EntryFields fields() const;
    void showFields(const EntryFields& now, const EntryFields& before);
    template <typename Action>
    void runOnFields(Action&& action, bool listChanges);
    void showState();

    AppContext& context_;
    ManualEntry logic_;
    QWidget* datePicker_ = nullptr;
    QLineEdit* dateEdit_;
    QLineEdit* energyEdit_;
    LineListView* list_;
    QPushButton* newButton_;
    QPushButton* addButton_;
    QPushButton* changeButton_;
    QPushButton* deleteButton_;
    QPushButton* okButton_;
};

}  // namespace lumetra
