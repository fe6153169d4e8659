#pragma once
// The state every subsystem reads: one value, passed by reference, never global.

#include <cstdint>
#include <string>

#include "model/favs.h"

namespace ks {

using LangIndex = std::int16_t;  // 0 English, 1 German
inline constexpr LangIndex LangEnglish = 0;
inline constexpr LangIndex LangGerman = 1;

struct AppState {
  FavTable Favs{};
  std::int16_t CurrentFav = 0;
  // The game's root folder, UTF-8, ending with the native separator once start-up has passed.
  std::string GamePath;
  LangIndex Lang = LangEnglish;
  // False until an import from the game has succeeded, and again after one fails: exporting a
  // partly read table would overwrite the player's favourites with it.
  bool ImportSucceeded = false;

  FavRecord& current() { return Favs[static_cast<std::size_t>(CurrentFav)]; }
  const FavRecord& current() const { return Favs[static_cast<std::size_t>(CurrentFav)]; }
};

}  // namespace ks
