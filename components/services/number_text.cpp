#include "components/services/number_text.h"

#include <charconv>

std::string IntegerText(int value) {
  char text[16];
  std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

std::string DecimalText(double value) {
  // Room for the longest "%.13g" form: sign, 13 digits, point and a three-digit exponent.
  char text[32];
  std::to_chars_result written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 13);
  return std::string(text, written.ptr);
}
