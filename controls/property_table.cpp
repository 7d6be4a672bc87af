#include "controls/property_table.h"

namespace {
constexpr char kLineSeparator[] = "\r\n";
}  // namespace

int32_t ClampedInt(const PropertyValue& value, ValueClamp clamp) {
  switch (clamp.rule) {
    case ValueClamp::Rule::Boolean:
      return AsBool(value);
    case ValueClamp::Rule::Choice:
      return BringChoice(AsInt(value), clamp.high);
    case ValueClamp::Rule::Range:
      return BringInto(AsInt(value), clamp.low, clamp.high);
    case ValueClamp::Rule::AsIs:
      break;
  }
  return AsInt(value);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (size_t end; (end = text.find(kLineSeparator, start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? kLineSeparator : "") + lines[i];
  return text;
}
