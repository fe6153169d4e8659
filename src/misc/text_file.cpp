#include "misc/text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "misc/paths.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ks {
namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------------
// Reading

std::optional<std::string> ReadFileBytes(const std::string& path) {
  try {
    const fs::path p = ToFsPath(path);
    std::error_code ec;
    if (fs::is_directory(p, ec)) return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    // One read of the whole file; a character-by-character copy dominated the export's cost.
    std::string bytes;
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
      bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
      if (in.eof()) break;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<LineReader> LineReader::Open(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return LineReader(std::move(*bytes));
}

bool LineReader::ReadLine(std::string& line) {
  if (pos_ >= bytes_.size()) return false;
  const std::size_t cr = bytes_.find('\r', pos_);
  if (cr == std::string::npos) {
    line.assign(bytes_, pos_, std::string::npos);
    pos_ = bytes_.size();
    return true;
  }
  line.assign(bytes_, pos_, cr - pos_);
  pos_ = cr + 1;
  if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
  return true;
}

// ---------------------------------------------------------------------------------------------
// The fault seam

namespace {

struct FaultState {
  bool active = false;
  WriteFault fault;
  int opened = 0;
  int fired = 0;
};

thread_local FaultState g_fault;  // test seam only: empty unless a WriteFaultScope is alive

// The fault that applies to the file just opened as number `index`, if any.
const WriteFault* FaultFor(int index) {
  if (!g_fault.active || g_fault.fault.fileIndex != index) return nullptr;
  return &g_fault.fault;
}

constexpr std::size_t FlushThreshold = 64 * 1024;

}  // namespace

WriteFaultScope::WriteFaultScope(WriteFault fault) { g_fault = FaultState{true, fault, 0, 0}; }
WriteFaultScope::~WriteFaultScope() { g_fault = FaultState{}; }
int WriteFaultScope::Fired() const { return g_fault.fired; }

// ---------------------------------------------------------------------------------------------
// Writing

namespace {

#ifdef _WIN32
int OsOpen(const fs::path& p) {
  return _wopen(p.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
long OsWrite(int fd, const char* data, std::size_t n) { return _write(fd, data, static_cast<unsigned>(n)); }
int OsSync(int fd) { return _commit(fd); }
int OsClose(int fd) { return _close(fd); }
bool OsReplace(const fs::path& from, const fs::path& to) {
  // Fails when another program holds the target open without sharing delete (the running game):
  // then nothing is replaced.
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void KeepMode(int, const fs::path&) {}
void SyncFolder(const fs::path&) {}
#else
int OsOpen(const fs::path& p) { return ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666); }
long OsWrite(int fd, const char* data, std::size_t n) { return static_cast<long>(::write(fd, data, n)); }
int OsSync(int fd) { return ::fsync(fd); }
int OsClose(int fd) { return ::close(fd); }
bool OsReplace(const fs::path& from, const fs::path& to) { return ::rename(from.c_str(), to.c_str()) == 0; }
// The new file keeps the permissions of the one it replaces.
void KeepMode(int fd, const fs::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) (void)::fchmod(fd, st.st_mode & 07777);
}
// Makes the rename itself durable; a failure here cannot lose the new content any more.
void SyncFolder(const fs::path& folder) {
  const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (dfd >= 0) {
    (void)::fsync(dfd);
    (void)::close(dfd);
  }
}
#endif

std::string Describe(int err) { return std::generic_category().message(err); }

}  // namespace

AtomicTextWriter::~AtomicTextWriter() { Abandon(); }

bool AtomicTextWriter::Fail(const std::string& what) {
  if (!failed_) error_ = what;
  failed_ = true;
  return false;
}

bool AtomicTextWriter::Open(const std::string& path) {
  Abandon();
  failed_ = false;
  error_.clear();
  written_ = 0;
  buffer_.clear();
  const int index = g_fault.active ? g_fault.opened++ : 0;
  try {
    fs::path target = ToFsPath(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
      // Write beside the file the link points to, so the link itself survives the replace.
      const fs::path resolved = fs::weakly_canonical(target, ec);
      if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec)) return Fail(path + ": is a folder");
    target_ = FromFsPath(target);
    temp_ = target_ + ".kitsmith-new";
    if (const WriteFault* f = FaultFor(index); f && f->at == WriteFault::At::Open) {
      ++g_fault.fired;
      temp_.clear();
      return Fail(path + ": cannot create: " + Describe(f->error));
    }
    fd_ = OsOpen(ToFsPath(temp_));
    if (fd_ < 0) {
      const int err = errno;
      temp_.clear();
      return Fail(path + ": cannot create: " + Describe(err));
    }
    KeepMode(fd_, target);
  } catch (const std::exception& e) {
    return Fail(path + ": " + e.what());
  }
  fileIndex_ = index;
  return true;
}

bool AtomicTextWriter::WriteRaw(std::string_view bytes) {
  if (failed_ || fd_ < 0) return Fail(target_ + ": not open");
  buffer_.append(bytes);
  if (buffer_.size() >= FlushThreshold) return FlushBuffer();
  return true;
}

bool AtomicTextWriter::WriteLine(std::string_view line) {
  if (!WriteRaw(line)) return false;
  return WriteRaw("\r\n");
}

bool AtomicTextWriter::FlushBuffer() {
  const WriteFault* f = FaultFor(fileIndex_);
  std::size_t done = 0;
  while (done < buffer_.size()) {
    std::size_t n = buffer_.size() - done;
    if (f && f->at == WriteFault::At::AfterBytes) {
      if (written_ >= f->bytes) {
        ++g_fault.fired;
        return Fail(target_ + ": write failed after " + std::to_string(written_) + " bytes: " + Describe(f->error));
      }
      n = std::min(n, f->bytes - written_);
    }
    const long w = OsWrite(fd_, buffer_.data() + done, n);
    if (w <= 0) {
      const int err = w < 0 ? errno : 28;
      return Fail(target_ + ": write failed after " + std::to_string(written_) + " bytes: " + Describe(err));
    }
    done += static_cast<std::size_t>(w);
    written_ += static_cast<std::size_t>(w);
  }
  buffer_.clear();
  return true;
}

bool AtomicTextWriter::Commit() {
  if (failed_ || fd_ < 0) {
    Abandon();
    return Fail(target_ + ": not written");
  }
  const WriteFault* f = FaultFor(fileIndex_);
  bool ok = FlushBuffer();
  if (ok) {
    if (f && f->at == WriteFault::At::Sync) {
      ++g_fault.fired;
      ok = Fail(target_ + ": flush failed: " + Describe(f->error));
    } else if (OsSync(fd_) != 0) {
      ok = Fail(target_ + ": flush failed: " + Describe(errno));
    }
  }
  const int closeResult = OsClose(fd_);
  const int closeErr = errno;
  fd_ = -1;
  if (ok) {
    if (f && f->at == WriteFault::At::Close) {
      ++g_fault.fired;
      ok = Fail(target_ + ": close failed: " + Describe(f->error));
    } else if (closeResult != 0) {
      ok = Fail(target_ + ": close failed: " + Describe(closeErr));
    }
  }
  if (ok) {
    if (f && f->at == WriteFault::At::Replace) {
      ++g_fault.fired;
      ok = Fail(target_ + ": cannot replace: " + Describe(f->error));
    } else if (!OsReplace(ToFsPath(temp_), ToFsPath(target_))) {
#ifdef _WIN32
      ok = Fail(target_ + ": cannot replace (in use by another program?)");
#else
      ok = Fail(target_ + ": cannot replace: " + Describe(errno));
#endif
    }
  }
  if (!ok) {
    Abandon();
    return false;
  }
  temp_.clear();
  SyncFolder(ToFsPath(target_).parent_path());
  return true;
}

void AtomicTextWriter::Abandon() {
  if (fd_ >= 0) {
    (void)OsClose(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    std::error_code ec;
    fs::remove(ToFsPath(temp_), ec);
    temp_.clear();
  }
  buffer_.clear();
}

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines, std::string* error) {
  AtomicTextWriter w;
  bool ok = w.Open(path);
  for (std::size_t i = 0; ok && i < lines.size(); ++i) ok = w.WriteLine(lines[i]);
  if (ok) ok = w.Commit();
  if (!ok && error) *error = w.Error();
  return ok;
}

}  // namespace ks
