#include "data/SettingsFile.h"

#include <array>

#include "base/Cp1252.h"
#include "base/Files.h"
#include "base/German.h"
#include "base/ProfileFile.h"
#include "data/SettingsDefaults.h"

namespace lumetra {
namespace {

constexpr std::array kFields{SettingsField::Kwp,      SettingsField::Euro,     SettingsField::Fl,
                             SettingsField::Standort, SettingsField::Prognose, SettingsField::Co2,
                             SettingsField::Backup,   SettingsField::Mail,     SettingsField::SmaDir,
                             SettingsField::SmaPar,   SettingsField::Archiv,   SettingsField::Upload,
                             SettingsField::Data};
constexpr std::array kSwitches{SettingsSwitch::AutoLoad, SettingsSwitch::Bak, SettingsSwitch::Display};

std::string defaultText(SettingsField field, const Directories& dirs) {
    switch (field) {
        case SettingsField::Kwp:
        case SettingsField::Euro:
        case SettingsField::Fl:
        case SettingsField::Prognose:
            return defaults::kMissingNumber;
        case SettingsField::Co2:
            return defaults::kCo2Text;
        case SettingsField::SmaPar:
            return defaults::kMissingSmaNumber;
        case SettingsField::SmaDir:
        case SettingsField::Archiv:
        case SettingsField::Upload:
        case SettingsField::Data:
            return pathText(dirs.working / "DATA");
        case SettingsField::Standort:
        case SettingsField::Backup:
        case SettingsField::Mail:
            break;
    }
    return {};
}

const char* defaultSwitch(SettingsSwitch sw) {
    switch (sw) {
        case SettingsSwitch::AutoLoad:
            return defaults::kMissingAutoUpload;
        case SettingsSwitch::Bak:
            return defaults::kMissingAutoBackup;
        case SettingsSwitch::Display:
            return defaults::kMissingDisplay;
    }
    return "";
}

bool isZero(const std::string& text) { return strToFloat(text) == 0.0; }

void showInactive(AppContext& context, bool show) {
    if (context.main) context.main->setChartShowsInactive(show);
}

}  // namespace

const char* settingsKey(SettingsField field) {
    switch (field) {
        case SettingsField::Kwp:
            return "KWP";
        case SettingsField::Euro:
            return "EURO";
        case SettingsField::Fl:
            return "FL";
        case SettingsField::Standort:
            return "STANDORT";
        case SettingsField::Prognose:
            return "PROGNOSE";
        case SettingsField::Co2:
            return "CO2";
        case SettingsField::Backup:
            return "BACKUP";
        case SettingsField::Mail:
            return "MAIL";
        case SettingsField::SmaDir:
            return "SMADIR";
        case SettingsField::SmaPar:
            return "SMAPAR";
        case SettingsField::Archiv:
            return "ARCHIV";
        case SettingsField::Upload:
            return "UPLOAD";
        case SettingsField::Data:
            return "DATA";
    }
    return "";
}

const char* settingsKey(SettingsSwitch sw) {
    switch (sw) {
        case SettingsSwitch::AutoLoad:
            return "AUTOLOAD";
        case SettingsSwitch::Bak:
            return "BAK";
        case SettingsSwitch::Display:
            return "DISPLAY";
    }
    return "";
}

Path settingsFilePath(const Directories& dirs) { return findFileNoCase(dirs.working, kSettingsFileName); }

void loadSettings(SettingsForm& form, AppContext& context) {
    Directories& dirs = context.dirs;
    form.setText(SettingsField::Data, pathText(dirs.data));
    form.setText(SettingsField::Upload, pathText(dirs.data));

    const ProfileFile file(settingsFilePath(dirs));
    if (!file.exists()) return;

    const ProfileSnapshot values = file.snapshot();
    for (SettingsField field : kFields)
        form.setText(field, values.read(kSettingsSection, settingsKey(field), defaultText(field, dirs)));
    std::array<std::string, kSwitches.size()> switches;
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        switches[i] = values.read(kSettingsSection, settingsKey(kSwitches[i]), defaultSwitch(kSwitches[i]));

    context.evaluation.forecastYield = strToInt(form.text(SettingsField::Prognose));

    // Anything but "1" or "0" leaves the box as it was.
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        if (switches[i] == "1")
            form.setChecked(kSwitches[i], true);
        else if (switches[i] == "0")
            form.setChecked(kSwitches[i], false);
    }

    context.autoBackup = form.checked(SettingsSwitch::Bak);
    if (isZero(form.text(SettingsField::Kwp))) form.setText(SettingsField::Kwp, defaults::kKwpForZero);
    showInactive(context, form.checked(SettingsSwitch::Display));

    const std::string backup = form.text(SettingsField::Backup);
    dirs.backup = backup.empty() ? dirs.working : pathFromText(backup);
    context.evaluation.co2Factor = strToFloat(form.text(SettingsField::Co2));
    dirs.archive = pathFromText(form.text(SettingsField::Archiv));
    dirs.data = pathFromText(form.text(SettingsField::Data));
}

void saveSettings(SettingsForm& form, AppContext& context) {
    Directories& dirs = context.dirs;
    const std::string co2 = form.text(SettingsField::Co2);
    if (co2.empty() || co2 == "0") form.setText(SettingsField::Co2, defaults::kCo2Text);

    const ProfileFile file(settingsFilePath(dirs));
    for (SettingsField field : kFields) file.write(kSettingsSection, settingsKey(field), form.text(field));
    for (SettingsSwitch sw : kSwitches)
        file.write(kSettingsSection, settingsKey(sw), form.checked(sw) ? "1" : "0");

    context.autoBackup = form.checked(SettingsSwitch::Bak);
    context.evaluation.forecastYield = strToInt(form.text(SettingsField::Prognose));

    if (isZero(form.text(SettingsField::Kwp))) form.setText(SettingsField::Kwp, defaults::kKwpForZero);
    showInactive(context, form.checked(SettingsSwitch::Display));

    const double co2Factor = strToFloat(form.text(SettingsField::Co2));
    context.evaluation.co2Factor = co2Factor == 0.0 ? defaults::kCo2Factor : co2Factor;

    const std::string backup = form.text(SettingsField::Backup);
    dirs.backup = backup.empty() ? dirs.working : pathFromText(backup);
    dirs.archive = pathFromText(form.text(SettingsField::Archiv));
    dirs.data = pathFromText(form.text(SettingsField::Data));

    if (!dirExists(dirs.backup) && !createDirectory(dirs.backup) && context.main)
        context.main->setReferenceCaption("Backupverzeichnis kann nicht erstellt werden");

    if (context.main) context.main->WeiterBerechnung();
}

}  // namespace lumetra
