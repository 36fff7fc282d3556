#pragma once
// A small plant holding one of every file the two programs write, and every save that
// writes them, so a fault in any write path shows in one table.
#include <sys/stat.h>

#include <QImage>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BodyFile.h"
#include "WebSettings.h"
#include "base/Clock.h"
#include "base/Files.h"
#include "daycurve/DayOnShow.h"
#include "entry/CsvImport.h"
#include "entry/ManualEntry.h"
#include "lumetra/settings/SettingsFakes.h"
#include "reporting/ReportFiles.h"
#include "settings/FileTransfer.h"
#include "settings/Locations.h"

namespace lumetra::test {

inline std::string slurp(const Path& path) {
    auto bytes = readFileIfExists(path);
    return bytes ? *bytes : "<missing>";
}

inline void put(const Path& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline std::string twentyDays() {
    std::string out;
    for (int d = 1; d <= 20; ++d) {
        char line[64];
        std::snprintf(line, sizeof line, "200804%02d;%02d.04.2008;%d,5\r\n", d, d, d);
        out += line;
    }
    return out;
}

// The working directory `root` of both programs (upload day 05.03.2009, SMA number 00).
struct Plant {
    explicit Plant(Path rootDir) : root(std::move(rootDir)) {
        for (const char* dir : {"DATA", "BACKUP", "sma", "archiv", "upload"})
            ::mkdir((root / dir).c_str(), 0777);
        put(root / "LUMETRA.INI",
            "[SET]\r\nKWP=9,8\r\nEURO=0,4675\r\nFL=60\r\nSTANDORT=Berlin\r\nPROGNOSE=950\r\nCO2=0,662\r\n"
            "BACKUP=\r\nMAIL=\r\nSMADIR=\r\nSMAPAR=00\r\nARCHIV=\r\n"
            "UPLOAD=\r\nDATA=\r\nAUTOLOAD=0\r\nBAK=1\r\nDISPLAY=1\r\n");
        put(root / "DATA/DATEN.DAT", twentyDays());
        put(root / "DATA/GLOBAL.DAT", "Berlin;2,3;4,2;7,6;11,3;14,2;14,4;14,6;12,4;8,6;5,5;2,7;1,7;890\r\n");
        put(root / "DATA/report.PVS", "{\\rtf1 alt\\par}");
        put(root / pathFromText("DATA/Statistik_M\xE4rz_2009.RTF"), "{\\rtf1 alt\\par}");
        put(root / "BACKUP/DATEN.DAT", "20080401;01.04.2008;1,0\r\n");
        put(root / "BACKUP/GLOBAL.DAT", "Alt;1;1;1;1;1;1;1;1;1;1;1;1;800\r\n");
        put(root / "sma/08071500.suo", slurp(Path(LUMETRA_TEST_DATA) / "dayfiles/08071500.suo"));
        put(root / "sma/09030500.suo", "Datum;Zeit;Pac\r\nheute\r\n");
        put(root / "archiv/08071500.suo", "alt archiviert\r\n");
        put(root / "archiv/TW_080715.bmp", "BM alt");
        put(root / "upload/09030500.suo", "gestern\r\n");
        put(root / "LUMWEB.INI",
            "[SET]\r\nPATH=http://127.0.0.1:8095/pvdaten\r\nPAC=1000\r\nSMA=00\r\nTIME=5\r\n"
            "Display=0\r\nAUTO=1\r\n");
        put(root / "TEMP.CSV", "letzter Abruf\r\n");
    }

    Directories dirs() const { return {root, root / "DATA", root / "BACKUP", root / "archiv"}; }

    // Every regular file below root, by path relative to it.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> out;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_regular_file() && !entry.is_symlink())
                out[std::filesystem::relative(entry.path(), root).native()] = slurp(entry.path());
        return out;
    }

    Path root;
};

// Names of the files that differ between two snapshots, empty when they are alike.
inline std::string differing(const std::map<std::string, std::string>& a,
                             const std::map<std::string, std::string>& b) {
    std::string out;
    for (const auto& [name, bytes] : a)
        if (!b.count(name) || b.at(name) != bytes) out += name + " ";
    for (const auto& [name, bytes] : b)
        if (!a.count(name)) out += name + " ";
    return out;
}

struct SaveCase {
    const char* name;
    std::vector<std::string> targets;  // relative to root; the first is the first written
    bool profile;                      // fails with the settings file's own message
    std::function<void(const Plant&)> run;
};

inline std::vector<SaveCase> everySave() {
    return {
        {"manual entry adds a day",
         {"DATA/DATEN.DAT"},
         false,
         [](const Plant& p) {
             AppContext context;
             context.dirs = p.dirs();
             ManualEntry entry(context);
             entry.fillFromFileIfExists();
             EntryFields fields{"21.04.2008", "3,5"};
             entry.add(fields);
         }},
        {"CSV import saves",
         {"DATA/DATEN.DAT"},
         false,
         [](const Plant& p) {
             CsvImport import;
             import.fillOriginalsIfExists(p.root / "DATA");
             import.originalLines().addSorted("20080421;21.04.2008;3,5");
             import.save(p.root / "DATA");
         }},
        {"settings OK",
         {"LUMETRA.INI"},
         true,
         [](const Plant& p) {
             AppContext context;
             context.dirs = p.dirs();
             FakeForm form;
             form.texts[SettingsField::Kwp] = "10,2";
             saveSettings(form, context);
         }},
        {"location editor adds a row",
         {"DATA/GLOBAL.DAT"},
         false,
         [](const Plant& p) {
             LocationTable table;
             reloadLocations(table, p.root / "DATA");
             FakeForm form;
             LocationFields fields;
             fields.fill("8,3");
             fields[0] = "K\xF6ln";
             fields[13] = "950";
             addLocation(table, fields, form, p.root / "DATA");
         }},
        {"day curve archives a day",
         {"archiv/08071500.suo", "archiv/TW_080715.bmp"},
         false,
         [](const Plant& p) {
             DayOnShow day;
             day.readSmaDay(p.root / "sma", "00", "15.07.2008", 5000);
             QImage picture(449, 232, QImage::Format_RGB32);
             picture.fill(Qt::black);
             day.archive(p.root / "archiv", picture);
         }},
        {"preview saves a statistics file",
         {"DATA/report.PVS"},
         false,
         [](const Plant& p) {
             saveReportFile(p.root / "DATA/report.PVS", {"PV - Statistik", "M\xE4rz 2009"});
         }},
        {"mail writes its attachment",
         {"DATA/Statistik_M\xE4rz_2009.RTF"},
         false,
         [](const Plant& p) {
             saveReportFile(p.root / pathFromText("DATA/Statistik_M\xE4rz_2009.RTF"), {"PV - Statistik"});
         }},
        {"backup",
         {"BACKUP/DATEN.DAT", "BACKUP/GLOBAL.DAT", "BACKUP/report.PVS", "BACKUP/Statistik_M\xE4rz_2009.RTF"},
         false,
         [](const Plant& p) { backupData(p.dirs(), nullptr); }},
        {"restore",
         {"DATA/DATEN.DAT", "DATA/GLOBAL.DAT"},
         false,
         [](const Plant& p) { restoreData(p.dirs(), nullptr); }},
        {"upload",
         {"upload/09030500.suo"},
         false,
         [](const Plant& p) {
             Clock::setToday({2009, 3, 5});
             PlainSettingsFields fields;
             fields.smaDirText = pathText(p.root / "sma");
             fields.uploadDirText = pathText(p.root / "upload");
             uploadToday(fields, nullptr);
         }},
        {"web settings OK",
         {"LUMWEB.INI"},
         true,
         [](const Plant& p) {
             WebSettingsValues values = designWebSettings();
             values.time = "7";
             saveWebSettings(webSettingsPath(p.root), values);
         }},
        {"web viewer stores the fetched day",
         {"TEMP.CSV"},
         false,
         [](const Plant& p) {
             BodyFile body(p.root / "TEMP.CSV");
             const std::string bytes = "Datum;Zeit;Pac\r\nneu\r\n";
             if (std::fwrite(bytes.data(), 1, bytes.size(), body.stream()) != bytes.size())
                 fail(msg::CannotCreate, pathText(p.root / "TEMP.CSV"));
             body.commit();
         }},
    };
}

// The message a failed save of `target` (relative to root) gives, UTF-8.
inline std::string failureMessage(const Plant& plant, const SaveCase& c, const std::string& target) {
    const std::string path = utf8FromCp1252(pathText(plant.root / pathFromText(target)));
    return c.profile ? "nach " + path + " kann nicht geschrieben werden"
                     : "Datei " + path + " kann nicht erstellt werden";
}

}  // namespace lumetra::test
