#include "SbfspotCommand.h"

#include "base/Cp1252.h"
#include "base/Files.h"
#include "sbfspot/SbfspotDayFiles.h"

namespace lumetra {
namespace {

constexpr const char* kUsage = "Aufruf: lumetra-sbfspot QUELLE ZIEL [SMA-Nummer]\n";

constexpr const char* kHelp =
    "Aufruf: lumetra-sbfspot QUELLE ZIEL [SMA-Nummer]\n"
    "\n"
    "Schreibt zu jeder Tagesdatei von SBFspot (<Anlage>-JJJJMMTT.csv) unter QUELLE,\n"
    "auch in Unterordnern, die Tagesdatei JJMMTT<SMA-Nummer>.suo nach ZIEL, so wie\n"
    "Lumetra sie liest und Lumetra-Web sie vom Webserver holt. Monatsdateien werden\n"
    "übergangen. Geschrieben wird nur, was fehlt oder älter als seine Quelle ist;\n"
    "eine Tagesdatei, die nicht aus SBFspot entstand, bleibt unberührt.\n"
    "\n"
    "  SMA-Nummer   Teil des Dateinamens wie in den Einstellungen von Lumetra (Vorgabe 00)\n"
    "  --help       diese Hilfe\n"
    "\n"
    "Rückgabewert: 0, wenn alles geschrieben oder schon aktuell ist; 1, wenn eine Datei\n"
    "nicht gelesen oder geschrieben werden konnte (jede wird genannt).\n"
    "\n"
    "Beispiel für crontab -e, alle fünf Minuten:\n"
    "  */5 * * * * lumetra-sbfspot /home/pi/smadata /var/www/html/pvdaten\n";

}  // namespace

int runSbfspotCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            out << kHelp;
            return 0;
        }
    if (args.size() < 2 || args.size() > 3) {
        err << kUsage << "Hilfe: lumetra-sbfspot --help\n";
        return 1;
    }
    // Paths as the shell gave them; the SMA number becomes part of a file name, so it stays bytes too.
    const Path source = args[0], target = args[1];
    const std::string smaNumber = args.size() == 3 ? args[2] : std::string("00");
    bool missing = false;
    for (const Path* dir : {&source, &target})
        if (!dirExists(*dir)) {
            err << "Ordner " << utf8FromCp1252(pathText(*dir)) << " nicht gefunden\n";
            missing = true;
        }
    if (missing) return 1;

    const sbfspot::TreeResult result = sbfspot::writeDayFilesOfTree(source, target, smaNumber);
    for (const std::string& message : result.failures) err << utf8FromCp1252(message) << "\n";
    return result.failures.empty() ? 0 : 1;
}

}  // namespace lumetra
