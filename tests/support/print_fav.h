#pragma once
// Readable test failures for favourites: the fields, and the name in C escapes.

#include <gtest/gtest.h>

#include <ostream>

#include "model/favs.h"

namespace ks {

inline void PrintTo(const FavRecord& f, std::ostream* os) {
  *os << "{Armor " << f.Armor << ", Pack " << f.Pack << ", Gren " << f.Gren << ", Weapon";
  for (WeaponCode w : f.Weapon) *os << ' ' << w;
  *os << ", Name " << ::testing::PrintToString(f.Name) << " (" << f.Name.size() << " bytes), LoadoutText "
      << ::testing::PrintToString(f.LoadoutText) << "}";
}

}  // namespace ks
