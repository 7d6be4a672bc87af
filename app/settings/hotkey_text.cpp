#include "app/settings/hotkey_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/settings/ini_text.h"
#include "components/services/ascii_case.h"
#include "components/services/hotkey_modifiers.h"

namespace {

// The system's modifier bits (MOD_*) in the order the text writes them.
struct ModifierName {
  uint32_t bit;
  std::string_view name;
};
constexpr ModifierName kModifiers[] = {{hotkey_modifier::kControl, "Ctrl"},
                                       {hotkey_modifier::kShift, "Shift"},
                                       {hotkey_modifier::kAlt, "Alt"},
                                       {hotkey_modifier::kWindows, "Win"}};
constexpr uint32_t kLastKey = 0xFE;

// Keys named by a word; letters, digits, F1 to F24 and the number pad's digits follow rules.
struct KeyName {
  uint32_t key;
  std::string_view name;
};
constexpr KeyName kNamedKeys[] = {
    {0x08, "Backspace"},   {0x09, "Tab"},          {0x0D, "Enter"},     {0x13, "Pause"},
    {0x14, "CapsLock"},    {0x1B, "Esc"},          {0x20, "Space"},     {0x21, "PageUp"},
    {0x22, "PageDown"},    {0x23, "End"},          {0x24, "Home"},      {0x25, "Left"},
    {0x26, "Up"},          {0x27, "Right"},        {0x28, "Down"},      {0x2C, "PrintScreen"},
    {0x2D, "Insert"},      {0x2E, "Delete"},       {0x6A, "NumMultiply"}, {0x6B, "NumAdd"},
    {0x6D, "NumSubtract"}, {0x6E, "NumDecimal"},   {0x6F, "NumDivide"}, {0x90, "NumLock"},
    {0x91, "ScrollLock"},  {0xBA, ";"},            {0xBB, "="},         {0xBC, ","},
    {0xBD, "-"},           {0xBE, "."},            {0xBF, "/"},         {0xC0, "`"},
    {0xDB, "["},           {0xDC, "\\"},           {0xDD, "]"},         {0xDE, "'"},
};
constexpr uint32_t kFirstFunctionKey = 0x70;  // F1
constexpr uint32_t kFunctionKeys = 24;
constexpr uint32_t kFirstPadDigit = 0x60;  // Num0

std::string KeyName(uint32_t key) {
  for (const auto& named : kNamedKeys) {
    if (named.key == key) return std::string(named.name);
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  std::string name;
  if (key >= kFirstFunctionKey && key < kFirstFunctionKey + kFunctionKeys) {
    name = "F";
    name += std::to_string(key - kFirstFunctionKey + 1);
  } else if (key >= kFirstPadDigit && key <= kFirstPadDigit + 9) {
    name = "Num";
    name += std::to_string(key - kFirstPadDigit);
  } else {
    constexpr char kHex[] = "0123456789ABCDEF";
    name = "0x";
    name += kHex[(key >> 4) & 0xF];
    name += kHex[key & 0xF];
  }
  return name;
}

// A decimal number of one or two digits, from `low` to `high`.
std::optional<uint32_t> SmallNumber(std::string_view text, uint32_t low, uint32_t high) {
  if (text.empty() || text.size() > 2 || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  uint32_t number = 0;
  for (char c : text) number = number * 10 + static_cast<uint32_t>(c - '0');
  if (number < low || number > high) return std::nullopt;
  return number;
}

std::optional<uint32_t> HexKey(std::string_view text) {
  if (text.size() != 4 || !EqualIgnoringAsciiCase(text.substr(0, 2), "0x")) return std::nullopt;
  uint32_t key = 0;
  for (char c : text.substr(2)) {
    const char upper = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    const std::string_view digits = "0123456789ABCDEF";
    const size_t digit = digits.find(upper);
    if (digit == std::string_view::npos) return std::nullopt;
    key = key * 16 + static_cast<uint32_t>(digit);
  }
  if (key == 0 || key > kLastKey) return std::nullopt;
  return key;
}

std::optional<uint32_t> KeyNamed(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (const auto& named : kNamedKeys) {
    if (EqualIgnoringAsciiCase(named.name, name)) return named.key;
  }
  if (name.size() == 1) {
    const char upper = name[0] >= 'a' && name[0] <= 'z' ? static_cast<char>(name[0] - 'a' + 'A') : name[0];
    if ((upper >= '0' && upper <= '9') || (upper >= 'A' && upper <= 'Z')) return static_cast<uint32_t>(upper);
    return std::nullopt;
  }
  if ((name[0] == 'F' || name[0] == 'f'))
    if (const auto number = SmallNumber(name.substr(1), 1, kFunctionKeys)) return kFirstFunctionKey + *number - 1;
  if (EqualIgnoringAsciiCase(name.substr(0, 3), "Num"))
    if (const auto digit = SmallNumber(name.substr(3), 0, 9); digit && name.size() == 4) return kFirstPadDigit + *digit;
  return HexKey(name);
}

std::optional<uint32_t> ModifierNamed(std::string_view name) {
  if (EqualIgnoringAsciiCase(name, "Control")) return hotkey_modifier::kControl;
  for (const auto& modifier : kModifiers) {
    if (EqualIgnoringAsciiCase(modifier.name, name)) return modifier.bit;
  }
  return std::nullopt;
}

std::vector<std::string_view> PartsOf(std::string_view text) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t plus = text.find('+', start);
    const size_t length = plus == std::string_view::npos ? std::string_view::npos : plus - start;
    parts.push_back(WithoutBlanksAround(text.substr(start, length)));
    if (plus == std::string_view::npos) return parts;
    start = plus + 1;
  }
}

}  // namespace

std::string HotkeyText(const Hotkey& hotkey) {
  if (hotkey.IsNone()) return {};
  std::string text;
  for (const auto& modifier : kModifiers) {
    if (!(hotkey.modifiers & modifier.bit)) continue;
    text += modifier.name;
    text += '+';
  }
  text += KeyName(hotkey.key);
  return text;
}

std::optional<Hotkey> ParseHotkeyText(std::string_view text) {
  if (WithoutBlanksAround(text).empty()) return Hotkey{};
  const std::vector<std::string_view> parts = PartsOf(text);
  Hotkey hotkey;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const auto bit = ModifierNamed(parts[i]);
    if (!bit || (hotkey.modifiers & *bit)) return std::nullopt;
    hotkey.modifiers |= *bit;
  }
  const auto key = KeyNamed(parts.back());
  if (!key) return std::nullopt;
  hotkey.key = *key;
  return hotkey;
}
