#pragma once
// The settings dialog (TForm2): LUMETRA.INI's fields, the location choice, the folder
// choosers, backup, restore and upload with the upload timer. Created once at start-up;
// its creation loads the settings. Its fields are the values in use for other windows.
#include <QTimer>
#include <array>

#include "data/AppContext.h"
#include "data/SettingsFile.h"
#include "ui/FixedWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace lumetra {

class LocationEditor;

class SettingsDialog : public ui::FixedWindow, public SettingsFields, public SettingsForm {
    Q_OBJECT
public:
    explicit SettingsDialog(AppContext& context, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // The editor registers itself when it is created after this dialog.
    void setLocationEditor(LocationEditor* editor) { editor_ = editor; }
    const QTimer& uploadTimer() const { return timer1_; }

    // SettingsFields
    std::string kwp() const override { return text(SettingsField::Kwp); }
    std::string euro() const override { return text(SettingsField::Euro); }
    std::string co2() const override { return text(SettingsField::Co2); }
    std::string mail() const override { return text(SettingsField::Mail); }
    Path smaDir() const override { return pathOf(SettingsField::SmaDir); }
    std::string smaNumber() const override { return text(SettingsField::SmaPar); }
    Path uploadDir() const override { return pathOf(SettingsField::Upload); }
    std::string pacMax() const override;
    Path pathOf(SettingsField field) const;
    bool showInactive() const override { return checked(SettingsSwitch::Display); }

    // SettingsForm
    std::string text(SettingsField field) const override;
    void setText(SettingsField field, const std::string& text) override;
    bool checked(SettingsSwitch sw) const override;
    void setChecked(SettingsSwitch sw, bool on) override;
    void setLocationNames(LocationNames names) override;

    void OKButtonClick();
    void AbbruchButtonClick();
    void SichernButtonClick();
    void RuecksichernButtonClick();
    void UploadButtonClick();
    void StandorteButtonClick();
    void ComboBox1Change();
    void AutoUploadClick(bool on);
    void Timer1Timer();

private:
    void buildPlantFields();
    void buildDirectoryFields();
    void buildButtons();
    QLineEdit* addDirectoryField(SettingsField field, const char* name, const QString& label,
                                 const QString& browseTitle, int top);
    void chooseDirectory(SettingsField field, const QString& title);

    AppContext& context_;
    LocationEditor* editor_ = nullptr;
    std::array<QLineEdit*, 13> edits_{};  // by SettingsField; none for Standort
    std::array<QCheckBox*, 3> boxes_{};   // by SettingsSwitch
    QLineEdit* pacMaxField_ = nullptr;
    QComboBox* locationField_ = nullptr;
    bool settingLocationQuietly_ = false;
    QTimer timer1_;
};

}  // namespace lumetra
