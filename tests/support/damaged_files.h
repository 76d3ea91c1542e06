// The damaged clone files and CSV files that opening and importing refuse,
// each with the status it gives. The file tests check the core with them,
// the window tests check that the window shows the message and keeps every
// page as it was.
#ifndef VRQ5_TESTS_SUPPORT_DAMAGED_FILES_H_
#define VRQ5_TESTS_SUPPORT_DAMAGED_FILES_H_

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "files/file_status.h"

namespace vrq5::testing {

struct DamagedFile {
  std::string name;
  std::string content;
  FileStatus status;
};

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// Clone files made from `lines`, the lines of a good one: marks that are
// wrong in one letter, a line missing, nothing at all, one long line, and
// binary junk.
inline std::vector<DamagedFile> DamagedCloneFiles(
    const std::vector<std::string>& lines) {
  std::vector<DamagedFile> files;
  auto changed = [&lines](size_t i, const char* text) {
    std::vector<std::string> copy = lines;
    copy[i] = text;
    return JoinCrLf(copy);
  };
  files.push_back({"end_mark", changed(2642, "Korvex  VR-Q5  Clone  File  End"),
                   FileStatus::kDataError});
  files.push_back({"start_mark", changed(0, "korvex  VR-Q5  Clone  File Start"),
                   FileStatus::kDataError});
  std::vector<std::string> short_lines = lines;
  short_lines.pop_back();
  files.push_back(
      {"line_missing", JoinCrLf(short_lines), FileStatus::kFileOpenError});
  files.push_back({"empty", "", FileStatus::kFileOpenError});
  files.push_back(
      {"one_long_line", std::string(100000, 'A'), FileStatus::kFileOpenError});
  std::mt19937 rng(77);
  for (int trial = 0; trial < 20; ++trial) {
    std::string junk(1000 + rng() % 200000, '\0');
    for (char& c : junk) c = static_cast<char>(rng());
    files.push_back(
        {"junk_" + std::to_string(trial), junk, FileStatus::kFileOpenError});
  }
  return files;
}

inline constexpr char kCsvHeader[] =
    "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"MODE\",\"STEP\","
    "\"OPTION\",\"SECRET\",\"TRAIN\",\"TONE\",\"SHIFT\",\"SHIFT FREQUENCY\","
    "\"NOTES\",\"NAME\",\"SKIP\",\"ENABLE\"";

// An import text with the header and the given records.
inline std::string Csv(std::initializer_list<std::string> records) {
  std::string out = std::string(kCsvHeader) + "\r\n";
  for (const auto& r : records) out += r + "\r\n";
  return out;
}

// A channel record of the import layout.
inline std::string Memory(const std::string& channel, const std::string& freq,
                          const std::string& rest =
                              "\"FM\",\"5KHz\",\"OFF\",\"11\","
                              "\"JR\",\"88.5Hz\",\"OFF\","
                              "\"0.600000\",\"note\",\"name\"",
                          const std::string& tail = "\"#FALSE#\",#TRUE#",
                          const std::string& section = "MEMORY") {
  return "\"VR-Q5\",\"" + section + "\",\"" + channel + "\",\"" + freq + "\"," +
         rest + "," + tail;
}

// Import texts with a good channel first and then a record that cannot be
// read: the import stops, and nothing of it stays.
inline std::vector<DamagedFile> DamagedCsvFiles() {
  std::vector<DamagedFile> files;
  auto add = [&files](const char* name, const std::string& record) {
    files.push_back(
        {name, Csv({Memory("0", "145"), record}), FileStatus::kFileOpenError});
  };
  add("bank_amount_not_a_number", "\"VR-Q5\",\"BANK AMOUNT\",\"abc\",\"5\"");
  add("group_box_not_a_truth_value", "\"VR-Q5\",\"GROUP\",\"5\",\"x\"");
  add("group_box_out_of_range", "\"VR-Q5\",\"GROUP\",\"99999\",1");
  add("channel_record_cut_short", "\"VR-Q5\",\"MEMORY\",\"1\",\"145\"");
  add("model_alone", "\"VR-Q5\"");
  return files;
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_DAMAGED_FILES_H_
