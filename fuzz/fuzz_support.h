#pragma once
// What every fuzz target shares: a scratch folder in memory-backed storage, a window that counts
// notices, and a platform that answers the file dialog. A broken invariant aborts, so libFuzzer
// reports it with the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "support/fake_platform.h"
#include "support/recording_window.h"

namespace ks::fuzz {

inline void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

// One folder per process, reused by every input.
inline const std::string& Scratch() {
  static const std::string dir = [] {
    std::error_code ec;
    std::filesystem::path base =
        std::filesystem::exists("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    base /= "kitsmith-fuzz-" + std::to_string(::getpid());
    std::filesystem::create_directories(base);
    return base.string();
  }();
  return dir;
}

inline void WriteBytes(const std::string& path, const char* data, std::size_t size) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
  Require(static_cast<bool>(out), "the scratch file could be written");
}

}  // namespace ks::fuzz
