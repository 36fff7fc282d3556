#pragma once
// The settings' fixed values, in one place. Three kinds that look alike but differ: what the
// dialog holds before any LUMETRA.INI is read, what a key missing from the file reads as, and
// what stands in for a zero. Texts are as a German user types them (decimal comma).
namespace lumetra::defaults {

// The dialog before the load (also the load's result when there is no file).
inline constexpr const char* kInitialKwp = "1";
inline constexpr const char* kInitialEuro = "0,4675";
inline constexpr const char* kInitialFl = "0";
inline constexpr const char* kInitialPrognose = "0";
inline constexpr const char* kInitialSmaNumber = "00";
// Not in the file: every run starts with it.
inline constexpr const char* kInitialPacMax = "5000";
inline constexpr bool kInitialShowInactive = true;
inline constexpr bool kInitialAutoBackup = true;  // also the main window's flag at start-up

// A key missing from the file. The directories default to the working directory's DATA.
inline constexpr const char* kMissingNumber = "0";  // KWP, EURO, FL, PROGNOSE
inline constexpr const char* kMissingSmaNumber = "00";
inline constexpr const char* kMissingAutoUpload = "0";
inline constexpr const char* kMissingAutoBackup = "1";
inline constexpr const char* kMissingDisplay = "1";

// kg CO2 per kWh: the dialog's start, a missing key, the text an empty or "0" field is saved
// as, and the factor in use when the saved field reads as zero.
inline constexpr const char* kCo2Text = "0,662";
inline constexpr double kCo2Factor = 0.662;

// Put into the KWP field in place of 0, so that no evaluation divides by a zero plant.
inline constexpr const char* kKwpForZero = "1,0";

}  // namespace lumetra::defaults
