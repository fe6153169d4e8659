#include "misc/text_file.h"

#include <gtest/gtest.h>

#include "misc/paths.h"
#include "support/temp_dir.h"

namespace ks {
namespace {

std::vector<std::string> ReadAllLines(const std::string& bytes, bool* firstReadFailed = nullptr) {
  LineReader r(bytes);
  std::vector<std::string> lines;
  std::string line;
  if (!r.ReadLine(line)) {
    if (firstReadFailed) *firstReadFailed = true;
    return lines;
  }
  lines.push_back(line);
  while (!r.AtEnd()) {
    EXPECT_TRUE(r.ReadLine(line));
    lines.push_back(line);
  }
  EXPECT_FALSE(r.ReadLine(line)) << "reading past the end must fail";
  return lines;
}

TEST(LineReaderTest, LinesEndAtCarriageReturn) {
  using V = std::vector<std::string>;
  struct Case {
    const char* what;
    std::string bytes;
    V lines;
  };
  const Case cases[] = {
      {"CR LF", "a\r\nb\r\n", V{"a", "b"}},
      {"CR alone", "a\rb\r", V{"a", "b"}},
      {"lone LF is data", "a\nb\r\nc", V{"a\nb", "c"}},
      {"last line without terminator", "a\r\nlast", V{"a", "last"}},
      {"one empty line", "\r\n", V{""}},
      {"empty line in the middle", "a\r\n\r\nb\r\n", V{"a", "", "b"}},
      {"CR CR LF: an empty line", "a\r\r\nb", V{"a", "", "b"}},
      {"LF only file is one line", "a\nb\n", V{"a\nb\n"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadAllLines(c.bytes), c.lines) << c.what;
  }
}

TEST(LineReaderTest, EmptyFileFailsTheFirstRead) {
  bool failed = false;
  EXPECT_TRUE(ReadAllLines("", &failed).empty());
  EXPECT_TRUE(failed);
  LineReader r("x");
  EXPECT_FALSE(r.AtEnd());
}

TEST(LineReaderTest, OpenFailsForMissingFilesAndFolders) {
  test::TempDir dir;
  EXPECT_FALSE(LineReader::Open(dir.file("missing.txt")).has_value());
  EXPECT_FALSE(LineReader::Open(dir.path()).has_value());
  test::WriteAll(dir.file("x.txt"), "one\r\ntwo");
  auto r = LineReader::Open(dir.file("x.txt"));
  ASSERT_TRUE(r.has_value());
  std::string line;
  ASSERT_TRUE(r->ReadLine(line));
  EXPECT_EQ(line, "one");
}

TEST(AtomicTextWriterTest, WritesLinesWithCrLfAndReplacesWhole) {
  test::TempDir dir;
  const std::string path = dir.file("out.txt");
  test::WriteAll(path, "old content that is longer than the new one\r\n");
  ASSERT_TRUE(WriteLinesAtomically(path, {"one", "", "three"}));
  EXPECT_EQ(test::ReadAll(path), "one\r\n\r\nthree\r\n");
  // No sibling left behind.
  EXPECT_FALSE(std::filesystem::exists(ToFsPath(path + ".kitsmith-new")));
}

TEST(AtomicTextWriterTest, EveryFailureKeepsTheOldBytesAndIsReported) {
  struct Case {
    const char* what;
    WriteFault fault;
  };
  const Case cases[] = {
      {"open", {WriteFault::At::Open}},
      {"first byte", {WriteFault::At::AfterBytes, 0}},
      {"mid line", {WriteFault::At::AfterBytes, 7}},
      {"sync (full disk seen at flush)", {WriteFault::At::Sync}},
      {"close", {WriteFault::At::Close}},
      {"replace", {WriteFault::At::Replace}},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const std::string path = dir.file("keep.txt");
    test::WriteAll(path, "precious\r\nbytes\r\n");
    std::string error;
    {
      WriteFaultScope scope(c.fault);
      EXPECT_FALSE(WriteLinesAtomically(path, {"new first line", "new second line"}, &error)) << c.what;
      EXPECT_EQ(scope.Fired(), 1) << c.what;
    }
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_EQ(test::ReadAll(path), "precious\r\nbytes\r\n") << c.what;
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(path + ".kitsmith-new"))) << c.what;
    // The same write succeeds once the fault is gone.
    EXPECT_TRUE(WriteLinesAtomically(path, {"new"})) << c.what;
    EXPECT_EQ(test::ReadAll(path), "new\r\n") << c.what;
  }
}

TEST(AtomicTextWriterTest, WrittenBytesReadBackByteForByte) {
  // Every byte value, a lone LF, a lone CR and Ctrl-Z: a text-mode stream anywhere would turn LF
  // into CR LF, drop CRs or stop reading at Ctrl-Z.
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  test::TempDir dir;
  const std::string path = dir.file("bytes.cs");
  AtomicTextWriter w;
  ASSERT_TRUE(w.Open(path));
  ASSERT_TRUE(w.WriteRaw(all));
  ASSERT_TRUE(
      w.WriteRaw("a\nb\rc\x1A"
                 "d"));
  ASSERT_TRUE(w.WriteLine("\xE4\x80 line"));
  ASSERT_TRUE(w.Commit()) << w.Error();
  const std::string expected = all +
                               "a\nb\rc\x1A"
                               "d\xE4\x80 line\r\n";
  EXPECT_EQ(ReadFileBytes(path), expected);
  EXPECT_EQ(test::ReadAll(path), expected);

  auto reader = LineReader::Open(path);
  ASSERT_TRUE(reader.has_value());
  std::string line, last;
  while (reader->ReadLine(line)) last = line;
  EXPECT_EQ(last,
            "c\x1A"
            "d\xE4\x80 line");
}

TEST(AtomicTextWriterTest, FaultHitsOnlyTheChosenFile) {
  test::TempDir dir;
  WriteFaultScope scope({WriteFault::At::AfterBytes, 0, 28, 1});
  EXPECT_TRUE(WriteLinesAtomically(dir.file("a.txt"), {"a"}));
  EXPECT_FALSE(WriteLinesAtomically(dir.file("b.txt"), {"b"}));
  EXPECT_FALSE(std::filesystem::exists(ToFsPath(dir.file("b.txt"))));
}

TEST(AtomicTextWriterTest, LargeOutputIsWrittenInFull) {
  test::TempDir dir;
  const std::string path = dir.file("big.txt");
  std::vector<std::string> lines(20000, std::string(40, 'x'));
  ASSERT_TRUE(WriteLinesAtomically(path, lines));
  EXPECT_EQ(test::ReadAll(path).size(), 20000u * 42u);
}

TEST(AtomicTextWriterTest, WritingIntoAMissingFolderFails) {
  test::TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteLinesAtomically(dir.file("no/such/folder/x.txt"), {"x"}, &error));
  EXPECT_NE(error.find("x.txt"), std::string::npos) << error;
}

#ifndef _WIN32
TEST(AtomicTextWriterTest, PosixOnly_SymbolicLinkStaysALink) {
  test::TempDir dir;
  const std::string real = dir.file("real.cs");
  const std::string link = dir.file("link.cs");
  test::WriteAll(real, "old\r\n");
  std::filesystem::create_symlink(ToFsPath(real), ToFsPath(link));
  ASSERT_TRUE(WriteLinesAtomically(link, {"new"}));
  EXPECT_TRUE(std::filesystem::is_symlink(ToFsPath(link)));
  EXPECT_EQ(test::ReadAll(real), "new\r\n");
}

TEST(AtomicTextWriterTest, PosixOnly_FullDiskIsReportedAndLosesNothing) {
  test::TempDir dir;
  const std::string path = dir.file("prefs.cs");
  test::WriteAll(path, "keep\r\n");
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
  // The sibling file is a link to /dev/full: every write to it meets a full disk.
  std::filesystem::create_symlink("/dev/full", ToFsPath(path + ".kitsmith-new"));
  EXPECT_FALSE(WriteLinesAtomically(path, {"new"}));
  EXPECT_EQ(test::ReadAll(path), "keep\r\n");
}
#endif

}  // namespace
}  // namespace ks
