#include "app/settings/ini_text.h"

#include <algorithm>
#include <cstdint>

#include "components/services/ascii_case.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether `line` is well-formed UTF-8 without control characters other than a tab.
bool IsCleanLine(std::string_view line) {
  for (size_t i = 0; i < line.size();) {
    const auto lead = static_cast<unsigned char>(line[i]);
    if (lead < 0x80) {
      if ((lead < 0x20 && lead != '\t') || lead == 0x7F) return false;
      ++i;
      continue;
    }
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (lead > 0xF4) length = 0;
    if (length == 0 || i + length > line.size()) return false;
    uint32_t point = lead & (0xFF >> (length + 1));
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(line[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      point = (point << 6) | (next & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and points past U+10FFFF are not UTF-8.
    const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

// The name of a "[name]" header line; nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
  const std::string_view trimmed = WithoutBlanksAround(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return WithoutBlanksAround(trimmed.substr(1, trimmed.size() - 2));
}

bool IsComment(std::string_view line) {
  const std::string_view trimmed = WithoutBlanksAround(line);
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The key of a "key=value" line; nullopt for headers, comments and lines without "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
  if (IsComment(line) || HeaderName(line)) return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return WithoutBlanksAround(line.substr(0, equals));
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += value;
  return line;
}

std::string HeaderLine(std::string_view section) {
  std::string line = "[";
  line += section;
  line += ']';
  return line;
}

}  // namespace

std::string_view WithoutBlanksAround(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

IniText IniText::Parse(std::string_view bytes) {
  IniText text;
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (bytes.find('\0') != std::string_view::npos) return text;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (IsCleanLine(line)) text.lines_.emplace_back(line);
  }
  return text;
}

std::optional<IniText::Span> IniText::FindSection(std::string_view section) const {
  std::optional<Span> found;
  if (section.empty()) found = Span{0, lines_.size()};
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = HeaderName(lines_[i]);
    if (!name) continue;
    if (found) {
      found->end = i;
      return found;
    }
    if (EqualIgnoringAsciiCase(*name, section)) found = Span{i + 1, lines_.size()};
  }
  return found;
}

std::optional<size_t> IniText::FindKey(Span span, std::string_view key) const {
  for (size_t i = span.begin; i < span.end; ++i) {
    const auto name = KeyOf(lines_[i]);
    if (name && EqualIgnoringAsciiCase(*name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const {
  const auto span = FindSection(section);
  if (!span) return std::nullopt;
  const auto line = FindKey(*span, key);
  if (!line) return std::nullopt;
  const std::string_view text = lines_[*line];
  return std::string(WithoutBlanksAround(text.substr(text.find('=') + 1)));
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto span = FindSection(section);
  if (!span) {
    lines_.push_back(HeaderLine(section));
    lines_.push_back(KeyLine(key, value));
    return;
  }
  if (const auto line = FindKey(*span, key)) {
    lines_[*line] = KeyLine(WithoutBlanksAround(lines_[*line].substr(0, lines_[*line].find('='))), value);
    return;
  }
  // After the section's last non-blank line, so a blank line before the next header stays there.
  size_t at = span->end;
  while (at > span->begin && WithoutBlanksAround(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), KeyLine(key, value));
}

void IniText::AddCommentFirst(std::string_view comment) {
  std::string line = "; ";
  line += comment;
  lines_.insert(lines_.begin(), std::move(line));
}

std::string IniText::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}
