// Entry names that try to leave the extraction folder, in every shape known to have worked
// against some unpacker, with a few look-alikes that are harmless and must stay inside. Every
// element a name invents holds kEscapeMarker, so an escape leaves a name the watch can find.
#pragma once
#include <string>
#include <vector>

struct HostileName {
  const char* what;
  std::string name;  // stored bytes, NUL and any code page included
  // False: Unpack must refuse the entry. True: a name that only looks hostile; it may be
  // extracted (inside the folder) or fail, but never lands outside.
  bool harmless;
};

const std::vector<HostileName>& HostileNames();
