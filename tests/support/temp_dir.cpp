#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "misc/paths.h"

namespace ks::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path base = fs::temp_directory_path() /
                        ("kitsmith-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(base);
  path_ = FromFsPath(base);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(ToFsPath(path_), ec);
}

std::string TempDir::file(const std::string& name) const { return JoinFile(path_, name); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(ToFsPath(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes) {
  const fs::path p = ToFsPath(path);
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void CopySampleGame(const std::string& dest) {
  fs::copy(fs::path(KITSMITH_SOURCE_DIR) / "examples" / "Tribes2", ToFsPath(dest),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

}  // namespace ks::test
