// Receiver snapshots: what the receiver held before a write, kept as clone
// files in a folder of their own, so that a write can be undone by writing
// the snapshot back.
#ifndef VRQ5_FILES_SNAPSHOTS_H_
#define VRQ5_FILES_SNAPSHOTS_H_

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "store/document.h"

namespace vrq5 {

// The folder keeps this many snapshots, the newest.
inline constexpr int kSnapshotsKept = 100;

// The snapshots folder: $XDG_DATA_HOME/vrq5/snapshots, else
// $HOME/.local/share/vrq5/snapshots (the home the password database gives
// when HOME is unset or empty). On Windows: %LOCALAPPDATA%\vrq5\snapshots.
std::filesystem::path SnapshotFolder();

// The file name of a snapshot of a receiver of model `model_index` taken
// at `when` (local time): "20261209-101502-VR-Q70E.VQ5".
std::string SnapshotFileName(std::time_t when, int model_index);

struct SnapshotEntry {
  std::filesystem::path path;
  std::string time;          // "2026-12-09 10:15:02", from the name
  std::string model;         // "VR-Q70E", from the name
  int channels_in_use = -1;  // -1: the file cannot be opened as a clone file
};

// The snapshots in `folder` (files named as SnapshotFileName names them,
// with an optional "-N" before ".VQ5"), newest first. Other files are
// passed over; a folder that does not exist holds none.
std::vector<SnapshotEntry> ListSnapshots(const std::filesystem::path& folder);

// Saves `doc` as a snapshot in `folder` (made when missing) under the name
// for `when`; a name already taken gets "-2", "-3", ... Then removes the
// oldest snapshots beyond kSnapshotsKept. The save is atomic, and the
// document is not changed (its file name and changed flag stay). Returns
// the snapshot's path, or an empty path with the system's reason in
// `reason`.
std::filesystem::path SaveSnapshot(const Document& doc,
                                   const std::filesystem::path& folder,
                                   std::time_t when, std::string* reason);

// Removes the oldest snapshots of `folder` beyond the newest `keep`; only
// files named as snapshots are touched.
void PruneSnapshots(const std::filesystem::path& folder,
                    int keep = kSnapshotsKept);

}  // namespace vrq5

#endif  // VRQ5_FILES_SNAPSHOTS_H_
