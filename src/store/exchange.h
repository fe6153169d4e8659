#pragma once
// Exchange files (*.KJZ): all twenty favourites as fixed-width text lines, for handing loadouts
// from one player to another.

#include <cstdint>
#include <string>

#include "misc/platform.h"
#include "model/app_state.h"
#include "ui/window_ops.h"

namespace ks {

// The value in decimal, with a "0" in front when it is below 10: two characters for 0..99.
std::string TwoDigits(std::int16_t value);

// The name cut to 18 bytes or filled with blanks up to 18.
std::string PadName18(const std::string& name);

// The dialog's answer as an exchange file name: the file name upper-cased and ".KJZ" appended
// unless it already ends so. Where file names tell case apart only the file name is upper-cased,
// so that the folder chosen stays the folder used; on Windows the whole path is. "" stays "".
std::string ExchangeFileName(const std::string& chosen);

// The file dialog for exchange files, in the current language, starting in the program's folder.
// Returns ExchangeFileName of the answer, or "" when cancelled (or, with mustExist, when the file
// is not there).
std::string PickFile(bool mustExist, LangIndex lang, Platform& platform);

// Click of cmdExpFile: writes the whole table to a chosen file, replacing it only when complete.
void ExportExchangeFile(AppState& state, WindowOps& window, Platform& platform);

// Click of cmdImpFile: reads a chosen file into the table, favourite by favourite and field by
// field; on success the list and the view are redrawn.
void ImportExchangeFile(AppState& state, WindowOps& window, Platform& platform);

}  // namespace ks
