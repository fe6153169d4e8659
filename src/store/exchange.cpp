#include "store/exchange.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "misc/file_exists.h"
#include "misc/numbers.h"
#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"

namespace ks {
namespace {

constexpr std::string_view Extension = ".KJZ";
constexpr std::size_t NameWidth = 18;

const char* const HeaderLines[] = {
    "[QZW]-Kitsmith",
    "Exported Favorites for distribution",
    "DO NOT MODIFY THIS AT ALL OR BARE THE CONSEQUENCES :-)",
    "",
};
constexpr int HeaderCount = 4;

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Only ASCII letters change: the path is UTF-8, and a byte of a multi-byte character must stay.
std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Upper(c);
  return out;
}

// Layout of one favourite line by the kind read or written at its start.
struct Layout {
  const char* kind;
  int slots;            // weapon slots carried
  std::size_t namePos;  // 0-based start of the name
};

Layout LayoutFor(ArmorKind armor) {
  switch (armor) {
    case ArmorScout: return {"01", 3, 18};
    case ArmorAssault: return {"02", 4, 21};
    default: return {"03", 5, 24};
  }
}

// The number at the start of the two characters at `pos`; 0 past the end of the line.
std::int16_t Field(const std::string& line, std::size_t pos) {
  if (pos >= line.size()) return 0;
  return ReadLeadingNumber(std::string_view(line).substr(pos, 2)).value;
}

std::string TrimBlanks(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

void ReadFavLine(const std::string& line, FavRecord& fav) {
  fav.Armor = Field(line, 0);
  fav.Pack = Field(line, 3);
  fav.Gren = Field(line, 6);
  const Layout layout = LayoutFor(fav.Armor);
  // Slots beyond the layout are not in the line and keep what they held.
  for (int s = 0; s < layout.slots; ++s) fav.Weapon[static_cast<std::size_t>(s)] = Field(line, 9 + 3 * s);
  fav.Name = layout.namePos < line.size()
                 ? TrimBlanks(std::string_view(line).substr(layout.namePos, NameWidth))
                 : std::string();
}

// The favourite's line, or nothing with `error` set when a value cannot be written so that it
// reads back: a number outside 0..99 would shift every later field of the line, a CR in the name
// would split it.
std::optional<std::string> FavLine(const FavRecord& fav, int index, std::string& error) {
  const Layout layout = LayoutFor(fav.Armor);
  const std::string where = "favourite " + std::to_string(index + 1) + ": ";
  std::string line = layout.kind;
  auto add = [&](const char* what, std::int16_t value) {
    if (value < 0 || value > 99) {
      error = where + what + " " + std::to_string(value) + " does not fit a two-digit field";
      return false;
    }
    line += '#';
    line += TwoDigits(value);
    return true;
  };
  if (!add("pack", fav.Pack) || !add("grenade", fav.Gren)) return std::nullopt;
  for (int s = 0; s < layout.slots; ++s) {
    const std::string what = "weapon slot " + std::to_string(s + 1);
    if (!add(what.c_str(), fav.Weapon[static_cast<std::size_t>(s)])) return std::nullopt;
  }
  const std::string name = PadName18(fav.Name);
  if (name.find('\r') != std::string::npos) {
    error = where + "the name holds a line break";
    return std::nullopt;
  }
  line += '#';
  line += name;
  return line;
}

void Failed(WindowOps& window, LangIndex lang, const std::string& description) {
  window.ShowNotice(std::string(Text(Msg::FileFailed, lang)) + "\r\n" + description);
}

}  // namespace

std::string TwoDigits(std::int16_t value) {
  std::string s = std::to_string(value);
  if (value < 10) s.insert(s.begin(), '0');
  return s;
}

std::string PadName18(const std::string& name) {
  std::string s = name.substr(0, NameWidth);
  s.resize(NameWidth, ' ');
  return s;
}

std::string ExchangeFileName(const std::string& chosen) {
  if (chosen.empty()) return {};
#ifdef _WIN32
  std::string path = UpperAscii(chosen);
#else
  const std::size_t slash = chosen.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string path = chosen.substr(0, nameStart) + UpperAscii(std::string_view(chosen).substr(nameStart));
#endif
  if (!path.ends_with(Extension)) path += Extension;
  return path;
}

namespace {

// The dialog's answer in `chosen` and its exchange file name as the result; "" when cancelled.
std::string ChooseFile(bool mustExist, LangIndex lang, Platform& platform, std::string& chosen) {
  const bool english = lang == LangEnglish;
  const std::vector<FileFilter> filters = {
      {english ? "QZW-Kitsmith Files (*.KJZ)" : "QZW-Kitsmith Dateien (*.KJZ)", "*.KJZ"},
      {english ? "All Files (*.*)" : "Alle Dateien (*.*)", "*.*"},
  };
  const std::string title = english ? "Select a File" : "Bitte eine Datei wählen";
  chosen = platform.pickFile(filters, WithTrailingSeparator(platform.programFolder()), title);
  if (chosen.empty() || (mustExist && !FileExists(chosen))) {
    chosen.clear();
    return {};
  }
  return ExchangeFileName(chosen);
}

}  // namespace

std::string PickFile(bool mustExist, LangIndex lang, Platform& platform) {
  std::string chosen;
  return ChooseFile(mustExist, lang, platform, chosen);
}

void ExportExchangeFile(AppState& state, WindowOps& window, Platform& platform) {
  const std::string path = PickFile(false, state.Lang, platform);
  if (path.empty()) return;  // cancelled: no file, no notice

  std::vector<std::string> lines(std::begin(HeaderLines), std::end(HeaderLines));
  for (int i = 0; i < FavCount; ++i) {
    std::string error;
    std::optional<std::string> line = FavLine(state.Favs[static_cast<std::size_t>(i)], i, error);
    if (!line) {
      Failed(window, state.Lang, path + ": not written, " + error);
      return;
    }
    lines.push_back(std::move(*line));
  }
  std::string error;
  if (!WriteLinesAtomically(path, lines, &error)) {
    Failed(window, state.Lang, error.empty() ? path + ": not written" : error);
    return;
  }
  window.ShowNotice(std::string(Text(Msg::FileExported, state.Lang)) + "\r\n" + path);
}

void ImportExchangeFile(AppState& state, WindowOps& window, Platform& platform) {
  // The dialog's own answer is kept: on a case-sensitive file system the upper-cased name may not
  // exist while the file the user picked does.
  std::string chosen;
  std::string path = ChooseFile(false, state.Lang, platform, chosen);
  if (path.empty()) return;  // cancelled: nothing read, no notice
  if (!FileExists(path) && FileExists(chosen)) path = chosen;

  std::optional<LineReader> reader = LineReader::Open(path);
  if (!reader) {
    Failed(window, state.Lang, path + ": cannot be opened");
    return;
  }
  std::string line;
  for (int n = 1; n <= HeaderCount; ++n) {
    if (!reader->ReadLine(line)) {
      Failed(window, state.Lang,
             path + ": ends before line " + std::to_string(n) + " of the header; no favourite read");
      return;
    }
  }
  for (int i = 0; i < FavCount; ++i) {
    if (!reader->ReadLine(line)) {
      Failed(window, state.Lang,
             path + ": ends before line " + std::to_string(HeaderCount + 1 + i) + "; favourites " +
                 std::to_string(i + 1) + " to 20 not read");
      return;
    }
    ReadFavLine(line, state.Favs[static_cast<std::size_t>(i)]);
  }
  reader.reset();
  window.ShowNotice(std::string(Text(Msg::FileImported, state.Lang)) + "\r\n" + path);
  window.RefreshFavList();
  window.ShowFav();
}

}  // namespace ks
