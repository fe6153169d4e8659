#pragma once
// Every fixed text of the window in English and German, as data. ui/ puts them on the window.

#include <optional>
#include <span>
#include <string_view>

#include "model/app_state.h"
#include "model/messages.h"

namespace ks::lang {

enum class Prop { Caption, Tooltip };

struct WindowText {
  std::string_view control;  // "picWeapon" and "picDrop" stand for every member of the array
  Prop prop;
  std::string_view english;
  std::string_view german;
};

// The captions and tooltips that follow the language, in table order.
std::span<const WindowText> WindowTexts();

// Items of the pack list (18, index = pack code) and of the grenade list (6, index = grenade code).
std::span<const MessagePair> PackItems();
std::span<const MessagePair> GrenItems();

struct DesignText {
  std::string_view control;
  std::string_view caption;
};
// Captions the buttons and labels carry before the language is first applied.
std::span<const DesignText> DesignCaptions();

// The armour label of the favourite view for Armor 0, 1, 2, 3 and 99; nothing for other values.
std::optional<MessagePair> ArmourLabel(ArmorKind armor);

// Tooltips of the palette pictures: armour palette k = 0..2, weapon palette k = 0..9.
MessagePair ArmourPaletteTooltip(int k);
MessagePair WeaponPaletteTooltip(int k);

// English for 0, German for 1. (Callers never pass other values; ApplyLanguage returns first.)
inline std::string_view Pick(const MessagePair& pair, LangIndex lang) {
  return lang == LangEnglish ? pair.english : pair.german;
}

}  // namespace ks::lang
