#include "app/settings/hotkey_text.h"

#include <cstdio>

namespace {

// Modifier bits and virtual-key codes as the system defines them; this file stays free of
// <windows.h> so the rule is plain C++.
constexpr uint32_t kAlt = 0x0001;
constexpr uint32_t kControl = 0x0002;
constexpr uint32_t kShift = 0x0004;
constexpr uint32_t kWin = 0x0008;

struct KeyName {
  uint32_t key;
  const char* name;
};

constexpr KeyName kNamedKeys[] = {
    {0x03, "Break"},    {0x08, "Backspace"}, {0x09, "Tab"},      {0x0C, "Clear"},   {0x0D, "Enter"},
    {0x13, "Pause"},    {0x14, "CapsLock"},  {0x1B, "Esc"},      {0x20, "Space"},   {0x21, "PageUp"},
    {0x22, "PageDown"}, {0x23, "End"},       {0x24, "Home"},     {0x25, "Left"},    {0x26, "Up"},
    {0x27, "Right"},    {0x28, "Down"},      {0x2C, "PrintScreen"}, {0x2D, "Insert"}, {0x2E, "Delete"},
    {0x6A, "Num *"},    {0x6B, "Num +"},     {0x6D, "Num -"},    {0x6E, "Num ."},   {0x6F, "Num /"},
    {0x90, "NumLock"},  {0x91, "ScrollLock"}, {0xBA, ";"},       {0xBB, "="},       {0xBC, ","},
    {0xBD, "-"},        {0xBE, "."},         {0xBF, "/"},        {0xC0, "`"},       {0xDB, "["},
    {0xDC, "\\"},       {0xDD, "]"},         {0xDE, "'"},
};

// Appends the key's name to `text`.
void AppendKeyName(std::string& text, uint32_t key) {
  if (key >= 0x70 && key <= 0x87) {
    text += 'F';
    text += std::to_string(key - 0x70 + 1);
  } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<char>(key);
  } else if (key >= 0x60 && key <= 0x69) {
    text += "Num ";
    text += std::to_string(key - 0x60);
  } else {
    for (const KeyName& named : kNamedKeys) {
      if (named.key == key) {
        text += named.name;
        return;
      }
    }
    char code[16];
    std::snprintf(code, sizeof(code), "0x%02X", static_cast<unsigned>(key));
    text += code;
  }
}

}  // namespace

std::string HotkeyText(const Hotkey& hotkey) {
  if (hotkey.IsNone()) return "";
  std::string text;
  if (hotkey.modifiers & kControl) text += "Ctrl+";
  if (hotkey.modifiers & kShift) text += "Shift+";
  if (hotkey.modifiers & kAlt) text += "Alt+";
  if (hotkey.modifiers & kWin) text += "Win+";
  AppendKeyName(text, hotkey.key);
  return text;
}
