#pragma once
// Text files as every file of the tool and the game uses them: single-byte lines that end at CR
// (an LF right after the CR belongs to the terminator, a lone LF is data), written with CR LF.
// Every read, write and close reports failure to its caller.

#include <cstddef>
#include <utility>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ks {

// Reads lines from bytes held in memory; the whole file is read at open, so reading is linear and
// a read error shows at open.
class LineReader {
 public:
  explicit LineReader(std::string bytes) : bytes_(std::move(bytes)) {}

  // The file's bytes, or nothing when it cannot be opened or read (missing, a folder, no access).
  static std::optional<LineReader> Open(const std::string& path);

  // Reads the next line into `line`. Fails (returns false, `line` untouched) when the end had been
  // reached before the call, so an empty file fails its first read.
  bool ReadLine(std::string& line);

  // True once the end has been reached after a line: the last line has been read.
  bool AtEnd() const { return pos_ >= bytes_.size(); }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

// Writes a file whole and replaces the old one only when the new content is complete: the lines go
// to a sibling file that is flushed, synced and closed, then renamed over the target. On any
// failure the target keeps its previous bytes and the sibling is removed. A target that is a
// symbolic link stays a link; the file it points to receives the content.
class AtomicTextWriter {
 public:
  AtomicTextWriter() = default;
  AtomicTextWriter(const AtomicTextWriter&) = delete;
  AtomicTextWriter& operator=(const AtomicTextWriter&) = delete;
  ~AtomicTextWriter();

  bool Open(const std::string& path);
  // Writes the line and CR LF.
  bool WriteLine(std::string_view line);
  // Writes bytes as they are.
  bool WriteRaw(std::string_view bytes);
  // Flushes, syncs, closes and replaces the target. False when any step failed, then or before.
  bool Commit();
  // Drops the sibling file; the target is untouched.
  void Abandon();

  // A one-line description of the last failure, for notices that give one.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& what);
  bool FlushBuffer();

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  int fileIndex_ = 0;
  std::size_t written_ = 0;
  bool failed_ = false;
  std::string buffer_;
  std::string error_;
};

// Reads a whole file into memory; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes the lines, each with CR LF, as one atomic replace. False on any failure; the old file
// then keeps its bytes.
bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines,
                          std::string* error = nullptr);

// A seam for tests: while a WriteFaultScope is alive on this thread, writers fail at the chosen
// point, with the chosen errno, as a full disk, a locked file or a lost network drive would.
struct WriteFault {
  enum class At {
    Open,       // creating the sibling file fails
    AfterBytes, // writing fails once `bytes` bytes have reached the file
    Sync,       // flush or fsync fails (a full disk often shows only there)
    Close,      // close fails
    Replace,    // the rename over the target fails
  };
  At at = At::Open;
  std::size_t bytes = 0;
  int error = 28;  // ENOSPC
  // Fault only the n-th file opened while the scope lives (0 = the first).
  int fileIndex = 0;
};

class WriteFaultScope {
 public:
  explicit WriteFaultScope(WriteFault fault);
  ~WriteFaultScope();
  WriteFaultScope(const WriteFaultScope&) = delete;
  WriteFaultScope& operator=(const WriteFaultScope&) = delete;
  // How many faults have actually fired.
  int Fired() const;
};

}  // namespace ks
