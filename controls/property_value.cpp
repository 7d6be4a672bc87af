#include "controls/property_value.h"

#include <algorithm>

int32_t AsInt(const PropertyValue& value) {
  if (const auto* number = std::get_if<int32_t>(&value)) return *number;
  return 0;
}

int32_t AsBool(const PropertyValue& value) { return AsInt(value) != 0 ? 1 : 0; }

std::string AsText(const PropertyValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
  return {};
}

ByteString AsBytes(const PropertyValue& value) {
  if (const auto* bytes = std::get_if<ByteString>(&value)) return *bytes;
  if (const auto* text = std::get_if<std::string>(&value)) return ByteString(text->begin(), text->end());
  return {};
}

int BringChoice(int32_t value, int last) { return std::clamp<int32_t>(value, 0, last); }

int32_t BringInto(int32_t value, int32_t low, int32_t high) { return std::clamp(value, low, high); }
