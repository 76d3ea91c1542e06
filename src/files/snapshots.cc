#include "files/snapshots.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "files/file_status.h"
#include "files/utf8_path.h"

namespace vrq5 {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".VQ5";
constexpr size_t kStampLength = 15;  // "20261209-101502"

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
}

// A snapshot's name taken apart: its time stamp, model and number (1 for
// none); false for any other name.
struct SnapshotName {
  std::string stamp;
  std::string model;
  int number = 1;
};

bool ParseSnapshotName(std::string_view name, SnapshotName& out) {
  if (name.size() < kStampLength + 1 + kExtension.size() ||
      name.substr(name.size() - kExtension.size()) != kExtension ||
      !AllDigits(name.substr(0, 8)) || name[8] != '-' ||
      !AllDigits(name.substr(9, 6)) || name[kStampLength] != '-') {
    return false;
  }
  std::string_view rest = name.substr(
      kStampLength + 1, name.size() - kStampLength - 1 - kExtension.size());
  for (int m = 0; m < kModelCount; ++m) {
    std::string_view model = ModelName[m];
    if (rest.substr(0, model.size()) != model) continue;
    std::string_view number = rest.substr(model.size());
    if (!number.empty()) {
      if (number[0] != '-' || !AllDigits(number.substr(1)) ||
          number.size() > 7) {
        continue;
      }
      out.number = std::stoi(std::string(number.substr(1)));
    }
    out.stamp = std::string(name.substr(0, kStampLength));
    out.model = std::string(model);
    return true;
  }
  return false;
}

// The snapshots of a folder with their names taken apart, newest first.
std::vector<std::pair<fs::path, SnapshotName>> Snapshots(
    const fs::path& folder) {
  std::vector<std::pair<fs::path, SnapshotName>> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    SnapshotName name;
    if (it->is_regular_file(ec) &&
        ParseSnapshotName(PathToUtf8(it->path().filename()), name)) {
      found.emplace_back(it->path(), std::move(name));
    }
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    if (a.second.stamp != b.second.stamp) {
      return a.second.stamp > b.second.stamp;
    }
    if (a.second.number != b.second.number) {
      return a.second.number > b.second.number;
    }
    return a.first.filename() > b.first.filename();
  });
  return found;
}

}  // namespace

fs::path SnapshotFolder() {
#ifdef _WIN32
  // The variable's own (UTF-16) text: a user name outside the ANSI code
  // page stays whole.
  if (const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA"); local && *local) {
    return fs::path(local) / "vrq5" / "snapshots";
  }
  return fs::path("vrq5") / "snapshots";
#else
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    return fs::path(xdg) / "vrq5" / "snapshots";
  }
  return UserHomeFolder() / ".local" / "share" / "vrq5" / "snapshots";
#endif
}

std::string SnapshotFileName(std::time_t when, int model_index) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  int model = std::clamp(model_index, 0, kModelCount - 1);
  return std::string(stamp) + "-" + std::string(ModelName[model]) +
         std::string(kExtension);
}

std::vector<SnapshotEntry> ListSnapshots(const fs::path& folder) {
  std::vector<SnapshotEntry> list;
  for (auto& [path, name] : Snapshots(folder)) {
    SnapshotEntry entry;
    entry.path = path;
    const std::string& s = name.stamp;
    entry.time = s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) +
                 " " + s.substr(9, 2) + ":" + s.substr(11, 2) + ":" +
                 s.substr(13, 2);
    entry.model = name.model;
    Document doc;
    if (OpenCloneFile(doc, PathToUtf8(path)) == FileStatus::kOk) {
      entry.channels_in_use = doc.ChannelsInUse();
    }
    list.push_back(std::move(entry));
  }
  return list;
}

fs::path SaveSnapshot(const Document& doc, const fs::path& folder,
                      std::time_t when, std::string* reason) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    if (reason) *reason = ec.message();
    return {};
  }
  const std::string name = SnapshotFileName(when, doc.ModelIndex);
  fs::path path = folder / name;
  const std::string stem = name.substr(0, name.size() - kExtension.size());
  for (int n = 2; fs::exists(path, ec) && n < 1000; ++n) {
    path = folder / (stem + "-" + std::to_string(n) + std::string(kExtension));
  }
  Document copy = doc;
  if (!WriteFileAtomically(PathToUtf8(path), CloneFileText(copy), reason)) {
    return {};
  }
  PruneSnapshots(folder);
  return path;
}

void PruneSnapshots(const fs::path& folder, int keep) {
  auto found = Snapshots(folder);
  for (size_t i = static_cast<size_t>(std::max(keep, 0)); i < found.size();
       ++i) {
    std::error_code ec;
    fs::remove(found[i].first, ec);
  }
}

}  // namespace vrq5
