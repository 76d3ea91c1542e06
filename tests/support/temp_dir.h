// A fresh folder for a test's files, removed afterwards.
#ifndef VRQ5_TESTS_SUPPORT_TEMP_DIR_H_
#define VRQ5_TESTS_SUPPORT_TEMP_DIR_H_

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/utf8_path.h"

namespace vrq5::testing {

class TempDir {
 public:
  // The folder's name is UTF-8, as every name the program handles.
  TempDir() {
#ifdef _WIN32
    std::random_device random;
    std::error_code ec;
    for (int attempt = 0; attempt < 100; ++attempt) {
      auto folder = std::filesystem::temp_directory_path() /
                    ("vrq5-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(folder, ec)) {
        path_ = PathToUtf8(folder);
        break;
      }
    }
#else
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vrq5-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
#endif
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(PathFromUtf8(path_),
                                 std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(PathFromUtf8(path_), ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const {
    return PathToUtf8(PathFromUtf8(path_) / PathFromUtf8(name));
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The lines of a CR LF text.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary);
  out << content;
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_TEMP_DIR_H_
