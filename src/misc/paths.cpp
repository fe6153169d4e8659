#include "misc/paths.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ks {
namespace fs = std::filesystem;

fs::path ToFsPath(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string FromFsPath(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

bool EndsWithSeparator(std::string_view path) {
  if (path.empty()) return false;
  const char last = path.back();
#ifdef _WIN32
  return last == '\\' || last == '/';
#else
  return last == '/';
#endif
}

std::string WithTrailingSeparator(std::string path) {
  if (!EndsWithSeparator(path)) path += NativeSeparator;
  return path;
}

namespace {

#ifndef _WIN32
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The entry of `folder` spelled like `name` apart from case; the exact spelling wins.
std::string FindNoCase(const std::string& folder, std::string_view name) {
  std::error_code ec;
  const fs::path base = ToFsPath(folder.empty() ? std::string(".") : folder);
  if (fs::exists(base / ToFsPath(std::string(name)), ec)) return std::string(name);
  std::string found;
  for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = FromFsPath(it->path().filename());
    if (EqualsNoCase(entry, name)) {
      if (found.empty() || entry < found) found = entry;  // stable choice when several differ in case
    }
  }
  return found.empty() ? std::string(name) : found;
}
#endif

}  // namespace

std::string JoinGamePath(const std::string& folder, std::initializer_list<std::string_view> components) {
  std::string path = folder;
  bool first = true;
  for (std::string_view c : components) {
    if (!first) path += NativeSeparator;
    first = false;
#ifdef _WIN32
    path += c;  // Windows file names ignore case already
#else
    path += FindNoCase(path, c);
#endif
  }
  return path;
}

#ifdef _WIN32
namespace {
std::string Convert(const std::string& in, UINT from, UINT to) {
  if (in.empty()) return {};
  const int wlen = MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
  if (wlen <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wlen), L'\0');
  MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), wide.data(), wlen);
  // Without WC_NO_BEST_FIT_CHARS the code page's "best fit" would turn a character it lacks into a
  // look-alike: a fullwidth backslash into a real folder separator, "Ł" into "L". It must be '?'.
  const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int len = WideCharToMultiByte(to, flags, wide.data(), wlen, nullptr, 0, nullptr, nullptr);
  if (len <= 0) return {};
  std::string out(static_cast<std::size_t>(len), '\0');
  WideCharToMultiByte(to, flags, wide.data(), wlen, out.data(), len, nullptr, nullptr);
  return out;
}
}  // namespace

std::string PathToFileText(const std::string& utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }
std::string PathFromFileText(const std::string& bytes) { return Convert(bytes, CP_ACP, CP_UTF8); }
#else
std::string PathToFileText(const std::string& utf8) { return utf8; }
std::string PathFromFileText(const std::string& bytes) { return bytes; }
#endif

std::string JoinFile(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (!EndsWithSeparator(path)) path += NativeSeparator;
  path += name;
  return path;
}

}  // namespace ks
