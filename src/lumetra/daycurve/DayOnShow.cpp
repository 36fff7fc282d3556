#include "DayOnShow.h"

#include <QBuffer>

#include "base/Errors.h"
#include "base/Files.h"
#include "base/German.h"
#include "dayfile/DayFileName.h"

namespace lumetra {

double pacMaxFromField(const std::string& fieldText) {
    const double PacMax = strToFloat(fieldText);
    checkPacMax(PacMax);
    return PacMax;
}

std::string archivePictureName(const std::string& dateText) {
    std::string stem = DayFileName(dateText, "");
    stem.resize(stem.size() - 4);  // ".suo"
    return "TW_" + stem + ".bmp";
}

void DayOnShow::readSmaDay(const Path& smaDir, const std::string& smaNumber, const std::string& dateText,
                           double PacMax) {
    checkPacMax(PacMax);
    archivable_ = false;
    const std::string name = DayFileName(dateText, smaNumber);
    LoadDayCurve(smaDir / name, dateText, PacMax, day_);
    archivable_ = day_.existed;
    dateText_ = dateText;
    dayFileName_ = name;
}

void DayOnShow::readArchived(const Path& path, double PacMax) {
    checkPacMax(PacMax);
    archivable_ = false;
    LoadDayCurve(path, std::nullopt, PacMax, day_);
}

bool DayOnShow::archive(const Path& archiveDir, const QImage& picture) const {
    if (!archivable_) return false;
    day_.lines.saveToFile(archiveDir / dayFileName_);

    const Path picturePath = archiveDir / archivePictureName(dateText_);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP")) fail(msg::CannotCreate, pathText(picturePath));
    saveFileSafely(picturePath, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return true;
}

}  // namespace lumetra
