#pragma once
// LC_NUMERIC German for one scope, as a German desktop session leaves it once Qt has taken
// the session's locale. Where the system has no German locale, one is built with localedef
// into a scratch directory; ok() is false when neither is possible.
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace lumetra::test {

class GermanNumericLocale {
public:
    GermanNumericLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
        if (const char* path = std::getenv("LOCPATH")) previousPath_ = path;
        if (set()) return;
        const QString built = dir_.path() + "/de_DE.UTF-8";
        QProcess localedef;
        localedef.start("localedef", {"-i", "de_DE", "-f", "UTF-8", built});
        if (!localedef.waitForFinished(60000)) return;
        setenv("LOCPATH", dir_.path().toLocal8Bit().constData(), 1);
        set();
    }
    ~GermanNumericLocale() {
        std::setlocale(LC_NUMERIC, previous_.c_str());
        if (previousPath_)
            setenv("LOCPATH", previousPath_->c_str(), 1);
        else
            unsetenv("LOCPATH");
    }
    GermanNumericLocale(const GermanNumericLocale&) = delete;
    GermanNumericLocale& operator=(const GermanNumericLocale&) = delete;

    bool ok() const { return ok_; }

private:
    bool set() {
        ok_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && std::localeconv()->decimal_point[0] == ',';
        return ok_;
    }

    std::string previous_;
    std::optional<std::string> previousPath_;
    QTemporaryDir dir_;
    bool ok_ = false;
};

}  // namespace lumetra::test
