#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <string>

namespace ks::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // UTF-8, without trailing separator.
  const std::string& path() const { return path_; }
  // path() + separator + name.
  std::string file(const std::string& name) const;

 private:
  std::string path_;
};

// Whole-file helpers for fixtures and checks.
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
// The bundled sample game folder, copied into `dest` (which then holds gamedata/...).
void CopySampleGame(const std::string& dest);

}  // namespace ks::test
