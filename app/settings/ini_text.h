// The text of an INI file as plain C++ over strings: sections in brackets, "key=value" lines,
// comments beginning with ";" or "#". Lines the program does not know are kept as they were, so
// a file the user or a newer version wrote loses nothing when the program stores its values.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// `text` without the blanks and tabs at its ends.
std::string_view WithoutBlanksAround(std::string_view text);

class IniText {
 public:
  // An empty text: no sections.
  IniText() = default;
  // Reads `bytes` as UTF-8, a byte order mark at the start tolerated, lines ended by CRLF or LF.
  // A text that is not UTF-8 at all (it holds NUL bytes: UTF-16 or binary data) reads as empty.
  // A single line that is not valid UTF-8 or holds control characters is left out; the others
  // still read.
  static IniText Parse(std::string_view bytes);

  // The value of `key` in `section` with the blanks around it removed; empty when there is no
  // such key. Names are compared without regard to ASCII case; the first of two equal keys wins.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Replaces the value of the first `key` in `section`, or adds the key at the end of the
  // section (the section at the end of the text when there is none). `value` must not hold a
  // line break.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  // Adds `comment` (";" and a blank are put before it) as the first line.
  void AddCommentFirst(std::string_view comment);
  bool empty() const { return lines_.empty(); }

  // The whole text: UTF-8 without byte order mark, each line ended by CRLF.
  std::string Text() const;

 private:
  // The line index of the first line of `section`'s body and one past its end; nullopt when the
  // section is not there. The lines before the first header form the unnamed section "".
  struct Span {
    size_t begin;
    size_t end;
  };
  std::optional<Span> FindSection(std::string_view section) const;
  std::optional<size_t> FindKey(Span span, std::string_view key) const;

  std::vector<std::string> lines_;
};
