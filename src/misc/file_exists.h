#pragma once

#include <string>

namespace ks {

// True when the path names a file that can be opened for reading; a folder, a missing file, no
// access or an invalid name give false. Never throws.
bool FileExists(const std::string& path) noexcept;

}  // namespace ks
