// Import and export of ClientPrefs.cs: the sample game folder and synthetic files of 10,000 and
// 100,000 lines (the sample's favourite block amid filler preferences). Cost should grow linearly
// with the number of lines.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "misc/paths.h"
#include "prefs/import_export.h"

namespace {
namespace fs = std::filesystem;

class QuietWindow : public ks::WindowOps {
 public:
  int notices = 0;
  void ShowNotice(const std::string&) override { ++notices; }
  void LockControls() override {}
  void UnlockControls() override {}
  void ShowFav() override {}
  void RefreshFavList() override {}
  void FavListClear() override {}
  void FavListAppend(const std::string&) override {}
  void FavListSelect(int) override {}
  void ApplyLanguage() override {}
};

class QuietPlatform : public ks::Platform {
 public:
  explicit QuietPlatform(std::string folder) : folder_(std::move(folder)) {}
  void beep() override {}
  [[noreturn]] void quit() override { throw std::runtime_error("quit"); }
  std::string programFolder() const override { return folder_; }
  void pumpEventsOnce() override {}
  void waitUntil(const std::function<bool()>&) override {}
  void shellOpen(const std::string&, const std::string&) override {}
  bool setCurrentFolder(const std::string&) override { return true; }
  void dragWindow() override {}
  std::string browseForFolder(const std::string&, const std::string&) override { return {}; }
  std::string pickFile(const std::vector<ks::FileFilter>&, const std::string&, const std::string&) override {
    return {};
  }
  double twipsPerPixelX() const override { return 15; }
  double twipsPerPixelY() const override { return 15; }

 private:
  std::string folder_;
};

std::string ReadSample() {
  const fs::path p = fs::path(KITSMITH_SOURCE_DIR) / "examples/Tribes2/gamedata/base/prefs/ClientPrefs.cs";
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("sample missing");
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The sample (lines = 0) or the sample padded with filler preferences to `lines` lines, half of
// the filler before the favourite block and half after it.
std::string MakeFile(int lines) {
  const std::string sample = ReadSample();
  if (lines == 0) return sample;
  int have = 0;
  for (char c : sample) have += c == '\n' ? 1 : 0;
  const int filler = std::max(0, lines - have);
  auto pad = [](int from, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
      s += "$pref::Filler::Value" + std::to_string(from + i) + " = \"some preference value " +
           std::to_string(i) + "\";\r\n";
    }
    return s;
  };
  return pad(0, filler / 2) + sample + pad(filler / 2, filler - filler / 2);
}

struct Setup {
  fs::path root;
  ks::AppState state;
  QuietWindow window;
  QuietPlatform platform;
  int lines = 0;

  explicit Setup(int wanted)
      : root(fs::temp_directory_path() /
             ("kitsmith-bench-" +
              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))),
        platform(ks::FromFsPath(root / "program")) {
    fs::create_directories(root / "program");
    fs::create_directories(root / "game/gamedata/base/prefs");
    const std::string bytes = MakeFile(wanted);
    for (char c : bytes) lines += c == '\n' ? 1 : 0;
    std::ofstream(root / "game/gamedata/base/prefs/ClientPrefs.cs", std::ios::binary) << bytes;
    state.GamePath = ks::WithTrailingSeparator(ks::FromFsPath(root / "game"));
  }
  ~Setup() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

void BM_Import(benchmark::State& st) {
  Setup s(static_cast<int>(st.range(0)));
  for (auto _ : st) {
    ks::ImportFavs(s.state, s.window, s.platform);
    benchmark::DoNotOptimize(s.state.Favs[0].Armor);
  }
  if (!s.state.ImportSucceeded || s.window.notices != 0) st.SkipWithError("import failed");
  st.counters["lines"] = s.lines;
  st.SetComplexityN(s.lines);
}

void BM_Export(benchmark::State& st) {
  Setup s(static_cast<int>(st.range(0)));
  ks::ImportFavs(s.state, s.window, s.platform);
  for (auto _ : st) ks::ExportFavs(s.state, s.window, s.platform);
  // Every export ends in exactly one notice: the success one.
  if (!s.state.ImportSucceeded) st.SkipWithError("import failed");
  st.counters["lines"] = s.lines;
  st.SetComplexityN(s.lines);
}

BENCHMARK(BM_Import)->Arg(0)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_Export)->Arg(0)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
