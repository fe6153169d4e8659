#pragma once
// The window operations that the file subsystems call: all they may know of the window.
// No toolkit and nothing else of ui/ is included here.

#include <string>

#include "model/favs.h"

namespace ks {

class WindowOps {
 public:
  virtual ~WindowOps() = default;

  // Shows the text (already chosen for the language) with a beep and returns once the user has
  // pressed OK; on return the editing controls are unlocked.
  virtual void ShowNotice(const std::string& text) = 0;
  virtual void LockControls() = 0;
  virtual void UnlockControls() = 0;
  // Shows the current favourite; does nothing before the first favourite has been selected.
  virtual void ShowFav() = 0;
  // Rebuilds the favourite list and selects (and so shows) the previously selected entry again.
  virtual void RefreshFavList() = 0;
  // The favourite list itself. Selecting an entry that exists and is not yet selected makes it the
  // current favourite, unlocks the controls and shows it.
  virtual void FavListClear() = 0;
  virtual void FavListAppend(const std::string& entry) = 0;
  virtual void FavListSelect(int index) = 0;
  virtual void ApplyLanguage() = 0;
};

// The list entry of favourite i: the number i + 1 in two digits, " : " and the name.
inline std::string FavListEntry(const FavTable& favs, int i) {
  std::string entry;
  const int n = i + 1;
  if (n < 10) entry += '0';
  entry += std::to_string(n);
  entry += " : ";
  entry += favs[static_cast<std::size_t>(i)].Name;
  return entry;
}

}  // namespace ks
