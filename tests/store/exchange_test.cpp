#include "store/exchange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "misc/paths.h"
#include "misc/text_file.h"
#include "model/messages.h"
#include "support/fake_platform.h"
#include "support/print_fav.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace ks {

namespace {

using namespace std::string_literals;
using test::ReadAll;
using test::WriteAll;

const std::string Header =
    "[QZW]-Kitsmith\r\nExported Favorites for distribution\r\n"
    "DO NOT MODIFY THIS AT ALL OR BARE THE CONSEQUENCES :-)\r\n\r\n";

FavRecord Fav(ArmorKind armor, PackCode pack, GrenCode gren, std::array<WeaponCode, 5> weapons,
              std::string name) {
  FavRecord f;
  f.Armor = armor;
  f.Pack = pack;
  f.Gren = gren;
  f.Weapon = weapons;
  f.Name = std::move(name);
  return f;
}

// The table behind tests/data/store/all_kinds.KJZ: every kind, a "#" in a name, blanks around a
// name, a name over 18 bytes, armour 0, a weapon 99 and a Windows-1252 byte.
FavTable AllKinds() {
  FavTable t{};
  t[0] = Fav(1, 1, 2, {3, 4, 5, NoSlot, NoSlot}, "Scout#1");
  t[1] = Fav(2, 17, 5, {10, 9, 8, 7, NoSlot}, "  blanks around  ");
  t[2] = Fav(3, 0, 0, {1, 2, 3, 4, 5}, "A name longer than eighteen");
  t[3] = Fav(0, 3, 1, {2, 0, 0, 0, 0}, "");
  t[4] = Fav(3, 16, 4, {6, 0, 0, 0, NoSlot}, "J\xE4ger");
  return t;
}

// Twenty lines after the header; `lines` replaces the first ones.
std::string ExchangeFile(const std::vector<std::string>& lines, int count = FavCount) {
  std::string bytes = Header;
  for (int i = 0; i < count; ++i) {
    bytes += i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)]
                                                : "03#00#00#00#00#00#00#00#" + std::string(18, ' ');
    bytes += "\r\n";
  }
  return bytes;
}

struct ExchangeTest : ::testing::Test {
  test::TempDir dir;
  test::FakePlatform platform{dir.path()};
  test::RecordingWindow window;
  AppState state;

  std::string text(Msg id) const { return std::string(Text(id, state.Lang)); }
  // The name a dialog answer of this folder becomes.
  std::string kjz(const std::string& name) const { return ExchangeFileName(dir.file(name)); }
  std::string notice(Msg id, const std::string& tail) const { return text(id) + "\r\n" + tail; }
};

TEST(ExchangeFormatTest, TwoDigitsAndPadName18) {
  const std::pair<std::int16_t, const char*> numbers[] = {{0, "00"},  {7, "07"},    {10, "10"}, {17, "17"},
                                                          {99, "99"}, {100, "100"}, {-5, "0-5"}};
  for (const auto& [value, expected] : numbers) EXPECT_EQ(TwoDigits(value), expected) << value;

  const std::pair<std::string, std::string> names[] = {
      {"", std::string(18, ' ')},
      {"a#b", "a#b" + std::string(15, ' ')},
      {"exactly18 bytes..!", "exactly18 bytes..!"},
      {"nineteen bytes long", "nineteen bytes lon"},
      {" \xE4 ", " \xE4 " + std::string(15, ' ')},
  };
  for (const auto& [name, expected] : names) EXPECT_EQ(PadName18(name), expected) << name;
}

TEST(ExchangeFormatTest, ChosenNameBecomesAnExchangeFileName) {
  struct Case {
    std::string chosen, expected;
  };
#ifdef _WIN32
  const Case cases[] = {
      {"C:\\Games\\mine.kjz", "C:\\GAMES\\MINE.KJZ"},
      {"C:\\Games\\mine", "C:\\GAMES\\MINE.KJZ"},
      {"C:\\Games\\mine.txt", "C:\\GAMES\\MINE.TXT.KJZ"},
      {"C:\\Games\\MINE.KJZ", "C:\\GAMES\\MINE.KJZ"},
      {"", ""},
  };
#else
  const Case cases[] = {
      {"/home/Max/Loadouts/mine.kjz", "/home/Max/Loadouts/MINE.KJZ"},
      {"/home/Max/Loadouts/mine", "/home/Max/Loadouts/MINE.KJZ"},
      {"/home/Max/Loadouts/mine.txt", "/home/Max/Loadouts/MINE.TXT.KJZ"},
      {"/home/Max/Loadouts/MINE.KJZ", "/home/Max/Loadouts/MINE.KJZ"},
      {"/home/Max/Jäger.kjz", "/home/Max/JäGER.KJZ"},  // only ASCII letters change in UTF-8
      {"relative.Kjz", "RELATIVE.KJZ"},
      {"", ""},
  };
#endif
  for (const Case& c : cases) EXPECT_EQ(ExchangeFileName(c.chosen), c.expected) << c.chosen;
}

TEST_F(ExchangeTest, PickFileAsksInTheCurrentLanguage) {
  platform.pickAnswers = {dir.file("a"), dir.file("b"), "", dir.file("missing")};
  EXPECT_EQ(PickFile(false, LangEnglish, platform), kjz("a"));
  EXPECT_EQ(PickFile(false, LangGerman, platform), kjz("b"));
  EXPECT_EQ(PickFile(false, LangEnglish, platform), "") << "cancelled";
  EXPECT_EQ(PickFile(true, LangEnglish, platform), "") << "must exist but does not";

  ASSERT_EQ(platform.pickRequests.size(), 4u);
  const auto& en = platform.pickRequests[0];
  const auto& de = platform.pickRequests[1];
  EXPECT_EQ(en.title, "Select a File");
  EXPECT_EQ(de.title, "Bitte eine Datei wählen");
  ASSERT_EQ(en.filters.size(), 2u);
  ASSERT_EQ(de.filters.size(), 2u);
  EXPECT_EQ(en.filters[0].label, "QZW-Kitsmith Files (*.KJZ)");
  EXPECT_EQ(en.filters[0].pattern, "*.KJZ");
  EXPECT_EQ(en.filters[1].label, "All Files (*.*)");
  EXPECT_EQ(en.filters[1].pattern, "*.*");
  EXPECT_EQ(de.filters[0].label, "QZW-Kitsmith Dateien (*.KJZ)");
  EXPECT_EQ(de.filters[1].label, "Alle Dateien (*.*)");
  EXPECT_EQ(en.initialFolder, dir.file(""));
}

TEST_F(ExchangeTest, ExportWritesHeaderAndFixedWidthLines) {
  state.Favs = AllKinds();
  platform.pickAnswers = {dir.file("mine.kjz")};
  ExportExchangeFile(state, window, platform);
  const std::string path = kjz("mine.kjz");
  EXPECT_EQ(ReadAll(path), ReadAll(KITSMITH_TEST_DATA "/store/all_kinds.KJZ"));
  EXPECT_EQ(window.calls, std::vector<std::string>{"notice " + notice(Msg::FileExported, path)});
  EXPECT_EQ(state.Favs, AllKinds());
}

TEST_F(ExchangeTest, RoundTripKeepsWhatTheFileCannotHold) {
  state.Lang = LangGerman;
  state.Favs = AllKinds();
  platform.pickAnswers = {dir.file("round"), dir.file("ROUND.KJZ")};
  ExportExchangeFile(state, window, platform);

  FavTable before{};
  for (auto& f : before) f = Fav(2, 9, 9, {9, 9, 9, 6, 7}, "old");
  for (auto& f : before) f.LoadoutText = "loadout";
  state.Favs = before;
  window.calls.clear();
  ImportExchangeFile(state, window, platform);

  FavTable expected = AllKinds();
  for (auto& f : expected) f.LoadoutText = "loadout";
  expected[0].Weapon[3] = 6;  // a Scout's fourth and fifth slot are not in the file
  expected[0].Weapon[4] = 7;
  expected[1].Name = "blanks around";
  expected[1].Weapon[4] = 7;  // nor an Assault's fifth
  expected[2].Name = "A name longer than";
  expected[3].Armor = 3;  // armour 0 travels as the five-slot kind
  for (int i = 5; i < FavCount; ++i) expected[static_cast<std::size_t>(i)].Armor = 3;
  EXPECT_EQ(state.Favs, expected);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"notice Erfolgreich importiert aus \r\n" + kjz("round"),
                                                    "refresh", "showfav"}));
}

TEST_F(ExchangeTest, ImportReadsEachLineByPosition) {
  const FavRecord old = Fav(2, 9, 9, {9, 9, 9, 6, 7}, "old");
  struct Case {
    const char* what;
    std::string line;
    FavRecord expected;
  };
  const Case cases[] = {
      {"kind 07 reads five slots", "07#01#02#03#04#05#06#07#Seven", Fav(7, 1, 2, {3, 4, 5, 6, 7}, "Seven")},
      {"weapon 99", "01#05#03#99#99#99#Scout", Fav(1, 5, 3, {99, 99, 99, 6, 7}, "Scout")},
      {"assault keeps slot 5, name trimmed", "02#01#01#01#02#03#04#   Ass   ",
       Fav(2, 1, 1, {1, 2, 3, 4, 7}, "Ass")},
      {"missing fields read 0", "01#05", Fav(1, 5, 0, {0, 0, 0, 6, 7}, "")},
      {"empty line", "", Fav(0, 0, 0, {0, 0, 0, 0, 0}, "")},
      {"fields without numbers", "xx#  #- #ab#1x#+2#??#-9#n", Fav(0, 0, 0, {0, 1, 2, 0, -9}, "n")},
      {"hashes not looked at", "01X12Y03Z04.05-06!a#b", Fav(1, 12, 3, {4, 5, 6, 6, 7}, "a#b")},
      {"binary bytes kept", "03#01#01#01#01#01#01#01#\x00\xFF\x01\n\x7F"s,
       Fav(3, 1, 1, {1, 1, 1, 1, 1}, "\x00\xFF\x01\n\x7F"s)},
      {"a line of 1 MB", "03#01#02#03#04#05#06#07#" + std::string(1 << 20, 'x'),
       Fav(3, 1, 2, {3, 4, 5, 6, 7}, std::string(18, 'x'))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = kjz("CASE.KJZ");
    WriteAll(path, ExchangeFile({c.line}));
    state.Favs.fill(old);
    test::RecordingWindow win;
    platform.pickAnswers = {path};
    ImportExchangeFile(state, win, platform);
    EXPECT_EQ(state.Favs[0], c.expected);
    EXPECT_EQ(state.Favs[1], Fav(3, 0, 0, {0, 0, 0, 0, 0}, ""));
    EXPECT_EQ(win.calls,
              (std::vector<std::string>{"notice " + notice(Msg::FileImported, path), "refresh", "showfav"}));
  }
}

TEST_F(ExchangeTest, ShortOrStrangeFilesStopWithTheErrorNotice) {
  const FavRecord old = Fav(2, 9, 9, {9, 9, 9, 6, 7}, "old");
  const FavRecord zero = Fav(3, 0, 0, {0, 0, 0, 0, 0}, "");
  // Every byte value but CR, repeated to 10 MB: one line of binary data.
  std::string block;
  for (int b = 0; b < 256; ++b) block += b == '\r' ? '\n' : static_cast<char>(b);
  std::string tenMegabytes;
  tenMegabytes.reserve(10u << 20);
  while (tenMegabytes.size() < 10u << 20) tenMegabytes += block;

  struct Case {
    const char* what;
    std::string bytes;
    int replaced;     // favourites read before the failure (20 and no error: a good file)
    const char* why;  // the description after the path; nullptr for a good file
    FavRecord read;   // what the replaced favourites hold
  };
  const Case cases[] = {
      {"23 lines", ExchangeFile({}, 19), 19, ": ends before line 24; favourites 20 to 20 not read", zero},
      {"empty file", "", 0, ": ends before line 1 of the header; no favourite read", zero},
      {"header only", Header, 0, ": ends before line 5; favourites 1 to 20 not read", zero},
      {"LF-only file", "[QZW]\nx\ny\n\n03#01\n", 0, ": ends before line 2 of the header; no favourite read",
       zero},
      {"10 MB without a CR", tenMegabytes, 0, ": ends before line 2 of the header; no favourite read", zero},
      {"CR-only file", std::string(24, '\r'), 20, nullptr, Fav(0, 0, 0, {0, 0, 0, 0, 0}, "")},
      {"10 MB after the twenty lines", ExchangeFile({}) + tenMegabytes, 20, nullptr, zero},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = kjz("CASE.KJZ");
    WriteAll(path, c.bytes);
    state.Favs.fill(old);
    test::RecordingWindow win;
    platform.pickAnswers = {path};
    ImportExchangeFile(state, win, platform);
    for (int i = 0; i < FavCount; ++i) {
      EXPECT_EQ(state.Favs[static_cast<std::size_t>(i)], i < c.replaced ? c.read : old) << "favourite " << i;
    }
    if (c.why) {
      EXPECT_EQ(win.calls, std::vector<std::string>{"notice " + notice(Msg::FileFailed, path + c.why)})
          << "no list refresh after a failed import";
    } else {
      EXPECT_EQ(win.calls, (std::vector<std::string>{"notice " + notice(Msg::FileImported, path), "refresh",
                                                     "showfav"}));
    }
    EXPECT_EQ(ReadAll(path), c.bytes) << "an import never writes";
  }
}

TEST_F(ExchangeTest, CancelDoesNothing) {
  state.Favs = AllKinds();
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(ToFsPath(dir.path()));
  platform.pickAnswers = {"", ""};
  ExportExchangeFile(state, window, platform);
  ImportExchangeFile(state, window, platform);
  std::filesystem::current_path(cwd);
  EXPECT_TRUE(window.calls.empty());
  EXPECT_EQ(state.Favs, AllKinds());
  EXPECT_EQ(platform.log, (std::vector<std::string>{"pick Select a File", "pick Select a File"}));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "no \".KJZ\" written anywhere";
}

TEST_F(ExchangeTest, PosixOnly_ImportReadsTheFileAsChosenWhenTheUpperCasedOneIsMissing) {
#ifdef _WIN32
  GTEST_SKIP() << "file names ignore case here";
#else
  const std::string lower = dir.file("mine.kjz");
  WriteAll(lower, ExchangeFile({"01#05#03#01#02#03#lower"}));
  platform.pickAnswers = {lower, lower};
  ImportExchangeFile(state, window, platform);
  EXPECT_EQ(state.Favs[0].Name, "lower");
  EXPECT_EQ(window.notices.back(), notice(Msg::FileImported, lower));

  // With both there, the exchange file name wins.
  WriteAll(dir.file("MINE.KJZ"), ExchangeFile({"01#05#03#01#02#03#upper"}));
  ImportExchangeFile(state, window, platform);
  EXPECT_EQ(state.Favs[0].Name, "upper");
  EXPECT_EQ(window.notices.back(), notice(Msg::FileImported, dir.file("MINE.KJZ")));
#endif
}

TEST_F(ExchangeTest, MissingFileIsAnErrorAndChangesNothing) {
  state.Favs = AllKinds();
  platform.pickAnswers = {dir.file("nothing")};
  ImportExchangeFile(state, window, platform);
  EXPECT_EQ(state.Favs, AllKinds());
  EXPECT_EQ(window.calls, std::vector<std::string>{
                              "notice " + notice(Msg::FileFailed, kjz("nothing") + ": cannot be opened")});
}

TEST_F(ExchangeTest, FailedExportKeepsTheOldFile) {
  const std::string path = kjz("OLD.KJZ");
  const std::string previous = ExchangeFile({"01#05#03#01#02#03#previous"});
  state.Favs = AllKinds();
  const WriteFault faults[] = {
      {WriteFault::At::Open},
      {WriteFault::At::AfterBytes, 200},
      {WriteFault::At::Sync},
      {WriteFault::At::Replace},
  };
  for (const WriteFault& fault : faults) {
    SCOPED_TRACE(static_cast<int>(fault.at));
    WriteAll(path, previous);
    test::RecordingWindow win;
    platform.pickAnswers = {path};
    {
      WriteFaultScope scope(fault);
      ExportExchangeFile(state, win, platform);
      EXPECT_EQ(scope.Fired(), 1);
    }
    EXPECT_EQ(ReadAll(path), previous);
    ASSERT_EQ(win.notices.size(), 1u);
    const std::string head = text(Msg::FileFailed) + "\r\n";
    ASSERT_EQ(win.notices[0].rfind(head, 0), 0u) << win.notices[0];
    const std::string description = win.notices[0].substr(head.size());
    EXPECT_NE(description.find(path), std::string::npos) << description;
    EXPECT_EQ(description.find_first_of("\r\n"), std::string::npos) << "one line: " << description;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no sibling left";
  }
}

TEST_F(ExchangeTest, ExportRefusesValuesThatWouldShiftTheLine) {
  const std::string path = kjz("OLD.KJZ");
  struct Case {
    const char* what;
    FavRecord fav;
    const char* why;  // nullptr: exported
  };
  const Case cases[] = {
      {"pack 100", Fav(1, 100, 0, {0, 0, 0, 0, 0}, "x"),
       "favourite 3: pack 100 does not fit a two-digit field"},
      {"negative grenade", Fav(2, 0, -1, {0, 0, 0, 0, 0}, "x"),
       "favourite 3: grenade -1 does not fit a two-digit field"},
      {"carried slot", Fav(0, 0, 0, {0, 0, 0, 0, 500}, "x"),
       "favourite 3: weapon slot 5 500 does not fit a two-digit field"},
      {"CR in the name", Fav(3, 0, 0, {0, 0, 0, 0, 0}, "a\rb"), "favourite 3: the name holds a line break"},
      {"odd slot a Scout does not carry", Fav(1, 0, 0, {0, 0, 0, 500, -3}, "x"), nullptr},
      {"CR beyond the 18 bytes written", Fav(3, 0, 0, {0, 0, 0, 0, 0}, std::string(18, 'n') + "\r"), nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteAll(path, "previous");
    state.Favs = AllKinds();
    state.Favs[2] = c.fav;
    test::RecordingWindow win;
    platform.pickAnswers = {path};
    ExportExchangeFile(state, win, platform);
    ASSERT_EQ(win.notices.size(), 1u);
    if (c.why) {
      EXPECT_EQ(win.notices[0], notice(Msg::FileFailed, path + ": not written, " + c.why));
      EXPECT_EQ(ReadAll(path), "previous");
    } else {
      EXPECT_EQ(win.notices[0], notice(Msg::FileExported, path));
      EXPECT_NE(ReadAll(path), "previous");
    }
  }
}

}  // namespace
}  // namespace ks
