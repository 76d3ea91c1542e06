// Fixed value tables: labels of every code, settings list items, band tables
// and the clone-file marks. Filled once at compile time, never changed.
#ifndef VRQ5_CODEC_TABLES_H_
#define VRQ5_CODEC_TABLES_H_

#include <array>
#include <string>
#include <string_view>

namespace vrq5 {

inline constexpr std::string_view FileStartMark =
    "Korvex  VR-Q5  Clone  File Start";
inline constexpr std::string_view FileEndMark =
    "Korvex  VR-Q5  Clone  File   End";
inline constexpr std::string_view AppTitle = "Korvex VR-Q5/Q70 Clone Utility";

// Tuning-step labels; codes 18 and 19 have empty labels.
extern const std::array<std::string_view, 20> StepName;
// CTCSS tone labels, code 0..38.
extern const std::array<std::string_view, 39> ToneName;
// Channel option labels, code 0..4.
extern const std::array<std::string_view, 5> OptionName;

// Item lists of the settings combo boxes.
extern const std::array<std::string, 26> ScanTimeName;
extern const std::array<std::string, 24> ChargeTimeName;
extern const std::array<std::string, 22> SetModeName;
extern const std::array<std::string_view, 29> WildKeyName;
extern const std::array<std::string_view, 20> RemoconKeyName;
extern const std::array<std::string_view, 8> TimeSpName;

// Labels P0A, P0B, ..., P49B of channel-store slots 1000..1099.
extern const std::array<std::string, 100> ProgramScanLabel;

// Model variants; the index is ModelIndex and the region column of the band
// tables. The model option group also lists two more members (4, 5).
inline constexpr int kModelCount = 4;
inline constexpr int kModelOptionCount = 6;
extern const std::array<std::string_view, kModelOptionCount> ModelName;

// Band range label per region column (0..3) and band row (0..13).
extern const std::array<std::array<std::string_view, 14>, 4> BandRangeText;
// Lowest (bound 0) and highest (bound 1) frequency in MHz per region column
// and row. Column 2 rows 8 and 9 are the two blocked ranges of that variant.
extern const std::array<std::array<std::array<double, 2>, 14>, 4> BandLimit;

// Mode, shift-direction and option texts of the channel fields.
std::string_view ModeText(int mode);
std::string_view ShiftText(int direction);
std::string_view OptionText(int option);
std::string StepText(int step);
std::string ToneText(int tone);
std::string CarrierText(int carrier);

}  // namespace vrq5

#endif  // VRQ5_CODEC_TABLES_H_
