#pragma once
// The day shown by the day curve window, and its archive. Lives for the whole run.
#include <QImage>
#include <string>

#include "dayfile/LoadDayCurve.h"

namespace lumetra {

// PacMax from the settings field's text; throws before anything changes when it is no
// number or 0.
double pacMaxFromField(const std::string& fieldText);

// "TW_" + yymmdd + ".bmp" from the date text dd.mm.yyyy.
std::string archivePictureName(const std::string& dateText);

class DayOnShow {
public:
    const DayCurveResult& day() const { return day_; }
    // Whether a day that may be archived is on show: one read from the SMA directory that
    // found its file. An empty or archived day never is, so no archived day gets overwritten
    // by an empty file or by a copy of itself.
    bool archivable() const { return archivable_; }
    // Date text of the day read from the SMA directory; the archive names its files after it,
    // not after the main window's date, which may have moved on meanwhile.
    const std::string& dateText() const { return dateText_; }

    // The day `dateText` from the SMA directory, date-filtered. On a read error the day is
    // left empty and the error is thrown on.
    void readSmaDay(const Path& smaDir, const std::string& smaNumber, const std::string& dateText,
                    double PacMax);
    // A day file chosen from the archive, unfiltered.
    void readArchived(const Path& path, double PacMax);

    // Writes the day file copy, then the picture. Throws "Datei %s kann nicht erstellt werden";
    // a failed copy writes no picture. Returns false (writing nothing) when nothing archivable
    // is on show.
    bool archive(const Path& archiveDir, const QImage& picture) const;

private:
    DayCurveResult day_;
    bool archivable_ = false;
    std::string dateText_;
    std::string dayFileName_;  // DayFileName of dateText_ with the SMA number of its read
};

}  // namespace lumetra
