// Where Unpack writes an entry: the extraction folder joined with the entry's name, but only
// when the result stays inside that folder.
#pragma once
#include <string>

class EntryTargets {
 public:
  // `folder`: the extraction folder as the caller named it.
  explicit EntryTargets(const std::wstring& folder);

  // The path for entry `name` (UTF-8): `folder` + "\" (unless it ends with one) + the name's
  // elements that name something (EntryPathInFolder), or `folder` itself when the name names
  // the folder ("./"). False when the name fails the name check, or when its full path, once
  // the system has normalised it, does not lie below the folder's full path.
  bool PathFor(const std::string& name, std::wstring* path) const;

 private:
  std::wstring folder_;
  std::wstring fullFolder_;  // ends with "\"; empty when the system could not form it
};
