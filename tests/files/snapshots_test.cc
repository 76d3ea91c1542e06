// The snapshots folder: where it lies, how snapshots are named, listed and
// saved, and that it keeps the newest 100.
#include "files/snapshots.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <ctime>
#include <string>

#include "files/clone_file.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteFile;

using testing::ScopedEnv;

std::time_t At(int year, int month, int day, int h, int m, int s) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = h;
  t.tm_min = m;
  t.tm_sec = s;
#ifdef _WIN32
  return ::_mkgmtime(&t);
#else
  return ::timegm(&t);
#endif
}

TEST(SnapshotsTest, FolderFollowsTheDataHome) {
#ifdef _WIN32
  ScopedEnv local("LOCALAPPDATA", "C:\\Local");
  EXPECT_EQ(SnapshotFolder(), fs::path("C:\\Local\\vrq5\\snapshots"));
  return;
#endif
  ScopedEnv xdg("XDG_DATA_HOME", "/data/u");
  ScopedEnv home("HOME", "/home/u");
  EXPECT_EQ(SnapshotFolder(), fs::path("/data/u/vrq5/snapshots"));
  ScopedEnv no_xdg("XDG_DATA_HOME", "");
  EXPECT_EQ(SnapshotFolder(), fs::path("/home/u/.local/share/vrq5/snapshots"));
}

TEST(SnapshotsTest, SavedNamedListedNewestFirstAndTheDocumentKept) {
  ScopedEnv tz("TZ", "UTC");
  TempDir dir;
  const fs::path folder = fs::path(dir.path()) / "snapshots";
  EXPECT_EQ(SnapshotFileName(At(2026, 12, 9, 10, 15, 2), 1),
            "20261209-101502-VR-Q70E.VQ5");

  Document doc;
  ASSERT_EQ(OpenCloneFile(doc, VRQ5_SAMPLES_DIR "/demo.VQ5"), FileStatus::kOk);
  doc.DataChanged = -1;
  const std::string name_before = doc.CurrentFileName;
  Document empty;
  std::string reason;
  const fs::path first =
      SaveSnapshot(doc, folder, At(2026, 12, 9, 10, 15, 2), &reason);
  ASSERT_FALSE(first.empty()) << reason;
  // The same second again, then a later one of another model.
  const fs::path second =
      SaveSnapshot(doc, folder, At(2026, 12, 9, 10, 15, 2), &reason);
  empty.ModelIndex = 2;
  const fs::path third =
      SaveSnapshot(empty, folder, At(2027, 1, 2, 3, 4, 5), &reason);
  EXPECT_EQ(second.filename(), "20261209-101502-VR-Q5J-2.VQ5");
  EXPECT_EQ(doc.CurrentFileName, name_before);
  EXPECT_EQ(doc.DataChanged, -1);
  // Files not named as snapshots are neither listed nor removed.
  WriteFile((folder / "notes.txt").string(), "x");
  WriteFile((folder / "20261209-101502-VR-Q5X.VQ5").string(), "x");

  auto list = ListSnapshots(folder);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].path, third);
  EXPECT_EQ(list[0].time, "2027-01-02 03:04:05");
  EXPECT_EQ(list[0].model, "VR-Q70T");
  EXPECT_EQ(list[0].channels_in_use, 0);
  EXPECT_EQ(list[1].path, second);
  EXPECT_EQ(list[2].path, first);
  EXPECT_EQ(list[2].channels_in_use, doc.ChannelsInUse());
  EXPECT_GT(list[2].channels_in_use, 0);
  Document back;
  ASSERT_EQ(OpenCloneFile(back, first.string()), FileStatus::kOk);
  EXPECT_EQ(CloneFileText(back), CloneFileText(doc));

  // The folder keeps the newest 100: the oldest go, other files stay.
  for (int i = 0; i < 110; ++i) {
    WriteFile((folder / SnapshotFileName(At(2025, 1, 1, 0, 0, i), 0)).string(),
              "x");
  }
  ASSERT_FALSE(
      SaveSnapshot(doc, folder, At(2027, 2, 1, 0, 0, 0), &reason).empty());
  list = ListSnapshots(folder);
  ASSERT_EQ(list.size(), 100u);
  EXPECT_EQ(list[1].path, third);
  EXPECT_EQ(list.back().time, "2025-01-01 00:00:14");
  EXPECT_TRUE(fs::exists(folder / "notes.txt"));

  // A folder that cannot be made: no path, and the reason.
  WriteFile(dir.File("file"), "x");
  reason.clear();
  EXPECT_TRUE(SaveSnapshot(doc, fs::path(dir.File("file")) / "s",
                           At(2027, 2, 1, 0, 0, 0), &reason)
                  .empty());
  EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace vrq5
