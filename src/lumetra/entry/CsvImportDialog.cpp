#include "CsvImportDialog.h"

#include <QScrollBar>

#include "LineListView.h"
#include "base/Cp1252.h"
#include "ui/Dialogs.h"
#include "ui/WindowKit.h"

namespace lumetra {
CsvImportDialog::CsvImportDialog(AppContext& context, QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm6", "Lumetra - Import CSV", QSize(545, 305)}.withDesktopFont(),
                  parent),
      context_(context) {
    struct Label {
        const char* text;
        QPoint at;
    };
    const Label labels[] = {{"Importdaten", {11, 9}},    {"Datum", {11, 33}},  {"Energie", {113, 33}},
                            {"Originaldaten", {363, 9}}, {"Datum", {363, 33}}, {"Energie", {465, 33}}};
    for (const Label& l : labels) ui::placeLabel(this, QString(), l.text, QRect(l.at, QSize(0, 0)));
    importList_ = new LineListView(this, logic_.importLines(), {100, 70}, "importList",
                                   QRect(8, 48, 175, 217), QRect(188, 48, 17, 217));
    originalList_ = new LineListView(this, logic_.originalLines(), {0, 100, 70}, "originalList",
                                     QRect(360, 46, 175, 219), QRect(339, 46, 17, 219));

    using D = CsvImportDialog;
    ui::placeButtons<D>(
        this, this,
        {
            {"importButton", "CSV importieren", QRect(216, 48, 113, 33), &D::importButtonClick},
            {"takeAllButton", ">>", QRect(216, 88, 113, 33), &D::takeAllButtonClick, "Alle Daten übernehmen"},
            {"takeOneButton", ">", QRect(216, 128, 113, 33), &D::takeOneButtonClick, "Selektiv einfügen"},
            {"cancelButton", "Abbruch", QRect(216, 224, 113, 33), &D::cancelButtonClick},
            {"saveButton", "Speichern", QRect(216, 264, 113, 33), &D::saveButtonClick, "Daten übernehmen"},
            {"clearImportButton", "Liste löschen", QRect(8, 272, 81, 25), &D::clearImportButtonClick},
            {"deleteImportRowButton", "Zeile löschen", QRect(94, 272, 89, 25),
             &D::deleteImportRowButtonClick},
            {"clearOriginalButton", "Liste löschen", QRect(360, 272, 81, 25), &D::clearOriginalButtonClick},
            {"deleteOriginalRowButton", "Zeile löschen", QRect(446, 272, 89, 25),
             &D::deleteOriginalRowButtonClick},
        });
}

void CsvImportDialog::openFromMainWindow() {
    ui::thenAlways([&] { logic_.fillOriginalsIfExists(context_.dirs.data); },
                   [&] {
                       originalList_->refresh();
                       ui::bringToFront(this);
                   });
}

void CsvImportDialog::importButtonClick() {
    // Linux file names are case-sensitive; the filter takes both spellings.
    const QString path = Dialogs::openFileName(this, "CSV importieren", QString(), "CSV-Datei (*.CSV *.csv)");
    if (path.isEmpty()) return;
    ui::thenAlways([&] { logic_.loadCsv(pathFromQt(path)); },
                   [&] {
                       importList_->refresh();
                       importList_->scrollBar()->setValue(0);
                   });
}

void CsvImportDialog::takeAllButtonClick() {
    ui::thenAlways([&] { logic_.takeAll(); }, [&] { originalList_->refresh(); });
}

void CsvImportDialog::takeOneButtonClick() {
    const int row = importList_->selectedRow();
    ui::thenAlways([&] { logic_.takeSelected(row); }, [&] { originalList_->refresh(); });
}

void CsvImportDialog::cancelButtonClick() { hide(); }

void CsvImportDialog::saveButtonClick() {
    logic_.save(context_.dirs.data);
    hide();
}

void CsvImportDialog::clearImportButtonClick() {
    logic_.importLines().clear();
    importList_->refresh();
}

void CsvImportDialog::deleteImportRowButtonClick() {
    removeRowIfAny(logic_.importLines(), importList_->selectedRow());
    importList_->refresh();
}

void CsvImportDialog::clearOriginalButtonClick() {
    logic_.originalLines().clear();
    originalList_->refresh();
}

void CsvImportDialog::deleteOriginalRowButtonClick() {
    removeRowIfAny(logic_.originalLines(), originalList_->selectedRow());
    originalList_->refresh();
}

}  // namespace lumetra
