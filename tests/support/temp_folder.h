// A fresh, empty folder in the system temporary folder for one test, removed with its
// contents when the test ends.
#pragma once
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Full path, UTF-8, without a trailing separator.
  const std::string& path() const { return path_; }
  // path() + "\" + relative.
  std::string operator/(const std::string& relative) const;

 private:
  std::string path_;
};
