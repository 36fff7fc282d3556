#pragma once
// The location editor (TForm3): adds, changes and deletes rows of GLOBAL.DAT. It holds the
// location table; its creation is the table's load at start-up and the first take-over.
#include <array>

#include "data/AppContext.h"
#include "data/LocationTable.h"
#include "settings/Locations.h"
#include "ui/FixedWindow.h"

class QLineEdit;
class QScrollBar;
class QTableView;

namespace lumetra {

class LocationTableModel;
class SettingsDialog;

class LocationEditor : public ui::FixedWindow {
    Q_OBJECT
public:
    // Registers itself with the settings dialog, which must exist already.
    LocationEditor(AppContext& context, SettingsDialog& settings, QWidget* parent = nullptr);

    const LocationTable& table() const { return table_; }
    // Loads GLOBAL.DAT again when it exists and shows it.
    void reloadTable();
    int rememberedRow() const { return rememberedRow_; }

    void ListClick(int row);
    void ListDblClick(int row);
    void HinzufuegenClick();
    void AendernClick();
    void LoeschenClick();
    void AbbruchClick();
    void PvgisClick();  // fills the fields from a PVGIS PV calculation; adds nothing
    void ScrollBar1Change(int value);

private:
    void buildFields();
    void buildList();
    void showTable();
    void updateScrollRange();
    LocationFields fieldTexts() const;

    AppContext& context_;
    SettingsDialog& settings_;
    LocationTable table_;
    int rememberedRow_ = 0;
    std::array<QLineEdit*, kLocationFieldCount> fields_{};  // name, twelve months, yearly yield
    LocationTableModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
};

}  // namespace lumetra
