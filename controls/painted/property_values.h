// Reading written property values by their form. A value of another form than the property's
// reads as 0 or empty, so a mistaken write can never throw.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>

#include "controls/runtime.h"

inline int32_t IntOf(const PropertyValue& value) {
  const int32_t* number = std::get_if<int32_t>(&value);
  return number ? *number : 0;
}

inline std::string TextOf(const PropertyValue& value) {
  const std::string* text = std::get_if<std::string>(&value);
  return text ? *text : std::string();
}

inline ByteString BytesOf(const PropertyValue& value) {
  const ByteString* bytes = std::get_if<ByteString>(&value);
  return bytes ? *bytes : ByteString();
}

// A choice brought into its list 0 .. last: below 0 becomes 0, above last becomes last.
inline int ChoiceOf(const PropertyValue& value, int last) { return std::clamp(IntOf(value), 0, last); }

inline int BooleanOf(const PropertyValue& value) { return IntOf(value) != 0 ? 1 : 0; }

inline Colour ColourOf(const PropertyValue& value) { return static_cast<Colour>(IntOf(value)); }

inline PropertyValue ColourValue(Colour colour) { return static_cast<int32_t>(colour); }
