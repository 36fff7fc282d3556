#pragma once
#include <map>
#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "data/AppContext.h"
#include "data/SettingsFile.h"
#include "support/ErrorText.h"

namespace lumetra::test {

// The dialog's fields with their initial contents.
struct FakeForm : SettingsForm {
    std::map<SettingsField, std::string> texts{
        {SettingsField::Kwp, "1"},     {SettingsField::Euro, "0,4675"}, {SettingsField::Fl, "0"},
        {SettingsField::Standort, ""}, {SettingsField::Prognose, "0"},  {SettingsField::Co2, "0,662"},
        {SettingsField::Backup, ""},   {SettingsField::Mail, ""},       {SettingsField::SmaDir, ""},
        {SettingsField::SmaPar, "00"}, {SettingsField::Archiv, ""},     {SettingsField::Upload, ""},
        {SettingsField::Data, ""}};
    std::map<SettingsSwitch, bool> boxes{
        {SettingsSwitch::AutoLoad, false}, {SettingsSwitch::Bak, true}, {SettingsSwitch::Display, true}};
    std::vector<std::string> names;

    std::string text(SettingsField f) const override { return texts.at(f); }
    void setText(SettingsField f, const std::string& t) override { texts[f] = t; }
    bool checked(SettingsSwitch s) const override { return boxes.at(s); }
    void setChecked(SettingsSwitch s, bool on) override { boxes[s] = on; }
    void setLocationNames(LocationNames n) override {
        names.clear();
        for (int i = 0; i < n.count(); ++i) names.emplace_back(n.line(i));
    }
};

struct RecordingMain : MainWindowActions {
    int evaluations = 0;
    std::vector<std::string> captions;
    std::vector<bool> inactiveShown;
    void WeiterBerechnung() override { ++evaluations; }
    void setReferenceCaption(const std::string& text) override { captions.push_back(text); }
    void setChartShowsInactive(bool show) override { inactiveShown.push_back(show); }
    void setSelectedDateText(const std::string&) override {}
};

}  // namespace lumetra::test
