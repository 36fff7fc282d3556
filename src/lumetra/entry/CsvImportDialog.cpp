#include "CsvImportDialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "CsvExport.h"
#include "LineListView.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "ui/Dialogs.h"

namespace lumetra {
namespace {

void label(QWidget* parent, const char* utf8Text, int left, int top) {
    auto* l = new QLabel(QString::fromUtf8(utf8Text), parent);
    l->move(left, top);
    l->adjustSize();
}

QPushButton* button(QWidget* parent, const char* utf8Text, const char* name, const QRect& rect,
                    const char* utf8Hint = nullptr) {
    auto* b = new QPushButton(QString::fromUtf8(utf8Text), parent);
    b->setObjectName(name);
    b->setGeometry(rect);
    if (utf8Hint) b->setToolTip(QString::fromUtf8(utf8Hint));
    return b;
}

}  // namespace

CsvImportDialog::CsvImportDialog(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(context) {
    setObjectName("TForm6");
    setWindowTitle("Lumetra - Import CSV");
    setFixedSize(545, 305);

    label(this, "Importdaten", 11, 9);
    label(this, "Datum", 11, 33);
    label(this, "Energie", 113, 33);
    importList_ = new LineListView(this, logic_.importLines(), {100, 70}, "importList",
                                   QRect(8, 48, 175, 217), QRect(188, 48, 17, 217));

    label(this, "Originaldaten", 363, 9);
    label(this, "Datum", 363, 33);
    label(this, "Energie", 465, 33);
    originalList_ = new LineListView(this, logic_.originalLines(), {0, 100, 70}, "originalList",
                                     QRect(360, 46, 175, 219), QRect(339, 46, 17, 219));

    auto* importButton = button(this, "CSV importieren", "importButton", QRect(216, 48, 113, 33));
    auto* takeAllButton =
        button(this, ">>", "takeAllButton", QRect(216, 88, 113, 33), "Alle Daten übernehmen");
    auto* takeOneButton = button(this, ">", "takeOneButton", QRect(216, 128, 113, 33), "Selektiv einfügen");
    auto* exportButton = button(this, "Exportieren", "exportButton", QRect(216, 176, 113, 33),
                                "Originaldaten als CSV-Datei speichern");
    auto* cancelButton = button(this, "Abbruch", "cancelButton", QRect(216, 224, 113, 33));
    auto* saveButton = button(this, "Speichern", "saveButton", QRect(216, 264, 113, 33), "Daten übernehmen");
    auto* clearImport = button(this, "Liste löschen", "clearImportButton", QRect(8, 272, 81, 25));
    auto* deleteImportRow = button(this, "Zeile löschen", "deleteImportRowButton", QRect(94, 272, 89, 25));
    auto* clearOriginal = button(this, "Liste löschen", "clearOriginalButton", QRect(360, 272, 81, 25));
    auto* deleteOriginalRow =
        button(this, "Zeile löschen", "deleteOriginalRowButton", QRect(446, 272, 89, 25));

    connect(importButton, &QPushButton::clicked, this, &CsvImportDialog::importButtonClick);
    connect(takeAllButton, &QPushButton::clicked, this, &CsvImportDialog::takeAllButtonClick);
    connect(takeOneButton, &QPushButton::clicked, this, &CsvImportDialog::takeOneButtonClick);
    connect(exportButton, &QPushButton::clicked, this, &CsvImportDialog::exportButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &CsvImportDialog::cancelButtonClick);
    connect(saveButton, &QPushButton::clicked, this, &CsvImportDialog::saveButtonClick);
    connect(clearImport, &QPushButton::clicked, this, &CsvImportDialog::clearImportButtonClick);
    connect(deleteImportRow, &QPushButton::clicked, this, &CsvImportDialog::deleteImportRowButtonClick);
    connect(clearOriginal, &QPushButton::clicked, this, &CsvImportDialog::clearOriginalButtonClick);
    connect(deleteOriginalRow, &QPushButton::clicked, this, &CsvImportDialog::deleteOriginalRowButtonClick);
}

void CsvImportDialog::openFromMainWindow() {
    guarded([&] { logic_.fillOriginalsIfExists(context_.dirs.data); });
    originalList_->refresh();
    show();
    raise();
    activateWindow();
}

void CsvImportDialog::importButtonClick() {
    // Linux file names are case-sensitive; the filter takes both spellings.
    const QString path = Dialogs::openFileName(this, "CSV importieren", QString(), "CSV-Datei (*.CSV *.csv)");
    if (path.isEmpty()) return;
    guarded([&] { logic_.loadCsv(toCp1252(path)); });
    importList_->refresh();
    importList_->scrollBar()->setValue(0);
}

void CsvImportDialog::takeAllButtonClick() {
    guarded([&] { logic_.takeAll(); });
    originalList_->refresh();
}

void CsvImportDialog::takeOneButtonClick() {
    const int row = importList_->selectedRow();
    guarded([&] { logic_.takeSelected(row); });
    originalList_->refresh();
}

void CsvImportDialog::exportButtonClick() {
    guarded([&] {
        QString path = Dialogs::saveFileName(this, "CSV exportieren", fromCp1252(context_.dirs.data),
                                             "CSV-Datei (*.csv)");
        if (path.isEmpty()) return;
        if (QFileInfo(path).suffix().isEmpty()) path += path.endsWith(u'.') ? "csv" : ".csv";
        saveCsvExport(toCp1252(path), logic_.originalLines());
    });
}

void CsvImportDialog::cancelButtonClick() { hide(); }

void CsvImportDialog::saveButtonClick() {
    guarded([&] {
        logic_.save(context_.dirs.data);
        hide();
    });
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
