#include "misc/file_exists.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "misc/paths.h"

namespace ks {

bool FileExists(const std::string& path) noexcept {
  try {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    const std::filesystem::path p = ToFsPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(p, ec)) return false;
    std::ifstream probe(p, std::ios::binary);
    return probe.is_open();
  } catch (...) {
    return false;
  }
}

}  // namespace ks
